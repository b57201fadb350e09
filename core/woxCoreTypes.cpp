#include "woxCoreTypes.h"

#include "woxCoreReportCalibrate.h"
#include "woxCoreReportClock.h"
#include "woxCoreReportDiscover.h"
#include "woxCoreReportET2D.h"
#include "woxCoreReportProduction.h"
#include "woxCoreReportResistance.h"
#include "woxCoreReportRxAux.h"
#include "woxCoreReportRxStress.h"
#include "woxCoreReportSensor.h"
#include "woxCoreReportSignal.h"
#include "woxCoreReportSound.h"
#include "woxCoreReportSwAux.h"
#include "woxCoreReportTxAux.h"
#include "woxCoreReportVES.h"

void woxRegisterCoreTypes()
{
    // Queued connections look the types up by the names used in the signal signatures.
    qRegisterMetaType<woxCoreReportDiscover>("woxCoreReportDiscover");
    qRegisterMetaType<woxCoreReportSignal>("woxCoreReportSignal");
    qRegisterMetaType<woxCoreReportResistance>("woxCoreReportResistance");
    qRegisterMetaType<woxCoreReportCalibrate>("woxCoreReportCalibrate");
    qRegisterMetaType<woxCoreReportET2D>("woxCoreReportET2D");
    qRegisterMetaType<woxCoreReportVES>("woxCoreReportVES");
    qRegisterMetaType<woxCoreReportSensor>("woxCoreReportSensor");
    qRegisterMetaType<woxCoreReportClock>("woxCoreReportClock");
    qRegisterMetaType<woxCoreReportSound>("woxCoreReportSound");
    qRegisterMetaType<woxCoreReportProduction>("woxCoreReportProduction");
    qRegisterMetaType<woxCoreReportTxAux>("woxCoreReportTxAux");
    qRegisterMetaType<woxCoreReportSwAux>("woxCoreReportSwAux");
    qRegisterMetaType<woxCoreReportRxAux>("woxCoreReportRxAux");
    qRegisterMetaType<woxCoreReportRxStress>("woxCoreReportRxStress");
}
