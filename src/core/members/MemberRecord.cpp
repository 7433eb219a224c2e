#include "core/members/MemberRecord.h"

#include "core/base/CardKey.h"
#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/TypedNumber.h"
#include "core/billing/DiscountRate.h"
#include "core/members/CardInUse.h"
#include "core/members/RechargeRecord.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QVariant>

#include <limits>
#include <optional>

namespace MemberRecord {

namespace {

// The typed numbers and dates as they are written.
struct Values
{
    QVariant birth, validity;
    double balance = 0;
    int time = 0;
    double discount = 0;
};

Saved refuse(const QString& text, Messages::Icon icon, Field field, bool clearBox = false)
{
    Saved saved;
    saved.refusal = {text, icon};
    saved.field = field;
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
    if (CardKey::trimmed(typed.card).isEmpty())
        return refuse(QCoreApplication::translate("MemberRecord", "会员卡号不能为空！"), Icon::Critical, Field::Card);
    if (Notation::Trim(typed.name).isEmpty())
        return refuse(QCoreApplication::translate("MemberRecord", "会员姓名不能为空！"), Icon::Critical, Field::Name);
    if (!readDate(typed.birth, &values->birth))
        return refuse(QCoreApplication::translate("MemberRecord", "会员出生日期格式错误，请输入年-月-日 格式 ！"),
                      Icon::Critical, Field::Birth);
    if (!readDate(typed.validity, &values->validity))
        return refuse(QCoreApplication::translate("MemberRecord", "会员卡有效日期格式错误，请输入年-月-日 格式 ！"),
                      Icon::Exclamation, Field::Validity);
    // An edit leaves the balance as it is, however far top-ups have taken it.
    const std::optional<double> balance =
        !adding || typed.balance.trimmed().isEmpty() ? 0.0 : typedAmount(typed.balance);
    if (!balance)
        return refuse(amountRule(QCoreApplication::translate("MemberRecord", "金额")), Icon::Exclamation,
                      Field::Balance, true);
    const std::optional<double> playTime = numberOrZero(typed.time, 0);
    if (!playTime || *playTime > std::numeric_limits<int>::max())
        return refuse(QCoreApplication::translate("MemberRecord", "时长请输入数字 ！"), Icon::Exclamation, Field::Time,
                      true);
    // The card's rate is priced at checkout as a typed discount would be, so
    // it is read as one.
    const std::optional<DiscountRate> discount = DiscountRate::parse(typed.discount);
    if (!discount)
        return refuse(DiscountTypingText, Icon::Exclamation, Field::Discount, true);
    values->balance = Notation::roundHalfEven(*balance, 2);
    values->time = int(*playTime);
    values->discount = discount->tenths();
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
                     {CardKey::trimmed(typed.card), typed.name, typed.password, typed.mobile, values.birth, typed.sex,
                      typed.address, values.balance, values.time, typed.state, values.validity, values.discount,
                      typed.agent, typed.note, typed.cardType, values.balance, values.time,
                      typed.isMember ? QStringLiteral("1") : QStringLiteral("0"), DateText::date(opened)});
}

// Balance, time and their accumulations move only through top-ups and
// checkouts, so an edit leaves them and reads them back for the opening row:
// the values written, with the balance and time as stored.
ResultOf<Values> updateMember(const QSqlDatabase& db, const Typed& typed, const Values& values,
                              const QString& originalCard)
{
    QSqlQuery query(db);
    Result result =
        Sql::exec(query,
                  QStringLiteral("update user_lb set khao=?, yhm=?, mm=?, sfzh=?, csrc=?, xb=?, zz=?, "
                                 "zt=?, yxrc=?, zk=?, jbr=?, bz=?, klx=?, hybj=? where khao=?"),
                  {CardKey::trimmed(typed.card), typed.name, typed.password, typed.mobile, values.birth, typed.sex,
                   typed.address, typed.state, values.validity, values.discount, typed.agent, typed.note,
                   typed.cardType, typed.isMember ? QStringLiteral("1") : QStringLiteral("0"), originalCard});
    if (!result)
        return result;
    if (query.numRowsAffected() != 1)
        return Result::failure(
            QCoreApplication::translate("MemberRecord", "会员卡号 %1 已不在会员名单中，未保存。").arg(originalCard));
    result =
        Sql::exec(query, QStringLiteral("select yk, js from user_lb where khao=?"), {CardKey::trimmed(typed.card)});
    if (!result)
        return result;
    if (!query.next())
        return Result::failure(
            QCoreApplication::translate("MemberRecord", "保存后找不到会员卡号 %1。").arg(CardKey::trimmed(typed.card)));
    Values current = values;
    current.balance = query.value(0).toDouble();
    current.time = query.value(1).toInt();
    return current;
}

} // namespace

Result read(const QSqlDatabase& db, const QString& card, QSqlQueryModel* model)
{
    QSqlQuery query(db);
    Result result = Sql::exec(query, QStringLiteral("select %1 from user_lb where khao=?").arg(Columns), {card});
    if (!result)
        return result;
    model->setQuery(std::move(query));
    if (model->lastError().isValid())
        return Result::fromSqlError(model->lastError());
    return result;
}

ResultOf<QHash<QString, QString>> holderNames(const QSqlDatabase& db, const QStringList& cards)
{
    QHash<QString, QString> names;
    if (cards.isEmpty())
        return names;
    QVariantList values;
    for (const QString& card : cards)
        values.append(card);
    const QString marks = QStringLiteral("?,").repeated(cards.size()).chopped(1);
    QSqlQuery query(db);
    if (const Result result =
            Sql::exec(query, QStringLiteral("select khao, yhm from user_lb where khao in (%1)").arg(marks), values);
        !result)
        return result;
    while (query.next())
        names.insert(query.value(0).toString(), query.value(1).toString());
    return names;
}

ResultOf<QStringList> cardTypes(const QSqlDatabase& db)
{
    return Sql::texts(db, QStringLiteral("select klx from klx order by rowid"));
}

ResultOf<bool> isCardFree(const QSqlDatabase& db, const QString& card, const QString& originalCard)
{
    QString text = QStringLiteral("select count(*) from user_lb where ") + CardKey::matches(QStringLiteral("khao"));
    QVariantList values = {card};
    if (!originalCard.isEmpty()) {
        text += QStringLiteral(" and khao<>?");
        values.append(originalCard);
    }
    const ResultOf<QVariant> taken = Sql::scalar(db, text, values);
    if (!taken)
        return taken.result();
    return taken->toInt() == 0;
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
    // Two counters giving out the same card at once must not both find it
    // free; a table opened with the card being renumbered waits, or is waited
    // for and then found.
    const auto saveMember = [&]() -> Result {
        if (!originalCard.isEmpty()) {
            if (const ResultOf<bool> held =
                    Sql::holdRow(db, QStringLiteral("user_lb"), QStringLiteral("khao"), originalCard);
                !held)
                return held.result();
        }
        const ResultOf<bool> free = isCardFree(db, typed.card, originalCard);
        if (!free)
            return free.result();
        if (!*free) {
            saved = refuse(QCoreApplication::translate("MemberRecord", "卡号重复,请重新输入！"),
                           Messages::Icon::Critical, Field::Card);
            return Result::failure(saved.refusal.text);
        }
        if (!originalCard.isEmpty() && CardKey::of(typed.card) != CardKey::of(originalCard)) {
            const ResultOf<std::optional<QString>> table = CardInUse::tableOf(db, originalCard);
            if (!table)
                return table.result();
            if (*table) {
                saved = refuse(
                    QCoreApplication::translate("MemberRecord", "会员卡 %1 正在 %2 号台使用，结账后才能修改卡号！")
                        .arg(originalCard, **table),
                    Messages::Icon::Exclamation, Field::Card);
                return Result::failure(saved.refusal.text);
            }
        }
        Values written = values;
        if (originalCard.isEmpty()) {
            if (const Result inserted = insertMember(db, typed, values, opening.businessDate); !inserted)
                return inserted;
        } else {
            const ResultOf<Values> updated = updateMember(db, typed, values, originalCard);
            if (!updated)
                return updated.result();
            written = *updated;
        }
        // Every save records the balance, but only a new card's brings money
        // into the drawer.
        return RechargeRecord::write(db,
                                     {opening.businessDate, opening.operatorName, written.balance, written.time,
                                      QStringLiteral("开户"), CardKey::trimmed(typed.card), originalCard.isEmpty()});
    };
    saved.result = Sql::transaction(db, saveMember, Sql::Isolation::Serializable);
    if (!saved.refusal.isEmpty())
        saved.result = Result::success();
    return saved;
}

} // namespace MemberRecord
