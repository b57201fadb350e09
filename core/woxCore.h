#ifndef WOXCORE_H
#define WOXCORE_H

#include "woxCoreThread.h"

#include <QObject>

// The one road from every screen to the instrument (GUI thread only).
//
// Each request waits for the previous job to end, stores one job in the
// worker thread and starts it; the worker's one report comes back here on
// the GUI thread and is re-emitted under the same signal name, once the
// worker is idle again. Screens connect to these signals only. Every outcome
// travels in the report's woxCoreError; the facade adds none of its own.
//
// A request made while a job runs blocks until that job has ended, with two
// exceptions: readSensors() does nothing at all while a job runs (the
// status bar's poll must never block), and stop() only cancels.
//
// While a woxCoreRequestTap is installed (tests only), every request goes to
// it instead and no job runs; reports then come only from whoever emits
// these signals.
class woxCore : public QObject
{
    Q_OBJECT

public:
    static woxCore *instance();
    // Cancels a running job and drops its report, waits for it, deletes the
    // facade. A later instance() builds a new one.
    static void destroy();

    void discover(int unused);
    void measureSignal(woxCoreQuadripole quadripole, woxMeasureOptions options);
    void measureResistance(woxResistanceRequest request);
    void calibrate(woxCalibrateRequest request);
    // Answered by sendReportSensor with the run's sensor readings, then
    // sendReportET2D.
    void measureET2D(woxET2DRequest request);
    void measureVES(woxMeasureOptions options);
    void readSensors(int unused);
    void clock(woxClockRequest request);
    // Cuts a running job short at its next cancellable wait (its report is
    // still delivered), then plays the sound.
    void playSound(quint8 sound);
    void runProduction(woxProductionRequest request);
    void txAux(woxTxRequest request);
    void swAux(woxSwRequest request);
    void rxAux(woxRxRequest request);
    void rxStress(woxStressRequest request);
    // Stops every device; no report.
    void stopAll(int unused);
    // The running job ends with code 13 "Canceled by user"; nothing waits.
    void stop();

signals:
    void sendReportDiscover(const woxCoreReportDiscover report);
    void sendReportCalibrate(const woxCoreReportCalibrate report);
    void sendReportResistance(const woxCoreReportResistance report);
    void sendReportSignal(const woxCoreReportSignal report);
    void sendReportET2D(const woxCoreReportET2D report);
    void sendReportVES(const woxCoreReportVES report);
    void sendReportSensor(const woxCoreReportSensor report);
    void sendReportClock(const woxCoreReportClock report);
    void sendReportSound(const woxCoreReportSound report);
    void sendReportProduction(const woxCoreReportProduction report);
    void sendReportTxAux(const woxCoreReportTxAux report);
    void sendReportSwAux(const woxCoreReportSwAux report);
    void sendReportRxAux(const woxCoreReportRxAux report);
    void sendReportRxStress(const woxCoreReportRxStress report);

private slots:
    void onReportDiscover(const woxCoreReportDiscover report);
    void onReportCalibrate(const woxCoreReportCalibrate report);
    void onReportResistance(const woxCoreReportResistance report);
    void onReportSignal(const woxCoreReportSignal report);
    void onReportET2D(const woxCoreReportET2D report);
    void onReportVES(const woxCoreReportVES report);
    void onReportSensor(const woxCoreReportSensor report);
    void onReportClock(const woxCoreReportClock report);
    void onReportSound(const woxCoreReportSound report);
    void onReportProduction(const woxCoreReportProduction report);
    void onReportTxAux(const woxCoreReportTxAux report);
    void onReportSwAux(const woxCoreReportSwAux report);
    void onReportRxAux(const woxCoreReportRxAux report);
    void onReportRxStress(const woxCoreReportRxStress report);

protected:
    // Waits for the worker before any queued relay is dispatched.
    bool event(QEvent *event) override;

private:
    woxCore();
    ~woxCore() override;
    void waitForWorker();
    void startWorker();

    woxCoreThread worker;
    static woxCore *self;
};

#endif
