#include "reports/Form_yyfx.h"

Form_yyfx::Form_yyfx(AppState& state, QWidget* parent)
    : StatisticsScreen(state, IncomeAnalysis::Subject::TableFees, tr("营业分析报告"), tr("按台位号"), parent)
{
    setObjectName(QStringLiteral("Form_yyfx"));
}
