#pragma once

#include "core/base/Result.h"

#include <QString>

#include <optional>

struct AppState;

// Opening a table for a guest or a member, and the member card check that
// checkout uses as well.
namespace TableOpening {

// The member check: the card must be found (findMemberCard) and accept the
// password; a card not found or refusing the password is not accepted.
struct MemberCheck
{
    bool accepted = false;
    QString card;                   // the card as stored, which the visit records
    QString cardType;               // klx of the accepted card
    std::optional<double> discount; // zk when it is set and not 0
};
ResultOf<MemberCheck> checkMember(const AppState& state, const QString& card, const QString& password);

struct Request
{
    QString table; // the current table, as text
    QString card;  // empty for a guest without card
    QString password;
    QString reminderMinutes; // whole minutes up to 1440; empty counts as "0"
    QString deposit;         // up to LargestAmount with cents; empty counts as "0"
};

enum class Outcome
{
    AlreadyOpen,     // the table has an open visit: nothing was written
    CardRefused,     // the member check failed: nothing was written
    ReminderRefused, // the reminder minutes are no whole number from 0 to 1440: nothing was written
    DepositRefused,  // the deposit is no amount from 0 to LargestAmount with cents: nothing was written
    Opened,          // the table is marked in use and the visit inserted
};

struct Opened
{
    Outcome outcome = Outcome::AlreadyOpen;
    MemberCheck member; // for a member card
    QString openedAt;   // AlreadyOpen: the counter that opened the table, when it is named
};

// Reads the reminder and the deposit and checks the card first (nothing is
// written for a value or card refused), then marks
// the table in use (tx, fwfl) and inserts the open visit with the rates in
// force now and the clock's time, in one transaction. A table that is
// marked in use without an open visit is opened again. What another counter
// may change meanwhile is checked again inside the transaction: a table
// opened there is AlreadyOpen, a member deleted there CardRefused. Gives the outcome
// and the member check. Lights are the caller's: switch the lamp on after
// Opened.
ResultOf<Opened> openTable(const AppState& state, const Request& request);

// A positioning card: the table whose ktkh is the card number.
struct PositioningCard
{
    qint16 number = 0;
    QString name;
};
// The table of the lowest number with that positioning card; nothing for a
// blank card or one no table has.
ResultOf<std::optional<PositioningCard>> findPositioningCard(const AppState& state, const QString& card);

} // namespace TableOpening
