#include "PortFile.h"
#include "printing/ClsPrint.h"

#include <QTest>

class TestClsPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void portCodes_data();
    void portCodes();
    void aDeviceThatCannotBeOpenedIsRefused();
    void fontAndRowSpace();
    void printStr_data();
    void printStr();
    void sjzh_data();
    void sjzh();
};

void TestClsPrint::portCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("port");
    QTest::newRow("1 is LPT1") << QStringLiteral("1") << QStringLiteral("LPT1");
    QTest::newRow("2 is LPT2") << QStringLiteral("2") << QStringLiteral("LPT2");
    QTest::newRow("3 is COM1") << QStringLiteral("3") << QStringLiteral("COM1");
    QTest::newRow("4 is COM2") << QStringLiteral("4") << QStringLiteral("COM2");
    QTest::newRow("5 is none") << QStringLiteral("5") << QString();
    QTest::newRow("0 is none") << QStringLiteral("0") << QString();
    QTest::newRow("empty is none") << QString() << QString();
    QTest::newRow("a port name is no code") << QStringLiteral("lpt1") << QString();
    QTest::newRow("padded is no code") << QStringLiteral(" 1") << QString();
}

void TestClsPrint::portCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, port);
    PortFile ports;
    ClsPrint printer(ports.settings());
    QCOMPARE(printer.OpenPort(code), !port.isEmpty());
    QVERIFY(printer.PrintStr(QStringLiteral("x")) == !port.isEmpty());
    printer.ClosePort();
    for (const char* name : {"LPT1", "LPT2", "COM1", "COM2"}) {
        const QString other = QLatin1String(name);
        QCOMPARE(ports.bytes(other).isEmpty(), other != port);
    }
}

void TestClsPrint::aDeviceThatCannotBeOpenedIsRefused()
{
    PortFile ports;
    ports.pointAt(QStringLiteral("LPT1"), ports.path(QStringLiteral("missing")) + QStringLiteral("/LPT1"));
    ClsPrint printer(ports.settings());
    QVERIFY(!printer.OpenPort(QStringLiteral("1")));
    QVERIFY(!printer.PrintStr(QStringLiteral("台")));
}

void TestClsPrint::fontAndRowSpace()
{
    PortFile ports;
    ClsPrint printer(ports.settings());
    QVERIFY(printer.OpenPort(QStringLiteral("1")));
    QVERIFY(printer.FontSizeBig(2));
    printer.RowSpace(2);
    printer.RowSpace(2.5);
    QVERIFY(!printer.FontSizeBig(256));
    printer.RowSpace(-1);
    printer.ClosePort();
    QCOMPARE(ports.bytes(), QByteArray::fromHex("1b6301 0d0a 1b5702 0d0a 1b3102 0d0a 1b3102 0d0a"));
}

void TestClsPrint::printStr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("A台1") << QStringLiteral("A台1") << QByteArray::fromHex("1c2e41 1c26cca8 1c2e31 0d0a");
    QTest::newRow("empty") << QString() << QByteArray::fromHex("0d0a");
    QTest::newRow("one switch per run") << QStringLiteral("ab台球cd")
                                        << QByteArray::fromHex("1c2e6162 1c26cca8c7f2 1c2e6364 0d0a");
    QTest::newRow("full-width colon is Chinese") << QStringLiteral("：") << QByteArray::fromHex("1c26a3ba 0d0a");
    QTest::newRow("a character GBK lacks is ASCII ?")
        << QStringLiteral("台\U0001F600") << QByteArray::fromHex("1c26cca8 1c2e3f 0d0a");
}

void TestClsPrint::printStr()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    PortFile ports;
    ClsPrint printer(ports.settings());
    QVERIFY(printer.OpenPort(QStringLiteral("1")));
    QVERIFY(printer.PrintStr(text));
    printer.ClosePort();
    QCOMPARE(ports.bytes(), QByteArray::fromHex("1b63010d0a") + bytes);
}

void TestClsPrint::sjzh_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::newRow("ASCII doubles its code") << QStringLiteral("A") << QStringLiteral("4141");
    QTest::newRow("GBK") << QStringLiteral("台") << QStringLiteral("CCA8");
    QTest::newRow("first character only") << QStringLiteral("球A") << QStringLiteral("C7F2");
    QTest::newRow("empty") << QString() << QString();
}

void TestClsPrint::sjzh()
{
    QFETCH(QString, text);
    QFETCH(QString, code);
    QCOMPARE(ClsPrint::Sjzh(text), code);
}

QTEST_MAIN(TestClsPrint)
#include "test_clsprint.moc"
