#pragma once

#include "core/base/DateText.h"
#include "core/base/ShownText.h"

// What the operator is told when checkDateFormat refuses (with the exclamation icon).
inline constexpr ShownText WrongDateFormat = {
    "DateFormatCheck",
    QT_TRANSLATE_NOOP("DateFormatCheck", "请在“控制面板”中的“区域设置” 中“日期”中设置“短日期样式”为：yyyy-mm-dd")};

// True when today's date written in the given short-date format is at least
// nine characters long (2005-01-05 passes, 2005-1-5 does not); otherwise the
// caller shows WrongDateFormat and stops. The program always writes dates as
// yyyy-MM-dd; tests pass a shorter format to see the refusal.
bool checkDateFormat(const QString& shortDateFormat = DateText::DateFormat);
