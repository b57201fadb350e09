#include "woxReportRecorder.h"

#include "woxCore.h"
#include "woxCoreTypes.h"

woxReportRecorder::woxReportRecorder(woxCore *core)
{
    attach(core);
}

template <class Report>
void woxReportRecorder::record(const char *name, const Report &report, Report &last)
{
    names.append(QLatin1String(name));
    errors.append(report.error);
    last = report;
}

#define WOX_RECORD(Kind, member)                                                          \
    connect(sender, &Sender::sendReport##Kind, this,                                     \
            [this](const woxCoreReport##Kind report) { record(#Kind, report, member); })

template <class Sender>
void woxReportRecorder::attach(Sender *sender)
{
    woxRegisterCoreTypes();
    WOX_RECORD(Discover, discover);
    WOX_RECORD(Calibrate, calibrate);
    WOX_RECORD(Resistance, resistance);
    WOX_RECORD(Signal, signal);
    WOX_RECORD(ET2D, et2d);
    WOX_RECORD(VES, ves);
    WOX_RECORD(Sensor, sensor);
    WOX_RECORD(Clock, clock);
    WOX_RECORD(Sound, sound);
    WOX_RECORD(Production, production);
    WOX_RECORD(TxAux, txAux);
    WOX_RECORD(SwAux, swAux);
    WOX_RECORD(RxAux, rxAux);
    WOX_RECORD(RxStress, rxStress);
}

#undef WOX_RECORD
