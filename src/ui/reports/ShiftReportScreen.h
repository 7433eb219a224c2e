#pragma once

#include "ui/reports/DailyTakingsScreen.h"

// The shift report "操作员营业日报": what the logged-in operator settled on
// the business date; "Add" closes the operator's shift.
class ShiftReportScreen : public DailyTakingsScreen
{
    Q_OBJECT

public:
    explicit ShiftReportScreen(AppState& state, QWidget* parent = nullptr);

protected:
    DayTakings::Filter filter() const override;
};
