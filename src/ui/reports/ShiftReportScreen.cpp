#include "ui/reports/ShiftReportScreen.h"

#include "core/base/AppState.h"

ShiftReportScreen::ShiftReportScreen(AppState& state, QWidget* parent)
    : DailyTakingsScreen(state, Kind::Shift, parent)
{
    setObjectName(QStringLiteral("ShiftReportScreen"));
    query();
}

DayTakings::Filter ShiftReportScreen::filter() const
{
    return {m_state.BusinessDate, m_state.OperatorName, std::nullopt};
}
