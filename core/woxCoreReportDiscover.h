#ifndef WOXCOREREPORTDISCOVER_H
#define WOXCOREREPORTDISCOVER_H

#include <QList>
#include <QMetaType>

#include "woxCoreError.h"
#include "woxTypes.h"

// Job 1: the devices that answered, in ascending address order.
struct woxCoreReportDiscover
{
    woxCoreError error;
    QList<woxAddress> devices;
};

Q_DECLARE_METATYPE(woxCoreReportDiscover)

#endif // WOXCOREREPORTDISCOVER_H
