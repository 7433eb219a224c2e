#pragma once

#include "board/TableMarkScreen.h"

// 客人押金录入: the deposit the guest at the table paid.
class frmYj : public TableMarkScreen
{
    Q_OBJECT

public:
    frmYj(AppState& state, const QString& table, const QString& amount, QWidget* parent = nullptr);
};
