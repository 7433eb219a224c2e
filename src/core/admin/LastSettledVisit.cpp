#include "core/admin/LastSettledVisit.h"

#include "core/base/Database.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"

ResultOf<std::optional<QDate>> lastSettledVisit(const QString& fullName)
{
    const QString connection = QStringLiteral("LastSettledVisit");
    QSqlDatabase db;
    if (const Result opened = Database::openReadOnly(fullName, connection, &db); !opened)
        return opened;
    const ResultOf<QVariant> last = Sql::scalar(db, QStringLiteral("select max(jsrc) from waimxd"), {});
    db = QSqlDatabase();
    Database::close(connection);
    if (!last)
        return last.result();
    if (const std::optional<QDateTime> moment = DateText::parseDateTime(last->toString()))
        return std::optional<QDate>(moment->date());
    return std::optional<QDate>();
}
