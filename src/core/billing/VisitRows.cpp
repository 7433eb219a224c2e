#include "core/billing/VisitRows.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/billing/StoredNumber.h"

namespace VisitRows {

namespace {

const QString SegmentColumns =
    QStringLiteral("sc=?, sc1=?, dj=?, je=?, je1=?, djid=?, jsrc=?, rc=?, czyname=?, fkfs=?, zk=?, zkje=?, dzbj='1'");

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
            stamp.paymentMethod,
            stamp.typedDiscount,
            stamp.typedDiscount > 0 ? storedNumber(segment.discountOff) : 0.0};
}

// The back segment over a second open row, or in a row of its own: the id
// of the row it is in.
ResultOf<qint64> writeBack(const QSqlDatabase& db, qint16 tableNumber, const QList<OpenRow>& rows, const Stamp& stamp,
                           const BilledSegment& back)
{
    QVariantList values = segmentValues(back, rows.first().id, stamp);
    values << stamp.card << DateText::dateTime(back.start) << storedNumber(back.nonMemberRate);
    QSqlQuery query(db);
    if (rows.size() > 1) {
        const qint64 id = rows.at(1).id;
        values.append(id);
        const Result result = Sql::exec(query,
                                        QStringLiteral("update waimxd set ") + SegmentColumns +
                                            QStringLiteral(", khao=coalesce(?, khao), ksrc=?, dj1=? where id=?"),
                                        values);
        if (!result)
            return result;
        return id;
    }
    values.append(tableNumber);
    const Result result = Sql::exec(
        query,
        QStringLiteral("insert into waimxd (sc, sc1, dj, je, je1, djid, jsrc, rc, czyname, fkfs, zk, zkje, dzbj, khao, "
                       "ksrc, dj1, zhao) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '1', ?, ?, ?, ?)"),
        values);
    if (!result)
        return result;
    return query.lastInsertId().toLongLong();
}

} // namespace

ResultOf<QList<OpenRow>> openRows(const QSqlDatabase& db, qint16 tableNumber)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query,
                  QStringLiteral("select id, ksrc, dj1 from waimxd where zhao=? and %1 order by id limit 2")
                      .arg(VisitCondition::open()),
                  {tableNumber});
    if (!result)
        return result;
    QList<OpenRow> rows;
    while (query.next())
        rows.append({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toFloat()});
    return rows;
}

ResultOf<QList<qint64>> close(const QSqlDatabase& db, qint16 tableNumber, const QList<OpenRow>& rows,
                              const Stamp& stamp, const TimeCharge& charge)
{
    const qint64 firstId = rows.first().id;
    QVariantList values = segmentValues(charge.segments.first(), firstId, stamp);
    values << stamp.card << firstId;
    const Result result = Sql::exec(db,
                                    QStringLiteral("update waimxd set ") + SegmentColumns +
                                        QStringLiteral(", khao=coalesce(?, khao) where id=?"),
                                    values);
    if (!result)
        return result;
    if (charge.segments.size() < 2)
        return QList<qint64>{firstId};
    const ResultOf<qint64> backId = writeBack(db, tableNumber, rows, stamp, charge.segments.at(1));
    if (!backId)
        return backId.result();
    return QList<qint64>{firstId, *backId};
}

} // namespace VisitRows
