#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

// The shared error reporter: a critical message built from the error. A
// fault of the database file or its place names its cause; the database's
// general failure reads as bad data; anything else names its number and ends
// the operator's action.
void showError(qint64 number, const QString& description);
void showError(const Result& error);

// Shows what stopped a command that can fail or be refused: the error, else
// the refusal. False when neither stopped it and nothing was shown.
bool showStopped(const Result& result, const Notice& refusal);

// The text showError shows, for screens that word it into a larger message.
QString errorText(qint64 number, const QString& description);
