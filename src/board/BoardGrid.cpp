#include "board/BoardGrid.h"

#include "base/DateText.h"
#include "board/BoardPictures.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <numeric>

namespace {

const QString InUse = QStringLiteral("使用");
// Set on the reminder cell once its minutes are reached.
constexpr int DueRole = Qt::UserRole + 1;
constexpr int LargestPointSize = 12;
constexpr int SmallestPointSize = 9;

// Keeps the row's state colour under the selection: the current table gets
// a tint and a frame instead of the style's opaque highlight. The table
// number, the running time and a reminder that is due stand out.
class RowDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        const bool selected = plain.state & QStyle::State_Selected;
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, plain, index);
        if (!selected)
            return;
        painter->save();
        const QRect r = option.rect;
        painter->fillRect(r, QColor(0x1e, 0x4f, 0xc8, 36));
        painter->setPen(QPen(QColor(0x1e, 0x4f, 0xc8), 3));
        painter->drawLine(r.topLeft() + QPoint(0, 1), r.topRight() + QPoint(0, 1));
        painter->drawLine(r.bottomLeft() - QPoint(0, 1), r.bottomRight() - QPoint(0, 1));
        if (index.column() == 0)
            painter->drawLine(r.topLeft() + QPoint(1, 0), r.bottomLeft() + QPoint(1, 0));
        if (index.column() == index.model()->columnCount() - 1)
            painter->drawLine(r.topRight() - QPoint(1, 0), r.bottomRight() - QPoint(1, 0));
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const bool due = index.data(DueRole).toBool();
        if (index.column() == BoardGrid::Zhao || index.column() == BoardGrid::Duration || due)
            option->font.setBold(true);
        if (due)
            option->palette.setColor(QPalette::Text, QColor(0xb0, 0x00, 0x20));
    }
};

QString rateText(double rate)
{
    return QString::number(rate, 'g', 7);
}

} // namespace

const QColor BoardGrid::FreeColour(253, 251, 227);
const QColor BoardGrid::InUseColour(255, 192, 192);

BoardGrid::BoardGrid(QWidget* parent)
    : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("FlGrid"));
    setHorizontalHeaderLabels({QStringLiteral("台号"), QStringLiteral("开始日期"), QStringLiteral("结束日期"),
                               QStringLiteral("时长"), QStringLiteral("元/小时"), QStringLiteral("合计"),
                               QStringLiteral("卡号"), QStringLiteral("状态"), QStringLiteral("位名称"),
                               QStringLiteral("提醒")});
    setItemDelegate(new RowDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setStretchLastSection(true);
    setPointSize(LargestPointSize);
}

void BoardGrid::setPictures(const BoardPictures& pictures)
{
    m_free = pictures.freeTable;
    m_inUse = pictures.tableInUse;
}

void BoardGrid::build(const QList<BoardRow>& tables, int rowHeight)
{
    clearContents();
    setRowCount(int(tables.size()));
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setIconSize(QSize(rowHeight * 4 / 3, rowHeight - 6));
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            const bool centred =
                column == Zhao || column == Duration || column == Rate || column == Total || column == Status;
            item->setTextAlignment(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
            setItem(row, column, item);
        }
        setText(row, Zhao, QString::number(tables.at(row).zhao));
        setText(row, Name, tables.at(row).mc);
        paintRow(row, tables.at(row).sybj);
        setRowHeight(row, rowHeight);
    }
    fitColumns();
}

int BoardGrid::rowOf(qint16 zhao) const
{
    const QString number = QString::number(zhao);
    for (int row = 0; row < rowCount(); ++row) {
        if (text(row, Zhao) == number)
            return row;
    }
    return -1;
}

QString BoardGrid::text(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void BoardGrid::setText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, column))
        cell->setText(text);
}

void BoardGrid::showInUse(int row, const BoardRow::Visit& visit, const QString& duration,
                          const BoardRows::Reminder& reminder)
{
    setText(row, Start, DateText::dateTime(visit.ksrc));
    setText(row, End, QString());
    setText(row, Rate, rateText(visit.dj1));
    setText(row, Duration, duration);
    // A visit without a card shows none, not the card of an earlier guest.
    setText(row, Card, visit.khao);
    setText(row, Status, InUse);
    setText(row, Reminder, reminder.text);
    if (QTableWidgetItem* cell = item(row, Reminder))
        cell->setData(DueRole, reminder.due);
    paintRow(row, true);
}

void BoardGrid::showFree(int row)
{
    setText(row, Status, QString());
    if (QTableWidgetItem* cell = item(row, Reminder))
        cell->setData(DueRole, false);
    paintRow(row, false);
}

void BoardGrid::paintRow(int row, bool inUse)
{
    const QColor colour = inUse ? InUseColour : FreeColour;
    for (int column = 0; column < ColumnCount; ++column) {
        if (QTableWidgetItem* cell = item(row, column))
            cell->setBackground(colour);
    }
    if (QTableWidgetItem* cell = item(row, Zhao))
        cell->setIcon(QIcon(inUse ? m_inUse : m_free));
}

void BoardGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    fitColumns();
}

void BoardGrid::setPointSize(int pointSize)
{
    QFont text = font();
    text.setPointSize(pointSize);
    setFont(text);
    text.setBold(true);
    horizontalHeader()->setFont(text);
}

// The widths of the original layout (twips / 15), widened where the font
// needs the room for the longest text a column shows.
QList<int> BoardGrid::columnWidths(int pointSize) const
{
    constexpr int twips[ColumnCount] = {750, 1890, 1890, 650, 850, 650, 850, 650, 800, 850};
    const QStringList longest = {QStringLiteral("48"),
                                 QStringLiteral("2026-12-06 20:30:00"),
                                 QStringLiteral("2026-12-06 20:30:00"),
                                 QStringLiteral("25:00"),
                                 QStringLiteral("120.5"),
                                 QStringLiteral("0.00"),
                                 QStringLiteral("8000000001"),
                                 QStringLiteral("使用"),
                                 QStringLiteral("斯诺克10"),
                                 QStringLiteral("120 分钟已到")};
    QFont bold = font();
    bold.setPointSize(pointSize);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QList<int> widths;
    for (int column = 0; column < ColumnCount; ++column) {
        int needed = std::max(metrics.horizontalAdvance(longest.at(column)),
                              metrics.horizontalAdvance(horizontalHeaderItem(column)->text())) +
                     14;
        if (column == Zhao)
            needed += iconSize().width() + 6;
        widths.append(std::max(twips[column] / 15, needed));
    }
    return widths;
}

// The largest font with which every column fits the width the board has;
// on a narrow screen the smallest, and the grid scrolls.
void BoardGrid::fitColumns()
{
    const int available = viewport()->width();
    int pointSize = LargestPointSize;
    QList<int> widths = columnWidths(pointSize);
    while (pointSize > SmallestPointSize && std::accumulate(widths.cbegin(), widths.cend(), 0) > available)
        widths = columnWidths(--pointSize);
    if (font().pointSize() != pointSize)
        setPointSize(pointSize);
    for (int column = 0; column < ColumnCount; ++column)
        setColumnWidth(column, widths.at(column));
}
