#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"
#include "core/billing/BilledTime.h"

// A table's minimum rules from its definition in zhdy: the billing unit
// (zxjffz) and the minimum consumption (zdxffz), both in minutes, 0 = none,
// with the free minutes of the parameters. The state must outlive the object.
class MinimumRules
{
public:
    explicit MinimumRules(const AppState& state);

    // Reads both values of the table named by the text: a table without a
    // row gives 0 for both, a null column leaves its value as it was.
    Result read(const QString& table);
    // The two values as read() reads them, read by the caller for many tables at once.
    void setValues(float billingUnit, float minimumMinutes)
    {
        m_billingUnit = billingUnit;
        m_minimumMinutes = minimumMinutes;
    }

    // The minimum rules of one segment, with the values read last. A segment
    // shorter than the minimum costs nothing up to the free minutes, else
    // counts as the minimum; a longer one has R taken to the half hour (no
    // billing unit) or rounded to whole units.
    Result applyMinimum(BilledTime* time);

private:
    // Whole units of billing-unit minutes, a started unit counting only from the
    // free minutes on; unchanged without a unit. Sets m_billedMinutes.
    Result roundToUnits(qint16 minutes);

    const AppState& m_state;
    float m_billingUnit = 0;
    float m_minimumMinutes = 0;
    qint32 m_billedMinutes = 0;
};
