#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>
#include <QTime>

#include <optional>

// The rules of the login screen over the shift table bclx and the operator
// table czyzd. Both are listed in the order their rows were written.
namespace LoginLogic {

struct Shift
{
    QString name; // trimmed lxname
    std::optional<QTime> start;
    std::optional<QTime> end;
};

ResultOf<QList<Shift>> loadShifts(const QSqlDatabase& db);
QStringList shiftNames(const QList<Shift>& shifts);

// The shift to offer at that time of day: the last one with start <= time <=
// end on the same day, so a shift across midnight is never offered; -1 when
// none covers it. Times compare to the second.
int preselectedShift(const QList<Shift>& shifts, const QTime& timeOfDay);

// Trimmed czy_name of every operator.
ResultOf<QStringList> loadOperatorNames(const QSqlDatabase& db);

struct PasswordCheck
{
    Result result = Result::success(); // a database failure; matched is then false
    bool matched = false;
    bool isSystemOperator = false;
};

// Checks the typed password of the first operator whose trimmed name is the
// trimmed chosen name; a name matching no operator never matches. A plain
// password from an older file that matches is replaced by its hash.
PasswordCheck checkPassword(const QSqlDatabase& db, const QString& chosenName, const QString& typed);

// Whether the shipped system operator (found by its trimmed name) still has
// the password it was shipped with, so that the login may name both as a
// hint; false once the password was changed or the operator is gone. The
// answer depends on the stored password alone: given *checked, a digest of
// the stored password last checked and its answer, a hash checked before is
// not checked again, and *checked is updated on success.
struct CheckedPassword
{
    QString digest;
    bool initial = false;
};
ResultOf<bool> initialPasswordInForce(const QSqlDatabase& db, CheckedPassword* checked = nullptr);

// The business date typed at login; nothing when it is not a real date.
std::optional<QDate> businessDate(const QString& text);

} // namespace LoginLogic
