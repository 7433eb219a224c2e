#pragma once

#include "core/base/Result.h"
#include "core/billing/BandCheck.h"

#include <QSqlDatabase>

// The band rows one editor works on: every table's bands (jfbz) or the bands
// of one scheme (jfbzfa). Every row is checked before it is written, so that
// no editor can store a band the pricing would misread.
class BandStore
{
public:
    static BandStore tables(const QSqlDatabase& db);
    static BandStore scheme(const QSqlDatabase& db, const QString& name);

    BandCheck::Owner owner() const { return m_owner; }

    // Table bands by table, then id; a scheme's bands by id.
    ResultOf<QList<TypedBand>> load() const;
    // Inserts the row (its id is set) or updates it by id. The value is why
    // the check refused the row, which then writes nothing; empty when saved.
    ResultOf<QString> save(TypedBand& row) const;
    Result remove(const QVariant& id) const;

private:
    BandStore(const QSqlDatabase& db, BandCheck::Owner owner, const QString& scheme);
    ResultOf<QList<SavedBand>> others(int tableNumber) const;

    QSqlDatabase m_db;
    BandCheck::Owner m_owner;
    QString m_scheme;
};
