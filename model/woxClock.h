#ifndef WOXCLOCK_H
#define WOXCLOCK_H

#include <QDateTime>

// The time of day, and a steady millisecond count for measuring spans.
// Emulated answers, timestamps and stopwatches read it here so tests can
// give exact times.
class woxClock
{
public:
    virtual ~woxClock();
    virtual QDateTime now() const;
    // Milliseconds from an arbitrary origin, never stepping when the time
    // of day is set (the program sets it with `date -s`).
    virtual qint64 monotonicMs() const;

    static woxClock *instance();
    // Not owned; nullptr restores the system clock.
    static void install(woxClock *clock);
};

#endif
