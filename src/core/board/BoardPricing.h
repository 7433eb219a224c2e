#pragma once

#include "core/base/Result.h"
#include "core/board/BoardModel.h"

struct AppState;

// The board's total column: each table's running time charge as RunningCharge
// prices it for the checkout, at the refresh's moment, from the rates of
// the tables in use read once a refresh. Rates that cannot be read leave every total of that refresh
// empty. The state must outlive the pricing.
BoardModel::Pricing boardPricing(const AppState& state);

// The running time charge of the table's open visit now, as the checkout
// prices it, from rates read for this table alone.
ResultOf<float> runningCharge(const AppState& state, const BoardRow& table);
