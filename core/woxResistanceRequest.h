#ifndef WOXRESISTANCEREQUEST_H
#define WOXRESISTANCEREQUEST_H

#include <QtGlobal>

// Job 3: grounding resistance of one electrode.
struct woxResistanceRequest
{
    qint16 electrode = 0;   // wire index; -1 remote current, -2 remote potential electrode
    quint16 parameter2 = 0;
    quint16 parameter3 = 1;
};

#endif // WOXRESISTANCEREQUEST_H
