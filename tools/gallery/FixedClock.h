#pragma once

#include "app/Clock.h"

// Stops time at one moment so that every run draws the same pictures.
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
