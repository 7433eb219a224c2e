#include "support/TestClock.h"

TestClock::TestClock(const QDateTime& start)
    : m_now(start)
{
    Clock::install(this);
}

TestClock::~TestClock()
{
    Clock::install(nullptr);
}
