#include "core/board/BoardDevices.h"

#include "core/board/LampRound.h"
#include "core/devices/CardReader.h"
#include "core/devices/LightController.h"

BoardDevices::BoardDevices(const AppState& state, QObject* parent)
    : QObject(parent)
    , m_light(new LightController(this))
    , m_cardReader(new CardReader(this))
    , m_lampRound(new LampRound(state, m_light, this))
{}
