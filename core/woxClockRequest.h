#ifndef WOXCLOCKREQUEST_H
#define WOXCLOCKREQUEST_H

#include <QDate>
#include <QTime>

// Job 8: read the instrument clock, or set it when set is true.
struct woxClockRequest
{
    bool set = false;
    QDate date;
    QTime time;
};

#endif // WOXCLOCKREQUEST_H
