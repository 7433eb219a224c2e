#include "PortFile.h"
#include "SampleReceipt.h"
#include "base/Parameters.h"
#include "printing/ReceiptPrinting.h"
#include "printing/ReportRenderer.h"
#include "printing/Report_zd.h"
#include "support/TestClock.h"

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
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
    void reprint();
};

void TestReceiptPrinting::pdfText_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("manyPages");
    QTest::newRow("bill")
        << QStringLiteral("Report_zd")
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
    QFETCH(bool, manyPages);
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext is missing: install poppler-utils (scripts/deps.sh lists it)");
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC")));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("receipt.pdf")));
    ReportDocument report = Report_zd(sampleReceipt());
    if (layout == QLatin1String("ptprint40")) {
        Parameters params;
        params.printer2FontSize = 12;
        QVERIFY(ptprint40(sampleReceipt(), params, printer));
        QCOMPARE(params.printer2FontSize, qint16(11));
    } else {
        for (int i = 0; layout == QLatin1String("long") && i < 300; ++i)
            report.rows.append({QStringLiteral("可乐"), QString::number(i), QStringLiteral("5")});
        QVERIFY(ReportRenderer(report).writePdf(printer.outputFileName()));
    }

    QProcess process;
    process.start(pdftotext, {printer.outputFileName(), QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& drawn : expected.split(QLatin1Char('|')))
        QVERIFY2(text.contains(drawn), qPrintable(drawn + QStringLiteral(" is not in:\n") + text));
    QCOMPARE(text.count(QLatin1Char('\f')) > 1, manyPages);
}

namespace {

// Counts the outputs a printer reports and keeps the failures' texts.
struct Outcomes
{
    explicit Outcomes(ReceiptPrinter& printer)
    {
        QObject::connect(&printer, &ReceiptPrinter::printed, [this](const Result& result) {
            ++done;
            if (!result)
                failures.append(result.message());
        });
    }

    int done = 0;
    QStringList failures;
};

// The longest any output may take: the receipt printer's timeout, with room
// for a slow machine.
constexpr int PrinterWait = 30000;

} // namespace

void TestReceiptPrinting::printReceipt_data()
{
    QTest::addColumn<QString>("printerType");
    QTest::addColumn<QString>("port"); // a file, a missing device, a FIFO nobody reads or one that is read
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("printedLine"); // empty: nothing reaches the port
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QStringList>("previews");
    const QString total = QStringLiteral("合计:41.5元");
    const QString clerk = QStringLiteral("张三");
    QTest::newRow("receipt, then preview") << QStringLiteral("3") << QStringLiteral("file") << clerk << total
                                           << QString() << QStringList{QStringLiteral("Report_zd")};
    QTest::newRow("a missing device") << QStringLiteral("1") << QStringLiteral("missing") << clerk << QString()
                                      << QStringLiteral("不存在") << QStringList();
    QTest::newRow("a printer that is off, then the preview")
        << QStringLiteral("3") << QStringLiteral("fifo") << clerk << QString() << QStringLiteral("没有设备在接收")
        << QStringList{QStringLiteral("Report_zd")};
    QTest::newRow("a printer that takes the bytes")
        << QStringLiteral("1") << QStringLiteral("fifo read") << clerk << total << QString() << QStringList();
    QTest::newRow("ESC and BEL in a name are no commands")
        << QStringLiteral("1") << QStringLiteral("file") << QStringLiteral("张\x1B@三\x07\u200B")
        << QStringLiteral("营业员:张@三") << QString() << QStringList();
}

// The bill is printed off the screen's thread: whatever the port does, the
// outputs report back, a failure naming the port, its device and the cause.
void TestReceiptPrinting::printReceipt()
{
    QFETCH(QString, printerType);
    QFETCH(QString, port);
    QFETCH(QString, operatorName);
    QFETCH(QString, printedLine);
    QFETCH(QString, failure);
    QFETCH(QStringList, previews);
    PortFile ports;
    QString device = ports.path(QStringLiteral("LPT1"));
    if (port == QLatin1String("missing")) {
        ports.breakPort(QStringLiteral("LPT1"));
        device = ports.path(QStringLiteral("missing")) + QStringLiteral("/LPT1");
    } else if (port.startsWith(QLatin1String("fifo"))) {
        device = ports.pointAtFifo(QStringLiteral("LPT1"));
    }
    std::optional<FifoReader> reader;
    if (port == QLatin1String("fifo read"))
        reader.emplace(device);
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
    Outcomes outcomes(printer);
    Receipt receipt = sampleReceipt();
    receipt.operatorName = operatorName;
    printer.print(receipt, true, ports.settings());
    QTRY_COMPARE_WITH_TIMEOUT(outcomes.done, 1 + previews.size(), PrinterWait);

    QCOMPARE(shown, previews);
    if (failure.isEmpty()) {
        QCOMPARE(outcomes.failures, QStringList());
    } else {
        QCOMPARE(outcomes.failures.size(), 1);
        for (const QString& part : QStringList{QStringLiteral("LPT1（") + device + QStringLiteral("）"), failure})
            QVERIFY2(outcomes.failures.first().contains(part), qPrintable(outcomes.failures.first()));
    }
    const QByteArray bytes = reader ? reader->readAll() : ports.bytes();
    QCOMPARE(PortFile::printedLines(bytes).contains(printedLine), !printedLine.isEmpty());
    if (!printedLine.isEmpty())
        QCOMPARE(bytes.count('\x1B') + bytes.count('\x07'), 3); // the printer's own three commands
}

// A reprint sends the very bytes of the first print, however much later;
// before any bill it prints nothing and says so.
void TestReceiptPrinting::reprint()
{
    TestClock clock;
    PortFile ports;
    Parameters params;
    params.printerType = QStringLiteral("1");
    ReceiptPrinter printer(params, nullptr);
    Outcomes outcomes(printer);
    printer.reprint(ports.settings());
    QCOMPARE(outcomes.failures.size(), 1);

    printer.print(sampleReceipt(), true, ports.settings());
    QTRY_COMPARE_WITH_TIMEOUT(outcomes.done, 2, PrinterWait);
    const QByteArray first = ports.bytes();
    QVERIFY(PortFile::printedLines(first).contains(QStringLiteral("合计:41.5元")));
    clock.advanceMinutes(10);
    printer.reprint(ports.settings());
    QTRY_COMPARE_WITH_TIMEOUT(outcomes.done, 3, PrinterWait);
    QCOMPARE(outcomes.failures.size(), 1);
    QCOMPARE(ports.bytes(), first + first);
}

QTEST_MAIN(TestReceiptPrinting)
#include "test_receipt_printing.moc"
