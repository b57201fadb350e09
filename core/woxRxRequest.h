#ifndef WOXRXREQUEST_H
#define WOXRXREQUEST_H

#include "woxTypes.h"

// Job 13: one receiver action; the caller raises one flag.
// Fields without a meaningful default start at zero so no request carries an unset byte.
struct woxRxRequest
{
    woxAddress device = 0;
    quint16 samples = 0;
    bool start = false;
    bool reset = false;
    bool read = false;
    bool lowRange = false;
    bool highRange = false;
    bool calibrationInput = false;
    bool measurementInput = false;
    bool clear = false;
};

#endif // WOXRXREQUEST_H
