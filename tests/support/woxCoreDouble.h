#ifndef WOXCOREDOUBLE_H
#define WOXCOREDOUBLE_H

#include "woxCore.h"
#include "woxCoreRequestTap.h"

#include <QList>

#include <functional>

// Stands in for the instrument while it lives: every request a screen makes
// of woxCore is recorded, kind and fields, in order, and no job runs. Reports
// reach the screens through woxCore's own signals, exactly as the real core
// broadcasts them (an ET2D report announces its sensor readings first):
// deliver() at once, answer() as the reply to the next request of a kind,
// posted to the event loop like the real core's replies.
class woxCoreDouble : public woxCoreRequestTap
{
public:
    enum Kind {
        Discover, Signal, Resistance, Calibrate, ET2D, VES, Sensor, Clock,
        Sound, Production, TxAux, SwAux, RxAux, RxStress, StopAll, Stop
    };

    // One request; only the members of its kind are filled in.
    struct Request
    {
        Kind kind = Discover;
        woxCoreQuadripole quadripole;       // Signal
        woxMeasureOptions options;          // Signal, VES
        woxResistanceRequest resistance;
        woxCalibrateRequest calibration;
        woxET2DRequest et2d;
        woxClockRequest clock;
        quint8 sound = 0;
        woxProductionRequest production;
        woxTxRequest tx;
        woxSwRequest sw;
        woxRxRequest rx;
        woxStressRequest stress;
    };

    woxCoreDouble();
    ~woxCoreDouble() override;

    // The kinds of the requests recorded, in order.
    QList<Kind> kinds() const;
    // The recorded requests, emptying the record.
    QList<Request> take();
    // A request as one line: its kind, then every field of that kind in
    // declaration order, booleans as 0 and 1 ("TxAux 1 0 0 7 33 1000 50");
    // options as o(pulseCode ip pauseCode deviation min max percent pulseMs),
    // quadripoles as q(a b m n channel), a clock as "Clock 1 2024-03-09 07:05:00" (milliseconds only when set).
    static QString line(const Request &request);
    // Every recorded request as its line, emptying the record.
    QStringList takeLines();

    static void deliver(const woxCoreReportDiscover &report);
    static void deliver(const woxCoreReportCalibrate &report);
    static void deliver(const woxCoreReportResistance &report);
    static void deliver(const woxCoreReportSignal &report);
    static void deliver(const woxCoreReportET2D &report);
    static void deliver(const woxCoreReportVES &report);
    static void deliver(const woxCoreReportSensor &report);
    static void deliver(const woxCoreReportClock &report);
    static void deliver(const woxCoreReportSound &report);
    static void deliver(const woxCoreReportProduction &report);
    static void deliver(const woxCoreReportTxAux &report);
    static void deliver(const woxCoreReportSwAux &report);
    static void deliver(const woxCoreReportRxAux &report);
    static void deliver(const woxCoreReportRxStress &report);

    // Scripts the reply to the next request of `kind`; replies to one kind
    // are used in the order scripted.
    template <class Report>
    void answer(Kind kind, const Report &report)
    {
        replies.append(Reply{kind, [report] { deliver(report); }});
    }

    QList<Request> requests;

    void discover(int unused) override;
    void measureSignal(const woxCoreQuadripole &quadripole,
                       const woxMeasureOptions &options) override;
    void measureResistance(const woxResistanceRequest &request) override;
    void calibrate(const woxCalibrateRequest &request) override;
    void measureET2D(const woxET2DRequest &request) override;
    void measureVES(const woxMeasureOptions &options) override;
    void readSensors(int unused) override;
    void clock(const woxClockRequest &request) override;
    void playSound(quint8 sound) override;
    void runProduction(const woxProductionRequest &request) override;
    void txAux(const woxTxRequest &request) override;
    void swAux(const woxSwRequest &request) override;
    void rxAux(const woxRxRequest &request) override;
    void rxStress(const woxStressRequest &request) override;
    void stopAll(int unused) override;
    void stop() override;

private:
    struct Reply
    {
        Kind kind;
        std::function<void()> send;
    };

    void record(const Request &request);
    static Request make(Kind kind);
    // Records a request of `kind` with one field set.
    template <class Field>
    void recordWith(Kind kind, Field Request::*field, const Field &value)
    {
        Request request = make(kind);
        request.*field = value;
        record(request);
    }

    QList<Reply> replies;
};

#endif
