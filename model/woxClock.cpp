#include "woxClock.h"

#include <QElapsedTimer>

#include <atomic>

namespace {
std::atomic<woxClock *> installedClock{nullptr};
}

woxClock::~woxClock() = default;

QDateTime woxClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 woxClock::monotonicMs() const
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return origin.elapsed();
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
