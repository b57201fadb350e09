#ifndef WOXCOREREPORTCALIBRATE_H
#define WOXCOREREPORTCALIBRATE_H

#include <QMetaType>

#include "woxCoreError.h"

// Job 4.
struct woxCoreReportCalibrate
{
    woxCoreError error;
};

Q_DECLARE_METATYPE(woxCoreReportCalibrate)

#endif // WOXCOREREPORTCALIBRATE_H
