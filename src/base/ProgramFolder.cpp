#include "base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QPixmap programPicture(const QString& fileName)
{
    return QPixmap(QDir(programFolder()).filePath(fileName));
}
