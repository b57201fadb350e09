#ifndef WOXCOREREPORTRXSTRESS_H
#define WOXCOREREPORTRXSTRESS_H

#include <QString>
#include <QMetaType>

#include "woxCoreError.h"

// Job 14.
struct woxCoreReportRxStress
{
    woxCoreError error;
    QString text;
};

Q_DECLARE_METATYPE(woxCoreReportRxStress)

#endif // WOXCOREREPORTRXSTRESS_H
