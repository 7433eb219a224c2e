#include "core/base/TypedNumber.h"

#include <QCoreApplication>
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

std::optional<double> typedAmount(const QString& text, int decimals)
{
    const std::optional<double> value = typedNumber(text, decimals);
    if (!value || *value > LargestAmount)
        return std::nullopt;
    return value;
}

QString amountRule(const QString& what)
{
    return QCoreApplication::translate("TypedNumber", "%1请输入 0 到 %2 之间、最多两位小数的金额。")
        .arg(what, QString::number(LargestAmount, 'f', 0));
}
