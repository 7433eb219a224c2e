#pragma once

#include <QString>

// The folder the program was started from, where its pictures and, unless
// the settings say otherwise, its database live.
QString programFolder();

// A picture file of the program folder; null when the file is missing or unreadable.
class QPixmap;
QPixmap programPicture(const QString& fileName);
