#include "devices/LightController.h"
#include "devices/PseudoTerminal.h"
#include "support/HallFixture.h"

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
    void onlyTheEchoIsConfirmed();
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
    QTest::newRow("1 off") << 0 << "1" << bytes("00");
    QTest::newRow("48 on") << 1 << "48" << bytes("6f");
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
    QVERIFY(bench.lights.SendDAta(command, table));
    // Bytes leave in order: table 12 arriving alone proves nothing went before it.
    QVERIFY(bench.lights.SendDAta(1, QStringLiteral("12")));
    QTRY_COMPARE(bench.sentSoFar(), sent + bytes("4b"));
}

void LightControllerTest::onlyTheEchoIsConfirmed()
{
    Bench bench;
    QVERIFY2(bench.open(), qPrintable(bench.lights.lastError()));
    QVERIFY(bench.lights.SendDAta(1, QStringLiteral("3")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("42"));
    // Around the echo another table, the same table's off byte, a confirmation
    // and all tables; a final echo marks the end, as its confirmation comes last.
    QVERIFY(bench.pty.write(bytes("41024288904342")));
    QTRY_COMPARE(bench.sentSoFar(), bytes("428888"));
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
