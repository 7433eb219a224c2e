#include "base/TypedNumber.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

std::optional<double> typedNumber(const QString& text, int decimals)
{
    const QString pattern =
        decimals > 0 ? QStringLiteral("[0-9]+(\\.[0-9]{1,%1})?").arg(decimals) : QStringLiteral("[0-9]+");
    const QString trimmed = text.trimmed();
    if (!QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(trimmed).hasMatch())
        return std::nullopt;
    // Digits past the range of a double read as infinity, which would then
    // pass every "above 0" check as an amount.
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
