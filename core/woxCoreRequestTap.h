#ifndef WOXCOREREQUESTTAP_H
#define WOXCOREREQUESTTAP_H

#include "woxCalibrateRequest.h"
#include "woxClockRequest.h"
#include "woxCoreQuadripole.h"
#include "woxET2DRequest.h"
#include "woxMeasureOptions.h"
#include "woxProductionRequest.h"
#include "woxResistanceRequest.h"
#include "woxRxRequest.h"
#include "woxStressRequest.h"
#include "woxSwRequest.h"
#include "woxTxRequest.h"

// Takes the requests made of woxCore in place of the worker thread while it
// is installed: a test sees what a screen asks of the instrument without a
// job ever running. Nothing is installed in the application.
class woxCoreRequestTap
{
public:
    virtual ~woxCoreRequestTap();

    virtual void discover(int unused) = 0;
    virtual void measureSignal(const woxCoreQuadripole &quadripole,
                               const woxMeasureOptions &options) = 0;
    virtual void measureResistance(const woxResistanceRequest &request) = 0;
    virtual void calibrate(const woxCalibrateRequest &request) = 0;
    virtual void measureET2D(const woxET2DRequest &request) = 0;
    virtual void measureVES(const woxMeasureOptions &options) = 0;
    virtual void readSensors(int unused) = 0;
    virtual void clock(const woxClockRequest &request) = 0;
    virtual void playSound(quint8 sound) = 0;
    virtual void runProduction(const woxProductionRequest &request) = 0;
    virtual void txAux(const woxTxRequest &request) = 0;
    virtual void swAux(const woxSwRequest &request) = 0;
    virtual void rxAux(const woxRxRequest &request) = 0;
    virtual void rxStress(const woxStressRequest &request) = 0;
    virtual void stopAll(int unused) = 0;
    virtual void stop() = 0;

    static woxCoreRequestTap *instance();
    // Not owned; nullptr gives the requests back to the worker thread.
    static void install(woxCoreRequestTap *tap);
};

#endif
