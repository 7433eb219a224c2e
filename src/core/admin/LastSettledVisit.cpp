#include "core/admin/LastSettledVisit.h"

#include "core/base/Database.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"

Result lastSettledVisit(const QString& fullName, std::optional<QDate>* date)
{
    date->reset();
    const QString connection = QStringLiteral("LastSettledVisit");
    QSqlDatabase db;
    Result result = Database::openReadOnly(fullName, connection, &db);
    if (!result)
        return result;
    const QVariant last = Sql::scalarOrInvalid(db, QStringLiteral("select max(jsrc) from waimxd"), {}, &result);
    db = QSqlDatabase();
    Database::close(connection);
    if (const std::optional<QDateTime> moment = DateText::parseDateTime(last.toString()))
        *date = moment->date();
    return result;
}
