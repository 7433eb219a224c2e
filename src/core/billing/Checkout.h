#pragma once

#include "core/base/AppState.h"
#include "core/base/Notice.h"
#include "core/base/Result.h"
#include "core/base/ShownText.h"
#include "core/billing/CheckoutPricing.h"
#include "core/billing/StoredNumber.h"
#include "core/billing/TableGoods.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Settling the open visit of one table: the time priced, the discount
// applied, the time charge taken from a card that pays by balance, the visit
// closed, the table's goods settled and the table freed, all in one
// transaction.
namespace Checkout {

// What the board holds when the operator settles.
struct Request
{
    QString table;    // DataCombo1
    QString card;     // Txtkhao
    QString password; // Txtpassword
    QString discount; // Txtzk, in tenths ("8" is 80 %)
};

enum class Outcome
{
    Settled,
    Quoted,           // priced as it would settle now; nothing was written
    NoOpenVisit,      // nothing was written or said
    SettledMeanwhile, // open when asked, settled or moved by another counter before this one could: nothing was written
    DiscountRefused,  // not a rate, or beyond the operator's authority; nothing was written
    CardRefused,      // nothing was written
    ShortBalance,     // nothing was written; the charge is in the bill (a quote's goods and totals too)
    Failed,           // a database or rule error; nothing was written
};

struct Bill
{
    Outcome outcome = Outcome::Failed;
    Result error = Result::success(); // what failed, for Failed
    Notice discountRefusal;           // what the discount check says, for DiscountRefused
    bool provisional = false;         // made by quote: nothing was or will be written

    qint16 tableNumber = 0;
    QString card;          // as settled; empty for a cash guest
    QString cardType;      // "现金" for a cash guest
    QString paymentMethod; // fkfs: "现金" or "刷卡"
    QString discount;      // the discount priced, as a person reads it: 8.5, 0 for none
    QDateTime start;       // of the visit
    QDateTime end;         // the checkout moment

    TimeCharge charge;      // the segments; charge.total is the time charge (Txtmony)
    QList<qint64> visitIds; // the closed waimxd rows, front first; the first is the djid
    QList<SettledGoods> goods;
    double goodsTotal = 0; // TxtCkv_zc
    double grandTotal = 0; // TxtHj

    bool settled() const { return outcome == Outcome::Settled; }
    // The time charge as written and shown (Txtmony): 1.2, not 1.20000005.
    double timeCharge() const { return storedNumber(charge.total); }
};

inline constexpr ShownText CardRefusedText = {"Checkout",
                                              QT_TRANSLATE_NOOP("Checkout", "会员卡错误或密码错误,请重新输入!")};
inline constexpr ShownText ShortBalanceText = {"Checkout", QT_TRANSLATE_NOOP("Checkout", "金额不足，请先存款！")};

// Settles the table's first open visit at the clock's present moment for the
// logged-in operator. The typed discount is read once (DiscountRate::parse),
// and that one value is checked against the operator's authority and priced;
// an accepted member card with a discount of its own bills at that discount
// instead. Lights, the board and printing are the caller's,
// after a Settled bill.
Bill settle(const AppState& state, const Request& request);

// The provisional bill: the table's first open visit priced exactly as
// settle would price it at the clock's present moment, and nothing written.
// Quoted when settle would settle it; otherwise the refusal or failure that
// settle would report, a short balance with the bill priced in full.
Bill quote(const AppState& state, const Request& request);

// What the bill needs said to the operator: a refusal or failure, or, for a
// settled or quoted bill priced as one segment because no band covers the
// present time, that notice. Nothing for a table without an open visit.
Notice notice(const Bill& bill);

} // namespace Checkout
