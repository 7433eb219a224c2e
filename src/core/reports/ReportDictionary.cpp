#include "core/reports/ReportDictionary.h"

#include "core/base/Sql.h"

#include <QSqlQuery>

ResultOf<ReportDictionary> ReportDictionary::read(const QSqlDatabase& db, const QString& code, bool shownOnly)
{
    QSqlQuery query(db);
    const QString shown = shownOnly ? QStringLiteral(" AND can_show = '1'") : QString();
    const Result result = Sql::exec(query,
                                    QStringLiteral("SELECT table_name, colm_code, colm_name, colm_type, colm_cd, "
                                                   "colm_dq, sum_tag FROM pr_codedict WHERE table_code = ?") +
                                        shown + QStringLiteral(" ORDER BY xh"),
                                    {code});
    if (!result)
        return result;
    ReportDictionary dictionary;
    while (query.next()) {
        if (dictionary.title.isEmpty())
            dictionary.title = query.value(0).toString();
        dictionary.columns.append({query.value(1).toString().trimmed(), query.value(2).toString(),
                                   query.value(3).toString().trimmed().toUpper(), query.value(4).toInt(),
                                   query.value(5).toString().trimmed().toUpper(),
                                   query.value(6).toString().trimmed() == QLatin1String("1")});
    }
    return dictionary;
}
