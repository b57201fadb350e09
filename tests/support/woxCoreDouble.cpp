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

QStringList woxCoreDouble::takeLines()
{
    QStringList lines;
    for (const Request &request : take())
        lines << line(request);
    return lines;
}

namespace {

// Seven digits show every integer field and a float option exactly.
template <class... T>
QString fields(T... values)
{
    return QStringList({QString::number(double(values), 'g', 7)...}).join(' ');
}

QString quad(const woxCoreQuadripole &q) { return "q(" + fields(q.a, q.b, q.m, q.n, q.channel) + ")"; }

QString opts(const woxMeasureOptions &o)
{
    return "o(" + fields(o.pulseCode, o.ipEnabled, o.pauseCode, o.deviation, o.minStacking, o.maxStacking,
                          o.transmitterPercent, o.pulseDuration) + ")";
}

} // namespace

QString woxCoreDouble::line(const Request &r)
{
    static const char *const names[] = {"Discover", "Signal", "Resistance", "Calibrate", "ET2D", "VES",
                                        "Sensor", "Clock", "Sound", "Production", "TxAux", "SwAux",
                                        "RxAux", "RxStress", "StopAll", "Stop"};
    QString rest;
    switch (r.kind) {
    case Signal: rest = quad(r.quadripole) + " " + opts(r.options); break;
    case Resistance: rest = fields(r.resistance.electrode, r.resistance.parameter2, r.resistance.parameter3); break;
    case Calibrate: rest = fields(r.calibration.samples, r.calibration.restoreDefaults); break;
    case ET2D:
        for (const woxCoreQuadripole &q : r.et2d.quadripoles)
            rest += quad(q) + " ";
        rest += opts(r.et2d.options);
        break;
    case VES: rest = opts(r.options); break;
    case Clock:
        rest = QString::number(r.clock.set) + " " + r.clock.date.toString(Qt::ISODate) + " "
               + r.clock.time.toString(r.clock.time.msec() ? "hh:mm:ss.zzz" : "hh:mm:ss");
        break;
    case Sound: rest = QString::number(r.sound); break;
    case Production: rest = QString::number(r.production.test); break;
    case TxAux: rest = fields(r.tx.pulse, r.tx.adjust, r.tx.stop, r.tx.device, r.tx.command, r.tx.duration, r.tx.level); break;
    case SwAux:
        rest = fields(r.sw.device, r.sw.set, r.sw.reset, r.sw.ground, r.sw.all, r.sw.phantom, r.sw.enable, r.sw.pairMB,
                      r.sw.electrode);
        break;
    case RxAux:
        rest = fields(r.rx.device, r.rx.samples, r.rx.start, r.rx.reset, r.rx.read, r.rx.lowRange, r.rx.highRange,
                      r.rx.calibrationInput, r.rx.measurementInput, r.rx.clear);
        break;
    case RxStress: rest = fields(r.stress.device, r.stress.samples, r.stress.pause); break;
    default: break;
    }
    return rest.isEmpty() ? names[r.kind] : names[r.kind] + QString(" ") + rest;
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
