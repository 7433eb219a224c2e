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

// How many rows there are.
ResultOf<qint64> countRows(const QSqlDatabase& db, const QString& rows, const QString& date)
{
    const ResultOf<QVariant> count = Sql::scalar(db, QStringLiteral("select count(*) ") + rows, {date});
    if (!count)
        return count.result();
    return count->toLongLong();
}

// How many rows were deleted.
ResultOf<qint64> deleteRows(const QSqlDatabase& db, const QString& rows, const QString& date)
{
    QSqlQuery query(db);
    if (const Result result = Sql::exec(query, QStringLiteral("delete ") + rows, {date}); !result)
        return result;
    return qint64(query.numRowsAffected());
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
    const ResultOf<qint64> visits = countRows(state.DbConn, Visits, date);
    if (!visits) {
        outcome.result = visits.result();
        return outcome;
    }
    const ResultOf<qint64> goods = countRows(state.DbConn, Goods, date);
    if (!goods) {
        outcome.result = goods.result();
        return outcome;
    }
    outcome.counts = {*visits, *goods};
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
    Counts deleted;
    outcome.result = Sql::transaction(state.DbConn, [&] {
        const ResultOf<qint64> goods = deleteRows(state.DbConn, Goods, date);
        if (!goods)
            return goods.result();
        deleted.goods = *goods;
        const ResultOf<qint64> visits = deleteRows(state.DbConn, Visits, date);
        if (!visits)
            return visits.result();
        deleted.visits = *visits;
        return Result::success();
    });
    if (outcome.result)
        outcome.counts = deleted;
    return outcome;
}

} // namespace HistoryClearing
