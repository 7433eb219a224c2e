#include "ui/members/ConsumptionDetailScreen.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/members/ConsumptionDictionary.h"

ConsumptionDetailScreen::ConsumptionDetailScreen(AppState& state, QWidget* parent)
    : ConsumptionScreen(state, ConsumptionQuery::Kind::Detail, QStringLiteral("会员消费查询列表"), parent)
{
    setWindowTitle(tr("会员消费查询列表"));
    setObjectName(QStringLiteral("ConsumptionDetailScreen"));
    if (const Result added = ConsumptionDictionary::addDetailColumns(m_state.DbConn); !added)
        showError(added);
}
