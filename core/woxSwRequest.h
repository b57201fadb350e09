#ifndef WOXSWREQUEST_H
#define WOXSWREQUEST_H

#include "woxTypes.h"

// Job 12: one switch action; the caller raises one flag.
// Fields without a meaningful default start at zero so no request carries an unset byte.
struct woxSwRequest
{
    woxAddress device = 0;  // a receiver switch, 42 transmitter switch, 254 all switches
    bool set = false;
    bool reset = false;
    bool ground = false;
    bool all = false;
    bool phantom = false;
    bool enable = true;
    bool pairMB = false;    // false: pair NA, true: pair MB
    woxElectrode electrode = 0;
};

#endif // WOXSWREQUEST_H
