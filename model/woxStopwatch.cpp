#include "woxStopwatch.h"

#include "woxClock.h"

void woxStopwatch::start()
{
    startedAt = woxClock::instance()->monotonicMs();
    started = true;
}

qint64 woxStopwatch::restart()
{
    const qint64 passed = elapsed();
    start();
    return passed;
}

qint64 woxStopwatch::elapsed() const
{
    if (!started)
        return woxClock::instance()->now().time().msecsSinceStartOfDay();
    // A watch started on one clock and read on another (a test's clock
    // installed or removed meanwhile) never shows time running backwards.
    return qMax<qint64>(0, woxClock::instance()->monotonicMs() - startedAt);
}

bool woxStopwatch::isStarted() const
{
    return started;
}

void woxStopwatch::invalidate()
{
    started = false;
}
