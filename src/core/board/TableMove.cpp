#include "core/board/TableMove.h"

#include "core/base/Sql.h"
#include "core/billing/OpenVisit.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace TableMove {

namespace {

Result tables(const QSqlDatabase& db, const QString& text, const QVariantList& values, QList<qint16>* found)
{
    found->clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, text, values);
    while (result && query.next())
        found->append(qint16(query.value(0).toInt()));
    return result;
}

// Free: marked free and without an open visit, as a row written by hand
// or left by a power cut may be marked free and still hold one.
Result isFree(const QSqlDatabase& db, qint16 number, bool* free)
{
    Result result = Result::success();
    const QVariant mark =
        Sql::scalarOrInvalid(db, QStringLiteral("select sybj from zhdy where zhao=?"), {number}, &result);
    *free = false;
    if (!result || !mark.isValid() || mark.toInt() != 0)
        return result;
    std::optional<OpenVisit> visit;
    result = findOpenVisit(db, number, &visit);
    *free = result && !visit;
    return result;
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

Result readGuestMarks(const QSqlDatabase& db, qint16 number, GuestMarks* marks)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, QStringLiteral("select tx, fwfl from zhdy where zhao=?"), {number});
    if (result && query.next())
        *marks = {query.value(0), query.value(1)};
    return result;
}

Result writeTable(const QSqlDatabase& db, qint16 number, int markedInUse, const GuestMarks& marks)
{
    return Sql::exec(db, QStringLiteral("update zhdy set sybj=?, tx=?, fwfl=? where zhao=?"),
                     {markedInUse, marks.reminderMinutes, marks.deposit, number});
}

} // namespace

Result freeTables(const QSqlDatabase& db, QList<qint16>* found)
{
    return tables(db, QStringLiteral("select zhao from zhdy where sybj=0 order by zhao"), {}, found);
}

Result tablesInUseExcept(const QSqlDatabase& db, qint16 except, QList<qint16>* found)
{
    return tables(db, QStringLiteral("select zhao from zhdy where sybj<>0 and zhao<>? order by zhao"), {except}, found);
}

Result isMarkedInUse(const QSqlDatabase& db, qint16 number, bool* inUse)
{
    Result result = Result::success();
    const QVariant mark =
        Sql::scalarOrInvalid(db, QStringLiteral("select sybj from zhdy where zhao=?"), {number}, &result);
    *inUse = result && mark.isValid() && mark.toInt() != 0;
    return result;
}

Result transfer(QSqlDatabase& db, qint16 source, qint16 target, Transfer* outcome)
{
    *outcome = Transfer::Moved;
    return Sql::transaction(db, [&] {
        std::optional<OpenVisit> visit;
        Result step = findOpenVisit(db, source, &visit);
        if (step && !visit)
            *outcome = Transfer::SourceClosed;
        bool free = false;
        if (step && visit && source != target)
            step = isFree(db, target, &free);
        if (step && visit && !free)
            *outcome = Transfer::TargetTaken;
        if (!step || *outcome != Transfer::Moved)
            return step;
        GuestMarks marks;
        step = readGuestMarks(db, source, &marks);
        if (step)
            step = moveVisit(db, visit->id, target);
        if (step)
            step = moveGoods(db, source, target);
        if (step)
            step = writeTable(db, source, 0, {0, 0});
        if (step)
            step = writeTable(db, target, 1, marks);
        return step;
    });
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

Result swap(QSqlDatabase& db, qint16 first, qint16 second, bool* swapped)
{
    *swapped = false;
    return Sql::transaction(db, [&] {
        std::optional<OpenVisit> a;
        std::optional<OpenVisit> b;
        Result step = findOpenVisit(db, first, &a);
        if (step)
            step = findOpenVisit(db, second, &b);
        if (!step || !a || !b || first == second)
            return step;
        GuestMarks firstMarks;
        GuestMarks secondMarks;
        step = readGuestMarks(db, first, &firstMarks);
        if (step)
            step = readGuestMarks(db, second, &secondMarks);
        if (step)
            step = moveVisit(db, a->id, second);
        if (step)
            step = moveVisit(db, b->id, first);
        if (step)
            step = swapGoods(db, first, second);
        if (step)
            step = writeTable(db, first, 1, secondMarks);
        if (step)
            step = writeTable(db, second, 1, firstMarks);
        *swapped = step.ok();
        return step;
    });
}

} // namespace TableMove
