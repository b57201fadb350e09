#ifndef WOXCOREREPORTSOUND_H
#define WOXCOREREPORTSOUND_H

#include <QMetaType>

#include "woxCoreError.h"

// Job 9.
struct woxCoreReportSound
{
    woxCoreError error;
};

Q_DECLARE_METATYPE(woxCoreReportSound)

#endif // WOXCOREREPORTSOUND_H
