#include "core/goods/GoodsCode.h"

#include "core/base/Sql.h"

#include <QCoreApplication>

namespace GoodsCode {

int Structure::cumulative(int level) const
{
    int length = 0;
    for (int i = 0; i < level && i < int(lengths.size()); ++i)
        length += lengths[std::size_t(i)];
    return length;
}

int Structure::levelOf(const QString& code) const
{
    for (int level = 1; level <= levels; ++level) {
        if (cumulative(level) == code.size())
            return level;
    }
    return 0;
}

QString proposed(const QString& current, bool catalogueEmpty)
{
    if (catalogueEmpty)
        return QStringLiteral("1");
    if (current.size() <= 1)
        return current;
    const int last = current.right(1).toInt();
    return current.left(current.size() - 1) + QString::number(last + 1);
}

Checked check(const QSqlDatabase& db, const Structure& structure, const QString& code, const QString& original)
{
    Checked checked;
    const int first = structure.cumulative(1);
    if (code.size() < first) {
        checked.refusal = Notice::critical(QCoreApplication::translate("GoodsCode", "商品长度应为%1").arg(first));
        return checked;
    }
    if (code.size() > structure.total()) {
        checked.refusal = Notice::critical(
            QCoreApplication::translate("GoodsCode", "编码长度超过定义总长度%1").arg(structure.total()));
        return checked;
    }
    checked.level = structure.levelOf(code);
    if (checked.level == 0) {
        for (int level = 1; level <= structure.levels; ++level) {
            if (code.size() < structure.cumulative(level)) {
                checked.refusal = Notice::critical(
                    QCoreApplication::translate("GoodsCode", "编码长度应为%1").arg(structure.cumulative(level)));
                return checked;
            }
        }
    }
    if (checked.level > 1) {
        const QString parent = code.left(structure.cumulative(checked.level - 1));
        const ResultOf<QVariant> found =
            Sql::scalar(db, QStringLiteral("select headcode from spzd where headcode = ?"), {parent});
        if (!found) {
            checked.result = found.result();
            return checked;
        }
        if (!found->isValid()) {
            checked.refusal = Notice::critical(QCoreApplication::translate("GoodsCode", "上级商品未定义！"));
            return checked;
        }
    }
    const ResultOf<QVariant> others =
        Sql::scalar(db, QStringLiteral("select count(*) from spzd where headcode = ? and (? = '' or headcode <> ?)"),
                    {code, original, original});
    checked.result = others.result();
    if (others && others->toInt() > 0)
        checked.refusal = Notice::critical(QCoreApplication::translate("GoodsCode", "商品编码重复！"));
    return checked;
}

} // namespace GoodsCode
