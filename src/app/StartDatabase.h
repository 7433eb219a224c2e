#pragma once

#include "core/base/Result.h"
#include "core/base/SettingsStore.h"

#include <QSqlDatabase>

#include <optional>

// Where the program's database is at start. When it is the user's default
// file in the data folder and does not exist yet, the operator is asked
// whether to make it from the shipped template, and it is made on Yes.
// No location when the operator said No or the file could not be made (the
// operator has been told why); nothing is made then.
std::optional<DbLocation> startDatabase(const QString& path, const QString& data, const QString& programFolder,
                                        bool programFolderWritable);

// Opens the hall's database on the server under the program's connection.
// When libpq finds no password, or a wrong one, in its usual places, the
// operator is asked once. Nothing when the operator left the prompt.
std::optional<Result> startServer(const ServerPlace& place, QSqlDatabase* db);
