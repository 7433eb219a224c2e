#pragma once

#include <QString>

#include <optional>

// A number as the operator types it into a box: digits, then optionally a
// point and at most `decimals` digits, blanks around it allowed. A sign, an
// exponent, a comma or any other text gives nothing, so that no reading of
// the text can differ from the value stored or priced.
std::optional<double> typedNumber(const QString& text, int decimals);
