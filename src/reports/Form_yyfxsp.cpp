#include "reports/Form_yyfxsp.h"

Form_yyfxsp::Form_yyfxsp(AppState& state, QWidget* parent)
    : StatisticsScreen(state, IncomeAnalysis::Subject::Goods, tr("商品销售分析报告"), tr("按商品分类"), parent)
{
    setObjectName(QStringLiteral("Form_yyfxsp"));
}
