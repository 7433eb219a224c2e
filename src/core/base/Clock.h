#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The one source of "now" and "today". Billing, stamping and the log all read
// the time here so that tests can set it; nothing else asks the system.
class Clock
{
public:
    virtual ~Clock() = default;

    static QDateTime now();
    static QDate today() { return now().date(); }
    static QTime timeOfDay() { return now().time(); }

    // Installs the clock used from now on; nullptr restores the system clock.
    // The caller keeps ownership.
    static void install(Clock* clock);

protected:
    virtual QDateTime currentDateTime() const = 0;
};
