#include "core/admin/OperatorLogList.h"

#include "core/base/DateText.h"
#include "core/base/Sql.h"

#include <QLocale>

namespace OperatorLogList {

QString shownTime(const QString& stored)
{
    const std::optional<QDateTime> moment = DateText::parseDateTime(stored);
    if (!moment)
        return stored;
    return QLocale::c().toString(*moment, ShownTimeFormat);
}

ResultOf<QList<Entry>> find(const QSqlDatabase& db, const Filter& filter)
{
    QString text = QStringLiteral(
        "select tag, czyname, czyxm, init_time, last_time, zdname from czyrzh where last_time is not null");
    QVariantList values;
    if (!filter.name.isEmpty()) {
        text += QStringLiteral(" and czyname = ?");
        values.append(filter.name);
    }
    if (filter.from) {
        text += QStringLiteral(" and init_time >= ?");
        values.append(DateText::date(*filter.from));
    }
    text += QStringLiteral(" order by tag");

    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result = Sql::exec(query, text, values);
    if (!result)
        return result;
    QList<Entry> entries;
    while (query.next())
        entries.append({query.value(0).toDouble(), query.value(1).toString(), query.value(2).toString(),
                        shownTime(query.value(3).toString()), shownTime(query.value(4).toString()),
                        query.value(5).toString()});
    return entries;
}

Result deleteClosed(const QSqlDatabase& db)
{
    return Sql::exec(db, QStringLiteral("delete from czyrzh where last_time is not null"));
}

} // namespace OperatorLogList
