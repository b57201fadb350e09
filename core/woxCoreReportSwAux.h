#ifndef WOXCOREREPORTSWAUX_H
#define WOXCOREREPORTSWAUX_H

#include <QMetaType>

#include "woxCoreError.h"

// Job 12.
struct woxCoreReportSwAux
{
    woxCoreError error;
};

Q_DECLARE_METATYPE(woxCoreReportSwAux)

#endif // WOXCOREREPORTSWAUX_H
