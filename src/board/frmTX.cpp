#include "board/frmTX.h"

#include "board/TableMarks.h"

frmTX::frmTX(AppState& state, const QString& table, const QString& minutes, QWidget* parent)
    : TableMarkScreen({"frmTX", QStringLiteral("客人提醒时间录入"),
                       QStringLiteral("先管理窗口点击任意台位，再点击【提醒】按钮或从菜单选择，然后输入提醒时长，"
                                      "如客人打算玩一个小时则输入60即可，点击【保存】当此客人从开始算起到一个小时，"
                                      "在提醒位置显示客人消费时间到。"),
                       QStringLiteral("客人提醒时长"), &TableMarks::reminderMinutes, &TableMarks::reminderRefused,
                       &TableMarks::saveReminder, QStringLiteral(" 号桌的客人的提醒时间  %1  已保存。")},
                      state, table, minutes, parent)
{}
