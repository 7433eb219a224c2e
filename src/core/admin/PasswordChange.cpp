#include "core/admin/PasswordChange.h"

#include "core/base/Notation.h"
#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"

Result PasswordChange::load(const QSqlDatabase& db, const QString& operatorName)
{
    m_rowid.clear();
    m_stored.clear();
    m_failures = 0;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query, QStringLiteral("select rowid, czy_pass from czyzd where trim(czy_name) = ? order by rowid limit 1"),
        {Notation::Trim(operatorName)});
    if (result && query.next()) {
        m_rowid = query.value(0);
        m_stored = query.value(1).toString();
    }
    return result;
}

PasswordChange::OldPassword PasswordChange::checkOld(const QString& typed)
{
    if (found() && PasswordHash::verify(m_stored, typed) != PasswordHash::Check::Mismatch)
        return OldPassword::Accepted;
    ++m_failures;
    return m_failures > AllowedFailures ? OldPassword::Refused : OldPassword::Wrong;
}

bool PasswordChange::repeatMatches(const QString& newPassword, const QString& repeat)
{
    return Notation::Trim(newPassword) == Notation::Trim(repeat);
}

Result PasswordChange::store(const QSqlDatabase& db, const QString& newPassword)
{
    if (!found())
        return Result::failure(tr("找不到操作员的记录"));
    const QString hashed = PasswordHash::hash(newPassword);
    if (hashed.isEmpty())
        return Result::failure(tr("口令加密失败"));
    const Result result =
        Sql::exec(db, QStringLiteral("update czyzd set czy_pass = ? where rowid = ?"), {hashed, m_rowid});
    if (result)
        m_stored = hashed;
    return result;
}
