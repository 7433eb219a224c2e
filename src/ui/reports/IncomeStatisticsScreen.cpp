#include "ui/reports/IncomeStatisticsScreen.h"

IncomeStatisticsScreen::IncomeStatisticsScreen(AppState& state, QWidget* parent)
    : StatisticsScreen(state, IncomeAnalysis::Subject::TableFees, tr("营业分析报告"), tr("按台位号"), parent)
{
    setObjectName(QStringLiteral("IncomeStatisticsScreen"));
}
