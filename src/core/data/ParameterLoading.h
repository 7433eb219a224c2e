#pragma once

#include "core/base/Parameters.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QStringList>

// Loads the general parameters from their rows. A value that does not
// convert to what its parameter needs keeps the starting value; the names
// of those values are the answer, each once, so that the operator can be
// told once. Reads only.
ResultOf<QStringList> loadParameters(const QSqlDatabase& db, Parameters& params);

// Puts right the help texts still as an earlier version shipped them wrong.
Result mendParameterHelpTexts(const QSqlDatabase& db);
