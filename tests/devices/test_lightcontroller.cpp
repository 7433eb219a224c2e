#include "devices/LightController.h"
#include "devices/PseudoTerminal.h"
#include "support/HallFixture.h"

#include <QTest>

namespace {

QByteArray bytes(std::initializer_list<quint8> values)
{
    QByteArray result;
    for (const quint8 value : values)
        result.append(static_cast<char>(value));
    return result;
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
    bool open() { return setRow(QStringLiteral("串口号设置"), pty.path()) && lights.stardkset(hall.hall.db()); }
    QByteArray sentSoFar() { return sent += pty.readAvailable(); }
};

} // namespace

class LightControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void commandByte_data();
    void commandByte();
    void onlyTheEchoIsConfirmed_data();
    void onlyTheEchoIsConfirmed();
    void allTablesAfterSettingUpAgain();
    void unusablePortSendsNothing_data();
    void unusablePortSendsNothing();
};

void LightControllerTest::commandByte_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("byte"); // -1: nothing is sent
    QTest::newRow("1 on") << 1 << "1" << 0x40;
    QTest::newRow("1 off") << 0 << "1" << 0x00;
    QTest::newRow("12 on") << 1 << "12" << 0x4B;
    QTest::newRow("12 off") << 0 << "12" << 0x0B;
    QTest::newRow("48 on") << 1 << "48" << 0x6F;
    QTest::newRow("48 off") << 0 << "48" << 0x2F;
    QTest::newRow("blank before") << 1 << " 7" << 0x46;
    QTest::newRow("command 2") << 2 << "3" << -1;
    QTest::newRow("table 0") << 0 << "0" << -1;
    QTest::newRow("table 49") << 1 << "49" << -1;
    QTest::newRow("empty") << 0 << "" << -1;
    QTest::newRow("not a number") << 0 << "abc" << -1;
    QTest::newRow("beyond 16 bits") << 1 << "70000" << -1;
}

void LightControllerTest::commandByte()
{
    QFETCH(int, command);
    QFETCH(QString, table);
    QFETCH(int, byte);
    Bench bench;
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.SendDAta(command, table));
    // Bytes leave in order: table 12 arriving alone proves nothing went before it.
    QVERIFY(bench.lights.SendDAta(1, QStringLiteral("12")));
    QTRY_COMPARE(bench.sentSoFar(), byte < 0 ? bytes({0x4B}) : bytes({quint8(byte), 0x4B}));
}

void LightControllerTest::onlyTheEchoIsConfirmed_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("echoes");
    QTest::newRow("echo alone") << QByteArray() << 0;
    QTest::newRow("other table") << bytes({0x41}) << 0;
    QTest::newRow("confirmation byte") << bytes({0x88}) << 0;
    QTest::newRow("off byte of the same table") << bytes({0x02}) << 0;
    QTest::newRow("all-tables byte") << bytes({0x90}) << 0;
    QTest::newRow("noise around an echo") << bytes({0x41, 0x42, 0x88, 0x43}) << 1;
}

void LightControllerTest::onlyTheEchoIsConfirmed()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, echoes);
    Bench bench;
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.SendDAta(1, QStringLiteral("3")));
    QTRY_COMPARE(bench.sentSoFar(), bytes({0x42}));
    // A final echo marks the end: its confirmation comes after any answer to the reply.
    QVERIFY(bench.pty.write(QByteArray(reply + bytes({0x42}))));
    QTRY_COMPARE(bench.sentSoFar(), QByteArray(bytes({0x42}) + QByteArray(echoes + 1, static_cast<char>(0x88))));
}

// Setting up again, as after a change of parameters, must not lose the port.
void LightControllerTest::allTablesAfterSettingUpAgain()
{
    Bench bench;
    QVERIFY2(bench.open() && bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.sendAllTables());
    QTRY_COMPARE(bench.sentSoFar(), bytes({0x90}));
    QVERIFY(bench.pty.write(bytes({0x90})));
    QTRY_COMPARE(bench.sentSoFar(), bytes({0x90, 0x88}));
}

void LightControllerTest::unusablePortSendsNothing_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::newRow("never set up") << QString() << QString();
    QTest::newRow("missing device") << QStringLiteral("串口号设置") << QStringLiteral("/nonexistent/ttyS9");
    QTest::newRow("port not a number") << QStringLiteral("串口号设置") << QStringLiteral("abc");
    QTest::newRow("bad settings text") << QStringLiteral("传输速率") << QStringLiteral("1200,x,8,1");
    QTest::newRow("bad buffer size") << QStringLiteral("输入缓冲区大小") << QStringLiteral("many");
}

void LightControllerTest::unusablePortSendsNothing()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    Bench bench;
    QVERIFY(bench.setRow(QStringLiteral("串口号设置"), bench.pty.path()));
    if (!row.isEmpty()) {
        QVERIFY(bench.setRow(row, value));
        QVERIFY(!bench.lights.stardkset(bench.hall.hall.db()));
    }
    QVERIFY(!bench.lights.isOpen());
    QVERIFY(!bench.lights.lastError().isEmpty());
    QVERIFY(!bench.lights.SendDAta(1, QStringLiteral("3")));
    QVERIFY(!bench.lights.sendAllTables());
    QVERIFY(!bench.lights.Send66H());
    QVERIFY(bench.sentSoFar().isEmpty());
}

QTEST_GUILESS_MAIN(LightControllerTest)
#include "test_lightcontroller.moc"
