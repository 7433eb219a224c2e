#include "admin/ModZkCheck.h"

#include "base/Messages.h"
#include "base/ModCWCl.h"
#include "base/Notation.h"
#include "base/Sql.h"

bool ModZkCheck(const QSqlDatabase& db, const QString& operatorName, float rate)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const Result result =
        Sql::exec(query, QStringLiteral("select zk from czyzd where trim(czy_name) = ? order by rowid limit 1"),
                  {Notation::Trim(operatorName)});
    if (!result) {
        ShowErr(result);
        return false;
    }
    if (!query.next())
        return false;
    const QVariant zk = query.value(0);
    if (zk.isNull()) {
        Messages::exclamation(QStringLiteral("折扣率权限未设定，请重新设定。"));
        return false;
    }
    // The rate arrives as a float: compare at that precision, or a limit of
    // 8.7 would refuse the rate 8.7.
    const float limit = static_cast<float>(zk.toDouble());
    if (rate == 0 || (limit <= rate && rate < 10))
        return true;
    Messages::exclamation(QStringLiteral("折扣率超过你的最大折扣权限") + discountText(zk.toDouble()) +
                          QStringLiteral("  ，请重新设定。"));
    return false;
}

QString discountText(double zk)
{
    return QString::number(static_cast<float>(zk), 'g', 7);
}
