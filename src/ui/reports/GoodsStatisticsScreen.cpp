#include "ui/reports/GoodsStatisticsScreen.h"

GoodsStatisticsScreen::GoodsStatisticsScreen(AppState& state, QWidget* parent)
    : StatisticsScreen(state, IncomeAnalysis::Subject::Goods, tr("商品销售分析报告"), tr("按商品分类"), parent)
{
    setObjectName(QStringLiteral("GoodsStatisticsScreen"));
}
