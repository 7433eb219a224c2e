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
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Closes every modal dialog as soon as it is up, noting its name.
class ModalCloser
{
public:
    ModalCloser()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_shown.append(dialog->objectName());
            dialog->reject();
        });
        m_timer.start(10);
    }

    const QStringList& shown() const { return m_shown; }

private:
    QTimer m_timer;
    QStringList m_shown;
};

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestReceiptPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aReceiptIsWrittenAsPdf();
    void longReportsRunOntoMorePages();
    void ptprint40CorrectsTheFontSize();
    void toggleOffPrintsNothing();
    void toggleOnPrintsTheReceiptAndPreviewsTheReport();
    void aPortThatCannotBeOpenedIsReported();
};

void TestReceiptPrinting::aReceiptIsWrittenAsPdf()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("receipt.pdf"));
    QVERIFY(ReportRenderer(Report_zd(sampleReceipt())).writePdf(fileName));
    const QByteArray pdf = readAll(fileName);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY2(pdf.size() > 2000, QByteArray::number(pdf.size()).constData());
    QCOMPARE(pageCount(pdf), 1);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return;
    QProcess process;
    process.start(pdftotext, {fileName, QStringLiteral("-")});
    QVERIFY(process.waitForFinished());
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"星光台球欢迎光临", "结束时间 06日20:30:00", "香烟", "总计:41.5押金:50 找零:8.5"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

void TestReceiptPrinting::longReportsRunOntoMorePages()
{
    ReportDocument report = Report_zd(sampleReceipt());
    for (int i = 0; i < 300; ++i)
        report.rows.append({QStringLiteral("可乐"), QString::number(i), QStringLiteral("5")});
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("long.pdf"));
    QVERIFY(ReportRenderer(report).writePdf(fileName));
    QVERIFY(pageCount(readAll(fileName)) > 1);
}

void TestReceiptPrinting::ptprint40CorrectsTheFontSize()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("ptprint40.pdf")));
    Parameters params;
    params.printer2FontSize = 12;
    QVERIFY(ptprint40(sampleReceipt(), params, printer));
    QCOMPARE(params.printer2FontSize, qint16(11));
    QVERIFY(readAll(printer.outputFileName()).startsWith("%PDF"));
}

void TestReceiptPrinting::toggleOffPrintsNothing()
{
    PortFile ports;
    ModalCloser closer;
    Parameters params;
    params.printerType = QStringLiteral("3");
    params.previewBill = true;
    QVERIFY(printReceipt(sampleReceipt(), false, params, ports.settings(), nullptr));
    QCoreApplication::processEvents();
    QVERIFY(ports.bytes().isEmpty());
    QVERIFY(closer.shown().isEmpty());
}

void TestReceiptPrinting::toggleOnPrintsTheReceiptAndPreviewsTheReport()
{
    TestClock clock;
    PortFile ports;
    ModalCloser closer;
    Parameters params;
    params.printerType = QStringLiteral("3");
    params.previewBill = true;
    QVERIFY(printReceipt(sampleReceipt(), true, params, ports.settings(), nullptr));
    QVERIFY(PortFile::printedLines(ports.bytes()).contains(QStringLiteral("合计:41.5元")));
    QCOMPARE(closer.shown(), QStringList{QStringLiteral("Report_zd")});
}

void TestReceiptPrinting::aPortThatCannotBeOpenedIsReported()
{
    PortFile ports;
    ports.pointAt(QStringLiteral("LPT1"), ports.path(QStringLiteral("missing")) + QStringLiteral("/LPT1"));
    Parameters params;
    params.printerType = QStringLiteral("1");
    const Result printed = printReceipt(sampleReceipt(), true, params, ports.settings(), nullptr);
    QVERIFY(!printed);
    QVERIFY(!printed.message().isEmpty());
}

QTEST_MAIN(TestReceiptPrinting)
#include "test_receipt_printing.moc"
