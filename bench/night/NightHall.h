#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"

#include <QStringList>
#include <QTemporaryDir>

// The hall of one night: 48 tables priced in three bands of the day, two
// operators, a goods catalogue and members of every card type, each opened
// through the member form's save, in a database of its own in a temporary
// folder. The parameters are loaded as the program loads them at start.
class NightHall
{
public:
    static constexpr int Tables = 48;

    NightHall();
    ~NightHall();
    NightHall(const NightHall&) = delete;
    NightHall& operator=(const NightHall&) = delete;

    Result fill(const QDate& businessDate);

    static const QStringList& operators();
    static const QStringList& goods();
    // The cards of the members, in the order they were opened.
    static const QStringList& cards();
    static QString password() { return QStringLiteral("1234"); }

    AppState state;

private:
    QTemporaryDir m_dir;
    QString m_connection;
};
