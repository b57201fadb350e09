#ifndef WOXQUIETCORE_H
#define WOXQUIETCORE_H

// Shared by the bench executables (header only, like woxPeakMemory.h).

#include "woxCoreRequestTap.h"

// Takes every request a screen makes of the core so that no job runs; a
// bench overrides the requests it answers or counts itself.
class woxQuietCore : public woxCoreRequestTap
{
public:
    void discover(int) override {}
    void measureSignal(const woxCoreQuadripole &, const woxMeasureOptions &) override {}
    void measureResistance(const woxResistanceRequest &) override {}
    void calibrate(const woxCalibrateRequest &) override {}
    void measureET2D(const woxET2DRequest &) override {}
    void measureVES(const woxMeasureOptions &) override {}
    void readSensors(int) override {}
    void clock(const woxClockRequest &) override {}
    void playSound(quint8) override {}
    void runProduction(const woxProductionRequest &) override {}
    void txAux(const woxTxRequest &) override {}
    void swAux(const woxSwRequest &) override {}
    void rxAux(const woxRxRequest &) override {}
    void rxStress(const woxStressRequest &) override {}
    void stopAll(int) override {}
    void stop() override {}
};

#endif
