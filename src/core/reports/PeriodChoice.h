#pragma once

#include <QDate>
#include <QStringList>

#include <optional>
#include <utility>

// The period choice "CmdKind" of the statistics: named periods around today,
// and two entries that leave the chosen dates as they are.
namespace PeriodChoice {

// In the order of the drop-down list.
enum class Kind
{
    Today,       // 当天
    MonthToDate, // 当月迄今
    ThisMonth,   // 本月
    YearToDate,  // 当年迄今
    ThisYear,    // 本年
    All,         // 全部
    Custom       // 自定义
};

// The list's entries, one per Kind in order.
QStringList captions();

// The last day of the month: February has 29 days in Gregorian leap years
// (divisible by 4 and not by 100, or divisible by 400).
int daysInMonth(int year, int month);

// The first and last day, both included, that the choice sets from today;
// nothing for the entries that keep the dates already chosen.
std::optional<std::pair<QDate, QDate>> period(Kind kind, const QDate& today);

} // namespace PeriodChoice
