#include "core/admin/LastSettledVisit.h"

#include "core/base/Database.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"

namespace {

const QString Connection = QStringLiteral("LastSettledVisit");

// Reads the date on the connection opened as Connection, then closes it.
ResultOf<std::optional<QDate>> readAndClose(QSqlDatabase& db)
{
    const ResultOf<QVariant> last = Sql::scalar(db, QStringLiteral("select max(jsrc) from waimxd"), {});
    db = QSqlDatabase();
    Database::close(Connection);
    if (!last)
        return last.result();
    if (const std::optional<QDateTime> moment = DateText::parseDateTime(last->toString()))
        return std::optional<QDate>(moment->date());
    return std::optional<QDate>();
}

} // namespace

ResultOf<std::optional<QDate>> lastSettledVisit(const QString& fullName)
{
    QSqlDatabase db;
    if (const Result opened = Database::openReadOnly(fullName, Connection, &db); !opened)
        return opened;
    return readAndClose(db);
}

ResultOf<std::optional<QDate>> lastSettledVisit(const ServerPlace& place, const QString& password)
{
    QSqlDatabase db;
    if (const Result opened = Database::openServer(place, password, Connection, &db); !opened)
        return opened;
    return readAndClose(db);
}
