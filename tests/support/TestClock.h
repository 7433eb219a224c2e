#pragma once

#include "core/base/Clock.h"

// A clock that stands still until the test sets or moves it. Installed on
// construction, the system clock is back on destruction.
class TestClock final : public Clock
{
public:
    explicit TestClock(const QDateTime& start = QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    ~TestClock() override;
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    void set(const QDateTime& moment) { m_now = moment; }
    void advanceMinutes(qint64 minutes) { m_now = m_now.addSecs(minutes * 60); }

protected:
    QDateTime currentDateTime() const override { return m_now; }

private:
    QDateTime m_now;
};
