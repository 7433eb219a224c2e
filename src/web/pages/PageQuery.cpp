#include "web/pages/PageQuery.h"

#include "core/base/DateText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Days the hall's books can hold; anything else is a typing slip or a probe.
bool plausible(const QDate& day)
{
    return day.isValid() && day.year() >= 2000 && day.year() <= 2099;
}

} // namespace

std::optional<QString> PageQuery::text(const QString& name)
{
    if (!m_query.hasQueryItem(name))
        return std::nullopt;
    const QStringList values = m_query.allQueryItemValues(name, QUrl::FullyDecoded);
    if (values.size() != 1) {
        refuse(QCoreApplication::translate("OwnerPages", "参数 %1 只能给一次。").arg(name));
        return QString();
    }
    return values.first();
}

void PageQuery::refuse(const QString& why)
{
    if (m_refusal.isEmpty())
        m_refusal = why;
}

QDate PageQuery::date(const QString& name, const QDate& fallback)
{
    const std::optional<QString> given = text(name);
    if (!given)
        return fallback;
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate day = shape.match(*given).hasMatch() ? QDate::fromString(*given, DateText::DateFormat) : QDate();
    if (!plausible(day)) {
        refuse(QCoreApplication::translate("OwnerPages", "%1 不是一个有效日期（格式 yyyy-MM-dd）。").arg(name));
        return fallback;
    }
    return day;
}

QDate PageQuery::month(const QString& name, const QDate& fallback)
{
    const std::optional<QString> given = text(name);
    if (!given)
        return fallback;
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}$"));
    const QDate first = shape.match(*given).hasMatch()
                            ? QDate::fromString(*given + QStringLiteral("-01"), DateText::DateFormat)
                            : QDate();
    if (!plausible(first)) {
        refuse(QCoreApplication::translate("OwnerPages", "%1 不是一个有效月份（格式 yyyy-MM）。").arg(name));
        return fallback;
    }
    return first;
}

QString PageQuery::choice(const QString& name, const QStringList& choices)
{
    const std::optional<QString> given = text(name);
    if (!given)
        return choices.first();
    if (!choices.contains(*given)) {
        refuse(
            QCoreApplication::translate("OwnerPages", "%1 只能是 %2。").arg(name, choices.join(QStringLiteral(", "))));
        return choices.first();
    }
    return *given;
}

std::pair<QDate, QDate> PageQuery::period(const QDate& fallback)
{
    const QDate from = date(QStringLiteral("from"), fallback);
    const QDate to = date(QStringLiteral("to"), fallback);
    if (ok() && from > to)
        refuse(QCoreApplication::translate("OwnerPages", "开始日期不能晚于结束日期。"));
    return {from, to};
}
