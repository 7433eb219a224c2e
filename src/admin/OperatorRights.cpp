#include "admin/OperatorRights.h"

#include "app/Notation.h"
#include "app/Sql.h"

bool OperatorRights::grants(const QString& group, QChar letter)
{
    return Notation::Trim(group).contains(letter);
}

Result loadOperatorRights(const QSqlDatabase& db, const QString& operatorName, OperatorRights* rights)
{
    *rights = OperatorRights();
    QSqlQuery query(db);
    const Result result = Sql::exec(
        query, QStringLiteral("select zhda, fjda, zwcl, bbsc, xtgl from czyzd where czy_name=?"), {operatorName});
    if (result && query.next())
        *rights = {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                   query.value(3).toString(), query.value(4).toString()};
    return result;
}
