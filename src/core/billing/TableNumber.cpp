#include "core/billing/TableNumber.h"

#include "core/base/Notation.h"

#include <cmath>

std::optional<qint16> tableNumber(const QString& text)
{
    const std::optional<double> number = Notation::parseNumber(text);
    if (!number || *number != std::trunc(*number))
        return std::nullopt;
    return Notation::CInt(*number);
}
