#include "core/members/RechargeRecord.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

namespace RechargeRecord {

namespace {

double cents(double amount)
{
    return Notation::roundHalfEven(amount, 2);
}

// Money of the shift that took it, until the shift settle marks it.
QVariant shiftMark(const Row& row)
{
    return row.handedOver ? QVariant(QStringLiteral("1")) : QVariant(QMetaType(QMetaType::QString));
}

} // namespace

Result write(const QSqlDatabase& db, const Row& row)
{
    return Sql::exec(
        db, QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, dzbj) VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {DateText::date(row.businessDate), row.operatorName, cents(row.received), row.timeCredited, row.item, row.card,
         shiftMark(row)});
}

Result writeWithCredit(const QSqlDatabase& db, const Row& row, double credited)
{
    return Sql::exec(
        db,
        QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje, dzbj) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {DateText::date(row.businessDate), row.operatorName, cents(row.received), row.timeCredited, row.item, row.card,
         cents(credited), shiftMark(row)});
}

} // namespace RechargeRecord
