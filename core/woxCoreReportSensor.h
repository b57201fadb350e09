#ifndef WOXCOREREPORTSENSOR_H
#define WOXCOREREPORTSENSOR_H

#include <QMap>
#include <QMetaType>

#include "woxCoreError.h"
#include "woxTypes.h"

// Job 7: key 1 internal battery (mV), 2 external battery (mV), 3 moisture (percent).
struct woxCoreReportSensor
{
    woxCoreError error;
    QMap<woxAddress, float> values;
};

Q_DECLARE_METATYPE(woxCoreReportSensor)

#endif // WOXCOREREPORTSENSOR_H
