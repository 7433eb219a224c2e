#pragma once

#include "reports/StatisticsScreen.h"

// "商品销售统计": the paid goods of a period by day or by goods, counted only
// once a shift or day report has reconciled them.
class Form_yyfxsp : public StatisticsScreen
{
    Q_OBJECT

public:
    explicit Form_yyfxsp(AppState& state, QWidget* parent = nullptr);
};
