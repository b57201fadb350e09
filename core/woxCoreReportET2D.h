#ifndef WOXCOREREPORTET2D_H
#define WOXCOREREPORTET2D_H

#include <QList>
#include <QMetaType>

#include "woxCoreError.h"
#include "woxCoreReportSensor.h"
#include "woxMeasureResult.h"

// Job 5: one result per requested quadripole in request order, with the sensor readings of the run.
struct woxCoreReportET2D
{
    woxCoreError error;
    QList<woxMeasureResult> results;
    woxCoreReportSensor sensor;
};

Q_DECLARE_METATYPE(woxCoreReportET2D)

#endif // WOXCOREREPORTET2D_H
