#include "base/ModCheckDate.h"

#include "base/Clock.h"

bool CheckDate(const QString& shortDateFormat)
{
    return Clock::today().toString(shortDateFormat).size() >= 9;
}
