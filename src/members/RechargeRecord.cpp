#include "members/RechargeRecord.h"

#include "base/DateText.h"
#include "base/Notation.h"
#include "base/Sql.h"

namespace RechargeRecord {

namespace {

double cents(double amount)
{
    return Notation::roundHalfEven(amount, 2);
}

} // namespace

Result srmx_insert(const QSqlDatabase& db, const Row& row)
{
    return Sql::exec(db, QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao) VALUES (?, ?, ?, ?, ?, ?)"),
                     {DateText::date(row.rc), row.czyname, cents(row.je), row.js, row.xm, row.khao});
}

Result srmx_insert_kzje(const QSqlDatabase& db, const Row& row, double kzje)
{
    return Sql::exec(
        db, QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {DateText::date(row.rc), row.czyname, cents(row.je), row.js, row.xm, row.khao, cents(kzje)});
}

} // namespace RechargeRecord
