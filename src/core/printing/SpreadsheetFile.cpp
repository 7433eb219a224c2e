#include "core/printing/SpreadsheetFile.h"

#include "core/printing/SpreadsheetCells.h"
#include "core/printing/SpreadsheetCsv.h"
#include "core/printing/SpreadsheetXlsx.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace SpreadsheetFile {

namespace {

Result notOpened(const QString& path)
{
    return Result::failure(
        QCoreApplication::translate("SpreadsheetFile",
                                    "文件没有保存：不能在文件夹“%1”里写文件。文件夹可能不存在、没有写入权限或者已满。")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
        Result::DiskError);
}

Result notWritten(const QString& path)
{
    return Result::failure(QCoreApplication::translate(
                               "SpreadsheetFile", "文件“%1”没有保存：写入时出错，磁盘可能已满。原来的文件没有改动。")
                               .arg(QDir::toNativeSeparators(path)),
                           Result::DiskFull);
}

Result notReplaced(const QString& path)
{
    return Result::failure(
        QCoreApplication::translate("SpreadsheetFile",
                                    "文件“%1”没有保存：不能替换同名的文件，它可能正被别的程序使用或者是只读的。")
            .arg(QDir::toNativeSeparators(path)),
        Result::DiskError);
}

Result writeCsv(const SpreadsheetCells::Sheet& sheet, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QFileInfo(path).exists() ? notReplaced(path) : notOpened(path);
    const QByteArray bytes = SpreadsheetCsv::text(sheet);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return notWritten(path);
    }
    if (!file.commit())
        return file.error() == QFileDevice::RenameError ? notReplaced(path) : notWritten(path);
    return Result::success();
}

// libxlsxwriter writes to a name of its own: a new one in the same folder,
// renamed over the chosen one, which replaces it in one step.
Result writeXlsx(const SpreadsheetCells::Sheet& sheet, const QString& path)
{
    QTemporaryFile part(QFileInfo(path).absolutePath() + QStringLiteral("/.tavoro-XXXXXX.xlsx"));
    if (!part.open())
        return notOpened(path);
    part.close();
    if (!SpreadsheetXlsx::write(sheet, part.fileName()))
        return notWritten(path);
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return notReplaced(path);
    part.setAutoRemove(false);
    // The part was made readable by its owner only; the saved file is read
    // by whoever the folder lets.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ReadOther);
    return Result::success();
}

} // namespace

Result write(const ReportDocument& document, const QString& path, Format format)
{
    const SpreadsheetCells::Sheet sheet = SpreadsheetCells::sheet(document);
    return format == Format::Csv ? writeCsv(sheet, path) : writeXlsx(sheet, path);
}

} // namespace SpreadsheetFile
