#include "core/billing/DiscountCheck.h"
#include "support/TestHall.h"

#include <QTest>

class TestDiscountCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rateAgainstLimit_data();
    void rateAgainstLimit();
};

void TestDiscountCheck::rateAgainstLimit_data()
{
    QTest::addColumn<QVariant>("zk");
    QTest::addColumn<double>("rate");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message"); // empty: none shown

    // Limit 8.5 against what is typed at checkout is checked there.
    QTest::newRow("0: just below ten") << QVariant(0.0) << 9.99 << true << QString();
    // A limit saved through a float lies below the typed 8.7: it must still admit it.
    QTest::newRow("8.7 stored as a float") << QVariant(double(8.7f)) << 8.7 << true << QString();
    QTest::newRow("not set") << QVariant() << 9.0 << false << QStringLiteral("折扣率权限未设定，请重新设定。");
}

void TestDiscountCheck::rateAgainstLimit()
{
    QFETCH(QVariant, zk);
    QFETCH(double, rate);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    TestHall hall;
    QVERIFY2(hall.isValid(), qPrintable(hall.error()));
    // The operator's stored name carries blanks; the logged-in name is trimmed.
    QVERIFY(hall.exec(QStringLiteral("insert into czyzd (czy_name, zk) values ('clerk  ', ?)"), {zk}));

    const DiscountCheck check = checkDiscount(hall.db(), QStringLiteral("clerk"), DiscountRate(rate));
    QCOMPARE(check.allowed, accepted);
    QCOMPARE(check.notice.text, message);
    if (!message.isEmpty())
        QCOMPARE(check.notice.icon, Messages::Icon::Exclamation);

    // An operator without a row is refused without a word; a failed query
    // refuses with the error.
    QCOMPARE(checkDiscount(hall.db(), QStringLiteral("nobody"), DiscountRate()).allowed, false);
    QVERIFY(checkDiscount(hall.db(), QStringLiteral("nobody"), DiscountRate()).notice.isEmpty());
    QVERIFY(hall.dropTable(QStringLiteral("czyzd")));
    const DiscountCheck failed = checkDiscount(hall.db(), QStringLiteral("clerk"), DiscountRate());
    QVERIFY(!failed.allowed);
    QCOMPARE(failed.notice.icon, Messages::Icon::Critical);
}

QTEST_GUILESS_MAIN(TestDiscountCheck)
#include "test_discount_check.moc"
