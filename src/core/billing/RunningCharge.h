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
    QHash<qint16, std::pair<float, float>> m_minimums; // zxjffz, zdxffz
    QHash<QString, RateKind> m_cards;                  // by the card as its visit holds it
    QDateTime m_now;
};

// The running time charge of a table's open visit, from its stored start to
// the present moment of the clock. Set strkh (empty for a cash guest) and
// strZh, call GETJe, read the amounts. The state must outlive the object.
class RunningCharge
{
public:
    explicit RunningCharge(const AppState& state);

    const QString& strkh() const { return m_strkh; }
    void setStrkh(const QString& cardNumber) { m_strkh = cardNumber; }
    const QString& strZh() const { return m_strZh; }
    void setStrZh(const QString& table) { m_strZh = table; }

    // Prices the open visit of strZh as splitVisit cuts it, at the rates as
    // stored; without an open visit nothing changes. Across a rate change the
    // front and back amounts go to intQdje/intHdje, which a one-segment charge
    // leaves as they were. A failure is returned for the screen to show; all
    // three amounts then keep their values.
    Result GETJe();
    // GETJe for the visit of strZh started at `start`, from rates read
    // before and at their moment; only a card they do not hold is read here.
    Result GETJe(const HallRates& rates, const QDateTime& start);

    float intzje() const { return m_intzje; }
    float intQdje() const { return m_intQdje; }
    float intHdje() const { return m_intHdje; }

private:
    // The rates strkh pays: non-member without a card, none for an unknown card.
    Result rateKind(RateKind* kind) const;
    Result price(const RateBands& bands, MinimumRules& rules, const QDateTime& start, const QDateTime& now,
                 RateKind kind);
    Result priceSegment(MinimumRules& rules, const SplitSegment& segment, float* amount) const;

    const AppState& m_state;
    QString m_strkh;
    QString m_strZh;
    float m_intzje = 0;
    float m_intQdje = 0;
    float m_intHdje = 0;
};
