#pragma once

#include "ui/reports/DailyTakingsScreen.h"

class QCheckBox;
class QDateTimeEdit;

// The day report "营业日报": what every operator settled on the chosen date,
// or, with "营业日日报使用时间条件", the visits ended in a time range;
// "Add" closes the day.
class DayReportScreen : public DailyTakingsScreen
{
    Q_OBJECT

public:
    explicit DayReportScreen(AppState& state, QWidget* parent = nullptr);

protected:
    DayTakings::Filter filter() const override;

private:
    void useTimeRange(bool on);

    QDateTimeEdit* m_fromEdit = nullptr;
    QDateTimeEdit* m_toEdit = nullptr;
    QCheckBox* m_timeRangeCheck = nullptr;
};
