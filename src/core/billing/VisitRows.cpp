#include "core/billing/VisitRows.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/billing/StoredNumber.h"

namespace VisitRows {

namespace {

const QString SegmentColumns =
    QStringLiteral("sc=?, sc1=?, dj=?, je=?, je1=?, djid=?, jsrc=?, rc=?, czyname=?, fkfs=?, dzbj='1'");

QVariantList segmentValues(const BilledSegment& segment, qint64 firstId, const Stamp& stamp)
{
    return {storedNumber(segment.hours()),
            segment.hoursText(),
            storedNumber(segment.rate),
            storedNumber(segment.amount),
            storedNumber(segment.nonMemberAmount),
            QString::number(firstId),
            DateText::dateTime(segment.end),
            stamp.businessDate,
            stamp.operatorName,
            stamp.paymentMethod};
}

// The back segment over a second open row, or in a row of its own.
Result writeBack(const QSqlDatabase& db, qint16 tableNumber, const QList<OpenRow>& rows, const Stamp& stamp,
                 const BilledSegment& back, qint64* id)
{
    QVariantList values = segmentValues(back, rows.first().id, stamp);
    values << stamp.card << DateText::dateTime(back.start) << storedNumber(back.nonMemberRate);
    QSqlQuery query(db);
    if (rows.size() > 1) {
        *id = rows.at(1).id;
        values.append(*id);
        return Sql::exec(query,
                         QStringLiteral("update waimxd set ") + SegmentColumns +
                             QStringLiteral(", khao=coalesce(?, khao), ksrc=?, dj1=? where id=?"),
                         values);
    }
    values.append(tableNumber);
    const Result result = Sql::exec(
        query,
        QStringLiteral("insert into waimxd (sc, sc1, dj, je, je1, djid, jsrc, rc, czyname, fkfs, dzbj, khao, ksrc, "
                       "dj1, zhao) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '1', ?, ?, ?, ?)"),
        values);
    *id = query.lastInsertId().toLongLong();
    return result;
}

} // namespace

Result openRows(const QSqlDatabase& db, qint16 tableNumber, QList<OpenRow>* rows)
{
    rows->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query,
                  QStringLiteral("select id, ksrc, dj1 from waimxd where zhao=? and %1 order by id limit 2")
                      .arg(VisitCondition::open()),
                  {tableNumber});
    while (result && query.next())
        rows->append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toFloat()});
    return result;
}

Result close(const QSqlDatabase& db, qint16 tableNumber, const QList<OpenRow>& rows, const Stamp& stamp,
             const TimeCharge& charge, QList<qint64>* ids)
{
    ids->clear();
    const qint64 firstId = rows.first().id;
    QVariantList values = segmentValues(charge.segments.first(), firstId, stamp);
    values << stamp.card << firstId;
    Result result = Sql::exec(db,
                              QStringLiteral("update waimxd set ") + SegmentColumns +
                                  QStringLiteral(", khao=coalesce(?, khao) where id=?"),
                              values);
    if (!result)
        return result;
    ids->append(firstId);
    if (charge.segments.size() < 2)
        return result;
    qint64 backId = 0;
    result = writeBack(db, tableNumber, rows, stamp, charge.segments.at(1), &backId);
    if (result)
        ids->append(backId);
    return result;
}

} // namespace VisitRows
