#ifndef WOXSTRESSREQUEST_H
#define WOXSTRESSREQUEST_H

#include "woxTypes.h"

// Job 14: receiver stress test, or a ping when samples is 0.
struct woxStressRequest
{
    woxAddress device = 0;
    quint16 samples = 0;
    qint32 pause = 0;       // ms; the time-out when pinging
};

#endif // WOXSTRESSREQUEST_H
