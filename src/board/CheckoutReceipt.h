#pragma once

#include "billing/Checkout.h"
#include "printing/Receipt.h"

struct AppState;

// The receipt of a settled bill, with the deposit the guest paid at opening.
Receipt checkoutReceipt(const AppState& state, const Checkout::Bill& bill, double deposit);
