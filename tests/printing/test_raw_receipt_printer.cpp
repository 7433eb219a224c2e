#include "PortFile.h"
#include "core/printing/RawReceiptPrinter.h"

#include <QTest>

class TestClsPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ports_data();
    void ports();
    void printStr_data();
    void printStr();
    void jammedPrinterTimesOut();
};

void TestClsPrint::ports_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("port");
    QTest::newRow("1 is LPT1") << QStringLiteral("1") << QStringLiteral("LPT1");
    QTest::newRow("2 is LPT2") << QStringLiteral("2") << QStringLiteral("LPT2");
    QTest::newRow("3 is COM1") << QStringLiteral("3") << QStringLiteral("COM1");
    QTest::newRow("4 is COM2") << QStringLiteral("4") << QStringLiteral("COM2");
    QTest::newRow("5 is refused") << QStringLiteral("5") << QString();
    QTest::newRow("empty is refused") << QString() << QString();
}

// Text reaches the port of its code and no other; a refused port takes none.
void TestClsPrint::ports()
{
    QFETCH(QString, code);
    QFETCH(QString, port);
    PortFile ports;
    RawReceiptPrinter printer(ports.settings());
    QCOMPARE(printer.openPort(code), !port.isEmpty());
    QCOMPARE(printer.printText(QStringLiteral("台")), !port.isEmpty());
    printer.closePort();
    for (const char* name : {"LPT1", "LPT2", "COM1", "COM2"})
        QCOMPARE(ports.bytes(QLatin1String(name)).isEmpty(), QLatin1String(name) != port);
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
    RawReceiptPrinter printer(ports.settings());
    QVERIFY(printer.openPort(QStringLiteral("1")));
    QVERIFY(printer.printText(text));
    printer.closePort();
    QCOMPARE(ports.bytes(), QByteArray::fromHex("1b63010d0a") + bytes);
}

// A printer that stops taking bytes (a FIFO that nobody reads, once full)
// fails the write at the timeout instead of holding the counter.
void TestClsPrint::jammedPrinterTimesOut()
{
    PortFile ports;
    QFile reader;
    QVERIFY(PortFile::openReader(reader, ports.pointAtFifo(QStringLiteral("LPT1"))));
    RawReceiptPrinter printer(ports.settings(), std::chrono::milliseconds(100));
    QVERIFY(printer.openPort(QStringLiteral("1")));
    QVERIFY(!printer.printText(QString(1 << 18, QLatin1Char('A'))));
    QVERIFY2(printer.error().contains(QStringLiteral("0.1 秒内没有收下")), qPrintable(printer.error()));
}

QTEST_MAIN(TestClsPrint)
#include "test_raw_receipt_printer.moc"
