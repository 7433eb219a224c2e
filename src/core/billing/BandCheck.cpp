#include "core/billing/BandCheck.h"

#include "core/base/DateText.h"
#include "core/base/TypedNumber.h"

#include <QCoreApplication>

namespace {

QString span(const RateBand& band)
{
    return DateText::time(band.kssj) + QLatin1Char('-') + DateText::time(band.jssj);
}

} // namespace

namespace BandCheck {

QString refusal(Owner owner, const TypedBand& typed, const QList<SavedBand>& others, CheckedBand* checked)
{
    CheckedBand result;
    if (owner == Owner::Table) {
        const std::optional<double> zhao = typedNumber(typed.zhao, 0);
        if (!zhao || *zhao < 1 || *zhao > 32767)
            return QCoreApplication::translate("BandCheck", "台号必须是大于0的整数！");
        const std::optional<double> units = typedNumber(typed.jfdw, 0);
        if (!units || *units < 1 || *units > 9999)
            return QCoreApplication::translate("BandCheck", "计费单位必须是大于0的整数！");
        result.zhao = static_cast<int>(*zhao);
        result.jfdw = static_cast<int>(*units);
    }
    const std::optional<QTime> start = DateText::parseTime(typed.kssj.trimmed());
    const std::optional<QTime> end = DateText::parseTime(typed.jssj.trimmed());
    if (!start || !end)
        return QCoreApplication::translate("BandCheck", "开始时间和结束时间必须是一天中的时间（如 08:00:00）！");
    if (!(*start < *end))
        return QCoreApplication::translate("BandCheck", "开始时间必须早于结束时间！");
    const std::optional<double> hybz = typedAmount(typed.hybz);
    const std::optional<double> fhybz = typedAmount(typed.fhybz);
    if (!hybz || !fhybz)
        return amountRule(QCoreApplication::translate("BandCheck", "会员价和非会员价"));

    const RateBand band{*start, *end, 0, 0};
    for (const SavedBand& other : others) {
        if (!typed.id.isNull() && typed.id.toLongLong() == other.id)
            continue;
        if (band.kssj < other.band.jssj && other.band.kssj < band.jssj)
            return QCoreApplication::translate("BandCheck", "时段 %1 与已有时段 %2（编号 %3）重叠！")
                .arg(span(band), span(other.band), QString::number(other.id));
    }
    result.kssj = *start;
    result.jssj = *end;
    result.hybz = *hybz;
    result.fhybz = *fhybz;
    if (checked)
        *checked = result;
    return QString();
}

} // namespace BandCheck
