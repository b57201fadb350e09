#include "woxFakeClock.h"

woxFakeClock::woxFakeClock(const QDateTime &current)
    : current(current)
    , origin(current)
    , steadyOrigin(woxClock().monotonicMs())
{
    woxClock::install(this);
}

woxFakeClock::~woxFakeClock()
{
    woxClock::install(nullptr);
}

QDateTime woxFakeClock::now() const
{
    return current;
}

qint64 woxFakeClock::monotonicMs() const
{
    return steadyOrigin + origin.msecsTo(current);
}

void woxFakeClock::setTimeOfDay(const QDateTime &time)
{
    origin = origin.addMSecs(current.msecsTo(time));
    current = time;
}
