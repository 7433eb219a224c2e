#include "core/members/MemberRecord.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/billing/DiscountRate.h"
#include "core/members/CardInUse.h"
#include "core/members/RechargeRecord.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QVariant>

#include <limits>
#include <optional>

namespace MemberRecord {

namespace {

struct Values
{
    QVariant csrc, yxrc;
    double yk = 0;
    int js = 0;
    double zk = 0;
};

Saved refuse(const QString& text, Messages::Icon icon, int box, bool clearBox = false)
{
    Saved saved;
    saved.refusal = {text, icon};
    saved.box = box;
    saved.clearBox = clearBox;
    return saved;
}

// An empty box counts 0; otherwise the number as typed or nothing.
std::optional<double> numberOrZero(const QString& text, int decimals)
{
    return text.trimmed().isEmpty() ? std::optional<double>(0) : typedNumber(text, decimals);
}

// A date box: empty stays empty, a date is stored in the program's form.
bool readDate(const QString& text, QVariant* value)
{
    if (text.trimmed().isEmpty()) {
        *value = QVariant();
        return true;
    }
    const std::optional<QDate> date = DateText::parseDate(text);
    if (date)
        *value = DateText::date(*date);
    return date.has_value();
}

Saved check(const Typed& typed, bool adding, Values* values)
{
    using Messages::Icon;
    if (Notation::Trim(typed.khao).isEmpty())
        return refuse(QCoreApplication::translate("MemberRecord", "会员卡号不能为空！"), Icon::Critical, Card);
    if (Notation::Trim(typed.yhm).isEmpty())
        return refuse(QCoreApplication::translate("MemberRecord", "会员姓名不能为空！"), Icon::Critical, Name);
    if (!readDate(typed.csrc, &values->csrc))
        return refuse(QCoreApplication::translate("MemberRecord", "会员出生日期格式错误，请输入年-月-日 格式 ！"),
                      Icon::Critical, Birth);
    if (!readDate(typed.yxrc, &values->yxrc))
        return refuse(QCoreApplication::translate("MemberRecord", "会员卡有效日期格式错误，请输入年-月-日 格式 ！"),
                      Icon::Exclamation, Validity);
    // An edit leaves the balance as it is, however far top-ups have taken it.
    const std::optional<double> yk = !adding || typed.yk.trimmed().isEmpty() ? 0.0 : typedAmount(typed.yk);
    if (!yk)
        return refuse(amountRule(QCoreApplication::translate("MemberRecord", "金额")), Icon::Exclamation, Balance,
                      true);
    const std::optional<double> js = numberOrZero(typed.js, 0);
    if (!js || *js > std::numeric_limits<int>::max())
        return refuse(QCoreApplication::translate("MemberRecord", "时长请输入数字 ！"), Icon::Exclamation, Time, true);
    // The card's rate is priced at checkout as a typed discount would be, so
    // it is read as one.
    const std::optional<DiscountRate> zk = DiscountRate::parse(typed.zk);
    if (!zk)
        return refuse(DiscountTypingText, Icon::Exclamation, Discount, true);
    values->yk = Notation::roundHalfEven(*yk, 2);
    values->js = int(*js);
    values->zk = zk->tenths();
    return {};
}

// A new card's accumulated credit is what it opens with, and it opens on the
// business day.
Result insertMember(const QSqlDatabase& db, const Typed& typed, const Values& values, const QDate& opened)
{
    return Sql::exec(db,
                     QStringLiteral("insert into user_lb (khao, yhm, mm, sfzh, csrc, xb, zz, yk, js, zt, yxrc, zk, "
                                    "jbr, bz, klx, jelj, jslj, hybj, khrc) "
                                    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {Notation::Trim(typed.khao), typed.yhm, typed.mm, typed.sfzh, values.csrc, typed.xb, typed.zz,
                      values.yk, values.js, typed.zt, values.yxrc, values.zk, typed.jbr, typed.bz, typed.klx, values.yk,
                      values.js, typed.hybj ? QStringLiteral("1") : QStringLiteral("0"), DateText::date(opened)});
}

// Balance, time and their accumulations move only through top-ups and
// checkouts, so an edit leaves them and reads them back for the opening row.
Result updateMember(const QSqlDatabase& db, const Typed& typed, const Values& values, const QString& originalCard,
                    Values* current)
{
    QSqlQuery query(db);
    Result result = Sql::exec(query,
                              QStringLiteral("update user_lb set khao=?, yhm=?, mm=?, sfzh=?, csrc=?, xb=?, zz=?, "
                                             "zt=?, yxrc=?, zk=?, jbr=?, bz=?, klx=?, hybj=? where khao=?"),
                              {Notation::Trim(typed.khao), typed.yhm, typed.mm, typed.sfzh, values.csrc, typed.xb,
                               typed.zz, typed.zt, values.yxrc, values.zk, typed.jbr, typed.bz, typed.klx,
                               typed.hybj ? QStringLiteral("1") : QStringLiteral("0"), originalCard});
    if (!result)
        return result;
    if (query.numRowsAffected() != 1)
        return Result::failure(
            QCoreApplication::translate("MemberRecord", "会员卡号 %1 已不在会员名单中，未保存。").arg(originalCard));
    result = Sql::exec(query, QStringLiteral("select yk, js from user_lb where khao=?"), {Notation::Trim(typed.khao)});
    if (!result)
        return result;
    if (!query.next())
        return Result::failure(
            QCoreApplication::translate("MemberRecord", "保存后找不到会员卡号 %1。").arg(Notation::Trim(typed.khao)));
    current->yk = query.value(0).toDouble();
    current->js = query.value(1).toInt();
    return result;
}

} // namespace

Result isCardFree(const QSqlDatabase& db, const QString& card, const QString& originalCard, bool* free)
{
    Result result = Result::success();
    QString text = QStringLiteral("select count(*) from user_lb where upper(khao)=upper(?)");
    QVariantList values = {Notation::Trim(card)};
    if (!originalCard.isEmpty()) {
        text += QStringLiteral(" and khao<>?");
        values.append(originalCard);
    }
    const QVariant taken = Sql::scalar(db, text, values, &result);
    *free = result && taken.toInt() == 0;
    return result;
}

bool isFutureDate(const QString& typed)
{
    const std::optional<QDate> date = DateText::parseDate(typed);
    return date && *date > Clock::today();
}

Saved save(QSqlDatabase& db, const Opening& opening, const Typed& typed, const QString& originalCard)
{
    Values values;
    Saved saved = check(typed, originalCard.isEmpty(), &values);
    if (!saved.refusal.isEmpty())
        return saved;
    saved.result = Sql::transaction(db, [&]() -> Result {
        bool free = false;
        Result result = isCardFree(db, typed.khao, originalCard, &free);
        if (!result)
            return result;
        if (!free) {
            saved = refuse(QCoreApplication::translate("MemberRecord", "卡号重复,请重新输入！"),
                           Messages::Icon::Critical, Card);
            return Result::failure(saved.refusal.text);
        }
        if (!originalCard.isEmpty() && Notation::Trim(typed.khao).toUpper() != originalCard.toUpper()) {
            QVariant table;
            result = CardInUse::tableOf(db, originalCard, &table);
            if (!result)
                return result;
            if (table.isValid()) {
                saved = refuse(
                    QCoreApplication::translate("MemberRecord", "会员卡 %1 正在 %2 号台使用，结账后才能修改卡号！")
                        .arg(originalCard, table.toString()),
                    Messages::Icon::Exclamation, Card);
                return Result::failure(saved.refusal.text);
            }
        }
        Values written = values;
        result = originalCard.isEmpty() ? insertMember(db, typed, values, opening.rc)
                                        : updateMember(db, typed, values, originalCard, &written);
        if (!result)
            return result;
        // Every save records the balance, but only a new card's brings money
        // into the drawer.
        return RechargeRecord::srmx_insert(db,
                                           {opening.rc, opening.czyname, written.yk, written.js, QStringLiteral("开户"),
                                            Notation::Trim(typed.khao), originalCard.isEmpty()});
    });
    if (!saved.refusal.isEmpty())
        saved.result = Result::success();
    return saved;
}

} // namespace MemberRecord
