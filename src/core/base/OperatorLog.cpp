#include "core/base/OperatorLog.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

namespace {

Result addRow(const QSqlDatabase& db, const QString& czyname, const QString& czyxm, const QVariant& lastTime)
{
    Result result = Result::success();
    const QVariant maxTag = Sql::scalar(db, QStringLiteral("select max(tag) as maxtag from czyrzh"), {}, &result);
    if (!result)
        return result;
    const double tag = maxTag.isNull() ? 0 : maxTag.toDouble() + 1;
    return Sql::exec(
        db, QStringLiteral("insert into czyrzh (tag, czyname, czyxm, init_time, last_time) values (?, ?, ?, ?, ?)"),
        {tag, czyname, czyxm, DateText::dateTime(Clock::now()), lastTime});
}

} // namespace

Result openLogEntry(const AppState& state, const QString& czyxm)
{
    return addRow(state.DbConn, state.OperatorName, czyxm, QVariant());
}

Result closeLogEntries(const AppState& state, const QString& czyname, const QString& czyxm)
{
    return Sql::exec(state.DbConn,
                     QStringLiteral("update czyrzh set last_time=? where last_time is null and czyname=? and czyxm=?"),
                     {DateText::dateTime(Clock::now()), Notation::Trim(czyname), czyxm});
}

Result logFailedLogin(const QSqlDatabase& db, const QString& czyname)
{
    return logEvent(db, czyname, FailedLogin);
}

Result logEvent(const QSqlDatabase& db, const QString& czyname, const QString& czyxm)
{
    return addRow(db, Notation::Trim(czyname), czyxm, DateText::dateTime(Clock::now()));
}
