#include "core/board/BoardModel.h"

#include "core/base/DateText.h"
#include "core/billing/PlayedMinutes.h"
#include "core/printing/Receipt.h"

#include <QHash>

namespace {

QString rateText(double rate)
{
    return QString::number(rate, 'g', 7);
}

} // namespace

BoardModel::BoardModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

Result BoardModel::build(const QSqlDatabase& db)
{
    const ResultOf<QList<BoardRow>> tables = BoardRows::load(db);
    beginResetModel();
    m_rows.clear();
    for (const BoardRow& table : tables ? *tables : QList<BoardRow>()) {
        Row row;
        row.table = table;
        row.cells[Number] = QString::number(table.number);
        row.cells[Name] = table.name;
        row.inUse = table.markedInUse;
        m_rows.append(row);
    }
    endResetModel();
    return tables.result();
}

// A table gone from zhdy since the build finds no visit and shows free.
Result BoardModel::refresh(const QSqlDatabase& db, const QDateTime& now)
{
    const ResultOf<QList<BoardRow>> tables = BoardRows::load(db);
    if (!tables || m_rows.isEmpty())
        return tables.result();
    QHash<qint16, const BoardRow*> byNumber;
    for (const BoardRow& table : *tables)
        byNumber.insert(table.number, &table);
    const PriceRow price = m_pricing ? m_pricing(now) : PriceRow();
    for (Row& row : m_rows) {
        if (const BoardRow* table = byNumber.value(row.table.number))
            row.table = *table;
        else
            row.table.visit.reset();
        if (row.table.visit)
            showInUse(row, now, price);
        else
            showFree(row);
    }
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    return tables.result();
}

Result BoardModel::refreshOne(const QSqlDatabase& db, int row, const QDateTime& now, bool clearWhenFree,
                              const Bill* bill)
{
    if (row < 0 || row >= m_rows.size())
        return Result::success();
    Row& shown = m_rows[row];
    const ResultOf<std::optional<BoardRow>> found = BoardRows::loadOne(db, shown.table.number);
    if (!found)
        return found.result();
    const std::optional<BoardRow>& table = *found;
    // A visit this row showed open that another counter settled shows its
    // bill here as at that counter.
    std::optional<Bill> settledElsewhere;
    if (!bill && shown.table.visit && !(table && table->visit)) {
        const ResultOf<std::optional<BoardRows::SettledBill>> settled =
            BoardRows::settledBill(db, shown.table.visit->id);
        if (!settled)
            return settled.result();
        if (*settled) {
            settledElsewhere = Bill{receiptNumber((*settled)->timeCharge), (*settled)->end};
            bill = &*settledElsewhere;
        }
    }
    if (bill) {
        shown.cells[Total] = bill->total;
        shown.cells[End] = DateText::dateTime(bill->end);
    }
    if (table)
        shown.table = *table;
    else
        shown.table.visit.reset();
    if (shown.table.visit) {
        showInUse(shown, now, m_pricing ? m_pricing(now) : PriceRow());
    } else {
        if (clearWhenFree) {
            for (int column = Start; column <= Card; ++column)
                shown.cells[column].clear();
            shown.listDuration.clear();
            shown.listRate.clear();
        }
        shown.cells[Reminder].clear();
        showFree(shown);
    }
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
    return Result::success();
}

void BoardModel::showInUse(Row& row, const QDateTime& now, const PriceRow& price)
{
    const BoardRow::Visit& visit = *row.table.visit;
    row.cells[Start] = DateText::dateTime(visit.start);
    row.cells[End].clear();
    const std::optional<double> charge = price ? price(row.table) : std::nullopt;
    row.cells[Total] = charge ? QString::number(*charge, 'f', 2) : QString();
    row.cells[Duration] = BoardRows::duration(visit.start, now);
    row.cells[Rate] = rateText(visit.cashRate);
    // A visit without a card shows none, not the card of an earlier guest.
    row.cells[Card] = visit.card;
    row.cells[Status] = tr("使用");
    const BoardRows::Reminder reminder = BoardRows::reminder(row.table.reminderMinutes, visit.start, now);
    row.cells[Reminder] = reminder.text;
    row.due = reminder.due;
    row.inUse = true;
    if (visit.start.isValid()) {
        const qint64 minutes = qint64(minutesBetween(visit.start, now));
        row.listDuration = QString::number(minutes / 60) + QLatin1Char(':') + QString::number(minutes % 60);
    } else {
        row.listDuration.clear();
    }
    row.listRate = rateText(visit.cardRate);
}

void BoardModel::showFree(Row& row)
{
    row.cells[Status].clear();
    row.due = false;
    row.inUse = false;
}

int BoardModel::rowOf(qint16 number) const
{
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).table.number == number)
            return int(row);
    }
    return -1;
}

int BoardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BoardModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BoardModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.cells.at(index.column());
    case InUseRole:
        return row.inUse;
    case DueRole:
        return index.column() == Reminder && row.due;
    case ListTextRole:
        if (index.column() == Duration)
            return row.listDuration;
        if (index.column() == Rate)
            return row.listRate;
        return row.cells.at(index.column());
    default:
        return QVariant();
    }
}

QVariant BoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const captions[ColumnCount] = {
        QT_TRANSLATE_NOOP("BoardModel", "台号"),     QT_TRANSLATE_NOOP("BoardModel", "开始日期"),
        QT_TRANSLATE_NOOP("BoardModel", "结束日期"), QT_TRANSLATE_NOOP("BoardModel", "时长"),
        QT_TRANSLATE_NOOP("BoardModel", "元/小时"),  QT_TRANSLATE_NOOP("BoardModel", "合计"),
        QT_TRANSLATE_NOOP("BoardModel", "卡号"),     QT_TRANSLATE_NOOP("BoardModel", "状态"),
        QT_TRANSLATE_NOOP("BoardModel", "位名称"),   QT_TRANSLATE_NOOP("BoardModel", "提醒")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    return tr(captions[section]);
}
