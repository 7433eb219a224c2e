#pragma once

#include "core/base/Result.h"
#include "core/billing/CheckoutPricing.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// The visit rows of a checkout, read and written inside its transaction.
namespace VisitRows {

struct OpenRow
{
    qint64 id = 0;
    QString start;           // ksrc, as stored
    float nonMemberRate = 0; // dj1
};

// The first two open visits of the table, lowest id first: the one being
// settled, and one that a back segment is written over.
ResultOf<QList<OpenRow>> openRows(const QSqlDatabase& db, qint16 tableNumber);

// What every closed row carries besides its segment.
struct Stamp
{
    QVariant card;         // khao: the card number, or null to keep the row's own
    QString businessDate;  // rc
    QString operatorName;  // czyname
    QString paymentMethod; // fkfs
    // zk: the discount typed at checkout when it was priced, else 0; each
    // row then records what it took off the row (zkje).
    double typedDiscount = 0;
};

// Closes the visit `rows.first()` as the first segment. A back segment is
// written over the second open row when there is one, else into a new row;
// both carry the first row's id as djid. The value is the rows, front first.
ResultOf<QList<qint64>> close(const QSqlDatabase& db, qint16 tableNumber, const QList<OpenRow>& rows,
                              const Stamp& stamp, const TimeCharge& charge);

} // namespace VisitRows
