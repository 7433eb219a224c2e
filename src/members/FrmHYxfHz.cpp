#include "members/FrmHYxfHz.h"

FrmHYxfHz::FrmHYxfHz(AppState& state, QWidget* parent)
    : FrmHYxfScreen(state, ConsumptionQuery::Kind::Summary, QStringLiteral("会员消费汇总查询列表"), parent)
{
    setWindowTitle(tr("会员消费汇总查询列表"));
    setObjectName(QStringLiteral("FrmHYxfHz"));
}
