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

void woxCoreDouble::discover(int) { record(make(Discover)); }
void woxCoreDouble::measureResistance(const woxResistanceRequest &r) { recordWith(Resistance, &Request::resistance, r); }
void woxCoreDouble::calibrate(const woxCalibrateRequest &r) { recordWith(Calibrate, &Request::calibration, r); }
void woxCoreDouble::measureET2D(const woxET2DRequest &r) { recordWith(ET2D, &Request::et2d, r); }
void woxCoreDouble::measureVES(const woxMeasureOptions &o) { recordWith(VES, &Request::options, o); }
void woxCoreDouble::readSensors(int) { record(make(Sensor)); }
void woxCoreDouble::clock(const woxClockRequest &r) { recordWith(Clock, &Request::clock, r); }
void woxCoreDouble::playSound(quint8 sound) { recordWith(Sound, &Request::sound, sound); }
void woxCoreDouble::runProduction(const woxProductionRequest &r) { recordWith(Production, &Request::production, r); }
void woxCoreDouble::txAux(const woxTxRequest &r) { recordWith(TxAux, &Request::tx, r); }
void woxCoreDouble::swAux(const woxSwRequest &r) { recordWith(SwAux, &Request::sw, r); }
void woxCoreDouble::rxAux(const woxRxRequest &r) { recordWith(RxAux, &Request::rx, r); }
void woxCoreDouble::rxStress(const woxStressRequest &r) { recordWith(RxStress, &Request::stress, r); }
void woxCoreDouble::stopAll(int) { record(make(StopAll)); }
void woxCoreDouble::stop() { record(make(Stop)); }

void woxCoreDouble::measureSignal(const woxCoreQuadripole &quadripole, const woxMeasureOptions &options)
{
    Request request = make(Signal);
    request.quadripole = quadripole;
    request.options = options;
    record(request);
}

#define WOX_DELIVER(Kind) \
    void woxCoreDouble::deliver(const woxCoreReport##Kind &report) { emit woxCore::instance()->sendReport##Kind(report); }

WOX_DELIVER(Discover)
WOX_DELIVER(Calibrate)
WOX_DELIVER(Resistance)
WOX_DELIVER(Signal)
WOX_DELIVER(VES)
WOX_DELIVER(Sensor)
WOX_DELIVER(Clock)
WOX_DELIVER(Sound)
WOX_DELIVER(Production)
WOX_DELIVER(TxAux)
WOX_DELIVER(SwAux)
WOX_DELIVER(RxAux)
WOX_DELIVER(RxStress)

#undef WOX_DELIVER

void woxCoreDouble::deliver(const woxCoreReportET2D &report)
{
    // The real facade passes the run's sensor readings on first.
    emit woxCore::instance()->sendReportSensor(report.sensor);
    emit woxCore::instance()->sendReportET2D(report);
}
