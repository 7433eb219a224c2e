#include "members/FrmHYxfFind.h"

#include "base/AppState.h"
#include "base/ModCWCl.h"
#include "members/ConsumptionDictionary.h"

FrmHYxfFind::FrmHYxfFind(AppState& state, QWidget* parent)
    : FrmHYxfScreen(state, ConsumptionQuery::Kind::Detail, QStringLiteral("会员消费查询列表"), parent)
{
    setWindowTitle(tr("会员消费查询列表"));
    setObjectName(QStringLiteral("FrmHYxfFind"));
    if (const Result added = ConsumptionDictionary::addDetailColumns(m_state.DbConn); !added)
        ShowErr(added);
}
