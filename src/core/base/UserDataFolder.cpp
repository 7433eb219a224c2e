#include "core/base/UserDataFolder.h"

#include "core/base/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace UserDataFolder {

namespace {

const QString FolderName = QStringLiteral("Tavoro");

} // namespace

QString path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(FolderName);
}

Result moveOldFolder(SettingsStore& settings)
{
    const QDir folder(path());
    const QDir old(folder.filePath(FolderName));
    if (!old.exists())
        return Result::success();
    QStringList stayed;
    const QFileInfoList entries =
        old.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString target = folder.filePath(entry.fileName());
        // A rename within one file system moves a database and its journal
        // whole; nothing is copied, so nothing can be half-written.
        if (QFileInfo::exists(target) || !QDir().rename(entry.absoluteFilePath(), target))
            stayed.append(entry.fileName());
    }
    if (QDir::cleanPath(settings.path()) == QDir::cleanPath(old.path()) && !stayed.contains(settings.data()))
        settings.save(folder.path() + QLatin1Char('/'), settings.data());
    if (!stayed.isEmpty())
        return Result::failure(
            QCoreApplication::translate(
                "UserDataFolder", "Tavoro 的文件现在放在 %1。旧文件夹 %2 中的 %3 没有移过去：新文件夹中已有同名的文件，"
                                  "或者无法移动。请把它们整理到 %1 后再启动 Tavoro；在此之前程序不会使用其中任何文件。")
                .arg(folder.path(), old.path(), stayed.join(QCoreApplication::translate("UserDataFolder", "、"))));
    // Only an empty folder goes: a file that came in meanwhile stays.
    QDir().rmdir(old.path());
    return Result::success();
}

} // namespace UserDataFolder
