#pragma once

#include "core/base/Parameters.h"
#include "core/base/Result.h"

#include <QSqlDatabase>
#include <QStringList>

// Loads the general parameters from their rows. A value that does not
// convert to what its parameter needs keeps the starting value, and its
// name is listed in *wrongNames so that the operator can be told once.
// Reads only.
Result loadParameters(const QSqlDatabase& db, Parameters& params, QStringList* wrongNames);

// Puts right the help texts still as an earlier version shipped them wrong.
Result mendParameterHelpTexts(const QSqlDatabase& db);
