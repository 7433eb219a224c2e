#include "base/AppState.h"
#include "base/DateText.h"
#include "billing/Checkout.h"
#include "goods/GoodsDocument.h"
#include "members/MemberTopUp.h"
#include "reports/Form_dtrb.h"
#include "support/HallFixture.h"

#include <QLineEdit>
#include <QTest>

namespace {

// A sale as the documents screen writes it: over the counter without a
// table, else to the table's open visit.
bool sell(HallFixture& f, const QString& table, const QString& goods, const QString& amount)
{
    AppState& state = f.hall.state;
    const GoodsDocument::Typed typed{DateText::date(state.BusinessDate),
                                     goods,
                                     QStringLiteral("1"),
                                     amount,
                                     amount,
                                     QString(),
                                     state.OperatorName,
                                     QString(),
                                     QString(),
                                     table};
    return GoodsDocument::save(state.DbConn, GoodsDocument::Kind::Sale, typed, 0,
                               {state.BusinessDate, state.OperatorName})
        .done();
}

bool settle(HallFixture& f, const QString& table, const QString& card)
{
    return Checkout::settle(f.hall.state, {table, card, QString(), QStringLiteral("0")}).settled();
}

bool topUp(HallFixture& f, const QString& card, const QString& credited, const QString& paid)
{
    const MemberTopUp::Outcome outcome = MemberTopUp::topUp(f.hall.state, {card, credited, paid});
    return outcome.result && outcome.refusal.isEmpty();
}

} // namespace

class TestShiftHandOver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figuresOfAHandBuiltShift();
};

// A shift worked through the program's own paths, beside the rows that are
// not this shift's money: another operator's, a shift already settled, an
// account opening, and goods still on an open table.
void TestShiftHandOver::figuresOfAHandBuiltShift()
{
    HallFixture f;
    QVERIFY(f.ready());
    QVERIFY(f.addTables(5));
    QVERIFY(f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 200));
    QVERIFY(f.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡")));
    QVERIFY(f.openVisit(1, today("19:00:00")));
    QVERIFY(f.openVisit(2, today("19:30:00"), QStringLiteral("C1")));
    QVERIFY(f.openVisit(3, today("19:00:00"), QStringLiteral("Y1")));
    QVERIFY(f.openVisit(4, today("18:00:00"), QString(), 30, 0, 50.5));
    QVERIFY(f.openVisit(5, today("19:45:00"), QString(), 30, 0, 20));
    QVERIFY(sell(f, QStringLiteral("2"), QStringLiteral("可乐"), QStringLiteral("10")));
    QVERIFY(sell(f, QStringLiteral("5"), QStringLiteral("啤酒"), QStringLiteral("8")));
    QVERIFY(sell(f, QString(), QStringLiteral("香烟"), QStringLiteral("12.35")));
    QVERIFY(settle(f, QStringLiteral("1"), QString()));
    QVERIFY(settle(f, QStringLiteral("2"), QStringLiteral("C1")));
    QVERIFY(settle(f, QStringLiteral("3"), QStringLiteral("Y1")));
    QVERIFY(topUp(f, QStringLiteral("C1"), QStringLiteral("100"), QStringLiteral("89.99")));
    QVERIFY(topUp(f, QStringLiteral("Y1"), QStringLiteral("50"), QStringLiteral("50")));
    QVERIFY(f.hall.exec(
        QStringLiteral("INSERT INTO waimxd (zhao, ksrc, jsrc, je, rc, czyname, fkfs, dzbj) VALUES "
                       "(1, '2026-12-06 10:00:00', '2026-12-06 11:00:00', 40, '2026-12-06', 'system', '现金', '2'), "
                       "(2, '2026-12-06 10:00:00', '2026-12-06 11:00:00', 25, '2026-12-06', 'system', '刷卡', '2'), "
                       "(3, '2026-12-06 18:00:00', '2026-12-06 19:00:00', 20, '2026-12-06', 'li', '现金', '1')")));
    QVERIFY(f.hall.exec(QStringLiteral(
        "INSERT INTO ckv_zc (rc, wlcode, amount, czyname, zhao, jzbj, dzbj) VALUES "
        "('2026-12-06', '可乐', 6, 'system', NULL, 1, '2'), ('2026-12-06', '可乐', 9, 'system', '1', 1, "
        "'2'), ('2026-12-06', '香烟', 7, 'li', NULL, 1, '1'), ('2026-12-06', '香烟', 3, 'li', '3', 1, '1')")));
    QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES "
                                       "('2026-12-06', 'li', 30, 0, '加款', 'Y1', 30), "
                                       "('2026-12-05', 'system', 60, 0, '加款', 'C1', 70), "
                                       "('2026-12-06', 'system', 200, 0, '开户', 'C1', NULL)")));

    Form_dtrb screen(f.hall.state);
    QStringList shown;
    for (int i = 0; i < 8; ++i)
        shown.append(control<QLineEdit>(&screen, QStringLiteral("HandOver_%1").arg(i))->text());
    // Cash table fees: one hour at the cash rate and one at the member rate
    // of a card that pays in cash; the half hour of the card that pays from
    // its balance is no cash. The drawer holds the cash fees, both goods,
    // the top-ups as paid and the two deposits.
    QCOMPARE(shown.join(QLatin1Char(',')), QStringLiteral("50,15,12.35,10,139.99,150,70.5,282.84"));
    QCOMPARE(f.messages.count(), 0);
}

QTEST_MAIN(TestShiftHandOver)
#include "test_shift_hand_over.moc"
