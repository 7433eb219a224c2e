#include "core/admin/LoginPause.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/OperatorLog.h"
#include "core/base/Sql.h"

#include <algorithm>

namespace LoginPause {

namespace {

// 2^12 s is past the longest pause: the count stops there, and so cannot overflow.
constexpr qint64 MaxFailures = 13;

Result ensureTable(const QSqlDatabase& db)
{
    return Sql::execDefinition(db, QStringLiteral("create table if not exists login_pause "
                                                  "(failures integer not null, last_failure text not null)"));
}

} // namespace

qint64 pauseAfter(qint64 failures)
{
    return std::min(qint64(1) << (std::clamp(failures, qint64(1), MaxFailures) - 1), LongestPause);
}

ResultOf<qint64> secondsToWait(const QSqlDatabase& db)
{
    if (const Result result = ensureTable(db); !result)
        return result;
    QSqlQuery query(db);
    if (const Result result = Sql::exec(query, QStringLiteral("select failures, last_failure from login_pause"));
        !result)
        return result;
    if (!query.next())
        return qint64(0);
    const std::optional<QDateTime> last = DateText::parseDateTime(query.value(1).toString());
    const QDateTime now = Clock::now();
    // A clock set back must not lock the counter out until it catches up.
    if (!last || now < *last)
        return qint64(0);
    return std::max(qint64(0), now.secsTo(last->addSecs(pauseAfter(query.value(0).toLongLong()))));
}

Result recordFailure(QSqlDatabase& db, const QString& operatorName, const QString& counterName)
{
    const Result result = ensureTable(db);
    if (!result)
        return result;
    // Failures at two counters at once both count.
    const auto count = [&] {
        if (const Result logged = logFailedLogin(db, operatorName, counterName); !logged)
            return logged;
        const ResultOf<QVariant> failures = Sql::scalar(db, QStringLiteral("select failures from login_pause"), {});
        if (!failures)
            return failures.result();
        const QString now = DateText::dateTime(Clock::now());
        if (!failures->isValid())
            return Sql::exec(db, QStringLiteral("insert into login_pause (failures, last_failure) values (1, ?)"),
                             {now});
        return Sql::exec(db, QStringLiteral("update login_pause set failures = ?, last_failure = ?"),
                         {std::min(failures->toLongLong() + 1, MaxFailures), now});
    };
    return Sql::transaction(db, count, Sql::Isolation::Serializable);
}

Result clear(const QSqlDatabase& db)
{
    const Result result = ensureTable(db);
    if (!result)
        return result;
    return Sql::exec(db, QStringLiteral("delete from login_pause"));
}

} // namespace LoginPause
