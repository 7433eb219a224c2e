#pragma once

#include "base/AppState.h"
#include "base/Result.h"

#include <QDateTime>
#include <QString>

#include <optional>

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
    // What the caller knows of the visit; the charge never reads them.
    const QDateTime& dateStar() const { return m_dateStar; }
    void setDateStar(const QDateTime& start) { m_dateStar = start; }
    const QDateTime& dateFish() const { return m_dateFish; }
    void setDateFish(const QDateTime& end) { m_dateFish = end; }

    // Prices the open visit of strZh; without one nothing changes. When the
    // rate at the start differs from the rate now, the front segment up to the
    // start of the band in force now is priced at the start rate and the back
    // segment at the rate now (both in intQdje/intHdje, which a one-segment
    // charge leaves as they were). A failure is shown through ShowErr and
    // returned; all three amounts then keep their values.
    Result GETJe();

    float intzje() const { return m_intzje; }
    float intQdje() const { return m_intQdje; }
    float intHdje() const { return m_intHdje; }

private:
    Result compute();
    // The card type of strkh: its klx, "现金" when that is null, nothing when
    // the card is unknown.
    Result GetKlx(std::optional<QString>* cardType) const;
    Result priceSegment(ClsZdxf& rules, const QDateTime& from, const QDateTime& to, bool applyMinimum, float rate,
                        float* amount) const;

    const AppState& m_state;
    QString m_strkh;
    QString m_strZh;
    QDateTime m_dateStar;
    QDateTime m_dateFish;
    float m_intzje = 0;
    float m_intQdje = 0;
    float m_intHdje = 0;
};
