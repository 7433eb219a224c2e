#include "base/TypedNumber.h"

#include <QLocale>
#include <QRegularExpression>

std::optional<double> typedNumber(const QString& text, int decimals)
{
    const QString pattern =
        decimals > 0 ? QStringLiteral("[0-9]+(\\.[0-9]{1,%1})?").arg(decimals) : QStringLiteral("[0-9]+");
    const QString trimmed = text.trimmed();
    if (!QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(trimmed).hasMatch())
        return std::nullopt;
    return QLocale::c().toDouble(trimmed);
}
