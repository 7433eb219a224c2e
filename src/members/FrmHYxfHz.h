#pragma once

#include "members/FrmHYxfScreen.h"

// The members with their accumulated totals, found by conditions on the member.
class FrmHYxfHz : public FrmHYxfScreen
{
    Q_OBJECT

public:
    explicit FrmHYxfHz(AppState& state, QWidget* parent = nullptr);
};
