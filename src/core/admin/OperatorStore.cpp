#include "core/admin/OperatorStore.h"

#include "core/admin/OperatorRights.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"

namespace {

// Bound as the empty text; a default-constructed QString would be bound as null.
const QString NonNullEmpty = QStringLiteral("");

const QString Columns = QStringLiteral("czy_name, sys_tag, zhda, fjda, zwcl, bbsc, xtgl, zk");

OperatorRecord recordFrom(const QSqlQuery& query)
{
    OperatorRecord record;
    record.name = query.value(0).toString();
    record.isSystem = query.value(1).toBool();
    for (int i = 0; i < int(record.rights.size()); ++i)
        record.rights[std::size_t(i)] = query.value(2 + i);
    if (!query.value(7).isNull())
        record.discountLimit = query.value(7).toDouble();
    return record;
}

// The column names come from the fixed group table, never from input.
QString column(int group)
{
    return rightsGroups().at(group).column;
}

bool hasControlCharacters(const QString& name)
{
    for (const char32_t c : name.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Other_Format)
            return true;
    }
    return false;
}

OperatorStore::Refusal nameRefusal(const QString& name)
{
    if (name.isEmpty())
        return OperatorStore::Refusal::EmptyName;
    if (name.toUcs4().size() > OperatorStore::MaxNameLength)
        return OperatorStore::Refusal::NameTooLong;
    if (hasControlCharacters(name))
        return OperatorStore::Refusal::NameHasControlCharacters;
    return OperatorStore::Refusal::None;
}

} // namespace

OperatorStore::OperatorStore(const QSqlDatabase& db)
    : m_db(db)
{}

ResultOf<QList<OperatorRecord>> OperatorStore::load() const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (const Result result =
            Sql::exec(query, QStringLiteral("select ") + Columns + QStringLiteral(" from czyzd order by rowid"));
        !result)
        return result;
    QList<OperatorRecord> operators;
    while (query.next())
        operators.append(recordFrom(query));
    return operators;
}

ResultOf<std::optional<OperatorRecord>> OperatorStore::find(const QString& name) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (const Result result = Sql::exec(
            query, QStringLiteral("select ") + Columns + QStringLiteral(" from czyzd where czy_name = ?"), {name});
        !result)
        return result;
    if (!query.next())
        return std::optional<OperatorRecord>();
    return std::optional<OperatorRecord>(recordFrom(query));
}

OperatorStore::Outcome OperatorStore::add(const QString& typedName, QString* added)
{
    const QString name = Notation::Trim(typedName);
    Outcome outcome;
    outcome.refusal = nameRefusal(name);
    if (outcome.refusal != Refusal::None)
        return outcome;
    outcome.result = Sql::transaction(m_db, [&] {
        const ResultOf<QVariant> existing =
            Sql::scalar(m_db, QStringLiteral("select count(*) from czyzd where trim(czy_name) = ?"), {name});
        if (!existing)
            return existing.result();
        if (existing->toInt() > 0) {
            outcome.refusal = Refusal::DuplicateName;
            return Result::success();
        }
        const QString blank = QStringLiteral(" ");
        return Sql::exec(m_db,
                         QStringLiteral("insert into czyzd (czy_name, sys_tag, zhda, fjda, zwcl, bbsc, xtgl) "
                                        "values (?, 0, ?, ?, ?, ?, ?)"),
                         {name, blank, blank, blank, blank, blank});
    });
    if (outcome.done())
        *added = name;
    return outcome;
}

OperatorStore::Outcome OperatorStore::remove(const QString& name)
{
    return unlessSystemOperator(name, QStringLiteral("delete from czyzd where czy_name = ?"), {name});
}

OperatorStore::Outcome OperatorStore::clearPassword(const QString& name)
{
    return unlessSystemOperator(name, QStringLiteral("update czyzd set czy_pass = ? where czy_name = ?"),
                                {NonNullEmpty, name});
}

Result OperatorStore::saveRights(const QString& name, int group, const QString& letters)
{
    return Sql::exec(m_db,
                     QStringLiteral("update czyzd set ") + column(group) + QStringLiteral(" = ? where czy_name = ?"),
                     {letters.isEmpty() ? NonNullEmpty : letters, name});
}

Result OperatorStore::setGroupGranted(const QString& name, int group, bool granted)
{
    const QString col = column(group);
    const QString value =
        granted ? QStringLiteral("coalesce(") + col + QStringLiteral(", ' ')") : QStringLiteral("null");
    return Sql::exec(m_db,
                     QStringLiteral("update czyzd set ") + col + QStringLiteral(" = ") + value +
                         QStringLiteral(" where czy_name = ?"),
                     {name});
}

OperatorStore::Outcome OperatorStore::saveDiscountLimit(const QString& name, const QString& typed)
{
    Outcome outcome;
    const std::optional<double> limit = Notation::Trim(typed).isEmpty() ? 0.0 : typedNumber(typed, 2);
    if (!limit || *limit >= 10) {
        outcome.refusal = Refusal::LimitOutOfRange;
        return outcome;
    }
    outcome.result = Sql::exec(m_db, QStringLiteral("update czyzd set zk = ? where czy_name = ?"), {*limit, name});
    return outcome;
}

ResultOf<std::optional<bool>> OperatorStore::systemTag(const QString& name) const
{
    const ResultOf<QVariant> tag =
        Sql::scalar(m_db, QStringLiteral("select sys_tag from czyzd where czy_name = ?"), {name});
    if (!tag)
        return tag.result();
    return tag->isValid() ? std::optional<bool>(tag->toBool()) : std::nullopt;
}

OperatorStore::Outcome OperatorStore::unlessSystemOperator(const QString& name, const QString& sql,
                                                           const QVariantList& values)
{
    Outcome outcome;
    outcome.result = Sql::transaction(m_db, [&] {
        const ResultOf<std::optional<bool>> isSystem = systemTag(name);
        if (!isSystem || !*isSystem)
            return isSystem.result();
        if (**isSystem) {
            outcome.refusal = Refusal::SystemOperator;
            return Result::success();
        }
        return Sql::exec(m_db, sql, values);
    });
    return outcome;
}
