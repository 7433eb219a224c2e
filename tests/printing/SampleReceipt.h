#pragma once

#include "core/printing/Receipt.h"

// A member's bill for table 5: 1 h 47 min at 20 % off, two goods rows and
// a deposit of 50.
inline Receipt sampleReceipt()
{
    Receipt r;
    r.companyName = QStringLiteral("星光台球");
    r.address = QStringLiteral("解放路8号");
    r.telephone = QStringLiteral("0571-88886666");
    r.operatorName = QStringLiteral("张三");
    r.table = 5;
    r.cardNumber = QStringLiteral("0000000012");
    r.start = QDateTime(QDate(2026, 12, 6), QTime(18, 43));
    r.end = QDateTime(QDate(2026, 12, 6), QTime(20, 30));
    r.timeUsed = QStringLiteral("1:47");
    r.discount = 8;
    r.timeCharge = 16;
    r.goods = {{QStringLiteral("可乐"), 2, 10}, {QStringLiteral("香烟"), 1, 15.5}};
    r.goodsTotal = 25.5;
    r.grandTotal = 41.5;
    r.deposit = 50;
    return r;
}
