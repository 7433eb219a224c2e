#include "core/base/DbPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

DbPlace placeDatabase(const QString& path, const QString& data, const QString& programFolder,
                      bool programFolderWritable, const QString& dataFolder)
{
    if (!path.isEmpty() || programFolderWritable)
        return {resolveDbLocation(path, data, programFolder), false};
    const DbLocation location = resolveDbLocation(QString(), QString(), dataFolder);
    return {location, !QFileInfo::exists(location.DbFullName)};
}

QStringList shippedTemplates(const QString& programFolder)
{
    const QDir folder(programFolder);
    return {QDir::cleanPath(folder.filePath(QStringLiteral("../share/tavoro/")) + DefaultDbFileName),
            folder.filePath(DefaultDbFileName)};
}

Result makeFromTemplate(const QStringList& templates, const QString& fullName)
{
    QString source;
    for (const QString& candidate : templates) {
        if (QFileInfo(candidate).isFile()) {
            source = candidate;
            break;
        }
    }
    if (source.isEmpty())
        return Result::failure(
            QCoreApplication::translate(
                "DbPlace", "找不到随程序提供的空数据库（查找过 %1），无法建立数据文件 %2。请重新安装 Tavoro。")
                .arg(templates.join(QCoreApplication::translate("DbPlace", "、")), fullName));
    const QString folder = QFileInfo(fullName).absolutePath();
    if (!QDir().mkpath(folder))
        return Result::failure(
            QCoreApplication::translate("DbPlace", "无法建立文件夹 %1，数据文件 %2 没有建立。").arg(folder, fullName));
    // The copy is written under a temporary name and renamed, so a power cut
    // leaves either the whole file or none. The template is world-readable;
    // the hall's data must not be.
    QFile file(source);
    if (!file.copy(fullName))
        return Result::failure(QCoreApplication::translate("DbPlace", "无法从 %1 建立数据文件 %2：%3")
                                   .arg(source, fullName, file.errorString()));
    if (!QFile::setPermissions(fullName, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        QFile::remove(fullName);
        return Result::failure(QCoreApplication::translate("DbPlace", "无法设置数据文件 %1 的权限。").arg(fullName));
    }
    return Result::success();
}
