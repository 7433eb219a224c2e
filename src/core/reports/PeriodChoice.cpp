#include "core/reports/PeriodChoice.h"

#include <QCoreApplication>

namespace PeriodChoice {

QStringList captions()
{
    return {
        QCoreApplication::translate("PeriodChoice", "当天"),  QCoreApplication::translate("PeriodChoice", "当月迄今"),
        QCoreApplication::translate("PeriodChoice", "本月"),  QCoreApplication::translate("PeriodChoice", "当年迄今"),
        QCoreApplication::translate("PeriodChoice", "本年"),  QCoreApplication::translate("PeriodChoice", "全部"),
        QCoreApplication::translate("PeriodChoice", "自定义")};
}

int daysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2: {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    default:
        return 31;
    }
}

std::optional<std::pair<QDate, QDate>> period(Kind kind, const QDate& today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate yearStart(today.year(), 1, 1);
    switch (kind) {
    case Kind::Today:
        return std::pair(today, today);
    case Kind::MonthToDate:
        return std::pair(monthStart, today);
    case Kind::ThisMonth:
        return std::pair(monthStart, QDate(today.year(), today.month(), daysInMonth(today.year(), today.month())));
    case Kind::YearToDate:
        return std::pair(yearStart, today);
    case Kind::ThisYear:
        return std::pair(yearStart, QDate(today.year(), 12, 31));
    case Kind::All:
    case Kind::Custom:
        break;
    }
    return std::nullopt;
}

} // namespace PeriodChoice
