#pragma once

#include "core/base/Notice.h"
#include "core/base/Result.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlQueryModel;

// A member row (user_lb) as the member form reads and writes it, and the
// account-opening record that every save of the form leaves in srmx. The
// member row and its opening row are written together or not at all.
namespace MemberRecord {

// What the boxes accept: a card reader's number and an identity number
// (18) or a mobile number fit with room to spare; nothing longer is meant.
inline constexpr int CardLength = 32;
inline constexpr int MobileLength = 20;

// Every column of a member's row, in the table's order; named, since a
// server's table has one more that is no member's field.
inline const QString Columns = QStringLiteral(
    "khao, yhm, mm, klx, zt, xb, sfzh, csrc, yxrc, yk, js, zk, jslj, jelj, hybj, djsj, khrc, jbr, zz, bz, ct_dm");

// The form's boxes as typed; the numbers and dates still unchecked.
struct Typed
{
    QString card;          // khao
    QString name;          // yhm
    QString password;      // mm
    QString mobile;        // sfzh
    QString birth;         // csrc
    QString sex;           // xb, stored in Chinese
    QString address;       // zz
    QString balance;       // yk
    QString time;          // js
    QString state;         // zt, stored in Chinese
    QString validity;      // yxrc
    QString discount;      // zk
    QString agent;         // jbr, who signed the member up
    QString note;          // bz
    QString cardType;      // klx
    bool isMember = false; // hybj
};

// The box a refusal points at.
enum class Field
{
    None,
    Card,
    Name,
    Birth,
    Balance,
    Time,
    Validity,
    Discount
};

struct Saved
{
    Result result = Result::success();
    // A refusal: what to tell, the box to correct and whether its typing
    // is to be cleared. Nothing has been written.
    Notice refusal;
    Field field = Field::None;
    bool clearBox = false;

    bool done() const { return result && refusal.isEmpty(); }
};

// Who opens the account and on which business day.
struct Opening
{
    QDate businessDate;
    QString operatorName;
};

// The member stored under `card` (exactly as stored), every column, for the
// form to show; no row when the card is gone.
Result read(const QSqlDatabase& db, const QString& card, QSqlQueryModel* model);

// The names (yhm) of the members holding the given cards (exactly as
// stored), by card, in one statement; a card no member holds is left out.
ResultOf<QHash<QString, QString>> holderNames(const QSqlDatabase& db, const QStringList& cards);

// The card types the form offers, as the klx table lists them.
ResultOf<QStringList> cardTypes(const QSqlDatabase& db);

// Checks the typed row and saves it with its "开户" record in one
// transaction. An empty `originalCard` adds a member; otherwise the member
// read under that card is updated (a changed card number moves the row),
// its balance and time are left as they are and the opening row carries
// them. A card number held by another member, in any letter case, is
// refused.
Saved save(QSqlDatabase& db, const Opening& opening, const Typed& typed, const QString& originalCard);

// Whether no member other than the one read under
// `originalCard` holds the card, compared as the card lookup compares.
ResultOf<bool> isCardFree(const QSqlDatabase& db, const QString& card, const QString& originalCard);

// Whether a typed validity date is a date after today by the program's clock.
bool isFutureDate(const QString& typed);

} // namespace MemberRecord
