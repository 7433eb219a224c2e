#include "ui/base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

bool programFolderWritable()
{
    return QFileInfo(programFolder()).isWritable();
}

QPixmap programPicture(const QString& fileName)
{
    return QPixmap(QDir(programFolder()).filePath(fileName));
}
