#pragma once

#include "core/base/Result.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// The recharge record srmx keeps every movement of money onto a card or
// paid at the counter for one: account openings, top-ups and goods bought on
// a card. Amounts are written rounded to cents.
namespace RechargeRecord {

struct Row
{
    QDate businessDate;   // the business date
    QString operatorName; // the operator
    double received = 0;  // the money received
    int timeCredited = 0; // the time credited
    QString item;         // the item: "开户", "加款", ...
    QString card;         // the card
    // Money taken into the drawer that the shift's hand-over counts: a
    // top-up, or the balance a card is opened with.
    bool handedOver = false;
};

// A row without a credited amount, as account openings write it.
Result write(const QSqlDatabase& db, const Row& row);

// A row with the money credited to the card, which a top-up may give
// differently from the money paid.
Result writeWithCredit(const QSqlDatabase& db, const Row& row, double credited);

} // namespace RechargeRecord
