#include "ui/printing/SpreadsheetExport.h"

#include "core/base/Clock.h"
#include "core/base/DateText.h"
#include "core/base/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace SpreadsheetExport {

namespace {

Chooser& chooser()
{
    static Chooser installed;
    return installed;
}

// Where the last file was saved, proposed again for the next one. A new
// user may have no Documents folder yet, and the file dialog would then open
// in the folder the program was started from, often one nobody may write.
QString& lastFolder()
{
    static QString folder = [] {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QDir(documents).exists() ? documents : QDir::homePath();
    }();
    return folder;
}

QString suffixOf(SpreadsheetFile::Format format)
{
    return format == SpreadsheetFile::Format::Csv ? QStringLiteral("csv") : QStringLiteral("xlsx");
}

Choice askWithDialog(const QString& proposedPath, QWidget* parent)
{
    const QString workbook = QCoreApplication::translate("SpreadsheetExport", "Excel 工作簿 (*.xlsx)");
    const QString csv = QCoreApplication::translate("SpreadsheetExport", "CSV (逗号分隔) (*.csv)");
    QFileDialog dialog(parent, caption(), proposedPath);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({workbook, csv});
    dialog.setDefaultSuffix(suffixOf(SpreadsheetFile::Format::Xlsx));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, csv](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(filter == csv ? SpreadsheetFile::Format::Csv : SpreadsheetFile::Format::Xlsx));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    Choice choice{dialog.selectedFiles().constFirst(),
                  dialog.selectedNameFilter() == csv ? SpreadsheetFile::Format::Csv : SpreadsheetFile::Format::Xlsx};
    // A name typed with the other type's suffix is saved as that type.
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == suffixOf(SpreadsheetFile::Format::Csv))
        choice.format = SpreadsheetFile::Format::Csv;
    else if (suffix == suffixOf(SpreadsheetFile::Format::Xlsx))
        choice.format = SpreadsheetFile::Format::Xlsx;
    return choice;
}

} // namespace

void setChooser(Chooser chooser)
{
    SpreadsheetExport::chooser() = std::move(chooser);
}

QString caption()
{
    return QCoreApplication::translate("SpreadsheetExport", "导出 Excel");
}

QString fileName(const QString& report, const QDate& from, const QDate& to)
{
    QString name;
    // Characters no file system of the hall's computers takes in a name.
    for (const QChar c : report) {
        if (!QStringLiteral("\\/:*?\"<>|").contains(c) && !c.isSpace())
            name.append(c);
    }
    const QDate first = from.isValid() ? from : Clock::today();
    name += QLatin1Char('_') + DateText::date(first);
    if (to.isValid() && to != first)
        name += QLatin1Char('_') + DateText::date(to);
    return name;
}

bool offer(const ReportDocument& document, const QString& fileName, QWidget* parent)
{
    const QString proposed =
        QDir(lastFolder()).filePath(fileName + QLatin1Char('.') + suffixOf(SpreadsheetFile::Format::Xlsx));
    const Choice choice = chooser() ? chooser()(proposed, parent) : askWithDialog(proposed, parent);
    if (choice.path.isEmpty())
        return false;
    lastFolder() = QFileInfo(choice.path).absolutePath();
    const Result written = SpreadsheetFile::write(document, choice.path, choice.format);
    if (!written) {
        Messages::critical(written.message());
        return false;
    }
    return true;
}

} // namespace SpreadsheetExport
