#ifndef WOXCOREREPORTTXAUX_H
#define WOXCOREREPORTTXAUX_H

#include <QMetaType>

#include "woxCoreError.h"

// Job 11: transmitter temperature in degrees Celsius.
struct woxCoreReportTxAux
{
    woxCoreError error;
    float temperature = -298.0f;
};

Q_DECLARE_METATYPE(woxCoreReportTxAux)

#endif // WOXCOREREPORTTXAUX_H
