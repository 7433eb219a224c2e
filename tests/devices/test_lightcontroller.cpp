#include "devices/LightController.h"
#include "devices/PseudoTerminal.h"
#include "support/TestHall.h"

#include <QTest>

#include <memory>

namespace {

QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray result;
    for (const quint8 value : values)
        result.append(static_cast<char>(value));
    return result;
}

} // namespace

class LightControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dataZh_data();
    void dataZh();
    void dataAll2_data();
    void dataAll2();

    void opensThePortNamedInTheRows();
    void unusablePortLeavesItClosed_data();
    void unusablePortLeavesItClosed();
    void setUpAgainReopens();
    void notSetUpSendsNothing();
    void openingTableThreeSendsOneByte();
    void tableOutsideTheRangeSendsNothing_data();
    void tableOutsideTheRangeSendsNothing();
    void allTablesCommand();
    void echoIsConfirmed();
    void onlyTheEchoIsConfirmed_data();
    void onlyTheEchoIsConfirmed();

private:
    TestHall& hall();
    bool setPortRow(const QString& row, const QString& value);
    bool openOnPty();
    QByteArray sentSoFar();

    std::unique_ptr<TestHall> m_hall;
    std::unique_ptr<PseudoTerminal> m_pty;
    std::unique_ptr<LightController> m_lights;
    QByteArray m_sent;
};

void LightControllerTest::init()
{
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_pty->isValid(), qPrintable(m_pty->error()));
    m_lights = std::make_unique<LightController>();
    m_sent.clear();
}

// Made on first use: the shipped rows take a while, and the byte rules need none.
TestHall& LightControllerTest::hall()
{
    if (!m_hall) {
        m_hall = std::make_unique<TestHall>();
        if (!m_hall->isValid() || !m_hall->addShippedRows())
            qFatal("test hall: %s", qPrintable(m_hall->error()));
    }
    return *m_hall;
}

void LightControllerTest::cleanup()
{
    m_lights.reset();
    m_pty.reset();
    m_hall.reset();
}

bool LightControllerTest::setPortRow(const QString& row, const QString& value)
{
    return hall().exec(QStringLiteral("update stcs set valuenr=? where lx=? and sm=?"),
                       {value, QStringLiteral("dk"), row});
}

bool LightControllerTest::openOnPty()
{
    return setPortRow(QStringLiteral("串口号设置"), m_pty->path()) && m_lights->stardkset(hall().db());
}

QByteArray LightControllerTest::sentSoFar()
{
    m_sent += m_pty->readAvailable();
    return m_sent;
}

void LightControllerTest::dataZh_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("byte"); // -1: no byte

    QTest::newRow("1 on") << 1 << QStringLiteral("1") << 0x40;
    QTest::newRow("1 off") << 0 << QStringLiteral("1") << 0x00;
    QTest::newRow("12 on") << 1 << QStringLiteral("12") << 0x4B;
    QTest::newRow("12 off") << 0 << QStringLiteral("12") << 0x0B;
    QTest::newRow("48 on") << 1 << QStringLiteral("48") << 0x6F;
    QTest::newRow("48 off") << 0 << QStringLiteral("48") << 0x2F;
    QTest::newRow("blank before") << 1 << QStringLiteral(" 7") << 0x46;
    QTest::newRow("command 2") << 2 << QStringLiteral("3") << -1;
    QTest::newRow("command -1") << -1 << QStringLiteral("3") << -1;
    QTest::newRow("table 0") << 0 << QStringLiteral("0") << -1;
    QTest::newRow("table 49") << 1 << QStringLiteral("49") << -1;
    QTest::newRow("table -3") << 0 << QStringLiteral("-3") << -1;
    QTest::newRow("not a number") << 1 << QStringLiteral("abc") << -1;
    QTest::newRow("empty") << 0 << QString() << -1;
    QTest::newRow("beyond 16 bits") << 1 << QStringLiteral("70000") << -1;
}

void LightControllerTest::dataZh()
{
    QFETCH(int, command);
    QFETCH(QString, table);
    QFETCH(int, byte);
    const auto computed = LightController::dataZh(command, table);
    QCOMPARE(computed ? int(*computed) : -1, byte);
}

void LightControllerTest::dataAll2_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("byte");

    QTest::newRow("0") << 0 << 0x90;
    QTest::newRow("1") << 1 << 0x91;
    QTest::newRow("2") << 2 << -1;
    QTest::newRow("-1") << -1 << -1;
}

void LightControllerTest::dataAll2()
{
    QFETCH(int, kind);
    QFETCH(int, byte);
    const auto computed = LightController::dataAll2(kind);
    QCOMPARE(computed ? int(*computed) : -1, byte);
}

void LightControllerTest::opensThePortNamedInTheRows()
{
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->isOpen());
    QVERIFY(m_lights->lastError().isEmpty());
}

void LightControllerTest::unusablePortLeavesItClosed_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");

    QTest::newRow("missing device") << QStringLiteral("串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("port not a number") << QStringLiteral("串口号设置") << QStringLiteral("abc");
    QTest::newRow("bad settings text") << QStringLiteral("传输速率") << QStringLiteral("1200,x,8,1");
    QTest::newRow("bad buffer size") << QStringLiteral("输入缓冲区大小") << QStringLiteral("many");
}

void LightControllerTest::unusablePortLeavesItClosed()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    QVERIFY(setPortRow(QStringLiteral("串口号设置"), m_pty->path()));
    QVERIFY(setPortRow(row, value));
    QVERIFY(!m_lights->stardkset(hall().db()));
    QVERIFY(!m_lights->isOpen());
    QVERIFY(!m_lights->lastError().isEmpty());
    QVERIFY(!m_lights->SendDAta(1, QStringLiteral("3")));
    QVERIFY(!m_lights->sendAllTables());
    QVERIFY(sentSoFar().isEmpty());
}

void LightControllerTest::setUpAgainReopens()
{
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY2(m_lights->stardkset(hall().db()), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->SendDAta(1, QStringLiteral("5")));
    QTRY_COMPARE(sentSoFar(), bytes({0x44}));
}

void LightControllerTest::notSetUpSendsNothing()
{
    QVERIFY(setPortRow(QStringLiteral("串口号设置"), m_pty->path()));
    QVERIFY(!m_lights->isOpen());
    QVERIFY(!m_lights->SendDAta(1, QStringLiteral("3")));
    QVERIFY(!m_lights->sendAllTables());
    QVERIFY(!m_lights->Send66H());
    QVERIFY(sentSoFar().isEmpty());
}

void LightControllerTest::openingTableThreeSendsOneByte()
{
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->SendDAta(1, QStringLiteral("3")));
    QTRY_COMPARE(sentSoFar(), bytes({0x42}));
    QVERIFY(m_lights->SendDAta(0, QStringLiteral("3")));
    QTRY_COMPARE(sentSoFar(), bytes({0x42, 0x02}));
}

void LightControllerTest::tableOutsideTheRangeSendsNothing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("table");

    QTest::newRow("0 on") << 1 << QStringLiteral("0");
    QTest::newRow("0 off") << 0 << QStringLiteral("0");
    QTest::newRow("49") << 1 << QStringLiteral("49");
    QTest::newRow("abc") << 0 << QStringLiteral("abc");
    QTest::newRow("empty") << 1 << QString();
    QTest::newRow("command 2") << 2 << QStringLiteral("3");
}

void LightControllerTest::tableOutsideTheRangeSendsNothing()
{
    QFETCH(int, command);
    QFETCH(QString, table);
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->SendDAta(command, table));
    // Bytes leave in order: table 12 arriving alone proves nothing went before it.
    QVERIFY(m_lights->SendDAta(1, QStringLiteral("12")));
    QTRY_COMPARE(sentSoFar(), bytes({0x4B}));
}

void LightControllerTest::allTablesCommand()
{
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->sendAllTables());
    QTRY_COMPARE(sentSoFar(), bytes({0x90}));
    QVERIFY(m_pty->write(bytes({0x90})));
    QTRY_COMPARE(sentSoFar(), bytes({0x90, 0x88}));
}

void LightControllerTest::echoIsConfirmed()
{
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->SendDAta(1, QStringLiteral("3")));
    QTRY_COMPARE(sentSoFar(), bytes({0x42}));
    QVERIFY(m_pty->write(bytes({0x42})));
    QTRY_COMPARE(sentSoFar(), bytes({0x42, 0x88}));
}

void LightControllerTest::onlyTheEchoIsConfirmed_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("echoes");

    QTest::newRow("other table") << bytes({0x41}) << 0;
    QTest::newRow("confirmation byte") << bytes({0x88}) << 0;
    QTest::newRow("off byte of the same table") << bytes({0x02}) << 0;
    QTest::newRow("all-tables byte") << bytes({0x90}) << 0;
    QTest::newRow("noise around an echo") << bytes({0x41, 0x42, 0x88, 0x43}) << 1;
    QTest::newRow("echo twice") << bytes({0x42, 0x42}) << 2;
}

void LightControllerTest::onlyTheEchoIsConfirmed()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, echoes);
    QVERIFY2(openOnPty(), qPrintable(m_lights->lastError()));
    QVERIFY(m_lights->SendDAta(1, QStringLiteral("3")));
    QTRY_COMPARE(sentSoFar(), bytes({0x42}));
    // A final echo marks the end: its confirmation comes after any answer to the reply.
    QVERIFY(m_pty->write(QByteArray(reply + bytes({0x42}))));
    QTRY_COMPARE(sentSoFar(), QByteArray(bytes({0x42}) + QByteArray(echoes + 1, static_cast<char>(0x88))));
}

QTEST_GUILESS_MAIN(LightControllerTest)
#include "test_lightcontroller.moc"
