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
// is the trimmed name; *row stays empty when there is none.
Result findOperator(const QSqlDatabase& db, const QString& name, std::optional<OperatorRow>* row)
{
    row->reset();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select rowid, czy_name, czy_pass, sys_tag from czyzd order by rowid"));
    if (!result)
        return result;
    const QString wanted = Notation::Trim(name);
    while (query.next()) {
        if (Notation::Trim(query.value(1).toString()) == wanted) {
            *row = OperatorRow{query.value(0), query.value(2).toString(), query.value(3).toBool()};
            break;
        }
    }
    return result;
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
    std::optional<OperatorRow> row;
    check.result = findOperator(db, chosenName, &row);
    if (!check.result || !row)
        return check;

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

Result initialPasswordInForce(const QSqlDatabase& db, bool* inForce, CheckedPassword* checked)
{
    *inForce = false;
    std::optional<OperatorRow> row;
    const Result result = findOperator(db, ShippedRows::SystemOperator, &row);
    if (!result || !row)
        return result;
    const QString digest =
        QString::fromLatin1(QCryptographicHash::hash(row->stored.toUtf8(), QCryptographicHash::Sha256).toHex());
    if (checked && checked->digest == digest) {
        *inForce = checked->initial;
        return result;
    }
    *inForce = PasswordHash::verify(row->stored, ShippedRows::InitialPassword) != PasswordHash::Check::Mismatch;
    if (checked)
        *checked = {digest, *inForce};
    return result;
}

std::optional<QDate> businessDate(const QString& text)
{
    return DateText::parseDate(text);
}

} // namespace LoginLogic
