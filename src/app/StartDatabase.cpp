#include "app/StartDatabase.h"

#include "core/base/Database.h"
#include "core/base/DbPlace.h"
#include "core/base/Messages.h"
#include "core/base/UserDataFolder.h"
#include "ui/admin/PasswordDialog.h"

#include <QCoreApplication>

std::optional<DbLocation> startDatabase(const QString& path, const QString& data, const QString& programFolder,
                                        bool programFolderWritable)
{
    const DbPlace place = placeDatabase(path, data, programFolder, programFolderWritable, UserDataFolder::path());
    if (!place.toMake)
        return place.location;
    if (!Messages::ask(
            QCoreApplication::translate("StartDatabase",
                                        "文件夹 %1 中还没有 Tavoro 的数据文件 %2。\n"
                                        "要在那里用随程序提供的空数据库建立它吗？\n选“否”则程序结束，不建立任何文件。")
                .arg(place.location.DbFolder, place.location.DbFileName)))
        return std::nullopt;
    const Result made = makeFromTemplate(shippedTemplates(programFolder), place.location.DbFullName);
    if (!made) {
        Messages::critical(made.message());
        return std::nullopt;
    }
    return place.location;
}

std::optional<Result> startServer(const ServerPlace& place, QSqlDatabase* db)
{
    const Result opened = Database::openServer(place, QString(), Database::ConnectionName, db);
    if (opened || (opened.number() != Result::PasswordNeeded && opened.number() != Result::WrongPassword))
        return opened;
    const std::optional<QString> password = PasswordDialog::ask(
        nullptr, QCoreApplication::translate("StartDatabase", "数据库服务器 %1 要求口令。").arg(place.describe()));
    if (!password)
        return std::nullopt;
    return Database::openServer(place, *password, Database::ConnectionName, db);
}
