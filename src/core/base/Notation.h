#pragma once

#include <QString>

#include <optional>

// The text and number conversions the business rules are written in:
// the familiar Val, CInt, Str, Format, Trim, Left and Mid, with 1-based
// positions counted in characters.
namespace Notation {

// The number at the start of the text after leading blanks; 0 when there is
// none ("12ab" gives 12).
double Val(const QString& text);

// The whole text (trimmed) as a number, or nothing when it is not one.
std::optional<double> parseNumber(const QString& text);

// The whole text (trimmed) as a truth value: "true"/"false" in any case, or a
// number (0 false, any other true); nothing otherwise.
std::optional<bool> CBool(const QString& text);

// A 16-bit whole number rounded half to even; nothing on overflow.
std::optional<qint16> CInt(double value);
// The trimmed text as a number, then as CInt; nothing when it is not a number.
std::optional<qint16> CInt(const QString& text);

// Decimal text with a leading blank for non-negative numbers.
QString Str(double value);

// Writes the value with a picture such as "00", "##0.00" or "#####0.00":
// '0' is a digit always written, '#' one written only when needed; the
// digits after the point fix the decimals. Rounds half away from zero.
QString Format(double value, const QString& picture);

QString Trim(const QString& text);
QString Left(const QString& text, int count);
QString Mid(const QString& text, int start, int count = -1);
int Len(const QString& text);
QString UCase(const QString& text);

// Money and rates: half to even at the given number of decimals, taking a
// value that is a half in decimal (22.5, 0.285) as a half although its binary
// form lies a hair off it.
double roundHalfEven(double value, int places);

// Money as every grid and report shows it: two decimals, rounded half to
// even, without grouping, never an exponent and never "-0.00".
QString moneyText(double value);

// Any other stored number (a quantity, hours, a four-decimal price) with the
// decimals it has: at least `fewest`, at most `most`, never an exponent.
QString numberText(double value, int fewest = 0, int most = 4);

} // namespace Notation
