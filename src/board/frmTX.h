#pragma once

#include "board/TableMarkScreen.h"

// 客人提醒时间录入: after how many minutes of play the board flags the table.
class frmTX : public TableMarkScreen
{
    Q_OBJECT

public:
    frmTX(AppState& state, const QString& table, const QString& minutes, QWidget* parent = nullptr);
};
