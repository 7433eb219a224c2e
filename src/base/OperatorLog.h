#pragma once

#include "base/Result.h"

struct AppState;

// The operator log: a row when a management screen opens, closed when it
// closes. Tags run from 0, each the largest so far plus one.
Result czyrz_add(const AppState& state, const QString& czyxm);

// Closes every open row of that operator for that screen.
Result czyrz_close(const AppState& state, const QString& czyname, const QString& czyxm);
