#include "core/billing/StoredNumber.h"

#include <charconv>

double storedNumber(float value)
{
    // The shortest text that reads back as the same float.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double number = 0;
    std::from_chars(text, written.ptr, number);
    return number;
}
