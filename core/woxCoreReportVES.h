#ifndef WOXCOREREPORTVES_H
#define WOXCOREREPORTVES_H

#include <QMetaType>

#include "woxCoreError.h"
#include "woxMeasureResult.h"

// Job 6.
struct woxCoreReportVES
{
    woxCoreError error;
    woxMeasureResult result;
};

Q_DECLARE_METATYPE(woxCoreReportVES)

#endif // WOXCOREREPORTVES_H
