#include "ui/goods/StockGridHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

StockGridHeader::StockGridHeader(const QStringList& groups, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_groups(groups)
{
    setSectionsClickable(false);
    setSectionsMovable(false);
}

QSize StockGridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * size.height());
    return size;
}

void StockGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QString caption = model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    if (logicalIndex == 0) {
        paintCell(painter, rect, caption);
        return;
    }
    const int half = rect.height() / 2;
    const qsizetype group = (logicalIndex - 1) / 2;
    // Each column of a pair paints the whole group cell, so that it reads as
    // one whichever of the two is repainted.
    const int first = 1 + 2 * int(group);
    const int left = sectionViewportPosition(first);
    const int width = sectionSize(first) + sectionSize(first + 1);
    painter->save();
    painter->setClipRect(rect);
    paintCell(painter, QRect(left, rect.top(), width, half), m_groups.value(group));
    painter->restore();
    paintCell(painter, QRect(rect.left(), rect.top() + half, rect.width(), rect.height() - half), caption);
}

void StockGridHeader::paintCell(QPainter* painter, const QRect& rect, const QString& text) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.text = text;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
}
