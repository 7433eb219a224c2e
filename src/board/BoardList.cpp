#include "board/BoardList.h"

#include "base/DateText.h"
#include "base/Notation.h"
#include "billing/ModGETPrice.h"
#include "board/BoardPictures.h"

#include <QHash>
#include <QHeaderView>

BoardList::BoardList(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setRootIsDecorated(false);
    setHeaderLabels({QStringLiteral("台号"), QStringLiteral("开始日期"), QStringLiteral("结束日期"),
                     QStringLiteral("时长"), QStringLiteral("元/小时"), QStringLiteral("合计"),
                     QStringLiteral("会员号"), QStringLiteral("状态")});
    constexpr int twips[] = {800, 2200, 2200, 800, 800, 500, 600, 600};
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, twips[column] / 15);
}

void BoardList::setPictures(const BoardPictures& pictures)
{
    m_free = pictures.freeTable;
    m_inUse = pictures.tableInUse;
}

void BoardList::build(const QList<BoardRow>& tables)
{
    clear();
    for (const BoardRow& table : tables) {
        auto* item = new QTreeWidgetItem(this, {QString::number(table.zhao)});
        item->setIcon(0, QIcon(table.sybj ? m_inUse : m_free));
    }
}

void BoardList::showVisits(const QList<BoardRow>& tables, const QDateTime& now)
{
    QHash<qint16, const BoardRow*> byNumber;
    for (const BoardRow& table : tables)
        byNumber.insert(table.zhao, &table);
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        const std::optional<qint16> zhao = Notation::CInt(Notation::Val(item->text(0)));
        const BoardRow* table = zhao ? byNumber.value(*zhao) : nullptr;
        if (!table || !table->visit) {
            item->setIcon(0, QIcon(m_free));
            for (int column = 0; column < columnCount(); ++column)
                item->setForeground(column, QColor(0, 0, 255));
            continue;
        }
        const BoardRow::Visit& visit = *table->visit;
        const qint64 minutes = qint64(GetFzs(visit.ksrc, now));
        item->setText(1, DateText::dateTime(visit.ksrc));
        item->setText(3, QString::number(minutes / 60) + QLatin1Char(':') + QString::number(minutes % 60));
        item->setText(4, QString::number(visit.dj, 'g', 7));
        if (!visit.khao.isEmpty())
            item->setText(6, visit.khao);
        item->setText(7, QStringLiteral("使用"));
        item->setIcon(0, QIcon(m_inUse));
        for (int column = 0; column < columnCount(); ++column)
            item->setForeground(column, QColor(255, 0, 0));
    }
}
