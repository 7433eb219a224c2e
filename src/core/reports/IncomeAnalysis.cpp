#include "core/reports/IncomeAnalysis.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"

#include <utility>

namespace IncomeAnalysis {

namespace {

// The marks that the shift ("2") and the day ("3") reports give.
const QString Reconciled = QStringLiteral("dzbj in (?, ?)");
const QVariantList ReconciledMarks = {QStringLiteral("2"), QStringLiteral("3")};

// A where-clause and its values, in placeholder order.
struct Condition
{
    QString text;
    QVariantList values;
};

Condition periodCondition(const Question& question, bool reconciledOnly)
{
    Condition condition{QStringLiteral("rc >= ? and rc <= ?"),
                        {DateText::date(question.start), DateText::date(question.end)}};
    if (reconciledOnly) {
        condition.text = Reconciled + QStringLiteral(" and ") + condition.text;
        condition.values = ReconciledMarks + condition.values;
    }
    return condition;
}

Condition tableFeeCondition(const Question& question)
{
    return periodCondition(question, question.subject == Subject::Goods || question.useMark);
}

Condition goodsCondition(const Question& question)
{
    Condition condition = periodCondition(question, true);
    condition.text = QStringLiteral("jzbj = ? and ") + condition.text;
    condition.values.prepend(1);
    return condition;
}

QString groupedStatement(const Question& question, const Condition& condition)
{
    const bool goods = question.subject == Subject::Goods;
    const QString key = question.grouping == Grouping::ByDay ? QStringLiteral("rc")
                        : goods                              ? QStringLiteral("wlcode")
                                                             : QStringLiteral("zhao");
    return QStringLiteral("select %1, sum(%2) from %3 where %4 group by %1 order by %1")
        .arg(key, goods ? QStringLiteral("amount") : QStringLiteral("je"),
             goods ? QStringLiteral("ckv_zc") : QStringLiteral("waimxd"), condition.text);
}

} // namespace

double Analysis::amount() const
{
    double sum = 0;
    for (const Row& row : rows)
        sum += row.amount;
    return sum;
}

ResultOf<Analysis> run(const QSqlDatabase& db, const Question& question)
{
    const Condition fees = tableFeeCondition(question);
    const ResultOf<QVariant> tableFees =
        Sql::scalar(db, QStringLiteral("select sum(je) from waimxd where ") + fees.text, fees.values);
    if (!tableFees)
        return tableFees.result();
    Analysis found;
    found.tableFees = *tableFees;

    const Condition grouped = question.subject == Subject::Goods ? goodsCondition(question) : fees;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, groupedStatement(question, grouped), grouped.values);
    if (!result)
        return result;
    while (query.next())
        found.rows.append({query.value(0).toString(), query.value(1).toDouble()});
    return found;
}

QString money(const QVariant& value)
{
    if (value.isNull())
        return QString();
    return Notation::Format(value.toDouble(), QStringLiteral("0.00"));
}

} // namespace IncomeAnalysis
