#pragma once

#include "reports/StatisticsScreen.h"

// "营业收入统计": the table fees of a period by day or by table.
class Form_yyfx : public StatisticsScreen
{
    Q_OBJECT

public:
    explicit Form_yyfx(AppState& state, QWidget* parent = nullptr);
};
