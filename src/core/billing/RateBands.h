#pragma once

#include "core/base/Result.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QTime>

#include <optional>

class QSqlQuery;

// Which of a band's two rates a guest pays; None prices the time at 0.
enum class RateKind
{
    Member,
    NonMember,
    None
};

// One time-of-day band of a table, rates in money per hour.
struct RateBand
{
    QTime start;
    QTime end;
    float memberRate = 0;
    float nonMemberRate = 0;

    float rate(RateKind kind) const;
};

// The bands of one table in id order, so that of several bands containing a
// time the one written first wins, whatever order the database returns.
class RateBands
{
public:
    // A band whose start or end does not read as a time of day contains no
    // time, as a null would in a comparison.
    Result load(const QSqlDatabase& db, qint16 tableNumber);
    // The bands of every table in use by table, in one statement; a table
    // without bands has no entry, which prices as an empty load does.
    static ResultOf<QHash<qint16, RateBands>> loadInUse(const QSqlDatabase& db);

    // The first band with start < time < end, to the second: a boundary second
    // belongs to no band, and a band across midnight contains nothing.
    std::optional<RateBand> inForce(const QTime& timeOfDay) const;

private:
    // A row of kssj, jssj, hybz, fhybz from the given column on; each time
    // text is parsed once per cache, parsing being dear.
    void append(const QSqlQuery& query, int column, QHash<QString, std::optional<QTime>>* times);

    QList<RateBand> m_bands;
};
