#include "core/board/BoardRows.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/billing/PlayedMinutes.h"
#include "core/board/BoardQueries.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace BoardRows {

namespace {

// A start that reads as no moment stays invalid, and the board then shows no duration.
QDateTime startOf(const QString& text)
{
    return DateText::parseDateTime(text).value_or(QDateTime());
}

// The columns of BoardQueries::TableColumns.
BoardRow readRow(const QSqlQuery& query)
{
    BoardRow row;
    row.number = qint16(query.value(0).toInt());
    row.name = query.value(1).toString();
    row.markedInUse = query.value(2).toInt() != 0;
    row.reminderMinutes = query.value(3).toDouble();
    row.deposit = query.value(4).toDouble();
    row.positioningCard = query.value(5).toString();
    if (!query.isNull(6)) {
        BoardRow::Visit visit;
        visit.id = query.value(6).toLongLong();
        visit.start = startOf(query.value(7).toString());
        visit.card = query.value(8).toString();
        visit.cardRate = query.value(9).toDouble();
        visit.cashRate = query.value(10).toDouble();
        row.visit = visit;
    }
    return row;
}

} // namespace

ResultOf<QList<BoardRow>> load(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, BoardQueries::Tables);
    if (!result)
        return result;
    QList<BoardRow> rows;
    while (query.next())
        rows.append(readRow(query));
    // A damaged page ends the rows as if they were all read: the rows so far
    // are no board.
    if (query.lastError().isValid())
        return Result::fromQuery(query);
    return rows;
}

ResultOf<std::optional<BoardRow>> loadOne(const QSqlDatabase& db, qint16 number)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, BoardQueries::OneTable, {number});
    if (!result)
        return result;
    if (query.next())
        return std::optional<BoardRow>(readRow(query));
    if (query.lastError().isValid())
        return Result::fromQuery(query);
    return std::optional<BoardRow>();
}

ResultOf<std::optional<SettledBill>> settledBill(const QSqlDatabase& db, qint64 visitId)
{
    // Every row of one bill carries the checkout's moment, which is indexed,
    // and the id of the bill's first row in djid, which is not.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query,
                                    QStringLiteral("select max(jsrc), sum(je) from waimxd "
                                                   "where jsrc = (select jsrc from waimxd where id = ?) and djid = ?"),
                                    {visitId, QString::number(visitId)});
    if (!result)
        return result;
    if (!query.next() || query.isNull(0))
        return std::optional<SettledBill>();
    return std::optional<SettledBill>(SettledBill{
        DateText::parseDateTime(query.value(0).toString()).value_or(QDateTime()), query.value(1).toDouble()});
}

QString duration(const QDateTime& start, const QDateTime& now)
{
    if (!start.isValid() || !now.isValid())
        return QString();
    const qint64 minutes = qint64(minutesBetween(start, now));
    const qint64 whole = minutes < 0 ? -minutes : minutes;
    const QString text =
        QString::number(whole / 60) + QLatin1Char(':') + Notation::Format(double(whole % 60), QStringLiteral("00"));
    return minutes < 0 ? QLatin1Char('-') + text : text;
}

Reminder reminder(double reminderMinutes, const QDateTime& start, const QDateTime& now)
{
    if (reminderMinutes == 0)
        return {QStringLiteral("0"), false};
    const QString minutes = QString::number(reminderMinutes, 'g', 15);
    if (!start.isValid() || reminderMinutes > minutesBetween(start, now))
        return {minutes, false};
    return {QCoreApplication::translate("BoardRows", "%1 分钟已到").arg(minutes), true};
}

} // namespace BoardRows
