#include "core/board/CheckoutReceipt.h"

#include "core/base/Notation.h"
#include "core/board/BoardRows.h"

Receipt checkoutReceipt(const AppState& state, const Checkout::Bill& bill, double deposit)
{
    Receipt receipt = newReceipt(state);
    receipt.table = bill.tableNumber;
    receipt.cardNumber = bill.card;
    receipt.start = bill.start;
    receipt.end = bill.end;
    receipt.timeUsed = BoardRows::duration(bill.start, bill.end);
    receipt.discount = Notation::Val(bill.discount);
    receipt.timeCharge = bill.timeCharge();
    receipt.goodsTotal = bill.goodsTotal;
    receipt.grandTotal = bill.grandTotal;
    receipt.deposit = deposit;
    for (const SettledGoods& goods : bill.goods)
        receipt.goods.append({goods.name, goods.count, goods.amount});
    return receipt;
}

Receipt provisionalReceipt(const AppState& state, const Checkout::Bill& bill, double deposit)
{
    Receipt receipt = checkoutReceipt(state, bill, deposit);
    receipt.heading = QString(ProvisionalHeading);
    for (const BilledSegment& segment : bill.charge.segments)
        receipt.segments.append({segment.start, segment.end, double(segment.rate), segment.time.H * 60 + segment.time.R,
                                 storedNumber(segment.amount)});
    return receipt;
}
