#include "core/board/TableMove.h"

#include "core/base/Sql.h"
#include "core/base/TableNews.h"
#include "core/billing/OpenVisit.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <algorithm>

namespace TableMove {

namespace {

ResultOf<QList<qint16>> tables(const QSqlDatabase& db, const QString& text, const QVariantList& values)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (const Result result = Sql::exec(query, text, values); !result)
        return result;
    QList<qint16> found;
    while (query.next())
        found.append(qint16(query.value(0).toInt()));
    return found;
}

// Free: marked free and without an open visit, as a row written by hand
// or left by a power cut may be marked free and still hold one. A table
// zhdy does not hold is not free.
ResultOf<bool> isFree(const QSqlDatabase& db, qint16 number)
{
    const ResultOf<QVariant> mark = Sql::scalar(db, QStringLiteral("select sybj from zhdy where zhao=?"), {number});
    if (!mark)
        return mark.result();
    if (!mark->isValid() || mark->toInt() != 0)
        return false;
    const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(db, number);
    if (!visit)
        return visit.result();
    return !*visit;
}

Result moveVisit(const QSqlDatabase& db, qint64 visitId, qint16 number)
{
    return Sql::exec(db, QStringLiteral("update waimxd set zhao=? where id=?"), {number, visitId});
}

// The goods sold to a table and not yet settled are settled by the checkout
// of whoever plays there: they belong to the party as the visit does, or the
// next guest at the table would pay for them.
Result moveGoods(const QSqlDatabase& db, qint16 from, qint16 to)
{
    return Sql::exec(db, QStringLiteral("update ckv_zc set zhao=? where zhao=? and jzbj=0"),
                     {QString::number(to), QString::number(from)});
}

// Both tables' unsettled goods trade places in one statement, so that
// neither party's rows are mixed with the other's on the way.
Result swapGoods(const QSqlDatabase& db, qint16 first, qint16 second)
{
    const QString a = QString::number(first);
    const QString b = QString::number(second);
    return Sql::exec(db,
                     QStringLiteral("update ckv_zc set zhao = case when zhao=? then ? else ? end "
                                    "where jzbj=0 and zhao in (?, ?)"),
                     {a, b, a, a, b});
}

// The reminder and the deposit are the guests', kept on the row of the
// table they play at: they go wherever the visit goes.
struct GuestMarks
{
    QVariant reminderMinutes;
    QVariant deposit;
};

// Null marks for a table zhdy does not hold.
ResultOf<GuestMarks> readGuestMarks(const QSqlDatabase& db, qint16 number)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (const Result result = Sql::exec(query, QStringLiteral("select tx, fwfl from zhdy where zhao=?"), {number});
        !result)
        return result;
    if (!query.next())
        return GuestMarks();
    return GuestMarks{query.value(0), query.value(1)};
}

Result writeTable(const QSqlDatabase& db, qint16 number, int markedInUse, const GuestMarks& marks)
{
    const Result written = Sql::exec(db, QStringLiteral("update zhdy set sybj=?, tx=?, fwfl=? where zhao=?"),
                                     {markedInUse, marks.reminderMinutes, marks.deposit, number});
    return written ? TableNews::tell(db, number) : written;
}

// Both tables' rows, the lower number first so that two counters moving
// between the same tables do not each wait for the other: what is checked
// next then stays as read until the move is written.
Result holdTables(const QSqlDatabase& db, qint16 first, qint16 second)
{
    for (const qint16 number : {std::min(first, second), std::max(first, second)}) {
        if (const ResultOf<bool> held = Sql::holdRow(db, QStringLiteral("zhdy"), QStringLiteral("zhao"), number); !held)
            return held.result();
    }
    return Result::success();
}

} // namespace

ResultOf<QList<qint16>> freeTables(const QSqlDatabase& db)
{
    return tables(db, QStringLiteral("select zhao from zhdy where sybj=0 order by zhao"), {});
}

ResultOf<QList<qint16>> tablesInUseExcept(const QSqlDatabase& db, qint16 except)
{
    return tables(db, QStringLiteral("select zhao from zhdy where sybj<>0 and zhao<>? order by zhao"), {except});
}

ResultOf<bool> isMarkedInUse(const QSqlDatabase& db, qint16 number)
{
    const ResultOf<QVariant> mark = Sql::scalar(db, QStringLiteral("select sybj from zhdy where zhao=?"), {number});
    if (!mark)
        return mark.result();
    return mark->isValid() && mark->toInt() != 0;
}

ResultOf<Transfer> transfer(QSqlDatabase& db, qint16 source, qint16 target)
{
    Transfer outcome = Transfer::Moved;
    const Result result = Sql::transaction(db, [&] {
        outcome = Transfer::Moved;
        if (const Result held = holdTables(db, source, target); !held)
            return held;
        const ResultOf<std::optional<OpenVisit>> visit = findOpenVisit(db, source);
        if (!visit)
            return visit.result();
        if (!*visit) {
            outcome = Transfer::SourceClosed;
            return Result::success();
        }
        bool free = false;
        if (source != target) {
            const ResultOf<bool> targetFree = isFree(db, target);
            if (!targetFree)
                return targetFree.result();
            free = *targetFree;
        }
        if (!free) {
            outcome = Transfer::TargetTaken;
            return Result::success();
        }
        const ResultOf<GuestMarks> marks = readGuestMarks(db, source);
        Result step = marks.result();
        if (step)
            step = moveVisit(db, (*visit)->id, target);
        if (step)
            step = moveGoods(db, source, target);
        if (step)
            step = writeTable(db, source, 0, {0, 0});
        if (step)
            step = writeTable(db, target, 1, *marks);
        return step;
    });
    if (!result)
        return result;
    return outcome;
}

QString refusal(Transfer outcome, qint16 source, qint16 target)
{
    switch (outcome) {
    case Transfer::SourceClosed:
        return QCoreApplication::translate("TableMove", "%1 号台已没有未结账的客人，转台未完成。").arg(source);
    case Transfer::TargetTaken:
        return QCoreApplication::translate("TableMove", "%1 号台已不是空台，转台未完成，请另选台位。").arg(target);
    case Transfer::Moved:
        break;
    }
    return QString();
}

ResultOf<bool> swap(QSqlDatabase& db, qint16 first, qint16 second)
{
    bool swapped = false;
    const Result result = Sql::transaction(db, [&] {
        if (const Result held = holdTables(db, first, second); !held)
            return held;
        const ResultOf<std::optional<OpenVisit>> a = findOpenVisit(db, first);
        if (!a)
            return a.result();
        const ResultOf<std::optional<OpenVisit>> b = findOpenVisit(db, second);
        if (!b)
            return b.result();
        if (!*a || !*b || first == second)
            return Result::success();
        const ResultOf<GuestMarks> firstMarks = readGuestMarks(db, first);
        if (!firstMarks)
            return firstMarks.result();
        const ResultOf<GuestMarks> secondMarks = readGuestMarks(db, second);
        Result step = secondMarks.result();
        if (step)
            step = moveVisit(db, (*a)->id, second);
        if (step)
            step = moveVisit(db, (*b)->id, first);
        if (step)
            step = swapGoods(db, first, second);
        if (step)
            step = writeTable(db, first, 1, *secondMarks);
        if (step)
            step = writeTable(db, second, 1, *firstMarks);
        swapped = step.ok();
        return step;
    });
    if (!result)
        return result;
    return swapped;
}

} // namespace TableMove
