#pragma once

#include "members/FrmHYxfScreen.h"

// Each visit of a member card, found by conditions on the member and the visit.
class FrmHYxfFind : public FrmHYxfScreen
{
    Q_OBJECT

public:
    explicit FrmHYxfFind(AppState& state, QWidget* parent = nullptr);
};
