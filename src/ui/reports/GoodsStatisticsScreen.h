#pragma once

#include "ui/reports/StatisticsScreen.h"

// "商品销售统计": the paid goods of a period by day or by goods, counted only
// once a shift or day report has reconciled them.
class GoodsStatisticsScreen : public StatisticsScreen
{
    Q_OBJECT

public:
    explicit GoodsStatisticsScreen(AppState& state, QWidget* parent = nullptr);
};
