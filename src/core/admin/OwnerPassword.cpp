#include "core/admin/OwnerPassword.h"

#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"

#include <QCoreApplication>

namespace OwnerPassword {

namespace {

const QString Table = QStringLiteral("web_owner");

} // namespace

ResultOf<QString> storedHash(const QSqlDatabase& db)
{
    // The view reads with a role that cannot make the table.
    if (!db.tables(QSql::Tables).contains(Table, Qt::CaseInsensitive))
        return QString();
    const ResultOf<QVariant> stored = Sql::scalar(db, QStringLiteral("select password from web_owner"), {});
    if (!stored)
        return stored.result();
    return stored->toString();
}

Result set(QSqlDatabase& db, const QString& password)
{
    QString hash;
    if (!password.trimmed().isEmpty()) {
        hash = PasswordHash::hash(password);
        if (hash.isEmpty())
            return Result::failure(QCoreApplication::translate("OwnerPassword", "内存不足，密码没有保存。"));
    }
    return Sql::transaction(db, [&] {
        Result result = Sql::execDefinition(db, QStringLiteral("create table if not exists web_owner "
                                                               "(password text not null)"));
        if (result)
            result = Sql::exec(db, QStringLiteral("delete from web_owner"));
        if (result && !hash.isEmpty())
            result = Sql::exec(db, QStringLiteral("insert into web_owner (password) values (?)"), {hash});
        return result;
    });
}

} // namespace OwnerPassword
