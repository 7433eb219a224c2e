#pragma once

#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QTemporaryDir>

// A hall of the given number of tables, five in six of them in use, each
// with a day and an evening band, with a settled history spread over all
// tables, in a database of its own in a
// temporary folder.
class BoardHall
{
public:
    BoardHall();
    ~BoardHall();
    BoardHall(const BoardHall&) = delete;
    BoardHall& operator=(const BoardHall&) = delete;

    Result fill(int tables, qint64 settledVisits);

    static int openTablesOf(int tables) { return tables * 5 / 6; }

    QSqlDatabase db;

private:
    QTemporaryDir m_dir;
    QString m_connection;
};
