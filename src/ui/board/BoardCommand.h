#pragma once

// The board's commands, each on a toolbar button and most on a menu item of
// the business menu as well. Unlock and AutoPrint reach the dispatch from
// their buttons but do nothing there: unlocking happens on the lock screen,
// and the print button is a switch the checkout reads.
enum class BoardCommand
{
    StartTiming,
    Checkout,
    ProvisionalBill,
    Transfer,
    Sale,
    Lock,
    Unlock,
    Refresh,
    ShowBackground,
    AutoPrint,
    Reminder,
    Deposit,
    Swap,
};
