#include "core/billing/RateBands.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"

float RateBand::rate(RateKind kind) const
{
    switch (kind) {
    case RateKind::Member:
        return memberRate;
    case RateKind::NonMember:
        return nonMemberRate;
    case RateKind::None:
        break;
    }
    return 0;
}

Result RateBands::load(const QSqlDatabase& db, qint16 tableNumber)
{
    m_bands.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query, QStringLiteral("select kssj, jssj, hybz, fhybz from jfbz where zhao=? order by id"), {tableNumber});
    if (!result)
        return result;
    QHash<QString, std::optional<QTime>> times;
    while (query.next())
        append(query, 0, &times);
    return Result::success();
}

ResultOf<QHash<qint16, RateBands>> RateBands::loadInUse(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select zhao, kssj, jssj, hybz, fhybz from jfbz where zhao in "
                                        "(select zhao from waimxd where %1) order by id")
                             .arg(VisitCondition::open()));
    if (!result)
        return result;
    QHash<qint16, RateBands> bands;
    QHash<QString, std::optional<QTime>> times;
    while (query.next())
        bands[qint16(query.value(0).toInt())].append(query, 1, &times);
    return bands;
}

void RateBands::append(const QSqlQuery& query, int column, QHash<QString, std::optional<QTime>>* times)
{
    const auto parsed = [times](const QString& text) {
        auto found = times->constFind(text);
        if (found == times->cend())
            found = times->insert(text, DateText::parseTime(text));
        return *found;
    };
    const std::optional<QTime> start = parsed(query.value(column).toString());
    const std::optional<QTime> end = parsed(query.value(column + 1).toString());
    if (start && end)
        m_bands.append({*start, *end, query.value(column + 2).toFloat(), query.value(column + 3).toFloat()});
}

std::optional<RateBand> RateBands::inForce(const QTime& timeOfDay) const
{
    const QTime t(timeOfDay.hour(), timeOfDay.minute(), timeOfDay.second());
    for (const RateBand& band : m_bands) {
        if (band.start < t && t < band.end)
            return band;
    }
    return std::nullopt;
}
