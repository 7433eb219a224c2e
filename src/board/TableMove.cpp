#include "board/TableMove.h"

#include "base/Sql.h"
#include "billing/ModuseCheck.h"

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
Result isFree(const QSqlDatabase& db, qint16 zhao, bool* free)
{
    Result result = Result::success();
    const QVariant mark = Sql::scalar(db, QStringLiteral("select sybj from zhdy where zhao=?"), {zhao}, &result);
    *free = false;
    if (!result || !mark.isValid() || mark.toInt() != 0)
        return result;
    std::optional<OpenVisit> visit;
    result = findOpenVisit(db, zhao, &visit);
    *free = result && !visit;
    return result;
}

Result moveVisit(const QSqlDatabase& db, qint64 visitId, qint16 zhao)
{
    return Sql::exec(db, QStringLiteral("update waimxd set zhao=? where id=?"), {zhao, visitId});
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

Result isMarkedInUse(const QSqlDatabase& db, qint16 zhao, bool* inUse)
{
    Result result = Result::success();
    const QVariant mark = Sql::scalar(db, QStringLiteral("select sybj from zhdy where zhao=?"), {zhao}, &result);
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
        step = moveVisit(db, visit->id, target);
        if (step)
            step = Sql::exec(db, QStringLiteral("update zhdy set sybj=0 where zhao=?"), {source});
        if (step)
            step = Sql::exec(db, QStringLiteral("update zhdy set sybj=1 where zhao=?"), {target});
        return step;
    });
}

QString refusal(Transfer outcome, qint16 source, qint16 target)
{
    switch (outcome) {
    case Transfer::SourceClosed:
        return QString::number(source) + QStringLiteral(" 号台已没有未结账的客人，转台未完成。");
    case Transfer::TargetTaken:
        return QString::number(target) + QStringLiteral(" 号台已不是空台，转台未完成，请另选台位。");
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
        step = moveVisit(db, a->id, second);
        if (step)
            step = moveVisit(db, b->id, first);
        *swapped = step.ok();
        return step;
    });
}

} // namespace TableMove
