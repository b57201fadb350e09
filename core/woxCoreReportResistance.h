#ifndef WOXCOREREPORTRESISTANCE_H
#define WOXCOREREPORTRESISTANCE_H

#include <QMetaType>

#include "woxCoreError.h"
#include "woxTypes.h"

// Job 3: grounding resistance of the requested electrode (remote ones as 65535 and 65534).
struct woxCoreReportResistance
{
    woxCoreError error;
    woxElectrode electrode = 0;
    float resistance = 0;   // kilo-ohms
};

Q_DECLARE_METATYPE(woxCoreReportResistance)

#endif // WOXCOREREPORTRESISTANCE_H
