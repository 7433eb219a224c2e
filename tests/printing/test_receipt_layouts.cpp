#include "PortFile.h"
#include "SampleReceipt.h"
#include "core/printing/BillReport.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/ReceiptLines.h"
#include "core/printing/ReceiptOutputs.h"

#include <QTest>

// What reaches the receipt printer: each port by its code, text switched
// between the printer's modes, a jammed printer given up on, and the layouts.
class TestReceiptLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ports_data();
    void ports();
    void printStr_data();
    void printStr();
    void jammedPrinterTimesOut();
    void zdprintSendsTheReceiptInGbk();
    void reportTotal_data();
    void reportTotal();
    void outputs_data();
    void outputs();
    void numbers_data();
    void numbers();
};

void TestReceiptLayouts::ports_data()
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
void TestReceiptLayouts::ports()
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

void TestReceiptLayouts::printStr_data()
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

void TestReceiptLayouts::printStr()
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
void TestReceiptLayouts::jammedPrinterTimesOut()
{
    PortFile ports;
    QFile reader;
    QVERIFY(PortFile::openReader(reader, ports.pointAtFifo(QStringLiteral("LPT1"))));
    RawReceiptPrinter printer(ports.settings(), std::chrono::milliseconds(100));
    QVERIFY(printer.openPort(QStringLiteral("1")));
    QVERIFY(!printer.printText(QString(1 << 18, QLatin1Char('A'))));
    QVERIFY2(printer.error().contains(QStringLiteral("0.1 秒内没有收下")), qPrintable(printer.error()));
}

// The bytes sent, read back as GBK text: a wrong byte changes a character.
void TestReceiptLayouts::zdprintSendsTheReceiptInGbk()
{
    PortFile ports;
    RawReceiptPrinter printer(ports.settings());
    QVERIFY(printRawReceipt(sampleReceipt(), QDateTime(QDate(2026, 12, 6), QTime(20, 30, 5)), printer));
    const QByteArray bytes = ports.bytes();
    QVERIFY(bytes.startsWith(QByteArray::fromHex("1b6301 0d0a 1b5702 0d0a 1b3102 0d0a")));
    const QString expected = QStringLiteral(
        "星光台球       欢迎光临\n营业员:张三\n=============================\n台 位 号 5  会员卡号0000000012\n"
        "开始时间 06日18:43:00\n结束时间 06日20:30:00\n所用时间 1:47\n折扣率：8\n台球消费 16 元\n"
        "可乐  2  10 元\n香烟  1  15.5 元\n商品消费:25.5 元\n合计:41.5元\n==============================\n"
        "电话:0571-88886666\n地址:解放路8号\n2026-12-06 20:30:05\n\n\n\n\n\n");
    QCOMPARE(PortFile::printedLines(bytes).mid(3), expected.split(QLatin1Char('\n')));
}

void TestReceiptLayouts::reportTotal_data()
{
    QTest::addColumn<double>("deposit");
    QTest::addColumn<QString>("total");
    QTest::newRow("no deposit") << 0.0 << QStringLiteral("总计:41.5");
    QTest::newRow("deposit") << 50.0 << QStringLiteral("总计:41.5押金:50 找零:8.5");
}

void TestReceiptLayouts::reportTotal()
{
    QFETCH(double, deposit);
    Receipt receipt = sampleReceipt();
    receipt.deposit = deposit;
    QTEST(billReport(receipt).caption(QStringLiteral("label14")), "total");
}

void TestReceiptLayouts::outputs_data()
{
    using Outputs = QList<ReceiptOutput>;
    QTest::addColumn<QString>("printerType");
    QTest::addColumn<bool>("printPressed");
    QTest::addColumn<Outputs>("outputs");
    QTest::newRow("1 receipt printer") << QStringLiteral("1") << true << Outputs{ReceiptOutput::ReceiptPrinter};
    QTest::newRow("2 system printer") << QStringLiteral("2") << true << Outputs{ReceiptOutput::SystemPrinterLines};
    QTest::newRow("3 receipt printer, then report")
        << QStringLiteral("3") << true << Outputs{ReceiptOutput::ReceiptPrinter, ReceiptOutput::Report};
    QTest::newRow("empty report") << QString() << true << Outputs{ReceiptOutput::Report};
    QTest::newRow("toggle off") << QStringLiteral("3") << false << Outputs{};
}

void TestReceiptLayouts::outputs()
{
    using Outputs = QList<ReceiptOutput>;
    QFETCH(QString, printerType);
    QFETCH(bool, printPressed);
    QFETCH(Outputs, outputs);
    QCOMPARE(receiptOutputs(printerType, printPressed), outputs);
}

void TestReceiptLayouts::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 22.0 << QStringLiteral("22");
    QTest::newRow("single-precision amount") << double(15.3f) << QStringLiteral("15.3");
    QTest::newRow("cents") << 1.25 << QStringLiteral("1.25");
    QTest::newRow("negative") << -11.5 << QStringLiteral("-11.5");
    QTest::newRow("negative zero") << -0.001 << QStringLiteral("0");
}

void TestReceiptLayouts::numbers()
{
    QFETCH(double, value);
    QTEST(receiptNumber(value), "text");
}

QTEST_MAIN(TestReceiptLayouts)
#include "test_receipt_layouts.moc"
