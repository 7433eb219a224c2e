#pragma once

#include "core/base/Notice.h"
#include "core/billing/DiscountRate.h"

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

// The discount check made whenever a discount rate is entered: no discount,
// or a rate from the operator's limit up to below 10. A failed query refuses
// and its notice carries the error.
DiscountCheck checkDiscount(const QSqlDatabase& db, const QString& operatorName, DiscountRate rate);

// A discount limit as a person reads it: 8.5, not 8.500000001.
QString discountText(double limit);
