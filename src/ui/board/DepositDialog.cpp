#include "ui/board/DepositDialog.h"

#include "core/board/TableMarks.h"

// The deposit keeps its cents, so the hint no longer asks for whole yuan.
DepositDialog::DepositDialog(AppState& state, const QString& table, const QString& amount, QWidget* parent)
    : TableMarkScreen({"DepositDialog", tr("客人押金录入"),
                       tr("先管理窗口点击任意使用台位，再点击【押金】按钮或从菜单选择，"
                          "然后输入客人交纳的金额，点击【保存】。 注意：押金最多到角分（两位小数）。"),
                       tr("客人押金金额"), &TableMarks::deposit, &TableMarks::depositRefused, &TableMarks::saveDeposit,
                       tr("%1 号桌的客人的押金  %2  已保存。")},
                      state, table, amount, parent)
{}
