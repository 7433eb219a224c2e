#include "admin/DatabaseBackup.h"

#include "admin/Modulback.h"
#include "base/AppState.h"
#include "base/Messages.h"

#include <QCursor>
#include <QGuiApplication>

void databaseBackup(const AppState& state)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const Modulback::Outcome outcome = Modulback::backupNow(state);
    QGuiApplication::restoreOverrideCursor();

    if (outcome.result)
        Messages::exclamation(QStringLiteral("数据备份完成!备份后的文件名称为： ") + outcome.target +
                              QStringLiteral("!"));
    else
        Messages::critical(QStringLiteral("数据备份失败!备份文件 ") + outcome.target +
                           QStringLiteral(" 没有写成。\n原因：") + outcome.result.message());
}

void backupOnExit(const AppState& state)
{
    if (state.params.BackupOnExit)
        databaseBackup(state);
}
