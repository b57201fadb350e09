#include "woxCoreDouble.h"

#include <QTimer>

woxCoreDouble::woxCoreDouble()
{
    woxCoreRequestTap::install(this);
}

woxCoreDouble::~woxCoreDouble()
{
    woxCoreRequestTap::install(nullptr);
}

QList<woxCoreDouble::Request> woxCoreDouble::of(Kind kind) const
{
    QList<Request> found;
    for (const Request &request : requests)
        if (request.kind == kind)
            found.append(request);
    return found;
}

QList<woxCoreDouble::Kind> woxCoreDouble::kinds() const
{
    QList<Kind> found;
    for (const Request &request : requests)
        found.append(request.kind);
    return found;
}

QList<woxCoreDouble::Request> woxCoreDouble::take()
{
    QList<Request> taken;
    taken.swap(requests);
    return taken;
}

void woxCoreDouble::record(const Request &request)
{
    requests.append(request);
    for (int i = 0; i < replies.size(); ++i) {
        if (replies.at(i).kind != request.kind)
            continue;
        // Queued to the facade like a real reply: it arrives once the screen
        // has returned to the event loop, and not at all after destroy().
        QTimer::singleShot(0, woxCore::instance(), replies.takeAt(i).send);
        return;
    }
}

woxCoreDouble::Request woxCoreDouble::make(Kind kind)
{
    Request request;
    request.kind = kind;
    return request;
}

// ---------------------------------------------------------------- requests

void woxCoreDouble::discover(int)
{
    record(make(Discover));
}

void woxCoreDouble::measureSignal(const woxCoreQuadripole &quadripole,
                                  const woxMeasureOptions &options)
{
    Request request = make(Signal);
    request.quadripole = quadripole;
    request.options = options;
    record(request);
}

void woxCoreDouble::measureResistance(const woxResistanceRequest &resistance)
{
    Request request = make(Resistance);
    request.resistance = resistance;
    record(request);
}

void woxCoreDouble::calibrate(const woxCalibrateRequest &calibration)
{
    Request request = make(Calibrate);
    request.calibration = calibration;
    record(request);
}

void woxCoreDouble::measureET2D(const woxET2DRequest &et2d)
{
    Request request = make(ET2D);
    request.et2d = et2d;
    record(request);
}

void woxCoreDouble::measureVES(const woxMeasureOptions &options)
{
    Request request = make(VES);
    request.options = options;
    record(request);
}

void woxCoreDouble::readSensors(int)
{
    record(make(Sensor));
}

void woxCoreDouble::clock(const woxClockRequest &clock)
{
    Request request = make(Clock);
    request.clock = clock;
    record(request);
}

void woxCoreDouble::playSound(quint8 sound)
{
    Request request = make(Sound);
    request.sound = sound;
    record(request);
}

void woxCoreDouble::runProduction(const woxProductionRequest &production)
{
    Request request = make(Production);
    request.production = production;
    record(request);
}

void woxCoreDouble::txAux(const woxTxRequest &tx)
{
    Request request = make(TxAux);
    request.tx = tx;
    record(request);
}

void woxCoreDouble::swAux(const woxSwRequest &sw)
{
    Request request = make(SwAux);
    request.sw = sw;
    record(request);
}

void woxCoreDouble::rxAux(const woxRxRequest &rx)
{
    Request request = make(RxAux);
    request.rx = rx;
    record(request);
}

void woxCoreDouble::rxStress(const woxStressRequest &stress)
{
    Request request = make(RxStress);
    request.stress = stress;
    record(request);
}

void woxCoreDouble::stopAll(int)
{
    record(make(StopAll));
}

void woxCoreDouble::stop()
{
    record(make(Stop));
}

// ---------------------------------------------------------------- reports

void woxCoreDouble::deliver(const woxCoreReportDiscover &report)
{
    emit woxCore::instance()->sendReportDiscover(report);
}

void woxCoreDouble::deliver(const woxCoreReportCalibrate &report)
{
    emit woxCore::instance()->sendReportCalibrate(report);
}

void woxCoreDouble::deliver(const woxCoreReportResistance &report)
{
    emit woxCore::instance()->sendReportResistance(report);
}

void woxCoreDouble::deliver(const woxCoreReportSignal &report)
{
    emit woxCore::instance()->sendReportSignal(report);
}

void woxCoreDouble::deliver(const woxCoreReportET2D &report)
{
    // The real facade passes the run's sensor readings on first.
    emit woxCore::instance()->sendReportSensor(report.sensor);
    emit woxCore::instance()->sendReportET2D(report);
}

void woxCoreDouble::deliver(const woxCoreReportVES &report)
{
    emit woxCore::instance()->sendReportVES(report);
}

void woxCoreDouble::deliver(const woxCoreReportSensor &report)
{
    emit woxCore::instance()->sendReportSensor(report);
}

void woxCoreDouble::deliver(const woxCoreReportClock &report)
{
    emit woxCore::instance()->sendReportClock(report);
}

void woxCoreDouble::deliver(const woxCoreReportSound &report)
{
    emit woxCore::instance()->sendReportSound(report);
}

void woxCoreDouble::deliver(const woxCoreReportProduction &report)
{
    emit woxCore::instance()->sendReportProduction(report);
}

void woxCoreDouble::deliver(const woxCoreReportTxAux &report)
{
    emit woxCore::instance()->sendReportTxAux(report);
}

void woxCoreDouble::deliver(const woxCoreReportSwAux &report)
{
    emit woxCore::instance()->sendReportSwAux(report);
}

void woxCoreDouble::deliver(const woxCoreReportRxAux &report)
{
    emit woxCore::instance()->sendReportRxAux(report);
}

void woxCoreDouble::deliver(const woxCoreReportRxStress &report)
{
    emit woxCore::instance()->sendReportRxStress(report);
}
