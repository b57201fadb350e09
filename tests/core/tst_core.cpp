#include "woxCore.h"
#include "woxCoreDouble.h"
#include "woxDiagnosticCapture.h"
#include "woxCoreTypes.h"
#include "woxMake.h"

#include <QtTest>

namespace {

// The facade's reports by name in arrival order (" failed" marks a failure), the last of a few kinds kept whole.
struct woxReportRecorder : QObject
{
    QStringList names;
    woxCoreReportSensor sensor;
    woxCoreReportRxAux rxAux;
    woxCoreReportRxStress rxStress;

    template <class Report>
    void listen(woxCore *core, void (woxCore::*signal)(Report), const char *name, Report *last = nullptr)
    {
        connect(core, signal, this, [=](const Report &report) {
            names.append(name + QString(report.error.code ? " failed" : ""));
            if (last)
                *last = report;
        });
    }

    explicit woxReportRecorder(woxCore *core)
    {
        woxRegisterCoreTypes();
        listen(core, &woxCore::sendReportDiscover, "Discover");
        listen(core, &woxCore::sendReportCalibrate, "Calibrate");
        listen(core, &woxCore::sendReportResistance, "Resistance");
        listen(core, &woxCore::sendReportSignal, "Signal");
        listen(core, &woxCore::sendReportET2D, "ET2D");
        listen(core, &woxCore::sendReportVES, "VES");
        listen(core, &woxCore::sendReportSensor, "Sensor", &sensor);
        listen(core, &woxCore::sendReportClock, "Clock");
        listen(core, &woxCore::sendReportSound, "Sound");
        listen(core, &woxCore::sendReportProduction, "Production");
        listen(core, &woxCore::sendReportTxAux, "TxAux");
        listen(core, &woxCore::sendReportSwAux, "SwAux");
        listen(core, &woxCore::sendReportRxAux, "RxAux", &rxAux);
        listen(core, &woxCore::sendReportRxStress, "RxStress", &rxStress);
    }
};

} // namespace

// The facade with its real worker thread and emulated delays, and the stand-in that screen tests drive in its place.
class tst_core : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { woxCore::destroy(); }

    void oneReportPerJobInOrder()
    {
        woxDiagnosticCapture diagnostics;
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->discover(0);
        core->measureSignal(woxCoreQuadripole(), woxMeasureOptions());
        core->measureResistance(woxResistanceRequest());
        core->calibrate(woxCalibrateRequest());
        core->measureET2D(woxET2DRequest());
        core->measureVES(woxMeasureOptions());
        core->clock(woxClockRequest());
        core->runProduction(woxProductionRequest());
        core->txAux(woxTxRequest());
        core->swAux(woxSwRequest());
        core->rxAux(woxRxRequest());
        core->rxStress(woxStressRequest());
        core->stopAll(0);
        // The sensor and sound jobs need an idle worker for themselves.
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 13, 20000);
        core->readSensors(0);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 14, 20000);
        core->playSound(1);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 15, 20000);
        // A report is relayed only once its job has ended: nothing more is queued.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(recorder.names.join(' '), QString("Discover Signal Resistance Calibrate Sensor ET2D VES Clock "
                                                   "Production TxAux SwAux RxAux RxStress Sensor Sound"));
        // The stop-all job wrote to the never-opened port and stayed silent.
        QCOMPARE(diagnostics.lines(),
                 QVector<QString>(5, "woxCoreThread error: no data sent, port was closed").toList());

        // A stop cancels the job's wait, even one the job has not reached yet.
        core->rxAux(woxRxRequest{0, 1500, true});   // 30 s
        core->stop();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 16, 10000);
        QCOMPARE(recorder.rxAux.error.toString(), QStringLiteral("Canceled by user"));
    }

    // The stand-in records and delivers what the facade would take and broadcast, replying after the caller returns.
    void doubleRecordsAndAnswersLikeTheFacade()
    {
        woxCoreDouble double_;
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        double_.answer(woxCoreDouble::RxStress, woxCoreReportRxStress{{}, "OK"});
        double_.answer(woxCoreDouble::RxStress, woxCoreReportRxStress{{}, "FAIL"});
        core->txAux(woxTxRequest());
        core->measureSignal(woxMake::coreQuadripole(0, 3, 1, 2), woxMeasureOptions{2, false, 7});
        core->rxStress(woxStressRequest());
        core->rxStress(woxStressRequest());
        core->stop();
        typedef woxCoreDouble D;
        QCOMPARE(double_.kinds(), QList<D::Kind>({D::TxAux, D::Signal, D::RxStress, D::RxStress, D::Stop}));
        const woxCoreDouble::Request signal = double_.requests.at(1);
        QVERIFY(signal.quadripole.b == 3 && signal.quadripole.m == 1 && signal.options.pauseCode == 7);
        QVERIFY(recorder.names.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names, QStringList({"RxStress", "RxStress"}), 10000);
        QCOMPARE(recorder.rxStress.text, QStringLiteral("FAIL"));   // replies in the order scripted

        // An ET2D report announces its sensor readings first.
        woxCoreReportET2D et2d;
        et2d.sensor.values.insert(7, 1.5f);
        double_.deliver(et2d);
        QCOMPARE(recorder.names, QStringList({"RxStress", "RxStress", "Sensor", "ET2D"}));
        QCOMPARE(recorder.sensor.values.value(7), 1.5f);
        QVERIFY(double_.take().size() == 5 && double_.requests.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"
