#pragma once

#include "core/billing/RateBands.h"

#include <QList>
#include <QString>
#include <QVariant>

// A band row as the operator typed it into an editor's grid.
struct TypedBand
{
    QVariant id;         // null until the row is saved
    QString tableNumber; // the table; empty for a band of a scheme
    QString memberRate;
    QString nonMemberRate;
    QString start;
    QString end;
    QString billingUnits; // billing units; empty for a band of a scheme
};

// The values of a band that passed the check, ready to store.
struct CheckedBand
{
    int tableNumber = 0;
    QTime start;
    QTime end;
    double memberRate = 0;
    double nonMemberRate = 0;
    int billingUnits = 1;
};

// A band already saved for the same table or scheme.
struct SavedBand
{
    qint64 id = 0;
    RateBand band;
};

namespace BandCheck {

// A table's band carries its table and billing units; a scheme's band has
// neither until it is assigned.
enum class Owner
{
    Table,
    Scheme
};

// Why the band may not be saved, worded for the operator, or an empty text.
// `others` are the saved bands of the same table or scheme; the row itself is
// skipped by its id. Bands meet without overlapping when one ends where the
// next starts, since neither contains that second. On success *checked holds
// the values to store, rates exactly as typed.
QString refusal(Owner owner, const TypedBand& typed, const QList<SavedBand>& others, CheckedBand* checked);

} // namespace BandCheck
