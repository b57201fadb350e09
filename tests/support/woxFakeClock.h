#ifndef WOXFAKECLOCK_H
#define WOXFAKECLOCK_H

#include "woxClock.h"

// A clock standing at `current`; installs itself for its lifetime. Its
// steady reading goes on from the system's and moves as `current` does,
// except when setTimeOfDay() moves the time of day alone, as `date -s` does.
class woxFakeClock : public woxClock
{
public:
    explicit woxFakeClock(const QDateTime &current);
    ~woxFakeClock() override;
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    void setTimeOfDay(const QDateTime &time);

    QDateTime current;

private:
    QDateTime origin;
    const qint64 steadyOrigin;
};

#endif
