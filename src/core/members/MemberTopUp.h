#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QString>

struct AppState;

// Money put onto a member's card at the counter.
namespace MemberTopUp {

// The deposit password the operator typed against the parameter, exactly:
// letter case and blanks count, and an empty parameter is matched by an
// empty password.
bool passwordMatches(const AppState& state, const QString& entered);

struct Request
{
    QString card;
    QString credited; // the amount put on the card, as typed
    QString paid;     // the amount the guest paid, as typed
};

struct Outcome
{
    Result result = Result::success();
    Notice refusal; // empty when the top-up was written
};

// Checks both amounts before anything is written (the credited amount a
// number above 0, the paid amount present and not below 0, both with at most
// cents and not above LargestAmount), then raises the member's balance by the credited amount and writes
// the "加款" recharge record with the business date and the operator, in one
// transaction. A member deleted meanwhile is refused and nothing is written.
Outcome topUp(AppState& state, const Request& request);

} // namespace MemberTopUp
