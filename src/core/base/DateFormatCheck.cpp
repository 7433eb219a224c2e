#include "core/base/DateFormatCheck.h"

#include "core/base/Clock.h"

bool checkDateFormat(const QString& shortDateFormat)
{
    return Clock::today().toString(shortDateFormat).size() >= 9;
}
