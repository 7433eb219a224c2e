#include "ui/admin/DatabaseBackup.h"

#include "core/admin/BackupCopies.h"
#include "core/base/AppState.h"
#include "core/base/Messages.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void databaseBackup(const AppState& state)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const BackupCopies::Outcome outcome = BackupCopies::backupNow(state);
    QGuiApplication::restoreOverrideCursor();

    if (outcome.result)
        Messages::exclamation(
            QCoreApplication::translate("DatabaseBackup", "数据备份完成!备份后的文件名称为： %1!").arg(outcome.target));
    else
        Messages::critical(
            QCoreApplication::translate("DatabaseBackup", "数据备份失败!备份文件 %1 没有写成。\n原因：%2")
                .arg(outcome.target, outcome.result.message()));
}

void backupOnExit(const AppState& state)
{
    if (state.params.BackupOnExit)
        databaseBackup(state);
}
