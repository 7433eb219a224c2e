#include "core/base/Schema.h"
#include "core/billing/Checkout.h"
#include "core/members/MemberRecord.h"
#include "core/members/MemberTopUp.h"
#include "core/reports/DayTakings.h"
#include "core/reports/ShiftHandOver.h"
#include "support/HallFixture.h"
#include "ui/reports/ShiftReportScreen.h"

#include <QLineEdit>
#include <QTest>

class TestShiftHandOver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figuresOfAHandBuiltShift();
    void cardMoneyCountsInOneShift();
    void olderFileKeepsItsTopUpsCounted();
};

namespace {

// The card money of the hand-over, "paid/credited/cash due".
QString cardMoney(const HallFixture& f)
{
    const ResultOf<ShiftHandOver::Figures> figures =
        ShiftHandOver::figures(f.hall.state.DbConn, f.hall.state.BusinessDate, f.hall.state.OperatorName);
    if (!figures)
        return QStringLiteral("failed");
    return QStringLiteral("%1/%2/%3").arg(figures->topUpsPaid).arg(figures->topUpsCredited).arg(figures->cashDue());
}

bool topUp(HallFixture& f, const char* card, const char* credited, const char* paid)
{
    return MemberTopUp::topUp(f.hall.state, {QLatin1String(card), QLatin1String(credited), QLatin1String(paid)})
        .refusal.isEmpty();
}

} // namespace

// A shift worked through the program's own paths, beside rows not its money:
// another operator's, a settled shift's, an account opening, goods still open.
void TestShiftHandOver::figuresOfAHandBuiltShift()
{
    HallFixture f;
    auto& state = f.hall.state;
    QVERIFY(f.ready() && f.addTables(5) &&
            f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡"), 0, 200) &&
            f.addMember(QStringLiteral("Y1"), QVariant(), QStringLiteral("优惠卡")) &&
            f.openVisit(1, today("19:00:00")) && f.openVisit(2, today("19:30:00"), QStringLiteral("C1")) &&
            f.openVisit(3, today("19:00:00"), QStringLiteral("Y1")) &&
            f.openVisit(4, today("18:00:00"), QString(), 30, 0, 50.5) &&
            f.openVisit(5, today("19:45:00"), QString(), 30, 0, 20));
    // Sold as the documents screen sells: over the counter, or to a table.
    for (const QString& sale : QStringLiteral("2 可乐 10|5 啤酒 8| 香烟 12.35").split(QLatin1Char('|'))) {
        const QStringList v = sale.split(QLatin1Char(' '));
        QVERIFY(saveDocument(state, GoodsDocument::Kind::Sale,
                             typedDocument(state, v[1], QStringLiteral("1"), v[2], v[2], v[0]))
                    .done());
    }
    const QStringList cards{QString(), QStringLiteral("C1"), QStringLiteral("Y1")};
    for (int table = 1; table <= 3; ++table)
        QVERIFY(Checkout::settle(state, {QString::number(table), cards[table - 1], {}, QStringLiteral("0")}).settled());
    for (const QString& topUp : QStringLiteral("C1 100 89.99|Y1 50 50").split(QLatin1Char('|'))) {
        const QStringList v = topUp.split(QLatin1Char(' '));
        QVERIFY(MemberTopUp::topUp(state, {v[0], v[1], v[2]}).refusal.isEmpty());
    }
    QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO waimxd (zhao, jsrc, je, rc, czyname, fkfs, dzbj) VALUES "
                                       "(1, '2026-12-06 11:00:00', 40, '2026-12-06', 'system', '现金', '2'), "
                                       "(2, '2026-12-06 11:00:00', 25, '2026-12-06', 'system', '刷卡', '2'), "
                                       "(3, '2026-12-06 19:00:00', 20, '2026-12-06', 'li', '现金', '1')")) &&
            f.hall.exec(QStringLiteral("INSERT INTO ckv_zc (rc, wlcode, amount, czyname, zhao, jzbj, dzbj) VALUES "
                                       "('2026-12-06', '可乐', 6, 'system', NULL, 1, '2'), "
                                       "('2026-12-06', '可乐', 9, 'system', '1', 1, '2'), "
                                       "('2026-12-06', '香烟', 7, 'li', NULL, 1, '1'), "
                                       "('2026-12-06', '香烟', 3, 'li', '3', 1, '1')")) &&
            f.hall.exec(QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES "
                                       "('2026-12-06', 'li', 30, 0, '加款', 'Y1', 30), "
                                       "('2026-12-05', 'system', 60, 0, '加款', 'C1', 70), "
                                       "('2026-12-06', 'system', 200, 0, '开户', 'C1', NULL)")));
    ShiftReportScreen screen(f.hall.state);
    QStringList shown;
    for (int i = 0; i < 8; ++i)
        shown.append(control<QLineEdit>(&screen, QStringLiteral("HandOver_%1").arg(i))->text());
    // Cash fees: an hour each of the cash guest and of the card paying cash.
    QCOMPARE(shown.join(QLatin1Char(',')), QStringLiteral("50,15,12.35,10,139.99,150,70.5,282.84"));
}

// A card opened with money, edited twice (each edit records the whole
// balance again), and topped up before and after the operator settles the
// shift on the same business date: each amount counts once, in its shift.
void TestShiftHandOver::cardMoneyCountsInOneShift()
{
    HallFixture f;
    auto& state = f.hall.state;
    QVERIFY(f.ready());
    MemberRecord::Typed member;
    member.card = QStringLiteral("N1");
    member.name = QStringLiteral("新会员");
    member.balance = QStringLiteral("200.05");
    member.cardType = QStringLiteral("现金卡");
    const MemberRecord::Opening opening{state.BusinessDate, state.OperatorName};
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QString()).done());
    member.name = QStringLiteral("改名");
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QStringLiteral("N1")).done());
    QVERIFY(topUp(f, "N1", "100", "89.99"));
    QCOMPARE(cardMoney(f), QStringLiteral("290.04/300.05/290.04"));

    QVERIFY(DayTakings::settleShift(state.DbConn, state.OperatorName));
    QCOMPARE(cardMoney(f), QStringLiteral("0/0/0"));
    QVERIFY(MemberRecord::save(state.DbConn, opening, member, QStringLiteral("N1")).done());
    QVERIFY(topUp(f, "N1", "50.5", "50.5"));
    QCOMPARE(cardMoney(f), QStringLiteral("50.5/50.5/50.5"));
    QCOMPARE(f.value(QStringLiteral("select yk from user_lb where khao='N1'")).toDouble(), 350.55);
}

// A file from before the shift mark: its top-ups of the day still count
// until the shift settles, and new ones are written with the mark.
void TestShiftHandOver::olderFileKeepsItsTopUpsCounted()
{
    HallFixture f;
    QVERIFY(f.ready() && f.addMember(QStringLiteral("C1"), QVariant(), QStringLiteral("现金卡")));
    QVERIFY(f.hall.exec(QStringLiteral("alter table srmx drop column dzbj")));
    QVERIFY(f.hall.exec(QStringLiteral("INSERT INTO srmx (rc, czyname, je, js, xm, khao, kzje) VALUES "
                                       "('2026-12-06', 'system', 30, 0, '加款', 'C1', 35), "
                                       "('2026-12-06', 'system', 80, 0, '开户', 'C1', NULL)")));
    const ResultOf<QStringList> added = Schema::addMissingColumns(f.hall.state.DbConn);
    QVERIFY2(added, qPrintable(added.result().message()));
    QCOMPARE(*added, QStringList{QStringLiteral("srmx.dzbj")});
    QVERIFY(topUp(f, "C1", "10", "10"));
    QCOMPARE(cardMoney(f), QStringLiteral("40/45/40"));
    const ResultOf<QStringList> addedAgain = Schema::addMissingColumns(f.hall.state.DbConn);
    QVERIFY(addedAgain && addedAgain->isEmpty());
}

QTEST_MAIN(TestShiftHandOver)
#include "test_shift_hand_over.moc"
