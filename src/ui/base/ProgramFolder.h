#pragma once

#include <QString>

// The folder the program was started from, where its pictures and, unless
// the settings say otherwise, its database live.
QString programFolder();

// Whether this user may write in the program folder: a development build
// may, an installed program may not. Root may write everywhere.
bool programFolderWritable();

// A picture file of the program folder; null when the file is missing or unreadable.
class QPixmap;
QPixmap programPicture(const QString& fileName);
