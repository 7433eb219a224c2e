#pragma once

#include "core/base/AppState.h"
#include "core/base/Result.h"
#include "core/billing/BandSplit.h"
#include "core/billing/RateBands.h"

#include <QDateTime>
#include <QHash>
#include <QString>

#include <utility>

class MinimumRules;

// What pricing the tables in use needs besides their visits: their bands,
// their minimum rules and the rates of their cards, read in three statements
// for all of them, so that a board of many tables costs no statement a
// table; and the moment they are all priced at.
class HallRates
{
public:
    Result load(const QSqlDatabase& db, const QDateTime& now);

private:
    friend class RunningCharge;

    QHash<qint16, RateBands> m_bands;
    QHash<qint16, std::pair<float, float>> m_minimums; // billing unit (zxjffz), minimum minutes (zdxffz)
    QHash<QString, RateKind> m_cards;                  // by the card as its visit holds it
    QDateTime m_now;
};

// The running time charge of a table's open visit, from its stored start to
// the present moment of the clock. Set the card (empty for a cash guest) and
// the table, call compute, read the amounts. The state must outlive the object.
class RunningCharge
{
public:
    explicit RunningCharge(const AppState& state);

    const QString& card() const { return m_card; }
    void setCard(const QString& cardNumber) { m_card = cardNumber; }
    const QString& table() const { return m_table; }
    void setTable(const QString& table) { m_table = table; }

    // Prices the open visit of the table as splitVisit cuts it, at the rates as
    // stored; without an open visit nothing changes. Across a rate change the
    // front and back amounts go to frontAmount/backAmount, which a one-segment charge
    // leaves as they were. A failure is returned for the screen to show; all
    // three amounts then keep their values.
    Result compute();
    // compute() for the visit of the table started at `start`, from rates read
    // before and at their moment; only a card they do not hold is read here.
    Result compute(const HallRates& rates, const QDateTime& start);

    float total() const { return m_total; }
    float frontAmount() const { return m_frontAmount; }
    float backAmount() const { return m_backAmount; }

private:
    // The rates the card pays: non-member without a card, none for an unknown card.
    ResultOf<RateKind> rateKind() const;
    Result price(const RateBands& bands, MinimumRules& rules, const QDateTime& start, const QDateTime& now,
                 RateKind kind);
    // The segment's amount at its rate.
    ResultOf<float> priceSegment(MinimumRules& rules, const SplitSegment& segment) const;

    const AppState& m_state;
    QString m_card;
    QString m_table;
    float m_total = 0;
    float m_frontAmount = 0;
    float m_backAmount = 0;
};
