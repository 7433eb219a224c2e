#include "core/billing/MinimumRules.h"

#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/billing/BillingErrors.h"
#include "core/billing/TableNumber.h"

#include <cmath>
#include <limits>

namespace {

std::optional<qint16> toInt16(double value)
{
    if (!(value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return qint16(value);
}

} // namespace

MinimumRules::MinimumRules(const AppState& state)
    : m_state(state)
{}

Result MinimumRules::read(const QString& table)
{
    const std::optional<qint16> number = tableNumber(table);
    if (!number)
        return BillingErrors::typeMismatch();
    QSqlQuery query(m_state.DbConn);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select zxjffz, zdxffz from zhdy where zhao=?"), {*number});
    if (!result)
        return result;
    if (!query.next()) {
        m_billingUnit = 0;
        m_minimumMinutes = 0;
        return result;
    }
    if (!query.isNull(0))
        m_billingUnit = query.value(0).toFloat();
    if (!query.isNull(1))
        m_minimumMinutes = query.value(1).toFloat();
    return result;
}

Result MinimumRules::roundToUnits(qint16 minutes)
{
    m_billedMinutes = minutes;
    if (m_billingUnit <= 0)
        return Result::success();
    const std::optional<qint16> unit = Notation::CInt(m_billingUnit);
    if (!unit)
        return BillingErrors::overflow();
    // A unit below half a minute is no whole unit at all.
    if (*unit <= 0)
        return Result::success();
    const qint32 units = minutes / *unit;
    const qint32 rest = minutes - units * *unit;
    // A unit is started only by a minute played in it: with no free minutes a
    // whole number of units must not be charged one more.
    const bool started = rest > 0 && rest >= m_state.params.freeMinutes;
    m_billedMinutes = (started ? units + 1 : units) * *unit;
    return Result::success();
}

Result MinimumRules::applyMinimum(BilledTime* time)
{
    const qint16 freeMinutes = m_state.params.freeMinutes;
    if (time->T < m_minimumMinutes) {
        if (time->T <= freeMinutes) {
            time->R = 0;
            return Result::success();
        }
        const double minimum = Notation::roundHalfEven(m_minimumMinutes, 0);
        const std::optional<qint16> hours = toInt16(std::trunc(minimum / 60));
        if (!hours)
            return BillingErrors::overflow();
        time->H = *hours;
        time->R = qint16(minimum - 60.0 * *hours);
        return Result::success();
    }
    if (m_billingUnit == 0) {
        if (time->R >= 16 && time->R <= 29)
            time->R = 30;
        else if (time->R >= 46 && time->R <= 59)
            time->R = 60;
        return Result::success();
    }
    const Result rounded = roundToUnits(time->R);
    if (!rounded)
        return rounded;
    const std::optional<qint16> minutes = toInt16(m_billedMinutes);
    if (!minutes)
        return BillingErrors::overflow();
    time->R = *minutes;
    return Result::success();
}
