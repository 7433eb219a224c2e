#include "core/base/DesktopCalculator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace DesktopCalculator {

QString find(const QString& programFolder)
{
    const QFileInfo own(QDir(programFolder).filePath(QStringLiteral("calc")));
    if (own.isFile() && own.isExecutable())
        return own.absoluteFilePath();
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool start(const QString& programFolder)
{
    const QString program = find(programFolder);
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

} // namespace DesktopCalculator
