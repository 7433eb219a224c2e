#pragma once

#include <QString>

#include <optional>

// A number as the operator types it into a box: digits, then optionally a
// point and at most `decimals` digits, blanks around it allowed. A sign, an
// exponent, a comma or any other text gives nothing, so that no reading of
// the text can differ from the value stored or priced.
std::optional<double> typedNumber(const QString& text, int decimals);

// The largest amount of money that may be typed anywhere: a balance, a
// deposit, a top-up, a price or a document's amount. The checkout prices in
// single precision, which keeps every cent apart only below 131072, and the
// receipts print it in nine characters; no single payment at a hall's
// counter comes near it.
inline constexpr double LargestAmount = 100000;

// An amount of money as typed: typedNumber with at most `decimals` decimals
// (cents unless a unit price carries more), from 0 to LargestAmount;
// nothing otherwise.
std::optional<double> typedAmount(const QString& text, int decimals = 2);

// What an amount box accepts, for the operator: names the box (`what`).
QString amountRule(const QString& what);
