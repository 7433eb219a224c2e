#pragma once

#include "core/base/ShownText.h"
#include "core/billing/Checkout.h"
#include "core/printing/Receipt.h"

struct AppState;

inline constexpr ShownText ProvisionalHeading = {"CheckoutReceipt",
                                                 QT_TRANSLATE_NOOP("CheckoutReceipt", "预结单（非正式收据）")};

// The receipt of a settled bill, with the deposit the guest paid at opening.
Receipt checkoutReceipt(const AppState& state, const Checkout::Bill& bill, double deposit);

// The receipt of a quoted bill: the checkout's, headed as settling nothing
// and showing each segment, so that the guest sees what the checkout would
// take now.
Receipt provisionalReceipt(const AppState& state, const Checkout::Bill& bill, double deposit);
