#include "core/data/ParameterEditor.h"

#include "core/base/Notation.h"
#include "core/base/Parameters.h"
#include "core/base/Sql.h"

namespace ParameterEditor {

namespace {

Result hasRow(const QSqlDatabase& db, const QString& name, bool& found)
{
    Result result = Result::success();
    found = Sql::scalarOrInvalid(db, QStringLiteral("select id from stcs where sm=?"), {name}, &result).isValid();
    return result;
}

Result insertRow(const QSqlDatabase& db, const ParameterRow& row)
{
    return Sql::exec(db, QStringLiteral("insert into stcs(sm,valuenr,lx,tooltiptext) values (?,?,?,?)"),
                     {row.name, row.value, row.group, row.helpText});
}

} // namespace

Result createMissingRows(QSqlDatabase& db)
{
    return Sql::transaction(db, [&db] {
        for (const QList<ParameterRow>& group : createdParameterGroups()) {
            bool found = false;
            if (Result result = hasRow(db, group.first().name, found); !result)
                return result;
            if (found)
                continue;
            for (const ParameterRow& row : group) {
                if (Result result = insertRow(db, row); !result)
                    return result;
            }
        }
        return Result::success();
    });
}

Result listRows(const QSqlDatabase& db, QList<Entry>& rows)
{
    rows.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select id, sm, valuenr, tooltiptext from stcs where lx<>? order by id"),
                  {QStringLiteral("dkset")});
    if (!result)
        return result;
    while (query.next()) {
        const QVariant help = query.value(3);
        rows.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                     help.isNull() ? QString() : help.toString()});
    }
    return result;
}

Result save(QSqlDatabase& db, const QList<Edit>& edits, QStringList& refusedNames)
{
    refusedNames.clear();
    QList<Edit> accepted;
    for (const Edit& edit : edits) {
        if (edit.text.isEmpty())
            refusedNames.append(edit.name);
        else
            accepted.append(edit);
    }
    return Sql::transaction(db, [&db, &accepted] {
        for (const Edit& edit : accepted) {
            const Result result = Sql::exec(db, QStringLiteral("update stcs set valuenr=? where id=?"),
                                            {Notation::Trim(edit.text), edit.id});
            if (!result)
                return result;
        }
        return Result::success();
    });
}

} // namespace ParameterEditor
