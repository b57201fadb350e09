#ifndef WOXFAKECLOCK_H
#define WOXFAKECLOCK_H

#include "woxClock.h"

// A clock standing at `current`; installs itself for its lifetime. Its
// steady reading goes on from the system's and moves as `current` does.
class woxFakeClock : public woxClock
{
public:
    explicit woxFakeClock(const QDateTime &current);
    ~woxFakeClock() override;
    QDateTime now() const override;
    qint64 monotonicMs() const override;

    QDateTime current;

private:
    const QDateTime origin;
    const qint64 steadyOrigin;
};

#endif
