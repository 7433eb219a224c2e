#include "PortFile.h"
#include "SampleReceipt.h"
#include "core/base/Parameters.h"
#include "core/printing/BillReport.h"
#include "core/printing/PrinterPort.h"
#include "support/PdfText.h"
#include "support/TestClock.h"
#include "ui/printing/ReceiptPrinting.h"
#include "ui/printing/ReportRenderer.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestReceiptPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pdfText_data();
    void pdfText();
    void printReceipt_data();
    void printReceipt();
};

void TestReceiptPrinting::pdfText_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("manyPages");
    QTest::newRow("bill")
        << QStringLiteral("billReport")
        << QStringLiteral("结束时间 06日20:30:00|所用时间|台球消费 16 元|香烟|15.5|金额|总计:41.5押金:50 找零:8.5")
        << false;
    QTest::newRow("system printer") << QStringLiteral("ptprint40")
                                    << QStringLiteral("结束时间20:30:00|所用时间1:47|折扣8台球消费16元|找零8.5")
                                    << false;
    QTest::newRow("a bill longer than a page") << QStringLiteral("long") << QStringLiteral("299") << true;
}

// What the PDF's text layer gives back, as a search would find it. The
// screens' font is set as the program sets it: its glyphs shared with the
// Kangxi radicals once made 日 read back as ⽇.
void TestReceiptPrinting::pdfText()
{
    QFETCH(QString, layout);
    QFETCH(QString, expected);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC")));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("receipt.pdf")));
    ReportDocument report = billReport(sampleReceipt());
    if (layout == QLatin1String("ptprint40")) {
        Parameters params;
        params.printer2FontSize = 12;
        QVERIFY(printReceiptLines(sampleReceipt(), params, printer));
        QCOMPARE(params.printer2FontSize, qint16(11));
    } else {
        for (int i = 0; layout == QLatin1String("long") && i < 300; ++i)
            report.rows.append({QStringLiteral("可乐"), QString::number(i), QStringLiteral("5")});
        QVERIFY(ReportRenderer(report).writePdf(printer.outputFileName()));
    }

    const QString text = pdfFileText(printer.outputFileName(), false);
    for (const QString& drawn : expected.split(QLatin1Char('|')))
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
    QTEST(text.count(QLatin1Char('\f')) > 1, "manyPages");
}

void TestReceiptPrinting::printReceipt_data()
{
    QTest::addColumn<QString>("printerType");
    QTest::addColumn<QString>("port");    // a file, a missing device, a FIFO nobody reads or one that is read
    QTest::addColumn<QString>("failure"); // empty: the receipt reaches the port
    QTest::addColumn<QStringList>("previews");
    const QStringList preview = {QStringLiteral("billReport")};
    QTest::newRow("receipt, then preview") << QStringLiteral("3") << QStringLiteral("file") << QString() << preview;
    QTest::newRow("a missing device") << QStringLiteral("1") << QStringLiteral("missing") << QStringLiteral("不存在")
                                      << QStringList();
    QTest::newRow("a printer that is off, then the preview")
        << QStringLiteral("3") << QStringLiteral("fifo") << QStringLiteral("没有设备在接收") << preview;
    QTest::newRow("a printer that takes the bytes")
        << QStringLiteral("1") << QStringLiteral("fifo read") << QString() << QStringList();
}

// Off the screen's thread, whatever the port does: each output reports back, a
// failure naming port, device and cause. A reprint sends the very same bytes.
void TestReceiptPrinting::printReceipt()
{
    QFETCH(QString, printerType);
    QFETCH(QString, port);
    QFETCH(QString, failure);
    QFETCH(QStringList, previews);
    TestClock clock;
    PortFile ports;
    if (port == QLatin1String("missing"))
        ports.breakPort(QStringLiteral("LPT1"));
    else if (port != QLatin1String("file"))
        ports.pointAtFifo(QStringLiteral("LPT1"));
    const QString device = PrinterPort::devicePaths(ports.settings()).value(QStringLiteral("LPT1"));
    QFile reader;
    if (port == QLatin1String("fifo read"))
        QVERIFY(PortFile::openReader(reader, device));
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown.append(dialog->objectName());
            dialog->reject();
        }
    });
    closer.start(10);
    Parameters params;
    params.printerType = printerType;
    params.previewBill = true;
    ReceiptPrinter printer(params, nullptr);
    QStringList failures;
    int done = 0;
    QObject::connect(&printer, &ReceiptPrinter::printed, [&](const Result& result) {
        failures += result.message();
        done += 1;
    });
    printer.reprint(ports.settings()); // before any bill: there is none
    Receipt receipt = sampleReceipt();
    receipt.operatorName = QStringLiteral("张\x1B@三\x07\u200B"); // no commands for the printer
    printer.print(receipt, true, ports.settings());
    clock.advanceMinutes(10);
    printer.reprint(ports.settings());
    QTRY_COMPARE_WITH_TIMEOUT(done, 1 + 2 * (1 + previews.size()), 30000);

    QCOMPARE(shown, previews + previews);
    failures.removeAll(QString());
    QVERIFY(failures.takeFirst().startsWith(QStringLiteral("没有可以重打的小票")));
    QCOMPARE(failures.size(), failure.isEmpty() ? 0 : 2);
    for (const QString& message : failures)
        QVERIFY2(message.contains(QStringLiteral("LPT1（") + device) && message.contains(failure), qPrintable(message));
    const QByteArray bytes = reader.isOpen() ? reader.readAll() : ports.bytes();
    const QByteArray first = bytes.left(bytes.size() / 2);
    QCOMPARE(bytes, first + first);
    QCOMPARE(PortFile::printedLines(first).contains(QStringLiteral("营业员:张@三")), failure.isEmpty());
}

QTEST_MAIN(TestReceiptPrinting)
#include "test_receipt_printing.moc"
