#include "core/base/Clock.h"

namespace {

class SystemClock final : public Clock
{
protected:
    QDateTime currentDateTime() const override
    {
        // Whole seconds: the database keeps times to the second, and a
        // fraction left here would make a moment differ from its stored copy.
        QDateTime t = QDateTime::currentDateTime();
        t.setTime(QTime(t.time().hour(), t.time().minute(), t.time().second()));
        return t;
    }
};

SystemClock systemClock;
Clock* installed = &systemClock;

} // namespace

QDateTime Clock::now()
{
    return installed->currentDateTime();
}

void Clock::install(Clock* clock)
{
    installed = clock ? clock : &systemClock;
}
