#pragma once

#include "core/base/Clock.h"

// A clock stopped at one moment, for programs that must repeat exactly
// (the screen gallery, benchmarks).
class FixedClock final : public Clock
{
public:
    explicit FixedClock(const QDateTime& moment)
        : m_moment(moment)
    {}

protected:
    QDateTime currentDateTime() const override { return m_moment; }

private:
    QDateTime m_moment;
};
