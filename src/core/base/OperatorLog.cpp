#include "core/base/OperatorLog.h"

#include "core/base/AppState.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

namespace {

Result addRow(const QSqlDatabase& db, const QString& operatorName, const QString& counterName, const QString& entry,
              const QVariant& lastTime)
{
    const ResultOf<QVariant> maxTag = Sql::scalar(db, QStringLiteral("select max(tag) as maxtag from czyrzh"));
    if (!maxTag)
        return maxTag.result();
    const double tag = maxTag->isNull() ? 0 : maxTag->toDouble() + 1;
    return Sql::exec(
        db,
        QStringLiteral(
            "insert into czyrzh (tag, czyname, czyxm, init_time, last_time, zdname) values (?, ?, ?, ?, ?, ?)"),
        {tag, operatorName, entry, DateText::dateTime(Clock::now()), lastTime, counterName});
}

} // namespace

Result openLogEntry(const AppState& state, const QString& entry)
{
    return addRow(state.DbConn, state.OperatorName, state.CounterName, entry, QVariant());
}

Result closeLogEntries(const AppState& state, const QString& operatorName, const QString& entry)
{
    return Sql::exec(state.DbConn,
                     QStringLiteral("update czyrzh set last_time=? where last_time is null and czyname=? and czyxm=?"),
                     {DateText::dateTime(Clock::now()), Notation::Trim(operatorName), entry});
}

Result logFailedLogin(const QSqlDatabase& db, const QString& operatorName, const QString& counterName)
{
    return addRow(db, Notation::Trim(operatorName), counterName, FailedLogin, DateText::dateTime(Clock::now()));
}

Result logEvent(const AppState& state, const QString& entry)
{
    return addRow(state.DbConn, Notation::Trim(state.OperatorName), state.CounterName, entry,
                  DateText::dateTime(Clock::now()));
}
