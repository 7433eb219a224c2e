#include "core/goods/GoodsCatalogueModel.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

GoodsCatalogueModel::GoodsCatalogueModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setTable(QStringLiteral("spzd"));
    QSqlIndex key(QString(), QStringLiteral("headcode"));
    key.append(record().field(QStringLiteral("headcode")));
    setPrimaryKey(key);
    setEditStrategy(QSqlTableModel::OnManualSubmit);
    setSort(fieldIndex(QStringLiteral("headcode")), Qt::AscendingOrder);
}

bool GoodsCatalogueModel::select()
{
    if (m_condition.isEmpty())
        return QSqlTableModel::select();
    QStringList fields;
    const QSqlRecord columns = record();
    for (int i = 0; i < columns.count(); ++i)
        fields.append(columns.fieldName(i));
    QSqlQuery query(database());
    if (!query.prepare(QStringLiteral("select ") + fields.join(QStringLiteral(", ")) +
                       QStringLiteral(" from spzd where ") + m_condition.sql + QStringLiteral(" order by headcode")))
        return false;
    for (const QVariant& value : std::as_const(m_condition.values))
        query.addBindValue(value);
    if (!query.exec())
        return false;
    revertAll();
    setQuery(query);
    return !lastError().isValid();
}
