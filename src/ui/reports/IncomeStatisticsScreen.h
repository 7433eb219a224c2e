#pragma once

#include "ui/reports/StatisticsScreen.h"

// "营业收入统计": the table fees of a period by day or by table.
class IncomeStatisticsScreen : public StatisticsScreen
{
    Q_OBJECT

public:
    explicit IncomeStatisticsScreen(AppState& state, QWidget* parent = nullptr);
};
