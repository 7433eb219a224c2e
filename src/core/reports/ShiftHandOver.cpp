#include "core/reports/ShiftHandOver.h"

#include "core/base/DateText.h"
#include "core/base/Notation.h"
#include "core/base/Sql.h"
#include "core/base/VisitCondition.h"
#include "core/reports/DayTakings.h"

#include <QCoreApplication>

namespace ShiftHandOver {

namespace {

// The shift is what the shift report counts for the operator, the rows of
// the business date, narrowed to those no shift settle has reconciled yet
// (dzbj still "1"): a second shift of the same operator on the same date
// hands over its own money, not the first one's again. In the recharge
// record only top-ups and a new card's opening balance carry the mark, so a
// member's edit, which records the whole balance again, is never counted.
const QString ShiftVisits = QStringLiteral(" FROM waimxd WHERE ") + VisitCondition::settled() +
                            QStringLiteral(" AND rc = ? AND czyname = ? AND dzbj = ?");
const QString ShiftGoods = QStringLiteral(" FROM ckv_zc WHERE jzbj = 1 AND rc = ? AND czyname = ? AND dzbj = ?");
const QString ShiftTopUps = QStringLiteral(" FROM srmx WHERE rc = ? AND czyname = ? AND dzbj = ?");

// What checkout writes for a time charge taken from the card's balance;
// every other visit, a member with a discount card included, paid in cash.
const QString PaidByCard = QStringLiteral("刷卡");

struct Figure
{
    double Figures::*amount;
    QString sql;
    QVariantList values;
};

} // namespace

double Figures::cashDue() const
{
    return Notation::roundHalfEven(cashTableFees + counterGoods + tableGoods + topUpsPaid + depositsHeld, 2);
}

ResultOf<Figures> figures(const QSqlDatabase& db, const QDate& businessDate, const QString& operatorName)
{
    const QVariantList shift = {DateText::date(businessDate), operatorName, QStringLiteral("1")};
    // Goods sold to a table are paid with its bill in cash, a card guest's
    // too: checkout takes only the time charge from the balance.
    const Figure all[] = {
        {&Figures::cashTableFees,
         QStringLiteral("SELECT SUM(je)") + ShiftVisits + QStringLiteral(" AND (fkfs IS NULL OR fkfs <> ?)"),
         shift + QVariantList{PaidByCard}},
        {&Figures::cardTableFees, QStringLiteral("SELECT SUM(je)") + ShiftVisits + QStringLiteral(" AND fkfs = ?"),
         shift + QVariantList{PaidByCard}},
        {&Figures::counterGoods,
         QStringLiteral("SELECT SUM(amount)") + ShiftGoods + QStringLiteral(" AND COALESCE(zhao, '') = ''"), shift},
        {&Figures::tableGoods,
         QStringLiteral("SELECT SUM(amount)") + ShiftGoods + QStringLiteral(" AND COALESCE(zhao, '') <> ''"), shift},
        {&Figures::topUpsPaid, QStringLiteral("SELECT SUM(je)") + ShiftTopUps, shift},
        // A card opened with a balance is credited what was paid.
        {&Figures::topUpsCredited, QStringLiteral("SELECT SUM(COALESCE(kzje, je))") + ShiftTopUps, shift},
        // Held in the drawer until the table is settled, whoever took it.
        {&Figures::depositsHeld, QStringLiteral("SELECT SUM(fwfl) FROM zhdy WHERE sybj <> 0"), {}},
    };
    Figures found;
    for (const Figure& figure : all) {
        const ResultOf<QVariant> sum = Sql::scalar(db, figure.sql, figure.values);
        if (!sum)
            return sum.result();
        found.*figure.amount = Notation::roundHalfEven(sum->toDouble(), 2);
    }
    return found;
}

Lines lines(const Figures& figures)
{
    const auto line = [](const char* caption, double amount) {
        return std::pair(QCoreApplication::translate("ShiftHandOver", caption), DayTakings::amountText(amount));
    };
    return {line(QT_TRANSLATE_NOOP("ShiftHandOver", "现金台费"), figures.cashTableFees),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "会员卡台费"), figures.cardTableFees),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "吧台商品"), figures.counterGoods),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "台位商品"), figures.tableGoods),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "会员充值实收"), figures.topUpsPaid),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "会员充值到账"), figures.topUpsCredited),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "未结台押金"), figures.depositsHeld),
            line(QT_TRANSLATE_NOOP("ShiftHandOver", "应有现金"), figures.cashDue())};
}

QString heading()
{
    return QCoreApplication::translate("ShiftHandOver", "交班汇总");
}

} // namespace ShiftHandOver
