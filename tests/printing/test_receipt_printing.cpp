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

void TestReceiptPrinting::printReceipt_data()
{
    QTest::addColumn<QString>("printerType");
    QTest::addColumn<bool>("portThere");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QStringList>("previews");
    QTest::newRow("receipt, then preview")
        << QStringLiteral("3") << true << true << QStringList{QStringLiteral("Report_zd")};
    QTest::newRow("a port that cannot be opened") << QStringLiteral("1") << false << false << QStringList();
}

void TestReceiptPrinting::printReceipt()
{
    QFETCH(QString, printerType);
    QFETCH(bool, portThere);
    QFETCH(bool, printed);
    QFETCH(QStringList, previews);
    TestClock clock;
    PortFile ports;
    if (!portThere)
        ports.breakPort(QStringLiteral("LPT1"));
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
    const Result result = ::printReceipt(sampleReceipt(), true, params, ports.settings(), nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(bool(result), printed);
    QCOMPARE(result.message().isEmpty(), printed);
    QCOMPARE(PortFile::printedLines(ports.bytes()).contains(QStringLiteral("合计:41.5元")), portThere);
    QCOMPARE(shown, previews);
}

QTEST_MAIN(TestReceiptPrinting)
#include "test_receipt_printing.moc"
