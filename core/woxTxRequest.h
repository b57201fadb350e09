#ifndef WOXTXREQUEST_H
#define WOXTXREQUEST_H

#include "woxTypes.h"

// Job 11: one transmitter action; the caller raises one of the three flags.
// Fields without a meaningful default start at zero so no request carries an unset byte.
struct woxTxRequest
{
    bool pulse = false;
    bool adjust = false;
    bool stop = false;
    woxAddress device = 0;  // 7 internal transmitter, 6 reference voltage unit
    quint8 command = 0;     // 31, 32 adjust pulses; 33, 34 pulses; 36 zero pulse
    quint16 duration = 0;
    qint8 level = 0;        // percent, or -1
};

#endif // WOXTXREQUEST_H
