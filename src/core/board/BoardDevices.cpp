#include "core/board/BoardDevices.h"

#include "core/board/LampRound.h"
#include "core/board/TableNewsListener.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"

BoardDevices::BoardDevices(const AppState& state, bool drivesLamps, QObject* parent)
    : QObject(parent)
    , m_light(new LightController(this))
    , m_cardReader(new CardReader(this))
    , m_lampRound(new LampRound(state, m_light, this))
    , m_news(new TableNewsListener(state, this))
    , m_drivesLamps(drivesLamps)
{
    // The lamp round sends nothing while the port is closed, as it stays on
    // a counter that does not drive the lamps.
    connect(m_news, &TableNewsListener::tableChanged, m_lampRound, &LampRound::follow);
    connect(m_news, &TableNewsListener::resumed, m_lampRound, &LampRound::catchUp);
}
