#include "core/goods/GoodsCatalogue.h"

#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"

#include <QCoreApplication>

namespace GoodsCatalogue {

namespace {

enum Field
{
    Code,
    Name,
    Mnemonic,
    Unit,
    Price,
    MemberReduction,
    GuestReduction,
    SizeAndModel,
    Origin,
    Department
};

const QString ProtectedCondition =
    QStringLiteral("(s.zzbj = 0 or s.used_tag = 1"
                   " or exists (select 1 from ckv_sr r where r.wlcode = s.headcode or r.wlcode = s.name)"
                   " or exists (select 1 from spzd c where length(c.headcode) > length(s.headcode)"
                   " and substr(c.headcode, 1, length(s.headcode)) = s.headcode))");

Checked refuse(Field field, const Notice& notice)
{
    Checked checked;
    checked.refusal = notice;
    checked.box = field;
    return checked;
}

} // namespace

Checked check(const QSqlDatabase& db, const GoodsCode::Structure& structure, const Typed& typed,
              const QString& original)
{
    const auto& boxes = typed.boxes;
    const QString code = boxes[Code].trimmed();
    const GoodsCode::Checked coded = GoodsCode::check(db, structure, code, original);
    if (!coded.result) {
        Checked failed;
        failed.result = coded.result;
        return failed;
    }
    if (!coded.refusal.isEmpty())
        return refuse(Code, coded.refusal);
    if (!original.isEmpty() && code != original) {
        const ResultOf<bool> locked = isProtected(db, original);
        if (!locked) {
            Checked checked;
            checked.result = locked.result();
            return checked;
        }
        if (*locked)
            return refuse(Code, Notice::exclamation(QCoreApplication::translate(
                                    "GoodsCatalogue", "此商品是商品类别或已有进货，编码不能修改。")));
    }
    if (boxes[Name].trimmed().isEmpty())
        return refuse(Name, Notice::critical(QCoreApplication::translate("GoodsCatalogue", "商品名称不能为空")));
    if (boxes[Unit].trimmed().isEmpty())
        return refuse(Unit, Notice::exclamation(QCoreApplication::translate("GoodsCatalogue", "计量单位不能为空")));
    const auto amount = [](const QString& text) {
        return text.trimmed().isEmpty() ? std::optional<double>(0) : typedAmount(text);
    };
    const std::optional<double> price = amount(boxes[Price]);
    if (!price)
        return refuse(Price, Notice::critical(amountRule(QCoreApplication::translate("GoodsCatalogue", "商品单价"))));
    const std::optional<double> memberReduction = amount(boxes[MemberReduction]);
    const std::optional<double> guestReduction = amount(boxes[GuestReduction]);
    if (!memberReduction || !guestReduction) {
        return refuse(
            memberReduction ? GuestReduction : MemberReduction,
            Notice::critical(QCoreApplication::translate("GoodsCatalogue", "优惠应为不小于 0 的数，最多两位小数。")));
    }
    // A reduction above the price would sell the item below nothing.
    if (*memberReduction > *price || *guestReduction > *price) {
        return refuse(*memberReduction > *price ? MemberReduction : GuestReduction,
                      Notice::critical(QCoreApplication::translate("GoodsCatalogue", "优惠不能大于商品单价。")));
    }
    Checked checked;
    const QString department = boxes[Department].trimmed();
    QVariant departmentName;
    if (!department.isEmpty()) {
        const ResultOf<QVariant> name =
            Sql::scalar(db, QStringLiteral("select name from bmzd where bmcode = ?"), {department});
        if (!name) {
            checked.result = name.result();
            return checked;
        }
        departmentName = *name;
    }
    checked.values = {code,
                      boxes[Name].trimmed(),
                      boxes[Mnemonic].trimmed().toUpper(),
                      boxes[Unit].trimmed(),
                      *price,
                      *memberReduction,
                      *guestReduction,
                      boxes[SizeAndModel].trimmed(),
                      boxes[Origin].trimmed(),
                      department,
                      departmentName.toString(),
                      coded.level,
                      1,
                      0};
    return checked;
}

Result markUsed(QSqlDatabase& db)
{
    return Sql::transaction(db, [&db] {
        const Result categories = Sql::exec(db, QStringLiteral("update spzd set used_tag = 1 where zzbj = 0"));
        if (!categories)
            return categories;
        return Sql::exec(db, QStringLiteral("update spzd set used_tag = 1 where used_tag = 0 and exists "
                                            "(select 1 from ckv_sr r where r.wlcode = spzd.headcode "
                                            "or r.wlcode = spzd.name)"));
    });
}

ResultOf<bool> isProtected(const QSqlDatabase& db, const QString& code)
{
    const ResultOf<QVariant> count = Sql::scalar(
        db, QStringLiteral("select count(*) from spzd s where s.headcode = ? and ") + ProtectedCondition, {code});
    if (!count)
        return count.result();
    return count->toInt() > 0;
}

Removal remove(QSqlDatabase& db, const QString& code)
{
    Removal removal;
    removal.result = Sql::transaction(db, [&] {
        const ResultOf<bool> locked = isProtected(db, code);
        if (!locked)
            return locked.result();
        if (*locked) {
            removal.refusal = Notice::exclamation(
                QCoreApplication::translate("GoodsCatalogue", "此商品是商品类别或已有进货，不能删除。"));
            return Result::success();
        }
        return Sql::exec(db, QStringLiteral("delete from spzd where headcode = ?"), {code});
    });
    return removal;
}

FindCondition findCondition(const QString& department, const QString& codeFrom, const QString& codeTo,
                            const QString& name)
{
    FindCondition condition;
    const auto add = [&condition](const QString& clause, const QString& value) {
        if (value.trimmed().isEmpty())
            return;
        if (!condition.sql.isEmpty())
            condition.sql += QStringLiteral(" and ");
        condition.sql += clause;
        condition.values.append(value.trimmed());
    };
    add(QStringLiteral("bm_sort = ?"), department);
    add(QStringLiteral("headcode >= ?"), codeFrom);
    add(QStringLiteral("headcode <= ?"), codeTo);
    add(QStringLiteral("name = ?"), name);
    return condition;
}

} // namespace GoodsCatalogue
