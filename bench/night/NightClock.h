#pragma once

#include "core/base/Clock.h"

// A stopped clock that only the night's program moves, one step at a time,
// so that a run repeats to the second.
class NightClock final : public Clock
{
public:
    explicit NightClock(const QDateTime& moment)
        : m_moment(moment)
    {}

    void advance(int seconds) { m_moment = m_moment.addSecs(seconds); }

protected:
    QDateTime currentDateTime() const override { return m_moment; }

private:
    QDateTime m_moment;
};
