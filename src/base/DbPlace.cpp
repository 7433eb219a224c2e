#include "base/DbPlace.h"

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
        return Result::failure(QStringLiteral("找不到随程序提供的空数据库（查找过 ") +
                               templates.join(QStringLiteral("、")) + QStringLiteral("），无法建立数据文件 ") +
                               fullName + QStringLiteral("。请重新安装 Tavoro。"));
    const QString folder = QFileInfo(fullName).absolutePath();
    if (!QDir().mkpath(folder))
        return Result::failure(QStringLiteral("无法建立文件夹 ") + folder + QStringLiteral("，数据文件 ") + fullName +
                               QStringLiteral(" 没有建立。"));
    // The copy is written under a temporary name and renamed, so a power cut
    // leaves either the whole file or none. The template is world-readable;
    // the hall's data must not be.
    QFile file(source);
    if (!file.copy(fullName))
        return Result::failure(QStringLiteral("无法从 ") + source + QStringLiteral(" 建立数据文件 ") + fullName +
                               QStringLiteral("：") + file.errorString());
    if (!QFile::setPermissions(fullName, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        QFile::remove(fullName);
        return Result::failure(QStringLiteral("无法设置数据文件 ") + fullName + QStringLiteral(" 的权限。"));
    }
    return Result::success();
}
