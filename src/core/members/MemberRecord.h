#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// A member row (user_lb) as the member form reads and writes it, and the
// account-opening record that every save of the form leaves in srmx. The
// member row and its opening row are written together or not at all.
namespace MemberRecord {

// What the boxes accept: a card reader's number and an identity number
// (18) or a mobile number fit with room to spare; nothing longer is meant.
inline constexpr int CardLength = 32;
inline constexpr int MobileLength = 20;

// The form's boxes as typed; the numbers and dates still unchecked.
struct Typed
{
    QString khao, yhm, mm, sfzh, csrc, xb, zz, yk, js, zt, yxrc, zk, jbr, bz, klx;
    bool hybj = false;
};

// The box a refusal points at, numbered as the form's text boxes.
enum Box
{
    Card = 0,
    Name = 1,
    Birth = 5,
    Balance = 7,
    Time = 8,
    Validity = 10,
    Discount = 11
};

struct Saved
{
    Result result = Result::success();
    // A refusal: what to tell, the box to correct and whether its typing
    // is to be cleared. Nothing has been written.
    Notice refusal;
    int box = -1;
    bool clearBox = false;

    bool done() const { return result && refusal.isEmpty(); }
};

// Who opens the account and on which business day.
struct Opening
{
    QDate rc;
    QString czyname;
};

// Checks the typed row and saves it with its "开户" record in one
// transaction. An empty `originalCard` adds a member; otherwise the member
// read under that card is updated (a changed card number moves the row),
// its balance and time are left as they are and the opening row carries
// them. A card number held by another member, in any letter case, is
// refused.
Saved save(QSqlDatabase& db, const Opening& opening, const Typed& typed, const QString& originalCard);

// card_check: whether no member other than the one read under
// `originalCard` holds the card, compared as the card lookup compares.
Result isCardFree(const QSqlDatabase& db, const QString& card, const QString& originalCard, bool* free);

// Whether a typed validity date is a date after today by the program's clock.
bool isFutureDate(const QString& typed);

} // namespace MemberRecord
