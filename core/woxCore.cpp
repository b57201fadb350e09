#include "woxCore.h"

#include "woxCoreRequestTap.h"
#include "woxCoreTypes.h"

woxCore *woxCore::self = nullptr;

woxCore::woxCore()
    : QObject(nullptr)
{
    woxRegisterCoreTypes();
    // The worker emits on its own thread; the automatic connection queues a
    // copy of each report to this object's (the GUI) thread.
    connect(&worker, &woxCoreThread::sendReportDiscover, this, &woxCore::onReportDiscover);
    connect(&worker, &woxCoreThread::sendReportCalibrate, this, &woxCore::onReportCalibrate);
    connect(&worker, &woxCoreThread::sendReportResistance, this, &woxCore::onReportResistance);
    connect(&worker, &woxCoreThread::sendReportET2D, this, &woxCore::onReportET2D);
    connect(&worker, &woxCoreThread::sendReportVES, this, &woxCore::onReportVES);
    connect(&worker, &woxCoreThread::sendReportSignal, this, &woxCore::onReportSignal);
    connect(&worker, &woxCoreThread::sendReportSensor, this, &woxCore::onReportSensor);
    connect(&worker, &woxCoreThread::sendReportClock, this, &woxCore::onReportClock);
    connect(&worker, &woxCoreThread::sendReportSound, this, &woxCore::onReportSound);
    connect(&worker, &woxCoreThread::sendReportProduction, this, &woxCore::onReportProduction);
    connect(&worker, &woxCoreThread::sendReportTxAux, this, &woxCore::onReportTxAux);
    connect(&worker, &woxCoreThread::sendReportSwAux, this, &woxCore::onReportSwAux);
    connect(&worker, &woxCoreThread::sendReportRxAux, this, &woxCore::onReportRxAux);
    connect(&worker, &woxCoreThread::sendReportRxStress, this, &woxCore::onReportRxStress);
}

woxCore::~woxCore() = default;

woxCore *woxCore::instance()
{
    if (!self)
        self = new woxCore;
    return self;
}

void woxCore::destroy()
{
    if (!self)
        return;
    woxCoreThread &worker = self->worker;
    if (worker.isRunning()) {
        // The job being ended must not report to a facade that is going away.
        QObject::disconnect(&worker, nullptr, nullptr, nullptr);
        worker.cancel();
    }
    // Also after a job that has just ended: the wait orders everything the
    // worker wrote before the delete, in a way ThreadSanitizer can follow.
    worker.waitForJob();
    delete self;
    self = nullptr;
}

bool woxCore::event(QEvent *event)
{
    // The facade receives only the worker's queued reports. Waiting before
    // Qt unpacks one (without even reading the event) makes the worker's
    // end of job the hand-over that ThreadSanitizer sees; Qt's own event
    // queue it cannot see. The relays wait again, which then returns at once.
    waitForWorker();
    return QObject::event(event);
}

void woxCore::waitForWorker()
{
    worker.waitForJob();
}

void woxCore::startWorker()
{
    worker.start(QThread::InheritPriority);
}

// ---------------------------------------------------------------- requests

void woxCore::discover(int unused)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->discover(unused);
        return;
    }
    waitForWorker();
    worker.setJobDiscover(unused);
    startWorker();
}

void woxCore::measureSignal(woxCoreQuadripole quadripole, woxMeasureOptions options)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->measureSignal(quadripole, options);
        return;
    }
    waitForWorker();
    worker.setJobSignal(quadripole, options);
    startWorker();
}

void woxCore::measureResistance(woxResistanceRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->measureResistance(request);
        return;
    }
    waitForWorker();
    worker.setJobResistance(request);
    startWorker();
}

void woxCore::calibrate(woxCalibrateRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->calibrate(request);
        return;
    }
    waitForWorker();
    worker.setJobCalibrate(request);
    startWorker();
}

void woxCore::measureET2D(woxET2DRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->measureET2D(request);
        return;
    }
    waitForWorker();
    worker.setJobET2D(request);
    startWorker();
}

void woxCore::measureVES(woxMeasureOptions options)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->measureVES(options);
        return;
    }
    waitForWorker();
    worker.setJobVES(options);
    startWorker();
}

void woxCore::readSensors(int unused)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->readSensors(unused);
        return;
    }
    if (worker.isRunning())
        return;
    worker.setJobSensor(unused);
    startWorker();
}

void woxCore::clock(woxClockRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->clock(request);
        return;
    }
    waitForWorker();
    worker.setJobClock(request);
    startWorker();
}

void woxCore::playSound(quint8 sound)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->playSound(sound);
        return;
    }
    worker.cancel();
    waitForWorker();
    worker.setJobSound(sound);
    startWorker();
}

void woxCore::runProduction(woxProductionRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->runProduction(request);
        return;
    }
    waitForWorker();
    worker.setJobProduction(request);
    startWorker();
}

void woxCore::txAux(woxTxRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->txAux(request);
        return;
    }
    waitForWorker();
    worker.setJobTxAux(request);
    startWorker();
}

void woxCore::swAux(woxSwRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->swAux(request);
        return;
    }
    waitForWorker();
    worker.setJobSwAux(request);
    startWorker();
}

void woxCore::rxAux(woxRxRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->rxAux(request);
        return;
    }
    waitForWorker();
    worker.setJobRxAux(request);
    startWorker();
}

void woxCore::rxStress(woxStressRequest request)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->rxStress(request);
        return;
    }
    waitForWorker();
    worker.setJobRxStress(request);
    startWorker();
}

void woxCore::stopAll(int unused)
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->stopAll(unused);
        return;
    }
    waitForWorker();
    worker.setJobStopAll(unused);
    startWorker();
}

void woxCore::stop()
{
    if (woxCoreRequestTap *tap = woxCoreRequestTap::instance()) {
        tap->stop();
        return;
    }
    worker.cancel();
}

// ---------------------------------------------------------------- relays
// Each report is passed on only once the worker has returned, so a screen
// that answers it with a new request finds the worker free.

void woxCore::onReportDiscover(const woxCoreReportDiscover report)
{
    waitForWorker();
    emit sendReportDiscover(report);
}

void woxCore::onReportCalibrate(const woxCoreReportCalibrate report)
{
    waitForWorker();
    emit sendReportCalibrate(report);
}

void woxCore::onReportResistance(const woxCoreReportResistance report)
{
    waitForWorker();
    emit sendReportResistance(report);
}

void woxCore::onReportSignal(const woxCoreReportSignal report)
{
    waitForWorker();
    emit sendReportSignal(report);
}

void woxCore::onReportET2D(const woxCoreReportET2D report)
{
    waitForWorker();
    // The batteries and moisture read with the run reach the status bar too.
    emit sendReportSensor(report.sensor);
    emit sendReportET2D(report);
}

void woxCore::onReportVES(const woxCoreReportVES report)
{
    waitForWorker();
    emit sendReportVES(report);
}

void woxCore::onReportSensor(const woxCoreReportSensor report)
{
    waitForWorker();
    emit sendReportSensor(report);
}

void woxCore::onReportClock(const woxCoreReportClock report)
{
    waitForWorker();
    emit sendReportClock(report);
}

void woxCore::onReportSound(const woxCoreReportSound report)
{
    waitForWorker();
    emit sendReportSound(report);
}

void woxCore::onReportProduction(const woxCoreReportProduction report)
{
    waitForWorker();
    emit sendReportProduction(report);
}

void woxCore::onReportTxAux(const woxCoreReportTxAux report)
{
    waitForWorker();
    emit sendReportTxAux(report);
}

void woxCore::onReportSwAux(const woxCoreReportSwAux report)
{
    waitForWorker();
    emit sendReportSwAux(report);
}

void woxCore::onReportRxAux(const woxCoreReportRxAux report)
{
    waitForWorker();
    emit sendReportRxAux(report);
}

void woxCore::onReportRxStress(const woxCoreReportRxStress report)
{
    waitForWorker();
    emit sendReportRxStress(report);
}
