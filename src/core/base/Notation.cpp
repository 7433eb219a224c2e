#include "core/base/Notation.h"

#include <cmath>
#include <limits>

namespace Notation {

namespace {

// How close a scaled value must be to .5 to be taken as a decimal half: far
// below a cent at any amount the hall handles, far above the error of a
// double's last bit.
bool isHalf(double fraction, double scaled)
{
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    return std::fabs(fraction - 0.5) < tolerance;
}

double pow10(int places)
{
    return std::pow(10.0, places);
}

double roundHalfAwayFromZero(double value, int places)
{
    const double scaled = std::fabs(value) * pow10(places);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    double rounded = whole;
    if (isHalf(fraction, scaled) || fraction > 0.5)
        rounded = whole + 1;
    return std::copysign(rounded / pow10(places), value);
}

} // namespace

double Val(const QString& text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    int end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (j < n && text[j].isDigit()) {
            while (j < n && text[j].isDigit())
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok ? value : 0;
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> CBool(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = parseNumber(t);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<qint16> CInt(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value, 0);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> CInt(const QString& text)
{
    const auto number = parseNumber(text);
    if (!number)
        return std::nullopt;
    return CInt(*number);
}

QString Str(double value)
{
    const QString digits = QString::number(value, 'g', 15);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

QString Format(double value, const QString& picture)
{
    const qsizetype point = picture.indexOf(QLatin1Char('.'));
    const QString wholePart = point < 0 ? picture : picture.left(point);
    const int decimals = point < 0 ? 0 : int(picture.size() - point - 1);
    const int minimumDigits = int(wholePart.count(QLatin1Char('0')));

    const double rounded = roundHalfAwayFromZero(value, decimals);
    QString text = QString::number(std::fabs(rounded), 'f', decimals);
    const qsizetype wholeDigits = decimals > 0 ? text.indexOf(QLatin1Char('.')) : text.size();
    if (wholeDigits < minimumDigits)
        text.prepend(QString(minimumDigits - wholeDigits, QLatin1Char('0')));
    else if (minimumDigits == 0 && text.startsWith(QLatin1String("0")) && decimals > 0)
        text.remove(0, 1);
    return rounded < 0 ? QLatin1Char('-') + text : text;
}

QString Trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString Left(const QString& text, int count)
{
    return text.left(std::max(count, 0));
}

QString Mid(const QString& text, int start, int count)
{
    if (start < 1)
        start = 1;
    return count < 0 ? text.mid(start - 1) : text.mid(start - 1, count);
}

int Len(const QString& text)
{
    return int(text.size());
}

QString UCase(const QString& text)
{
    return text.toUpper();
}

double roundHalfEven(double value, int places)
{
    const double scaled = value * pow10(places);
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    double rounded;
    if (isHalf(fraction, scaled))
        rounded = std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
    else
        rounded = std::nearbyint(scaled);
    return rounded / pow10(places);
}

QString moneyText(double value)
{
    return numberText(value, 2, 2);
}

QString numberText(double value, int fewest, int most)
{
    // Adding 0.0 turns a rounded -0 into 0.
    QString text = QString::number(roundHalfEven(value, most) + 0.0, 'f', most);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text;
    qsizetype end = text.size();
    while (end > point + 1 + fewest && text.at(end - 1) == QLatin1Char('0'))
        --end;
    if (end == point + 1)
        --end;
    return text.left(end);
}

} // namespace Notation
