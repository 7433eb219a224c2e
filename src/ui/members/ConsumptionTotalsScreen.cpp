#include "ui/members/ConsumptionTotalsScreen.h"

ConsumptionTotalsScreen::ConsumptionTotalsScreen(AppState& state, QWidget* parent)
    : ConsumptionScreen(state, ConsumptionQuery::Kind::Summary, QStringLiteral("会员消费汇总查询列表"), parent)
{
    setWindowTitle(tr("会员消费汇总查询列表"));
    setObjectName(QStringLiteral("ConsumptionTotalsScreen"));
}
