#pragma once

#include "ui/members/ConsumptionScreen.h"

// The members with their accumulated totals, found by conditions on the member.
class ConsumptionTotalsScreen : public ConsumptionScreen
{
    Q_OBJECT

public:
    explicit ConsumptionTotalsScreen(AppState& state, QWidget* parent = nullptr);
};
