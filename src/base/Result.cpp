#include "base/Result.h"

#include <QSqlError>
#include <QSqlQuery>

Result Result::fromSqlError(const QSqlError& error)
{
    QString text = error.text();
    if (text.trimmed().isEmpty())
        text = QStringLiteral("数据库操作失败");
    return failure(text, DatabaseFailure);
}

Result Result::fromQuery(const QSqlQuery& query)
{
    return fromSqlError(query.lastError());
}
