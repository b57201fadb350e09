#ifndef WOXFAKECLOCK_H
#define WOXFAKECLOCK_H

#include "woxClock.h"

// A clock standing at `current`; installs itself for its lifetime.
class woxFakeClock : public woxClock
{
public:
    explicit woxFakeClock(const QDateTime &current);
    ~woxFakeClock() override;
    QDateTime now() const override;

    QDateTime current;
};

#endif
