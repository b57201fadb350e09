#ifndef WOXCALIBRATEREQUEST_H
#define WOXCALIBRATEREQUEST_H

#include <QtGlobal>

// Job 4.
struct woxCalibrateRequest
{
    quint16 samples = 40;
    quint8 restoreDefaults = 0;
};

#endif // WOXCALIBRATEREQUEST_H
