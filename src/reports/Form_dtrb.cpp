#include "reports/Form_dtrb.h"

#include "base/AppState.h"

Form_dtrb::Form_dtrb(AppState& state, QWidget* parent)
    : DailyTakingsScreen(state, Kind::Shift, parent)
{
    setObjectName(QStringLiteral("Form_dtrb"));
    query();
}

DayTakings::Filter Form_dtrb::filter() const
{
    return {m_state.BusinessDate, m_state.OperatorName, std::nullopt};
}
