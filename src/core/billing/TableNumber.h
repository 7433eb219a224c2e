#pragma once

#include <QString>

#include <optional>

// The table number that a text names: a whole 16-bit number, blanks around it
// allowed; nothing for any other text.
std::optional<qint16> tableNumber(const QString& text);
