#include "core/board/TableMarks.h"

#include "core/base/Sql.h"
#include "core/base/TableNews.h"
#include "core/base/TypedNumber.h"

#include <QCoreApplication>

namespace TableMarks {

namespace {

constexpr double LongestReminder = 1440;

std::optional<double> bounded(const QString& text, int decimals, double largest)
{
    const std::optional<double> value = typedNumber(text, decimals);
    if (!value || *value > largest)
        return std::nullopt;
    return value;
}

Result save(const QSqlDatabase& db, const QString& text, qint16 number, double value)
{
    QSqlQuery query(db);
    const Result result = Sql::exec(query, text, {value, number});
    if (result && query.numRowsAffected() != 1)
        return Result::failure(QCoreApplication::translate("TableMarks", "没有台号为 %1 的台位").arg(number));
    return result ? TableNews::tell(db, number) : result;
}

} // namespace

std::optional<double> reminderMinutes(const QString& text)
{
    return bounded(text, 0, LongestReminder);
}

std::optional<double> deposit(const QString& text)
{
    return bounded(text, 2, LargestAmount);
}

QString reminderRefused()
{
    return QCoreApplication::translate("TableMarks", "提醒时长请输入 0 到 1440 之间的整数分钟。");
}

QString depositRefused()
{
    return amountRule(QCoreApplication::translate("TableMarks", "押金"));
}

Result saveReminder(const QSqlDatabase& db, qint16 number, double minutes)
{
    return save(db, QStringLiteral("update zhdy set tx=? where zhao=?"), number, minutes);
}

Result saveDeposit(const QSqlDatabase& db, qint16 number, double amount)
{
    return save(db, QStringLiteral("update zhdy set fwfl=? where zhao=?"), number, amount);
}

} // namespace TableMarks
