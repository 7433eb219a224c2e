#pragma once

#include "base/Notice.h"

#include <QSqlDatabase>
#include <QString>

// The answer of the discount check: whether the operator may grant the rate,
// and, for a refusal, what to tell them (nothing for an operator without a
// row).
struct DiscountCheck
{
    bool allowed = false;
    Notice notice;
};

// The discount check made whenever a discount rate is entered. The rate is in
// tenths of the price (8.5 is 15% off, 0 no discount). A failed query refuses
// and its notice carries the error.
DiscountCheck ModZkCheck(const QSqlDatabase& db, const QString& operatorName, float rate);

// A discount limit as a person reads it: 8.5, not 8.500000001.
QString discountText(double zk);
