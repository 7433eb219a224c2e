#include "admin/ModZkCheck.h"
#include "support/MessageRecorder.h"
#include "support/TestHall.h"

#include <QTest>

namespace {

const QString NotSet = QStringLiteral("折扣率权限未设定，请重新设定。");

QString beyond(const QString& limit)
{
    return QStringLiteral("折扣率超过你的最大折扣权限") + limit + QStringLiteral("  ，请重新设定。");
}

} // namespace

class TestModZkCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rateAgainstLimit_data();
    void rateAgainstLimit();
    void operatorWithoutRowIsRefusedSilently();
    void failedQueryIsShownAndRefuses();

private:
    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestModZkCheck::init()
{
    m_hall = std::make_unique<TestHall>();
    QVERIFY2(m_hall->isValid(), qPrintable(m_hall->error()));
    m_messages = std::make_unique<MessageRecorder>();
}

void TestModZkCheck::cleanup()
{
    m_messages.reset();
    m_hall.reset();
}

void TestModZkCheck::rateAgainstLimit_data()
{
    QTest::addColumn<QVariant>("zk");
    QTest::addColumn<float>("rate");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message"); // empty: none shown

    const QVariant limit(8.5);
    QTest::newRow("8.5: at the limit") << limit << 8.5f << true << QString();
    QTest::newRow("8.5: smaller discount") << limit << 9.0f << true << QString();
    QTest::newRow("8.5: no discount") << limit << 0.0f << true << QString();
    QTest::newRow("8.5: larger discount") << limit << 8.0f << false << beyond(QStringLiteral("8.5"));
    QTest::newRow("8.5: ten tenths") << limit << 10.0f << false << beyond(QStringLiteral("8.5"));
    QTest::newRow("8.5: negative") << limit << -1.0f << false << beyond(QStringLiteral("8.5"));

    const QVariant zero(0.0);
    QTest::newRow("0: no discount") << zero << 0.0f << true << QString();
    QTest::newRow("0: any discount") << zero << 0.5f << true << QString();
    QTest::newRow("0: just below ten") << zero << 9.99f << true << QString();
    QTest::newRow("0: ten tenths") << zero << 10.0f << false << beyond(QStringLiteral("0"));

    // A float 8.7 lies below the double 8.7: the limit must still admit it.
    QTest::newRow("8.7 typed as a float") << QVariant(8.7) << 8.7f << true << QString();
    QTest::newRow("8.7: larger discount") << QVariant(8.7) << 8.6f << false << beyond(QStringLiteral("8.7"));

    QTest::newRow("not set, a discount") << QVariant() << 9.0f << false << NotSet;
    QTest::newRow("not set, no discount") << QVariant() << 0.0f << false << NotSet;
}

void TestModZkCheck::rateAgainstLimit()
{
    QFETCH(QVariant, zk);
    QFETCH(float, rate);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    // The operator's stored name carries blanks; the logged-in name is trimmed.
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, zk) values ('clerk  ', ?)"), {zk}));

    QCOMPARE(ModZkCheck(m_hall->db(), QStringLiteral("clerk"), rate), accepted);
    if (message.isEmpty()) {
        QCOMPARE(m_messages->count(), 0);
        return;
    }
    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->last().icon, Messages::Icon::Exclamation);
    QCOMPARE(m_messages->last().caption, Messages::AppTitle);
}

void TestModZkCheck::operatorWithoutRowIsRefusedSilently()
{
    QVERIFY(m_hall->exec(QStringLiteral("insert into czyzd (czy_name, zk) values ('clerk', 0)")));
    QVERIFY(!ModZkCheck(m_hall->db(), QStringLiteral("nobody"), 0.0f));
    QCOMPARE(m_messages->count(), 0);
}

void TestModZkCheck::failedQueryIsShownAndRefuses()
{
    QVERIFY(m_hall->exec(QStringLiteral("drop table czyzd")));
    QVERIFY(!ModZkCheck(m_hall->db(), QStringLiteral("clerk"), 0.0f));
    QCOMPARE(m_messages->count(), 1);
    QCOMPARE(m_messages->last().icon, Messages::Icon::Critical);
}

QTEST_GUILESS_MAIN(TestModZkCheck)
#include "test_modzkcheck.moc"
