#include "core/data/ParameterEditor.h"

#include "core/base/Notation.h"
#include "core/base/Parameters.h"
#include "core/base/Sql.h"

namespace ParameterEditor {

namespace {

// Whether a row of that name exists.
ResultOf<bool> hasRow(const QSqlDatabase& db, const QString& name)
{
    const ResultOf<QVariant> id = Sql::scalar(db, QStringLiteral("select id from stcs where sm=?"), {name});
    if (!id)
        return id.result();
    return id->isValid();
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
            const ResultOf<bool> found = hasRow(db, group.first().name);
            if (!found)
                return found.result();
            if (*found)
                continue;
            for (const ParameterRow& row : group) {
                if (Result result = insertRow(db, row); !result)
                    return result;
            }
        }
        return Result::success();
    });
}

ResultOf<QList<Entry>> listRows(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select id, sm, valuenr, tooltiptext, lx from stcs where lx<>? order by id"),
                  {QStringLiteral("dkset")});
    if (!result)
        return result;
    QList<Entry> rows;
    while (query.next()) {
        const QVariant help = query.value(3);
        rows.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                     help.isNull() ? QString() : help.toString(), query.value(4).toString()});
    }
    return rows;
}

Saved save(QSqlDatabase& db, const QList<Edit>& edits)
{
    Saved saved;
    QList<Edit> accepted;
    for (const Edit& edit : edits) {
        if (edit.text.isEmpty())
            saved.refusedNames.append(edit.name);
        else
            accepted.append(edit);
    }
    saved.result = Sql::transaction(db, [&db, &accepted] {
        for (const Edit& edit : accepted) {
            const Result result = Sql::exec(db, QStringLiteral("update stcs set valuenr=? where id=?"),
                                            {Notation::Trim(edit.text), edit.id});
            if (!result)
                return result;
        }
        return Result::success();
    });
    return saved;
}

} // namespace ParameterEditor
