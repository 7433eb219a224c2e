#include "admin/LoginLogic.h"

#include "base/PasswordHash.h"
#include "base/DateText.h"
#include "base/Notation.h"
#include "base/Sql.h"

namespace LoginLogic {

namespace {

std::optional<QTime> storedTime(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return DateText::parseTime(value.toString());
}

} // namespace

Result loadShifts(const QSqlDatabase& db, QList<Shift>* shifts)
{
    shifts->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select lxname, kssj, jssj from bclx order by rowid"));
    if (!result)
        return result;
    while (query.next())
        shifts->append(
            {Notation::Trim(query.value(0).toString()), storedTime(query.value(1)), storedTime(query.value(2))});
    return Result::success();
}

QStringList shiftNames(const QList<Shift>& shifts)
{
    QStringList names;
    for (const Shift& shift : shifts)
        names.append(shift.name);
    return names;
}

int preselectedShift(const QList<Shift>& shifts, const QTime& timeOfDay)
{
    const QTime now(timeOfDay.hour(), timeOfDay.minute(), timeOfDay.second());
    int chosen = -1;
    for (int i = 0; i < shifts.size(); ++i) {
        const Shift& shift = shifts.at(i);
        if (shift.start && shift.end && *shift.start <= now && now <= *shift.end)
            chosen = i;
    }
    return chosen;
}

Result loadOperatorNames(const QSqlDatabase& db, QStringList* names)
{
    names->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select czy_name from czyzd order by rowid"));
    if (!result)
        return result;
    while (query.next())
        names->append(Notation::Trim(query.value(0).toString()));
    return Result::success();
}

PasswordCheck checkPassword(const QSqlDatabase& db, const QString& chosenName, const QString& typed)
{
    PasswordCheck check;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    check.result =
        Sql::exec(query, QStringLiteral("select rowid, czy_name, czy_pass, sys_tag from czyzd order by rowid"));
    if (!check.result)
        return check;
    const QString wanted = Notation::Trim(chosenName);
    bool found = false;
    while (!found && query.next())
        found = Notation::Trim(query.value(1).toString()) == wanted;
    if (!found)
        return check;
    const QVariant rowid = query.value(0);
    const QString stored = query.value(2).toString();
    const bool isSystemOperator = query.value(3).toBool();
    query.finish();

    const PasswordHash::Check verdict = PasswordHash::verify(stored, typed);
    if (verdict == PasswordHash::Check::Mismatch)
        return check;
    if (verdict == PasswordHash::Check::MatchPlain) {
        const QString hashed = PasswordHash::hash(typed);
        if (!hashed.isEmpty()) {
            check.result =
                Sql::exec(db, QStringLiteral("update czyzd set czy_pass = ? where rowid = ?"), {hashed, rowid});
            if (!check.result)
                return check;
        }
    }
    check.matched = true;
    check.isSystemOperator = isSystemOperator;
    return check;
}

std::optional<QDate> businessDate(const QString& text)
{
    return DateText::parseDate(text);
}

} // namespace LoginLogic
