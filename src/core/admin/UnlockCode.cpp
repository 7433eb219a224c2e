#include "core/admin/UnlockCode.h"

#include "core/base/Notation.h"
#include "core/base/PasswordHash.h"
#include "core/base/Sql.h"

UnlockCode UnlockCode::forOperator(const QSqlDatabase& db, const QString& operatorName)
{
    const ResultOf<QVariant> stored =
        Sql::scalar(db, QStringLiteral("select czy_pass from czyzd where trim(czy_name) = ? order by rowid limit 1"),
                    {Notation::Trim(operatorName)});
    if (!stored || !stored->isValid() ||
        PasswordHash::verify(stored->toString(), QString()) != PasswordHash::Check::Mismatch)
        return UnlockCode(FallbackCode, true);
    return UnlockCode(stored->toString(), false);
}

bool UnlockCode::matches(const QString& typed) const
{
    if (Notation::Trim(typed).isEmpty())
        return false;
    return PasswordHash::verify(m_stored, typed) != PasswordHash::Check::Mismatch;
}
