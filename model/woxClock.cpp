#include "woxClock.h"

#include <atomic>

namespace {
std::atomic<woxClock *> installedClock{nullptr};
}

woxClock::~woxClock() = default;

QDateTime woxClock::now() const
{
    return QDateTime::currentDateTime();
}

woxClock *woxClock::instance()
{
    static woxClock systemClock;
    woxClock *clock = installedClock.load();
    return clock ? clock : &systemClock;
}

void woxClock::install(woxClock *clock)
{
    installedClock.store(clock);
}
