#include "PortFile.h"
#include "SampleReceipt.h"
#include "core/printing/BillReport.h"
#include "core/printing/RawReceiptPrinter.h"
#include "core/printing/ReceiptLines.h"
#include "core/printing/ReceiptOutputs.h"

#include <QTest>

class TestReceiptLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zdprintSendsTheReceiptInGbk();
    void reportTotal_data();
    void reportTotal();
    void outputs_data();
    void outputs();
    void numbers_data();
    void numbers();
};

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
    QFETCH(QString, total);
    Receipt receipt = sampleReceipt();
    receipt.deposit = deposit;
    QCOMPARE(billReport(receipt).caption(QStringLiteral("label14")), total);
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
    QFETCH(QString, text);
    QCOMPARE(receiptNumber(value), text);
}

QTEST_MAIN(TestReceiptLayouts)
#include "test_receipt_layouts.moc"
