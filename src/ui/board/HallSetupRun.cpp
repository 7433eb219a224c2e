#include "ui/board/HallSetupRun.h"

#include "core/base/AppState.h"
#include "core/base/ErrorReporter.h"
#include "core/base/Messages.h"
#include "core/board/HallSetup.h"
#include "ui/board/BoardScreen.h"
#include "ui/board/HallSetupWizard.h"

#include <QCoreApplication>

bool runHallSetup(AppState& state, QMainWindow* window)
{
    HallSetupWizard wizard(state, window);
    const bool finished = wizard.exec() == QDialog::Accepted;
    // Steps written before the set-up was put off count as well.
    if (auto* board = qobject_cast<BoardScreen*>(window))
        board->reloadTables();
    return finished;
}

bool offerSetupOnEmptyHall(AppState& state, QMainWindow* window)
{
    const ResultOf<bool> hasTables = HallSetup::hasTables(state.DbConn);
    if (!hasTables) {
        showError(hasTables.result());
        return false;
    }
    if (*hasTables)
        return false;
    const auto* board = qobject_cast<BoardScreen*>(window);
    if (!board || !board->operatorRights() || !HallSetup::mayRun(*board->operatorRights())) {
        Messages::information(QCoreApplication::translate(
            "HallSetupRun", "本店还没有台位，请系统操作员在“基础数据设置 › 开店向导”中设置。"));
        return true;
    }
    if (!Messages::ask(QCoreApplication::translate(
            "HallSetupRun", "本店还没有台位。现在用开店向导设置球厅名称、台位、计费方案和设备吗？\n"
                            "选“否”以后再说：开店向导在“基础数据设置”菜单中。")))
        return true;
    return !runHallSetup(state, window);
}
