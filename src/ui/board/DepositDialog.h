#pragma once

#include "ui/board/TableMarkScreen.h"

// 客人押金录入: the deposit the guest at the table paid.
class DepositDialog : public TableMarkScreen
{
    Q_OBJECT

public:
    DepositDialog(AppState& state, const QString& table, const QString& amount, QWidget* parent = nullptr);
};
