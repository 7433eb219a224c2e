#include "ui/board/BoardGrid.h"

#include "core/board/BoardModel.h"
#include "ui/board/BoardPictures.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

#include <numeric>

namespace {

constexpr int LargestPointSize = 12;
constexpr int SmallestPointSize = 9;
constexpr int TypingPauseMs = 3000;

// The board's look over its rows: the state colour across the row, the
// state picture in the first cell, the short columns centred.
class RowLook final : public QIdentityProxyModel
{
public:
    RowLook(const BoardPictures& pictures, QObject* parent)
        : QIdentityProxyModel(parent)
        , m_free(pictures.freeTable)
        , m_inUse(pictures.tableInUse)
    {}

    QVariant data(const QModelIndex& index, int role) const override
    {
        const int column = index.column();
        switch (role) {
        case Qt::BackgroundRole:
            return inUse(index) ? BoardGrid::InUseColour : BoardGrid::FreeColour;
        case Qt::DecorationRole:
            return column == BoardModel::Number ? QVariant(inUse(index) ? m_inUse : m_free) : QVariant();
        case Qt::TextAlignmentRole: {
            const bool centred = column == BoardModel::Number || column == BoardModel::Duration ||
                                 column == BoardModel::Rate || column == BoardModel::Total ||
                                 column == BoardModel::Status;
            return int(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
        }
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }

private:
    static bool inUse(const QModelIndex& index) { return index.data(BoardModel::InUseRole).toBool(); }

    QIcon m_free;
    QIcon m_inUse;
};

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
        const bool due = index.data(BoardModel::DueRole).toBool();
        if (index.column() == BoardModel::Number || index.column() == BoardModel::Duration || due)
            option->font.setBold(true);
        if (due)
            option->palette.setColor(QPalette::Text, QColor(0xb0, 0x00, 0x20));
    }
};

} // namespace

const QColor BoardGrid::FreeColour(253, 251, 227);
const QColor BoardGrid::InUseColour(255, 192, 192);

BoardGrid::BoardGrid(QWidget* parent)
    : QTableView(parent)
    , m_typingPause(new QTimer(this))
{
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(TypingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, [this] { setTypedNumber(QString()); });
    setObjectName(QStringLiteral("boardGrid"));
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

void BoardGrid::setBoard(BoardModel* board, const BoardPictures& pictures)
{
    auto* look = new RowLook(pictures, this);
    look->setSourceModel(board);
    setModel(look);
    fitColumns();
}

void BoardGrid::setRowHeights(int rowHeight)
{
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setIconSize(QSize(rowHeight * 4 / 3, rowHeight - 6));
    fitColumns();
}

void BoardGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
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
    constexpr int twips[BoardModel::ColumnCount] = {750, 1890, 1890, 650, 850, 650, 850, 650, 800, 850};
    const QStringList longest = {QStringLiteral("48"),
                                 QStringLiteral("2026-12-06 20:30:00"),
                                 QStringLiteral("2026-12-06 20:30:00"),
                                 QStringLiteral("25:00"),
                                 QStringLiteral("120.5"),
                                 QStringLiteral("9999.00"),
                                 QStringLiteral("8000000001"),
                                 QCoreApplication::translate("BoardModel", "使用"),
                                 QStringLiteral("斯诺克10"),
                                 QCoreApplication::translate("BoardRows", "%1 分钟已到").arg(120)};
    QFont bold = font();
    bold.setPointSize(pointSize);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QList<int> widths;
    for (int column = 0; column < BoardModel::ColumnCount; ++column) {
        const QString caption = model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
        int needed = std::max(metrics.horizontalAdvance(longest.at(column)), metrics.horizontalAdvance(caption)) + 14;
        if (column == BoardModel::Number)
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
    if (!model())
        return;
    for (int column = 0; column < BoardModel::ColumnCount; ++column)
        setColumnWidth(column, widths.at(column));
}

QString BoardGrid::takeTypedNumber()
{
    const QString typed = m_typed;
    setTypedNumber(QString());
    return typed;
}

void BoardGrid::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.front() >= QLatin1Char('0') && text.front() <= QLatin1Char('9') &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (digit) {
        setTypedNumber(m_typed + text);
        return;
    }
    if (!m_typed.isEmpty()) {
        const int key = event->key();
        setTypedNumber(key == Qt::Key_Backspace ? m_typed.chopped(1) : QString());
        if (key == Qt::Key_Backspace || key == Qt::Key_Escape)
            return;
    }
    QTableView::keyPressEvent(event);
}

void BoardGrid::setTypedNumber(const QString& digits)
{
    if (digits.isEmpty())
        m_typingPause->stop();
    else
        m_typingPause->start();
    if (digits == m_typed)
        return;
    m_typed = digits;
    Q_EMIT typedNumberChanged(m_typed);
}
