#include "core/members/ConsumptionCondition.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ConsumptionCondition {

namespace {

// Enough for hours and rates; amounts have two.
constexpr int NumberDecimals = 6;

struct Clause
{
    QString sql;
    QVariant value;
    QString shown;
};

const Field* fieldOf(const QList<Field>& fields, const QString& caption)
{
    const QString wanted = caption.trimmed();
    for (const Field& field : fields) {
        if (field.caption.trimmed() == wanted)
            return &field;
    }
    return nullptr;
}

// The dictionary is data an administrator may edit: a code that is not a
// plain column name would be SQL text of its own.
bool isColumnName(const QString& code)
{
    static const QRegularExpression column(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)?")));
    return column.match(code).hasMatch();
}

// A balance or a correction may be below zero, so a leading minus is taken;
// the rest is a number as typed into any amount box.
std::optional<double> signedNumber(const QString& text, int decimals)
{
    QString digits = text.trimmed();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    const std::optional<double> number = typedNumber(digits, decimals);
    if (!number)
        return std::nullopt;
    return negative ? -*number : *number;
}

// The row's comparison, its bound value and how the operator reads it.
ResultOf<Clause> clauseOf(const Field& field, const QString& op, const QString& text)
{
    const QString type = field.type.trimmed().toUpper();
    const QString value = text.trimmed();
    if (type == QLatin1String("CHAR")) {
        // Card numbers are compared without regard to letter case everywhere.
        // A server's like takes a backslash as its escape; say so, so that
        // both stores read a typed backslash the same way.
        const QString escape = op == QLatin1String("like") ? QStringLiteral(" escape '\\'") : QString();
        return Clause{QStringLiteral("upper(%1) %2 upper(?)%3").arg(field.code, op, escape), value,
                      QLatin1Char('\'') + value + QLatin1Char('\'')};
    }
    if (type == QLatin1String("DATE") || type == QLatin1String("DATETIME")) {
        if (const std::optional<QDate> day = DateText::parseDate(value)) {
            // A moment compared with a day is compared by its day.
            const QString column =
                type == QLatin1String("DATE") ? field.code : QStringLiteral("substr(%1, 1, 10)").arg(field.code);
            return Clause{column + QLatin1Char(' ') + op + QStringLiteral(" ?"), DateText::date(*day),
                          DateText::date(*day)};
        }
        const std::optional<QDateTime> moment =
            type == QLatin1String("DATETIME") ? DateText::parseDateTime(value) : std::nullopt;
        if (!moment)
            return Result::failure(QCoreApplication::translate("ConsumptionCondition", "日期输入错误"),
                                   Result::TypeMismatch);
        return Clause{field.code + QLatin1Char(' ') + op + QStringLiteral(" ?"), DateText::dateTime(*moment),
                      DateText::dateTime(*moment)};
    }
    if (type == QLatin1String("NUME") || type == QLatin1String("MON") || type == QLatin1String("INT") ||
        type == QLatin1String("BFL")) {
        const std::optional<double> number = signedNumber(value, type == QLatin1String("INT") ? 0 : NumberDecimals);
        if (!number)
            return Result::failure(QCoreApplication::translate("ConsumptionCondition", "请输入数字"),
                                   Result::TypeMismatch);
        // The value is cast so that a server compares it as typed rather than
        // rounded to the column's type; like compares the number's text.
        if (op == QLatin1String("like"))
            return Clause{QStringLiteral("cast(%1 as text) like ?").arg(field.code), value, value};
        return Clause{field.code + QLatin1Char(' ') + op + QStringLiteral(" cast(? as double precision)"), *number,
                      value};
    }
    return Result::failure(
        QCoreApplication::translate("ConsumptionCondition", "条件“%1”的类型“%2”不能用来查询，请检查数据字典。")
            .arg(field.caption, field.type),
        Result::TypeMismatch);
}

} // namespace

const QStringList& operators()
{
    static const QStringList list = {QStringLiteral("="),   QStringLiteral("<>"), QStringLiteral("<"),
                                     QStringLiteral("<="),  QStringLiteral(">"),  QStringLiteral(">="),
                                     QStringLiteral("like")};
    return list;
}

ResultOf<QList<Field>> loadFields(const QSqlDatabase& db, const QString& code)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(
        query, QStringLiteral("select colm_code, colm_name, colm_type from pr_codedict where table_code=? order by xh"),
        {code});
    if (!result)
        return result;
    QList<Field> fields;
    while (query.next())
        fields.append({query.value(0).toString().trimmed(), query.value(1).toString(), query.value(2).toString()});
    return fields;
}

Built build(const QList<Row>& rows, const QList<Field>& fields)
{
    Condition built;
    QString joiner;
    for (int i = 0; i < rows.size(); ++i) {
        const Row& row = rows.at(i);
        if (row.value.trimmed().isEmpty())
            continue;
        const auto refuse = [i](const Result& refusal) {
            return Built{refusal, i};
        };
        const Field* field = fieldOf(fields, row.caption);
        if (!field)
            return refuse(Result::failure(
                QCoreApplication::translate("ConsumptionCondition", "“%1”不是可以查询的条件，请从列表中选择。")
                    .arg(row.caption.trimmed()),
                Result::TypeMismatch));
        if (!isColumnName(field->code))
            return refuse(
                Result::failure(QCoreApplication::translate("ConsumptionCondition",
                                                            "条件“%1”在数据字典中的字段名“%2”不可用，请检查数据字典。")
                                    .arg(field->caption, field->code),
                                Result::TypeMismatch));
        const QString op = row.op.trimmed().toLower();
        if (!operators().contains(op))
            return refuse(Result::failure(
                QCoreApplication::translate("ConsumptionCondition", "“%1”不是可用的比较符，请选择 %2 之一。")
                    .arg(row.op, operators().join(QStringLiteral(" "))),
                Result::TypeMismatch));
        const ResultOf<Clause> clause = clauseOf(*field, op, row.value);
        if (!clause)
            return refuse(clause.result());

        if (!joiner.isEmpty()) {
            built.sql += QLatin1Char(' ') + joiner + QLatin1Char(' ');
            built.readable += joiner == QLatin1String("or")
                                  ? QCoreApplication::translate("ConsumptionCondition", " 或者 ")
                                  : QCoreApplication::translate("ConsumptionCondition", " 并且 ");
        }
        built.sql += clause->sql;
        built.values.append(clause->value);
        built.readable += field->caption.trimmed() + QLatin1Char(' ') + op + QLatin1Char(' ') + clause->shown;
        joiner = row.joiner == QLatin1String("or") ? QStringLiteral("or") : QStringLiteral("and");
    }
    return Built{built, -1};
}

} // namespace ConsumptionCondition
