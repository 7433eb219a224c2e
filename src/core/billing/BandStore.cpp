#include "core/billing/BandStore.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"

#include <QCoreApplication>

namespace {

QString rateText(const QVariant& value)
{
    return value.isNull() ? QString() : QString::number(value.toDouble(), 'f', 2);
}

} // namespace

BandStore::BandStore(const QSqlDatabase& db, BandCheck::Owner owner, const QString& scheme)
    : m_db(db)
    , m_owner(owner)
    , m_scheme(scheme)
{}

BandStore BandStore::tables(const QSqlDatabase& db)
{
    return BandStore(db, BandCheck::Owner::Table, QString());
}

BandStore BandStore::scheme(const QSqlDatabase& db, const QString& name)
{
    return BandStore(db, BandCheck::Owner::Scheme, name);
}

ResultOf<QList<TypedBand>> BandStore::load() const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const Result result =
        m_owner == BandCheck::Owner::Table
            ? Sql::exec(query,
                        QStringLiteral("select id, zhao, hybz, fhybz, kssj, jssj, jfdw from jfbz order by zhao, id"))
            : Sql::exec(query,
                        QStringLiteral("select id, null, hybz, fhybz, kssj, jssj, null from jfbzfa where name=? "
                                       "order by id"),
                        {m_scheme});
    if (!result)
        return result;
    QList<TypedBand> rows;
    while (query.next()) {
        rows.append({query.value(0), query.value(1).toString(), rateText(query.value(2)), rateText(query.value(3)),
                     query.value(4).toString(), query.value(5).toString(), query.value(6).toString()});
    }
    return rows;
}

ResultOf<QList<SavedBand>> BandStore::others(int tableNumber) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const Result result =
        m_owner == BandCheck::Owner::Table
            ? Sql::exec(query, QStringLiteral("select id, kssj, jssj from jfbz where zhao=? order by id"),
                        {tableNumber})
            : Sql::exec(query, QStringLiteral("select id, kssj, jssj from jfbzfa where name=? order by id"),
                        {m_scheme});
    if (!result)
        return result;
    QList<SavedBand> bands;
    while (query.next()) {
        // A band stored before bands were checked and unreadable as times
        // contains no time, so it cannot overlap.
        const std::optional<QTime> start = DateText::parseTime(query.value(1).toString());
        const std::optional<QTime> end = DateText::parseTime(query.value(2).toString());
        if (start && end)
            bands.append({query.value(0).toLongLong(), {*start, *end, 0, 0}});
    }
    return bands;
}

ResultOf<QString> BandStore::save(TypedBand& row) const
{
    if (m_owner == BandCheck::Owner::Scheme && m_scheme.isEmpty())
        return QCoreApplication::translate("BandStore", "请先新增或选择一个计费方案！");
    CheckedBand checked;
    // The row must read before its table's other bands can be looked up.
    const QString firstRefusal = BandCheck::refusal(m_owner, row, {}, &checked);
    if (!firstRefusal.isEmpty())
        return firstRefusal;
    const ResultOf<QList<SavedBand>> saved = others(checked.tableNumber);
    if (!saved)
        return saved.result();
    const QString refusal = BandCheck::refusal(m_owner, row, *saved, &checked);
    if (!refusal.isEmpty())
        return refusal;

    const QString start = DateText::time(checked.start);
    const QString end = DateText::time(checked.end);
    QSqlQuery query(m_db);
    Result result = Result::success();
    if (m_owner == BandCheck::Owner::Table) {
        result = row.id.isNull()
                     ? Sql::exec(query,
                                 QStringLiteral("insert into jfbz(zhao, hybz, fhybz, kssj, jssj, jfdw, dwname) "
                                                "values(?, ?, ?, ?, ?, ?, ?)"),
                                 {checked.tableNumber, checked.memberRate, checked.nonMemberRate, start, end,
                                  checked.billingUnits, QStringLiteral("小时")})
                     : Sql::exec(query,
                                 QStringLiteral("update jfbz set zhao=?, hybz=?, fhybz=?, kssj=?, jssj=?, jfdw=? "
                                                "where id=?"),
                                 {checked.tableNumber, checked.memberRate, checked.nonMemberRate, start, end,
                                  checked.billingUnits, row.id});
    } else {
        result =
            row.id.isNull()
                ? Sql::exec(query,
                            QStringLiteral("insert into jfbzfa(name, lx, hybz, fhybz, kssj, jssj) "
                                           "values(?, ?, ?, ?, ?, ?)"),
                            {m_scheme, QStringLiteral("标准"), checked.memberRate, checked.nonMemberRate, start, end})
                : Sql::exec(query, QStringLiteral("update jfbzfa set hybz=?, fhybz=?, kssj=?, jssj=? where id=?"),
                            {checked.memberRate, checked.nonMemberRate, start, end, row.id});
    }
    if (!result)
        return result;
    if (row.id.isNull())
        row.id = query.lastInsertId();
    row.start = start;
    row.end = end;
    return QString();
}

Result BandStore::remove(const QVariant& id) const
{
    return Sql::exec(m_db,
                     m_owner == BandCheck::Owner::Table ? QStringLiteral("delete from jfbz where id=?")
                                                        : QStringLiteral("delete from jfbzfa where id=?"),
                     {id});
}
