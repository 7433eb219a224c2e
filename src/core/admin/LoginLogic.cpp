#include "core/admin/LoginLogic.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"
#include "core/data/ShippedRows.h"

#include <QCryptographicHash>

namespace LoginLogic {

namespace {

std::optional<QTime> storedTime(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    return DateText::parseTime(value.toString());
}

struct OperatorRow
{
    QVariant rowid;
    QString stored;
    bool isSystemOperator = false;
};

// The first operator, in the order the rows were written, whose trimmed name
// is the trimmed name; nothing when there is none.
ResultOf<std::optional<OperatorRow>> findOperator(const QSqlDatabase& db, const QString& name)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (const Result result =
            Sql::exec(query, QStringLiteral("select rowid, czy_name, czy_pass, sys_tag from czyzd order by rowid"));
        !result)
        return result;
    const QString wanted = Notation::Trim(name);
    while (query.next()) {
        if (Notation::Trim(query.value(1).toString()) == wanted)
            return std::optional<OperatorRow>(
                OperatorRow{query.value(0), query.value(2).toString(), query.value(3).toBool()});
    }
    return std::optional<OperatorRow>();
}

} // namespace

ResultOf<QList<Shift>> loadShifts(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select lxname, kssj, jssj from bclx order by rowid"));
    if (!result)
        return result;
    QList<Shift> shifts;
    while (query.next())
        shifts.append(
            {Notation::Trim(query.value(0).toString()), storedTime(query.value(1)), storedTime(query.value(2))});
    return shifts;
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

ResultOf<QStringList> loadOperatorNames(const QSqlDatabase& db)
{
    ResultOf<QStringList> names = Sql::texts(db, QStringLiteral("select czy_name from czyzd order by rowid"));
    if (!names)
        return names;
    QStringList trimmed;
    for (const QString& name : *names)
        trimmed.append(Notation::Trim(name));
    return trimmed;
}

PasswordCheck checkPassword(const QSqlDatabase& db, const QString& chosenName, const QString& typed)
{
    PasswordCheck check;
    const ResultOf<std::optional<OperatorRow>> found = findOperator(db, chosenName);
    check.result = found.result();
    if (!found || !*found)
        return check;
    const std::optional<OperatorRow>& row = *found;

    const PasswordHash::Check verdict = PasswordHash::verify(row->stored, typed);
    if (verdict == PasswordHash::Check::Mismatch)
        return check;
    if (verdict == PasswordHash::Check::MatchPlain) {
        const QString hashed = PasswordHash::hash(typed);
        if (!hashed.isEmpty()) {
            check.result =
                Sql::exec(db, QStringLiteral("update czyzd set czy_pass = ? where rowid = ?"), {hashed, row->rowid});
            if (!check.result)
                return check;
        }
    }
    check.matched = true;
    check.isSystemOperator = row->isSystemOperator;
    return check;
}

ResultOf<bool> initialPasswordInForce(const QSqlDatabase& db, CheckedPassword* checked)
{
    const ResultOf<std::optional<OperatorRow>> row = findOperator(db, ShippedRows::SystemOperator);
    if (!row)
        return row.result();
    if (!*row)
        return false;
    const QString& stored = (*row)->stored;
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(stored.toUtf8(), QCryptographicHash::Sha256).toHex());
    if (checked && checked->digest == digest)
        return checked->initial;
    const bool inForce = PasswordHash::verify(stored, ShippedRows::InitialPassword) != PasswordHash::Check::Mismatch;
    if (checked)
        *checked = {digest, inForce};
    return inForce;
}

std::optional<QDate> businessDate(const QString& text)
{
    return DateText::parseDate(text);
}

} // namespace LoginLogic
