#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"

#include <QTemporaryDir>

// A hall to time the billing on: 48 tables of 6 bands each, members of every
// card type, open visits on most tables and a settled history of the given
// number of visits, in a database of its own in a temporary folder.
class BenchHall
{
public:
    static constexpr int Tables = 48;
    static constexpr int OpenTables = 40;

    BenchHall();
    ~BenchHall();
    BenchHall(const BenchHall&) = delete;
    BenchHall& operator=(const BenchHall&) = delete;

    Result fill(qint64 settledVisits);
    // The operator "bench", by whom the benchmarks settle tables: a checkout
    // reads the operator's discount limit.
    Result addOperator();

    // Where the hall's file is, for a process of its own to open.
    QString file() const;

    // The card number on the open visit of a table; empty for a cash guest.
    static QString cardOf(int table);

    AppState state;

private:
    QTemporaryDir m_dir;
    QString m_connection;
};
