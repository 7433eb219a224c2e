#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"
#include "core/billing/BandSplit.h"
#include "core/billing/BilledTime.h"
#include "core/billing/DiscountRate.h"

#include <QDateTime>
#include <QList>

// One billed segment of a visit, as its visit row records it.
struct BilledSegment
{
    QDateTime start;
    QDateTime end;
    BilledTime time;           // after the minimum rules that reached the segment
    float rate = 0;            // dj: the rate charged, a whole number
    float nonMemberRate = 0;   // dj1: the non-member rate, for the comparison amount
    float amount = 0;          // je: the charge after the discount
    float nonMemberAmount = 0; // je1: the billed time at the non-member rate
    float discountOff = 0;     // the money the discount took off the amount, to the cent

    // Billed hours to 4 decimals (sc) and as hours ":" minutes (sc1, "1:60").
    float hours() const;
    QString hoursText() const;
};

// The time charge of a visit at checkout.
struct TimeCharge
{
    QList<BilledSegment> segments; // one, or the front and back of a rate change
    float total = 0;               // what the guest pays for the time
    // The rate changed only because no band is in force now: the visit was
    // priced as one segment at the start rate.
    bool noBandNow = false;
};

// The visit being settled, as opening left it.
struct VisitToPrice
{
    qint16 tableNumber = 0;
    QDateTime start;
    float nonMemberRate = 0; // dj1: the non-member rate stored at opening
};

// Prices a visit from its start to `now` for a guest paying the rates of
// `kind`, cut as splitVisit cuts it with the rates taken to whole money, and
// the discount applied when it discounts. Across a rate
// change the total is taken to whole money with the back absorbing the
// difference, and what the discount took off is the difference between the
// totals priced with and without it. The value is the visit's time charge.
ResultOf<TimeCharge> priceVisit(const AppState& state, const VisitToPrice& visit, RateKind kind, DiscountRate discount,
                                const QDateTime& now);
