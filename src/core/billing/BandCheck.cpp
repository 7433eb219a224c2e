#include "core/billing/BandCheck.h"

#include "core/base/DateText.h"
#include "core/base/TypedNumber.h"

#include <QCoreApplication>

namespace {

QString span(const RateBand& band)
{
    return DateText::time(band.start) + QLatin1Char('-') + DateText::time(band.end);
}

} // namespace

namespace BandCheck {

QString refusal(Owner owner, const TypedBand& typed, const QList<SavedBand>& others, CheckedBand* checked)
{
    CheckedBand result;
    if (owner == Owner::Table) {
        const std::optional<double> tableNumber = typedNumber(typed.tableNumber, 0);
        if (!tableNumber || *tableNumber < 1 || *tableNumber > 32767)
            return QCoreApplication::translate("BandCheck", "台号必须是大于0的整数！");
        const std::optional<double> units = typedNumber(typed.billingUnits, 0);
        if (!units || *units < 1 || *units > 9999)
            return QCoreApplication::translate("BandCheck", "计费单位必须是大于0的整数！");
        result.tableNumber = static_cast<int>(*tableNumber);
        result.billingUnits = static_cast<int>(*units);
    }
    const std::optional<QTime> start = DateText::parseTime(typed.start.trimmed());
    const std::optional<QTime> end = DateText::parseTime(typed.end.trimmed());
    if (!start || !end)
        return QCoreApplication::translate("BandCheck", "开始时间和结束时间必须是一天中的时间（如 08:00:00）！");
    if (!(*start < *end))
        return QCoreApplication::translate("BandCheck", "开始时间必须早于结束时间！");
    const std::optional<double> memberRate = typedAmount(typed.memberRate);
    const std::optional<double> nonMemberRate = typedAmount(typed.nonMemberRate);
    if (!memberRate || !nonMemberRate)
        return amountRule(QCoreApplication::translate("BandCheck", "会员价和非会员价"));

    const RateBand band{*start, *end, 0, 0};
    for (const SavedBand& other : others) {
        if (!typed.id.isNull() && typed.id.toLongLong() == other.id)
            continue;
        if (band.start < other.band.end && other.band.start < band.end)
            return QCoreApplication::translate("BandCheck", "时段 %1 与已有时段 %2（编号 %3）重叠！")
                .arg(span(band), span(other.band), QString::number(other.id));
    }
    result.start = *start;
    result.end = *end;
    result.memberRate = *memberRate;
    result.nonMemberRate = *nonMemberRate;
    if (checked)
        *checked = result;
    return QString();
}

} // namespace BandCheck
