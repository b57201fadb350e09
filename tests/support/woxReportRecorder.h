#ifndef WOXREPORTRECORDER_H
#define WOXREPORTRECORDER_H

#include "woxCoreThread.h"

#include <QList>
#include <QObject>
#include <QStringList>

class woxCore;

// Listens to all fourteen report signals of the facade and records, in
// arrival order, the signal name without its "sendReport" prefix ("Discover", "ET2D", ...) and the report's error; the
// last report of each kind is kept whole. Reports emitted on the worker
// thread arrive through the recorder's (the test's) event loop.
class woxReportRecorder : public QObject
{
public:
    explicit woxReportRecorder(woxCore *core);

    QStringList names;
    QList<woxCoreError> errors;

    woxCoreReportDiscover discover;
    woxCoreReportCalibrate calibrate;
    woxCoreReportResistance resistance;
    woxCoreReportSignal signal;
    woxCoreReportET2D et2d;
    woxCoreReportVES ves;
    woxCoreReportSensor sensor;
    woxCoreReportClock clock;
    woxCoreReportSound sound;
    woxCoreReportProduction production;
    woxCoreReportTxAux txAux;
    woxCoreReportSwAux swAux;
    woxCoreReportRxAux rxAux;
    woxCoreReportRxStress rxStress;

private:
    template <class Sender>
    void attach(Sender *sender);
    template <class Report>
    void record(const char *name, const Report &report, Report &last);
};

#endif
