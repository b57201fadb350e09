#ifndef WOXET2DREQUEST_H
#define WOXET2DREQUEST_H

#include <QList>

#include "woxCoreQuadripole.h"
#include "woxMeasureOptions.h"

// Job 5: the quadripoles of one run in measurement order, measured with these options.
struct woxET2DRequest
{
    QList<woxCoreQuadripole> quadripoles;
    woxMeasureOptions options;
};

#endif // WOXET2DREQUEST_H
