#include "core/devices/LightController.h"
#include "core/devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray bytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// A controller on a pseudo-terminal, set up from the shipped rows.
struct Bench
{
    HallFixture hall;
    PseudoTerminal pty;
    LightController lights;
    QByteArray sent;

    bool setRow(const QString& row, const QString& value)
    {
        return hall.hall.exec(QStringLiteral("update stcs set valuenr=? where lx='dk' and sm=?"), {value, row});
    }
    bool open() { return setRow(QStringLiteral("串口号设置"), pty.path()) && lights.openPort(hall.hall.db()); }
    QByteArray sentSoFar() { return sent += pty.readAvailable(); }
};

} // namespace

class LightControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void commandByte_data();
    void commandByte();
    void echo_data();
    void echo();
    void allTablesAfterSettingUpAgain();
    void unusablePortSendsNothing_data();
    void unusablePortSendsNothing();
};

void LightControllerTest::commandByte_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("sent"); // empty: nothing
    QTest::newRow("1 on") << 1 << "1" << bytes("40");
    QTest::newRow("48 off") << 0 << "48" << bytes("2f");
    QTest::newRow("blank before") << 1 << " 7" << bytes("46");
    QTest::newRow("command 2") << 2 << "3" << QByteArray();
    QTest::newRow("table 0") << 0 << "0" << QByteArray();
    QTest::newRow("table 49") << 1 << "49" << QByteArray();
    QTest::newRow("not a number") << 0 << "abc" << QByteArray();
}

void LightControllerTest::commandByte()
{
    QFETCH(int, command);
    QFETCH(QString, table);
    QFETCH(QByteArray, sent);
    Bench bench;
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.sendTable(command, table));
    // Bytes leave in order: table 12 arriving alone proves nothing went before it.
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("12")));
    if (!sent.isEmpty()) {
        QTRY_COMPARE(bench.sentSoFar(), sent);
        QVERIFY(bench.pty.write(sent));
        sent += bytes("88");
    }
    QTRY_COMPARE(bench.sentSoFar(), sent + bytes("4b"));
}

// What the controller answers to the command for table 3 (0x42); the command
// for table 4 that follows, echoed at once, marks the end of what was sent.
void LightControllerTest::echo_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("told");
    QTest::newRow("repeated echo amid other bytes") << bytes("41024288904242") << bytes("4288") << false;
    QTest::newRow("wrong echo") << bytes("41") << bytes("4242") << true;
    QTest::newRow("no echo") << QByteArray() << bytes("4242") << true;
}

void LightControllerTest::echo()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, sent);
    QFETCH(bool, told);
    Bench bench;
    bench.lights.setEchoTimeout(300);
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QSignalSpy notices(&bench.lights, &LightController::notice);
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("3")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("42"));
    QVERIFY(bench.pty.write(answer));
    QVERIFY(bench.lights.sendTable(1, QStringLiteral("4")));
    QTRY_VERIFY(bench.sentSoFar().endsWith(bytes("43")));
    QVERIFY(bench.pty.write(bytes("43")));
    QTRY_COMPARE(bench.sentSoFar(), sent + bytes("4388"));
    QCOMPARE(notices.count(), told ? 1 : 0);
    if (told)
        QVERIFY2(notices.at(0).at(0).toString().contains(QStringLiteral("3号台")),
                 qPrintable(notices.at(0).at(0).toString()));
}

// Setting up again, as after a change of parameters, must not lose the port.
void LightControllerTest::allTablesAfterSettingUpAgain()
{
    Bench bench;
    QVERIFY2(bench.open() && bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.sendAllTables());
    QTRY_COMPARE(bench.sentSoFar(), bytes("90"));
    QVERIFY(bench.pty.write(bytes("90")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("9088"));
}

void LightControllerTest::unusablePortSendsNothing_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("never set up") << QString() << QString();
    QTest::newRow("missing device") << QStringLiteral("串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("bad settings text") << QStringLiteral("传输速率") << QStringLiteral("1200,x,8,1");
}

void LightControllerTest::unusablePortSendsNothing()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    Bench bench;
    QSignalSpy notices(&bench.lights, &LightController::notice);
    QVERIFY(bench.setRow(QStringLiteral("串口号设置"), bench.pty.path()));
    if (!row.isEmpty()) {
        QVERIFY(bench.setRow(row, value));
        QVERIFY(!bench.lights.openPort(bench.hall.hall.db()));
        QCOMPARE(notices.count(), 1);
    }
    QVERIFY(!bench.lights.isOpen());
    QVERIFY(!bench.lights.lastError().isEmpty());
    QVERIFY(!bench.lights.sendTable(1, QStringLiteral("3")));
    QVERIFY(!bench.lights.sendAllTables());
    QVERIFY(!bench.lights.sendConfirmation());
    QVERIFY(bench.sentSoFar().isEmpty());
}

QTEST_GUILESS_MAIN(LightControllerTest)
#include "test_lightcontroller.moc"
