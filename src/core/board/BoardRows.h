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
    qint16 zhao = 0;
    QString mc;
    bool sybj = false;
    double tx = 0;   // reminder minutes of the running visit
    double fwfl = 0; // deposit stored at opening
    QString ktkh;

    struct Visit
    {
        qint64 id = 0;
        QDateTime ksrc;
        QString khao;
        double dj = 0;
        double dj1 = 0;
    };
    std::optional<Visit> visit; // the first open visit of the table, if any
};

namespace BoardRows {

// Every table in zhao order with its open visit, read in one statement (the
// open visits through their index, never the settled history). A failure,
// even after some rows, leaves no rows.
Result load(const QSqlDatabase& db, QList<BoardRow>* rows);

// One table with its open visit; none when zhdy has no such table.
Result loadOne(const QSqlDatabase& db, qint16 zhao, std::optional<BoardRow>* row);

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
Reminder reminder(double tx, const QDateTime& start, const QDateTime& now);

} // namespace BoardRows
