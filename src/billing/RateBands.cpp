#include "billing/RateBands.h"

#include "base/DateText.h"
#include "base/Sql.h"

float RateBand::rate(RateKind kind) const
{
    switch (kind) {
    case RateKind::Member:
        return hybz;
    case RateKind::NonMember:
        return fhybz;
    case RateKind::None:
        break;
    }
    return 0;
}

Result RateBands::load(const QSqlDatabase& db, qint16 zhao)
{
    m_bands.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select kssj, jssj, hybz, fhybz from jfbz where zhao=? order by id"), {zhao});
    if (!result)
        return result;
    while (query.next()) {
        const std::optional<QTime> start = DateText::parseTime(query.value(0).toString());
        const std::optional<QTime> end = DateText::parseTime(query.value(1).toString());
        if (start && end)
            m_bands.append({*start, *end, query.value(2).toFloat(), query.value(3).toFloat()});
    }
    return Result::success();
}

std::optional<RateBand> RateBands::inForce(const QTime& timeOfDay) const
{
    const QTime t(timeOfDay.hour(), timeOfDay.minute(), timeOfDay.second());
    for (const RateBand& band : m_bands) {
        if (band.kssj < t && t < band.jssj)
            return band;
    }
    return std::nullopt;
}
