#pragma once

#include "ui/members/ConsumptionScreen.h"

// Each visit of a member card, found by conditions on the member and the visit.
class ConsumptionDetailScreen : public ConsumptionScreen
{
    Q_OBJECT

public:
    explicit ConsumptionDetailScreen(AppState& state, QWidget* parent = nullptr);
};
