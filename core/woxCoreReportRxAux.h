#ifndef WOXCOREREPORTRXAUX_H
#define WOXCOREREPORTRXAUX_H

#include <QVector>
#include <QMetaType>

#include "woxCoreError.h"

// Job 13.
struct woxCoreReportRxAux
{
    woxCoreError error;
    QVector<float> samples;
};

Q_DECLARE_METATYPE(woxCoreReportRxAux)

#endif // WOXCOREREPORTRXAUX_H
