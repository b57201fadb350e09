#include "woxStopwatch.h"

#include "woxClock.h"

void woxStopwatch::start()
{
    timer.start();
}

qint64 woxStopwatch::restart()
{
    const qint64 passed = elapsed();
    timer.start();
    return passed;
}

qint64 woxStopwatch::elapsed() const
{
    if (!timer.isValid())
        return woxClock::instance()->now().time().msecsSinceStartOfDay();
    return timer.elapsed();
}

bool woxStopwatch::isStarted() const
{
    return timer.isValid();
}

void woxStopwatch::invalidate()
{
    timer.invalidate();
}
