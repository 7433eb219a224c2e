#pragma once

#include "core/base/Result.h"
#include "core/base/SettingsStore.h"

#include <QStringList>

// Where the start-up finds the database. A chosen location and a writable
// program folder (a development build) decide as resolveDbLocation does. An
// installed program cannot write beside itself, so without a chosen location
// its file is jssfserver.mdb in the user's data folder instead.
struct DbPlace
{
    DbLocation location;
    // The file is that default of the data folder and does not exist yet: it
    // is to be made from the shipped template, once the operator agrees.
    bool toMake = false;
};
DbPlace placeDatabase(const QString& path, const QString& data, const QString& programFolder,
                      bool programFolderWritable, const QString& dataFolder);

// The shipped empty database in the order it is looked for: the package's
// share folder beside bin/, then beside the program.
QStringList shippedTemplates(const QString& programFolder);

// Makes fullName, and its folder, as a copy of the first template that
// exists, readable by its owner only. Never replaces a file; a failed copy
// leaves no file behind.
Result makeFromTemplate(const QStringList& templates, const QString& fullName);
