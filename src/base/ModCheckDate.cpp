#include "base/ModCheckDate.h"

#include "base/Clock.h"
#include "base/Messages.h"

bool CheckDate(const QString& shortDateFormat)
{
    if (Clock::today().toString(shortDateFormat).size() < 9) {
        Messages::exclamation(QStringLiteral("请在“控制面板”中的“区域设置” 中“日期”中设置“短日期样式”为：yyyy-mm-dd"));
        return false;
    }
    return true;
}
