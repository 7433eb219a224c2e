#pragma once

#include "core/base/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// What the board shows of one table: its row of zhdy and, when it is in
// use, its open visit.
struct BoardRow
{
    qint16 number = 0;          // zhao
    QString name;               // mc
    bool markedInUse = false;   // sybj
    double reminderMinutes = 0; // tx, of the running visit
    double deposit = 0;         // fwfl, stored at opening
    QString positioningCard;    // ktkh, the card that selects this table

    struct Visit
    {
        qint64 id = 0;
        QDateTime start;     // ksrc
        QString card;        // khao, empty for a cash guest
        double cardRate = 0; // dj, the rate the guest's card type pays
        double cashRate = 0; // dj1, the non-member rate
    };
    std::optional<Visit> visit; // the first open visit of the table, if any
};

namespace BoardRows {

// Every table in zhao order with its open visit, read in one statement (the
// open visits through their index, never the settled history). A failure,
// even after some rows, gives no rows.
ResultOf<QList<BoardRow>> load(const QSqlDatabase& db);

// One table with its open visit; nothing when zhdy has no such table.
ResultOf<std::optional<BoardRow>> loadOne(const QSqlDatabase& db, qint16 number);

// What the checkout of a visit wrote, for a board that showed the visit
// open and did not settle it: when it was settled and the time charge of
// all its rows. Nothing while it is open, or when it moved to another table.
struct SettledBill
{
    QDateTime end;
    double timeCharge = 0;
};
ResultOf<std::optional<SettledBill>> settledBill(const QSqlDatabase& db, qint64 visitId);

// Running duration from start to now: hours ":" minutes padded to two
// ("2:05"; 1,500 minutes "25:00").
QString duration(const QDateTime& start, const QDateTime& now);

// The reminder column: "0" without a reminder; the minutes while they are
// not yet reached; the minutes followed by " 分钟已到" once they are.
struct Reminder
{
    QString text;
    bool due = false;
};
Reminder reminder(double reminderMinutes, const QDateTime& start, const QDateTime& now);

} // namespace BoardRows
