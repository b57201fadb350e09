#include "woxFakeClock.h"

woxFakeClock::woxFakeClock(const QDateTime &current)
    : current(current)
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
