#include "board/BoardRows.h"

#include "base/DateText.h"
#include "base/Notation.h"
#include "base/Sql.h"
#include "billing/ModGETPrice.h"
#include "board/BoardQueries.h"

#include <QSqlQuery>

namespace BoardRows {

namespace {

// A start that reads as no moment stays invalid, and the board then shows no duration.
QDateTime startOf(const QString& text)
{
    return DateText::parseDateTime(text).value_or(QDateTime());
}

// The visit's columns id, ksrc, khao, dj, dj1 from `first` on.
BoardRow::Visit readVisit(const QSqlQuery& query, int first)
{
    BoardRow::Visit visit;
    visit.id = query.value(first).toLongLong();
    visit.ksrc = startOf(query.value(first + 1).toString());
    visit.khao = query.value(first + 2).toString();
    visit.dj = query.value(first + 3).toDouble();
    visit.dj1 = query.value(first + 4).toDouble();
    return visit;
}

} // namespace

Result load(const QSqlDatabase& db, QList<BoardRow>* rows)
{
    rows->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, BoardQueries::Tables);
    if (!result)
        return result;
    while (query.next()) {
        BoardRow row;
        row.zhao = qint16(query.value(0).toInt());
        row.mc = query.value(1).toString();
        row.sybj = query.value(2).toInt() != 0;
        row.tx = query.value(3).toDouble();
        row.fwfl = query.value(4).toDouble();
        row.ktkh = query.value(5).toString();
        if (!query.isNull(6))
            row.visit = readVisit(query, 6);
        rows->append(row);
    }
    return Result::success();
}

Result loadOne(const QSqlDatabase& db, qint16 zhao, std::optional<BoardRow::Visit>* visit)
{
    visit->reset();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, BoardQueries::OpenVisit, {zhao});
    if (result && query.next())
        *visit = readVisit(query, 0);
    return result;
}

QString duration(const QDateTime& start, const QDateTime& now)
{
    if (!start.isValid() || !now.isValid())
        return QString();
    const qint64 minutes = qint64(GetFzs(start, now));
    const qint64 whole = minutes < 0 ? -minutes : minutes;
    const QString text =
        QString::number(whole / 60) + QLatin1Char(':') + Notation::Format(double(whole % 60), QStringLiteral("00"));
    return minutes < 0 ? QLatin1Char('-') + text : text;
}

Reminder reminder(double tx, const QDateTime& start, const QDateTime& now)
{
    if (tx == 0)
        return {QStringLiteral("0"), false};
    const QString minutes = QString::number(tx, 'g', 15);
    if (!start.isValid() || tx > GetFzs(start, now))
        return {minutes, false};
    return {minutes + QStringLiteral(" 分钟已到"), true};
}

} // namespace BoardRows
