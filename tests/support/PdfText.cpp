#include "support/PdfText.h"

#include "core/printing/ReportDocument.h"
#include "ui/printing/ReportRenderer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

QString pdfText(const ReportDocument& report)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    if (!ReportRenderer(report).writePdf(pdf))
        return QStringLiteral("the PDF could not be written");
    return pdfFileText(pdf);
}

QString pdfFileText(const QString& pdf, bool keepLayout)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return QStringLiteral("pdftotext is missing: install poppler-utils (scripts/deps.sh lists it)");
    QProcess process;
    process.start(pdftotext, keepLayout ? QStringList{QStringLiteral("-layout"), pdf, QStringLiteral("-")}
                                        : QStringList{pdf, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}
