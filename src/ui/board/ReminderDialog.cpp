#include "ui/board/ReminderDialog.h"

#include "core/board/TableMarks.h"

ReminderDialog::ReminderDialog(AppState& state, const QString& table, const QString& minutes, QWidget* parent)
    : TableMarkScreen({"ReminderDialog", tr("客人提醒时间录入"),
                       tr("先管理窗口点击任意台位，再点击【提醒】按钮或从菜单选择，然后输入提醒时长，"
                          "如客人打算玩一个小时则输入60即可，点击【保存】当此客人从开始算起到一个小时，"
                          "在提醒位置显示客人消费时间到。"),
                       tr("客人提醒时长"), &TableMarks::reminderMinutes, &TableMarks::reminderRefused,
                       &TableMarks::saveReminder, tr("%1 号桌的客人的提醒时间  %2  已保存。")},
                      state, table, minutes, parent)
{}
