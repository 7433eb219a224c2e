#include "reports/Form_yyfx.h"

Form_yyfx::Form_yyfx(AppState& state, QWidget* parent)
    : StatisticsScreen(state, IncomeAnalysis::Subject::TableFees, QStringLiteral("营业分析报告"),
                       QStringLiteral("按台位号"), parent)
{
    setObjectName(QStringLiteral("Form_yyfx"));
}
