#include "core/goods/CatalogueImport.h"

#include "core/base/Sql.h"

#include <QCoreApplication>
#include <QStringList>

namespace CatalogueImport {

namespace {

// Runs an insert: the number of rows it wrote.
ResultOf<int> insert(const QSqlDatabase& db, const QString& text)
{
    QSqlQuery query(db);
    const Result result = Sql::exec(query, text);
    if (!result)
        return result;
    return query.numRowsAffected();
}

} // namespace

Imported run(QSqlDatabase& db)
{
    Imported imported;
    QStringList missing;
    const QStringList present = db.tables();
    for (const QString& table : {QStringLiteral("spfl99"), QStringLiteral("spml99"), QStringLiteral("bmzd99")}) {
        if (!present.contains(table, Qt::CaseInsensitive))
            missing.append(table);
    }
    if (!missing.isEmpty()) {
        imported.refusal = Notice::exclamation(
            QCoreApplication::translate("CatalogueImport", "数据库中没有旧的商品表 %1，无法转换，没有写入任何数据。")
                .arg(missing.join(QCoreApplication::translate("CatalogueImport", "、", "between table names"))));
        return imported;
    }
    // Codes are compared trimmed, as they are written; a code repeated within
    // an old table goes in once.
    imported.result = Sql::transaction(db, [&]() -> Result {
        const ResultOf<int> categories =
            insert(db, QStringLiteral("insert into spzd (headcode, name, bm_sort, bm_name) "
                                      "select trim(f.sort), min(f.name), min(f.bm_sort), min(f.bm_name) "
                                      "from spfl99 f where trim(f.sort) <> '' and not exists "
                                      "(select 1 from spzd s where s.headcode = trim(f.sort)) "
                                      "group by trim(f.sort)"));
        if (!categories)
            return categories.result();
        imported.goods += *categories;
        const ResultOf<int> items =
            insert(db, QStringLiteral("insert into spzd (headcode, name, spdw, spjm) "
                                      "select c.code, min(c.name), min(c.unit), min(c.handcode) from "
                                      "(select trim(m.headcode) || trim(substr(m.speccode, 2)) as code, m.name, "
                                      "m.unit, m.handcode from spml99 m) c "
                                      "where c.code <> '' and not exists "
                                      "(select 1 from spzd s where s.headcode = c.code) group by c.code"));
        if (!items)
            return items.result();
        imported.goods += *items;
        const ResultOf<int> departments =
            insert(db, QStringLiteral("insert into bmzd (bmcode, name) select d.sort, min(d.name) from bmzd99 d "
                                      "where not exists (select 1 from bmzd b where b.bmcode = d.sort) "
                                      "group by d.sort"));
        if (!departments)
            return departments.result();
        imported.departments += *departments;
        return Result::success();
    });
    if (!imported.result) {
        imported.goods = 0;
        imported.departments = 0;
    }
    return imported;
}

} // namespace CatalogueImport
