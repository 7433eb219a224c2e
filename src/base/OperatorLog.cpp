#include "base/OperatorLog.h"

#include "base/AppState.h"
#include "base/Clock.h"
#include "base/DateText.h"
#include "base/Notation.h"
#include "base/Sql.h"

Result czyrz_add(const AppState& state, const QString& czyxm)
{
    Result result = Result::success();
    const QVariant maxTag =
        Sql::scalar(state.DbConn, QStringLiteral("select max(tag) as maxtag from czyrzh"), {}, &result);
    if (!result)
        return result;
    const double tag = maxTag.isNull() ? 0 : maxTag.toDouble() + 1;
    return Sql::exec(state.DbConn,
                     QStringLiteral("insert into czyrzh (tag, czyname, czyxm, init_time) values (?, ?, ?, ?)"),
                     {tag, state.OperatorName, czyxm, DateText::dateTime(Clock::now())});
}

Result czyrz_close(const AppState& state, const QString& czyname, const QString& czyxm)
{
    return Sql::exec(state.DbConn,
                     QStringLiteral("update czyrzh set last_time=? where last_time is null and czyname=? and czyxm=?"),
                     {DateText::dateTime(Clock::now()), Notation::Trim(czyname), czyxm});
}
