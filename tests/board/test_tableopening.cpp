#include "base/Sql.h"
#include "billing/AddBands.h"
#include "board/TableOpening.h"
#include "support/TestClock.h"

#include <QSqlQuery>
#include <QTest>

using namespace TableOpening;

// The clock stands at 20:00: table 1 costs 12.5 for members and 15 for
// others, table 3 has rates whose float form is not a short decimal, table 2
// has no band at all.
class TableOpeningTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hykCheck_data();
    void hykCheck();
    void opens_data();
    void opens();
    void alreadyOpenWritesNothing();
    void refusedCardWritesNothing_data();
    void refusedCardWritesNothing();
    void unknownTableWritesNothing_data();
    void unknownTableWritesNothing();
    void positioningCard_data();
    void positioningCard();

private:
    QList<double> tableRow(int zhao);
    int visitCount();

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<TestClock> m_clock;
};

void TableOpeningTest::init()
{
    m_hall = std::make_unique<TestHall>();
    m_clock = std::make_unique<TestClock>(QDateTime(QDate(2026, 12, 6), QTime(20, 0, 7)));
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_hall->loginAs(QStringLiteral("张三"));
    const QString table = QStringLiteral("insert into zhdy (zhao, mc, sybj, tx, fwfl, ktkh) values (?, ?, ?, 5, 7, ?)");
    QVERIFY(m_hall->exec(table, {1, QStringLiteral("一号"), 0, QStringLiteral("")}));
    QVERIFY(m_hall->exec(table, {2, QStringLiteral("二号"), 1, QStringLiteral("K2")}));
    QVERIFY(m_hall->exec(table, {3, QStringLiteral("三号"), 0, QStringLiteral("K3")}));
    QVERIFY(m_hall->exec(table, {4, QStringLiteral("四号"), 0, QStringLiteral("K3")}));
    QVERIFY(addBands(*m_hall, 1, QStringLiteral("08:00:00-18:00:00=8/10;18:00:00-23:59:00=12.5/15")));
    QVERIFY(addBands(*m_hall, 3, QStringLiteral("00:01:00-23:59:00=8.3/10.7")));
    const QString member = QStringLiteral("insert into user_lb (khao, mm, klx, zk) values (?, ?, ?, ?)");
    const QList<QVariantList> members = {
        {QStringLiteral("A001"), QVariant(), QStringLiteral("优惠卡"), 8.5},
        {QStringLiteral("A002"), QStringLiteral(" 123 "), QStringLiteral("现金卡"), 0},
        {QStringLiteral("A003"), QStringLiteral("123"), QStringLiteral("现金优惠卡"), QVariant()},
        {QStringLiteral("A004"), QVariant(), QStringLiteral("机时卡"), QVariant()},
        {QStringLiteral("A005"), QVariant(), QVariant(), QVariant()},
    };
    for (const QVariantList& row : members)
        QVERIFY(m_hall->exec(member, row));
}

void TableOpeningTest::cleanup()
{
    m_clock.reset();
    m_hall.reset();
}

// sybj, tx and fwfl of a table.
QList<double> TableOpeningTest::tableRow(int zhao)
{
    QSqlQuery query(m_hall->db());
    if (!Sql::exec(query, QStringLiteral("select sybj, tx, fwfl from zhdy where zhao=?"), {zhao}) || !query.next())
        return {};
    return {query.value(0).toDouble(), query.value(1).toDouble(), query.value(2).toDouble()};
}

int TableOpeningTest::visitCount()
{
    return Sql::scalar(m_hall->db(), QStringLiteral("select count(*) from waimxd")).toInt();
}

void TableOpeningTest::hykCheck_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("cardType");
    QTest::addColumn<double>("discount"); // 0 = none

    QTest::newRow("no such card") << "A009"
                                  << "" << false << "" << 0.0;
    QTest::newRow("no password, something typed") << "A001"
                                                  << "xyz" << true << "优惠卡" << 8.5;
    QTest::newRow("no password, nothing typed") << "A001"
                                                << "" << true << "优惠卡" << 8.5;
    QTest::newRow("blanks around both passwords") << "A002"
                                                  << "123  " << true << "现金卡" << 0.0;
    QTest::newRow("wrong password") << "A002"
                                    << "124" << false << "" << 0.0;
    QTest::newRow("password left empty") << "A002"
                                         << "" << false << "" << 0.0;
    QTest::newRow("discount null") << "A003"
                                   << "123" << true << "现金优惠卡" << 0.0;
    QTest::newRow("card type null") << "A005"
                                    << "" << true << "现金" << 0.0;
}

void TableOpeningTest::hykCheck()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    QFETCH(QString, cardType);
    QFETCH(double, discount);
    MemberCheck check;
    check.discount = 3;
    QVERIFY(TableOpening::hykCheck(m_hall->state, card, password, &check));
    QCOMPARE(check.accepted, accepted);
    QCOMPARE(check.cardType, cardType);
    QCOMPARE(check.discount.value_or(0), discount);
}

void TableOpeningTest::opens_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("reminder");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<double>("dj");
    QTest::addColumn<double>("dj1");
    QTest::addColumn<double>("tx");
    QTest::addColumn<double>("fwfl");

    QTest::newRow("guest, reminder left empty") << "1"
                                                << ""
                                                << ""
                                                << "50" << 15.0 << 15.0 << 0.0 << 50.0;
    QTest::newRow("guest with reminder, deposit text") << " 1 "
                                                       << ""
                                                       << "60"
                                                       << "20元" << 15.0 << 15.0 << 60.0 << 20.0;
    QTest::newRow("优惠卡: member rate") << "1"
                                         << "A001"
                                         << "0"
                                         << "50" << 12.5 << 15.0 << 0.0 << 50.0;
    QTest::newRow("现金优惠卡: member rate") << "1"
                                             << "A003"
                                             << "0"
                                             << "50" << 12.5 << 15.0 << 0.0 << 50.0;
    QTest::newRow("现金卡 pays the non-member rate") << "1"
                                                     << "A002"
                                                     << "0"
                                                     << "50" << 15.0 << 15.0 << 0.0 << 50.0;
    QTest::newRow("机时卡 is priced as a cash guest") << "1"
                                                      << "A004"
                                                      << "0"
                                                      << "50" << 15.0 << 15.0 << 0.0 << 50.0;
    QTest::newRow("marked in use without a visit") << "2"
                                                   << ""
                                                   << "30"
                                                   << "" << 0.0 << 0.0 << 30.0 << 0.0;
    QTest::newRow("float rates as they read") << "3"
                                              << "A001"
                                              << "0"
                                              << "50" << 8.3 << 10.7 << 0.0 << 50.0;
}

void TableOpeningTest::opens()
{
    QFETCH(QString, table);
    QFETCH(QString, card);
    QFETCH(QString, reminder);
    QFETCH(QString, deposit);
    QFETCH(double, dj);
    QFETCH(double, dj1);
    QFETCH(double, tx);
    QFETCH(double, fwfl);
    Request request{table, card, QStringLiteral("123"), reminder, deposit};
    Opened opened;
    const Result result = openTable(m_hall->state, request, &opened);
    QVERIFY2(result, qPrintable(result.message()));
    QCOMPARE(opened.outcome, Outcome::Opened);
    QCOMPARE(opened.member.accepted, !card.isEmpty());

    const int zhao = table.trimmed().toInt();
    QCOMPARE(tableRow(zhao), (QList<double>{1, tx, fwfl}));
    QSqlQuery visit(m_hall->db());
    QVERIFY(Sql::exec(visit, QStringLiteral("select zhao, khao, ksrc, jsrc, dj, dj1, czyname from waimxd")));
    QVERIFY(visit.next());
    QCOMPARE(visit.value(0).toInt(), zhao);
    QCOMPARE(visit.isNull(1), card.isEmpty());
    QCOMPARE(visit.value(1).toString(), card);
    QCOMPARE(visit.value(2).toString(), QStringLiteral("2026-12-06 20:00:07"));
    QVERIFY(visit.isNull(3));
    QCOMPARE(visit.value(4).toDouble(), dj);
    QCOMPARE(visit.value(5).toDouble(), dj1);
    QCOMPARE(visit.value(6).toString(), QStringLiteral("张三"));
    QVERIFY(!visit.next());
}

void TableOpeningTest::alreadyOpenWritesNothing()
{
    Opened opened;
    QVERIFY(
        openTable(m_hall->state, {QStringLiteral("1"), {}, {}, QStringLiteral("30"), QStringLiteral("50")}, &opened));
    m_clock->advanceMinutes(5);
    QVERIFY(openTable(m_hall->state,
                      {QStringLiteral("1"), QStringLiteral("A001"), {}, QStringLiteral("60"), QStringLiteral("80")},
                      &opened));
    QCOMPARE(opened.outcome, Outcome::AlreadyOpen);
    QCOMPARE(visitCount(), 1);
    QCOMPARE(tableRow(1), (QList<double>{1, 30.0, 50.0}));
}

void TableOpeningTest::refusedCardWritesNothing_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "A002"
                                    << "999";
    QTest::newRow("no such card") << "A009"
                                  << "";
    QTest::newRow("only blanks") << "  "
                                 << "";
}

void TableOpeningTest::refusedCardWritesNothing()
{
    QFETCH(QString, card);
    QFETCH(QString, password);
    Opened opened;
    QVERIFY(openTable(m_hall->state, {QStringLiteral("1"), card, password, QStringLiteral("60"), QStringLiteral("80")},
                      &opened));
    QCOMPARE(opened.outcome, Outcome::CardRefused);
    QCOMPARE(visitCount(), 0);
    QCOMPARE(tableRow(1), (QList<double>{0, 5.0, 7.0}));
}

void TableOpeningTest::unknownTableWritesNothing_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("message");
    QTest::newRow("not in zhdy") << "9"
                                 << "没有台号为 9 的台位";
    QTest::newRow("not a number") << "1a"
                                  << "没有台号为 1a 的台位";
    QTest::newRow("none chosen") << ""
                                 << "请先选择台位";
}

void TableOpeningTest::unknownTableWritesNothing()
{
    QFETCH(QString, table);
    QFETCH(QString, message);
    Opened opened;
    const Result result = openTable(m_hall->state, {table, {}, {}, {}, QStringLiteral("50")}, &opened);
    QVERIFY(!result);
    QCOMPARE(result.message(), message);
    QCOMPARE(visitCount(), 0);
    QCOMPARE(Sql::scalar(m_hall->db(), QStringLiteral("select count(*) from zhdy where fwfl = 50")).toInt(), 0);
}

void TableOpeningTest::positioningCard_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("table"); // 0 = none

    QTest::newRow("bound to table 2") << "K2" << 2;
    QTest::newRow("on two tables: the lower number") << "K3" << 3;
    QTest::newRow("a member card") << "A001" << 0;
    QTest::newRow("empty, as table 1's ktkh") << "" << 0;
}

void TableOpeningTest::positioningCard()
{
    QFETCH(QString, card);
    QFETCH(int, table);
    std::optional<PositioningCard> found;
    QVERIFY(findPositioningCard(m_hall->state, card, &found));
    QCOMPARE(found ? int(found->zhao) : 0, table);
    if (found)
        QCOMPARE(found->mc, table == 2 ? QStringLiteral("二号") : QStringLiteral("三号"));
}

QTEST_GUILESS_MAIN(TableOpeningTest)
#include "test_tableopening.moc"
