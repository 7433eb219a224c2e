#include "core/admin/HistoryClearing.h"

#include "core/admin/BackupCopies.h"
#include "core/base/AppState.h"
#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"

namespace HistoryClearing {

namespace {

// The rows that go, each bound to the date: counted and deleted by the same text.
const QString Goods = QStringLiteral("from ckv_zc where rc < ? and jzbj = 1");
const QString Visits = QStringLiteral("from waimxd where rc < ? and ") + VisitCondition::settled();

Result countRows(const QSqlDatabase& db, const QString& rows, const QString& date, qint64* count)
{
    Result result = Result::success();
    *count = Sql::scalarOrInvalid(db, QStringLiteral("select count(*) ") + rows, {date}, &result).toLongLong();
    return result;
}

Result deleteRows(const QSqlDatabase& db, const QString& rows, const QString& date, qint64* count)
{
    QSqlQuery query(db);
    const Result result = Sql::exec(query, QStringLiteral("delete ") + rows, {date});
    *count = query.numRowsAffected();
    return result;
}

// The business date's own rows are still being worked on.
bool afterBusinessDate(const AppState& state, const QDate& before)
{
    return before > state.BusinessDate;
}

} // namespace

Outcome count(const AppState& state, const QDate& before)
{
    Outcome outcome;
    if (afterBusinessDate(state, before)) {
        outcome.refusal = Refusal::AfterBusinessDate;
        return outcome;
    }
    const QString date = DateText::date(before);
    outcome.result = countRows(state.DbConn, Visits, date, &outcome.counts.visits);
    if (outcome.result)
        outcome.result = countRows(state.DbConn, Goods, date, &outcome.counts.goods);
    return outcome;
}

Outcome clearBefore(AppState& state, const QDate& before)
{
    Outcome outcome;
    if (afterBusinessDate(state, before)) {
        outcome.refusal = Refusal::AfterBusinessDate;
        return outcome;
    }
    const BackupCopies::Outcome backup = BackupCopies::backupNow(state);
    outcome.backup = backup.target;
    if (!backup.result) {
        outcome.refusal = Refusal::BackupFailed;
        outcome.result = backup.result;
        return outcome;
    }
    const QString date = DateText::date(before);
    outcome.result = Sql::transaction(state.DbConn, [&] {
        Result result = deleteRows(state.DbConn, Goods, date, &outcome.counts.goods);
        if (result)
            result = deleteRows(state.DbConn, Visits, date, &outcome.counts.visits);
        return result;
    });
    if (!outcome.result)
        outcome.counts = {};
    return outcome;
}

} // namespace HistoryClearing
