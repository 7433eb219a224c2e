#pragma once

#include "ui/board/TableMarkScreen.h"

// 客人提醒时间录入: after how many minutes of play the board flags the table.
class ReminderDialog : public TableMarkScreen
{
    Q_OBJECT

public:
    ReminderDialog(AppState& state, const QString& table, const QString& minutes, QWidget* parent = nullptr);
};
