#pragma once

#include "base/DateText.h"

// True when today's date written in the given short-date format is at least
// nine characters long (2005-01-05 passes, 2005-1-5 does not); otherwise the
// operator is told which format to set. The program always writes dates as
// yyyy-MM-dd; tests pass a shorter format to see the refusal.
bool CheckDate(const QString& shortDateFormat = DateText::DateFormat);
