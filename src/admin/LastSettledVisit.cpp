#include "admin/LastSettledVisit.h"

#include "base/DateText.h"
#include "base/Schema.h"
#include "base/Sql.h"

#include <QFileInfo>

namespace {

Result refuse(const QString& fullName, const QString& cause)
{
    return Result::failure(QStringLiteral("无法读取数据文件 ") + fullName + QStringLiteral("：") + cause);
}

Result read(const QSqlDatabase& db, const QString& fullName, std::optional<QDate>* date)
{
    if (!db.isOpen())
        return refuse(fullName, db.lastError().text());
    Result result = Result::success();
    const QVariant last = Sql::scalar(db, QStringLiteral("select max(jsrc) from waimxd"), {}, &result);
    if (!result)
        return refuse(fullName, QStringLiteral("不是 Tavoro 数据库（") + result.message() + QStringLiteral("）"));
    const QStringList missing = Schema::missingTables(db);
    if (!missing.isEmpty())
        return refuse(fullName, QStringLiteral("不是 Tavoro 数据库，缺少数据表 ") + missing.join(QStringLiteral(", ")));
    if (const std::optional<QDateTime> moment = DateText::parseDateTime(last.toString()))
        *date = moment->date();
    return result;
}

} // namespace

Result lastSettledVisit(const QString& fullName, std::optional<QDate>* date)
{
    date->reset();
    if (!QFileInfo(fullName).isFile())
        return refuse(fullName, QStringLiteral("文件不存在"));
    const QString connection = QStringLiteral("LastSettledVisit");
    Result result = Result::success();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(fullName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.open();
        result = read(db, fullName, date);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}
