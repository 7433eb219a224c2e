#pragma once

#include "base/AppState.h"
#include "base/Result.h"
#include "billing/BandSplit.h"

#include <QString>

class ClsZdxf;

// The running time charge of a table's open visit, from its stored start to
// the present moment of the clock. Set strkh (empty for a cash guest) and
// strZh, call GETJe, read the amounts. The state must outlive the object.
class ClsDQje
{
public:
    explicit ClsDQje(const AppState& state);

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

    float intzje() const { return m_intzje; }
    float intQdje() const { return m_intQdje; }
    float intHdje() const { return m_intHdje; }

private:
    // The rates strkh pays: non-member without a card, none for an unknown card.
    Result rateKind(RateKind* kind) const;
    Result priceSegment(ClsZdxf& rules, const SplitSegment& segment, float* amount) const;

    const AppState& m_state;
    QString m_strkh;
    QString m_strZh;
    float m_intzje = 0;
    float m_intQdje = 0;
    float m_intHdje = 0;
};
