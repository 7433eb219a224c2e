#pragma once

#include <QSqlDatabase>
#include <QString>

// The discount check made whenever a discount rate is entered: true when the
// operator may grant that rate. The rate is in tenths of the price (8.5 is
// 15% off, 0 no discount). Refusals are told to the operator here; an
// operator without a row is refused without a word, and a failed query is
// shown as an error and refuses.
bool ModZkCheck(const QSqlDatabase& db, const QString& operatorName, float rate);

// A discount limit as a person reads it: 8.5, not 8.500000001.
QString discountText(double zk);
