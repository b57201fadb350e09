#ifndef WOXCLOCK_H
#define WOXCLOCK_H

#include <QDateTime>

// The time of day. Emulated answers, timestamps and unstarted stopwatches
// read it here so tests can give exact times.
class woxClock
{
public:
    virtual ~woxClock();
    virtual QDateTime now() const;

    static woxClock *instance();
    // Not owned; nullptr restores the system clock.
    static void install(woxClock *clock);
};

#endif
