#include "PortFile.h"
#include "SampleReceipt.h"
#include "printing/Ptprint40Layout.h"
#include "printing/ReceiptOutputs.h"
#include "printing/Report_zd.h"
#include "printing/Zdprint.h"
#include "support/TestClock.h"

#include <QTest>

class TestReceiptLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zdprintPrintsTheLinesInOrder();
    void zdprintWithoutGoodsHasNoGoodsLines();
    void fontSize_data();
    void fontSize();
    void ptprint40Lines_data();
    void ptprint40Lines();
    void reportCaptions();
    void reportTotalWithDeposit_data();
    void reportTotalWithDeposit();
    void outputs_data();
    void outputs();
    void numbers_data();
    void numbers();
};

void TestReceiptLayouts::zdprintPrintsTheLinesInOrder()
{
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(20, 30, 5)));
    PortFile ports;
    QVERIFY(Zdprint(sampleReceipt(), ports.settings()));

    const QByteArray bytes = ports.bytes();
    QVERIFY(bytes.startsWith(QByteArray::fromHex("1b6301 0d0a 1b5702 0d0a 1b3102 0d0a")));
    const QStringList expected = {
        QStringLiteral("星光台球       欢迎光临"),
        QStringLiteral("营业员:张三"),
        QStringLiteral("============================="),
        QStringLiteral("台 位 号 5  会员卡号0000000012"),
        QStringLiteral("开始时间 06日18:43:00"),
        QStringLiteral("结束时间 06日20:30:00"),
        QStringLiteral("所用时间 1:47"),
        QStringLiteral("折扣率：8"),
        QStringLiteral("台球消费 16 元"),
        QStringLiteral("可乐  2  10 元"),
        QStringLiteral("香烟  1  15.5 元"),
        QStringLiteral("商品消费:25.5 元"),
        QStringLiteral("合计:41.5元"),
        QStringLiteral("=============================="),
        QStringLiteral("电话:0571-88886666"),
        QStringLiteral("地址:解放路8号"),
        QStringLiteral("2026-12-06 20:30:05"),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
        QString(),
    };
    QCOMPARE(PortFile::printedLines(bytes).mid(3), expected);
}

void TestReceiptLayouts::zdprintWithoutGoodsHasNoGoodsLines()
{
    TestClock clock;
    Receipt receipt = sampleReceipt();
    receipt.goods.clear();
    receipt.goodsTotal = 0;
    receipt.grandTotal = 16;
    receipt.cardNumber.clear();
    PortFile ports;
    QVERIFY(Zdprint(receipt, ports.settings()));
    const QStringList lines = PortFile::printedLines(ports.bytes()).mid(3);
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines.at(3), QStringLiteral("台 位 号 5  会员卡号"));
    QCOMPARE(lines.at(8), QStringLiteral("台球消费 16 元"));
    QCOMPARE(lines.at(9), QStringLiteral("商品消费:0 元"));
    QCOMPARE(lines.at(10), QStringLiteral("合计:16元"));
}

void TestReceiptLayouts::fontSize_data()
{
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("size");
    QTest::newRow("12 prints at 11") << 12 << 11;
    QTest::newRow("0 prints at 8") << 0 << 8;
    QTest::newRow("6 prints at 6") << 6 << 6;
    QTest::newRow("1 is kept") << 1 << 1;
    QTest::newRow("11 is kept") << 11 << 11;
    QTest::newRow("a negative size prints at 8") << -3 << 8;
}

void TestReceiptLayouts::fontSize()
{
    QFETCH(int, parameter);
    QFETCH(int, size);
    QCOMPARE(ptprint40FontSize(qint16(parameter)), qint16(size));
}

void TestReceiptLayouts::ptprint40Lines_data()
{
    QTest::addColumn<double>("deposit");
    QTest::addColumn<QStringList>("depositLines");
    QTest::newRow("no deposit") << 0.0 << QStringList();
    QTest::newRow("change from the deposit")
        << 50.0 << QStringList{QStringLiteral("押金50"), QStringLiteral("找零8.5")};
    QTest::newRow("a deposit short of the bill")
        << 30.0 << QStringList{QStringLiteral("押金30"), QStringLiteral("找零-11.5")};
}

void TestReceiptLayouts::ptprint40Lines()
{
    QFETCH(double, deposit);
    QFETCH(QStringList, depositLines);
    Receipt receipt = sampleReceipt();
    receipt.deposit = deposit;
    const ReportDocument report = ptprint40Layout(receipt, 9);
    QCOMPARE(report.pointSize, 9);
    QStringList lines;
    for (const ReportLabel& label : report.header)
        lines.append(label.caption);
    const QStringList expected =
        QStringList{
            QStringLiteral("星光台球"),           QStringLiteral("欢迎光临"),
            QStringLiteral("操作员张三"),         QStringLiteral("台位5"),
            QStringLiteral("会员卡号0000000012"), QStringLiteral("-------"),
            QStringLiteral("开始时间18:43:00"),   QStringLiteral("结束时间20:30:00"),
            QStringLiteral("所用时间1:47"),       QStringLiteral("折扣8台球消费16元"),
        } +
        depositLines + QStringList{QStringLiteral("电话88886666"), QString(), QString(), QString(), QString()};
    QCOMPARE(lines, expected);
}

void TestReceiptLayouts::reportCaptions()
{
    const ReportDocument report = Report_zd(sampleReceipt());
    QCOMPARE(report.caption(QStringLiteral("labelctmc")), QStringLiteral("星光台球欢迎光临"));
    QCOMPARE(report.caption(QStringLiteral("labdjlx")), QStringLiteral("张三"));
    QCOMPARE(report.caption(QStringLiteral("labeltableno")), QStringLiteral("5"));
    QCOMPARE(report.caption(QStringLiteral("labmxczy")), QStringLiteral("0000000012"));
    QCOMPARE(report.caption(QStringLiteral("labtf")).split(QLatin1Char('\n')),
             (QStringList{QStringLiteral("开始时间 06日18:43:00"), QStringLiteral("结束时间 06日20:30:00"),
                          QStringLiteral("所用时间 1:47 折扣率:8"), QStringLiteral("台球消费 16 元")}));
    QCOMPARE(report.caption(QStringLiteral("labdh")), QStringLiteral("电话:0571-88886666"));
    QCOMPARE(report.caption(QStringLiteral("labdz")), QStringLiteral("地址:解放路8号"));
    QCOMPARE(report.rows, (QList<QStringList>{{QStringLiteral("可乐"), QStringLiteral("2"), QStringLiteral("10")},
                                              {QStringLiteral("香烟"), QStringLiteral("1"), QStringLiteral("15.5")}}));
}

void TestReceiptLayouts::reportTotalWithDeposit_data()
{
    QTest::addColumn<double>("deposit");
    QTest::addColumn<QString>("total");
    QTest::newRow("no deposit") << 0.0 << QStringLiteral("总计:41.5");
    QTest::newRow("deposit") << 50.0 << QStringLiteral("总计:41.5押金:50 找零:8.5");
}

void TestReceiptLayouts::reportTotalWithDeposit()
{
    QFETCH(double, deposit);
    QFETCH(QString, total);
    Receipt receipt = sampleReceipt();
    receipt.deposit = deposit;
    QCOMPARE(Report_zd(receipt).caption(QStringLiteral("label14")), total);
}

void TestReceiptLayouts::outputs_data()
{
    using Outputs = QList<ReceiptOutput>;
    QTest::addColumn<QString>("printerType");
    QTest::addColumn<bool>("printPressed");
    QTest::addColumn<Outputs>("outputs");
    QTest::newRow("1 receipt printer") << QStringLiteral("1") << true << Outputs{ReceiptOutput::Zdprint};
    QTest::newRow("0 report") << QStringLiteral("0") << true << Outputs{ReceiptOutput::ptprint};
    QTest::newRow("2 system printer") << QStringLiteral("2") << true << Outputs{ReceiptOutput::ptprint40};
    QTest::newRow("3 receipt printer, then report")
        << QStringLiteral("3") << true << Outputs{ReceiptOutput::Zdprint, ReceiptOutput::ptprint};
    QTest::newRow("other report") << QStringLiteral("7") << true << Outputs{ReceiptOutput::ptprint};
    QTest::newRow("empty report") << QString() << true << Outputs{ReceiptOutput::ptprint};
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
