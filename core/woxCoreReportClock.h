#ifndef WOXCOREREPORTCLOCK_H
#define WOXCOREREPORTCLOCK_H

#include <QDate>
#include <QTime>
#include <QMetaType>

#include "woxCoreError.h"

// Job 8: the instrument clock; set echoes the request.
struct woxCoreReportClock
{
    woxCoreError error;
    bool set = false;
    QDate date;
    QTime time;
};

Q_DECLARE_METATYPE(woxCoreReportClock)

#endif // WOXCOREREPORTCLOCK_H
