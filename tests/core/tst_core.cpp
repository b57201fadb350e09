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
    woxCoreReportET2D et2d;
    woxCoreReportTxAux txAux;
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
        listen(core, &woxCore::sendReportET2D, "ET2D", &et2d);
        listen(core, &woxCore::sendReportVES, "VES");
        listen(core, &woxCore::sendReportSensor, "Sensor", &sensor);
        listen(core, &woxCore::sendReportClock, "Clock");
        listen(core, &woxCore::sendReportSound, "Sound");
        listen(core, &woxCore::sendReportProduction, "Production");
        listen(core, &woxCore::sendReportTxAux, "TxAux", &txAux);
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
        core->stop();   // while idle: nothing to cancel, and the next job is not disturbed
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

    // The ET2D report comes after the sensor report it carries: the readings taken with the run, which keep their own
    // outcome when the run is canceled.
    void et2dAnnouncesItsSensorReadings()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        const woxCoreQuadripole quadripole = woxMake::coreQuadripole(0, 3, 1, 2);
        core->measureET2D(woxET2DRequest{{quadripole, quadripole}, woxMeasureOptions()});
        core->stop();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names, QStringList({"Sensor", "ET2D failed"}), 10000);
        QCOMPARE(recorder.et2d.results.size(), 2);
        QCOMPARE(recorder.sensor.values, (QMap<woxAddress, float>{{1, 12700.0f}, {2, 13200.0f}, {3, 18.8f}}));
        QVERIFY(recorder.et2d.sensor.values == recorder.sensor.values && recorder.sensor.error.code == 0);
    }

    // A sound cuts the running job short: its report still comes, canceled, then the sound's. Sensor reads while a
    // job runs are dropped, never queued.
    void soundCutsAJobShortAndSensorReadsNeverWait()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->txAux(woxTxRequest());   // 1 s
        core->readSensors(0);
        core->readSensors(0);
        core->playSound(2);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names, QStringList({"TxAux failed", "Sound"}), 10000);
        QCOMPARE(recorder.txAux.error.toString(), QStringLiteral("Canceled by user"));
        QCOMPARE(recorder.txAux.temperature, -298.0f);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(recorder.names.size(), 2);
    }

    // Tearing the facade down while a job runs drops that job's report; a second teardown does nothing, and a new
    // facade runs jobs again.
    void destroyDropsTheRunningJobsReport()
    {
        woxReportRecorder recorder(woxCore::instance());
        woxCore::instance()->swAux(woxSwRequest());   // 1 s
        woxCore::destroy();
        woxCore::destroy();
        QCoreApplication::sendPostedEvents();
        QVERIFY(recorder.names.isEmpty());
        woxReportRecorder again(woxCore::instance());
        woxCore::instance()->readSensors(0);
        QTRY_COMPARE_WITH_TIMEOUT(again.names, QStringList{"Sensor"}, 10000);
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

        // An ET2D report announces its sensor readings first, each with its own outcome.
        woxCoreReportET2D et2d;
        et2d.error.code = 13;
        et2d.sensor.values.insert(7, 1.5f);
        double_.deliver(et2d);
        QCOMPARE(recorder.names, QStringList({"RxStress", "RxStress", "Sensor", "ET2D failed"}));
        QCOMPARE(recorder.sensor.values.value(7), 1.5f);
        QVERIFY(double_.take().size() == 5 && double_.requests.isEmpty());
        // With no reply of its kind left a request stays unanswered; a reply scripted for another kind waits.
        double_.answer(woxCoreDouble::Clock, woxCoreReportClock());
        core->rxStress(woxStressRequest());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(recorder.names.size(), 4);
    }

    // Every request reaches the stand-in whole, field by field, in order, and no job runs; once it is gone the real
    // core answers.
    void doubleRecordsEveryField()
    {
        woxReportRecorder recorder(woxCore::instance());
        {
            woxCoreDouble double_;
            woxCore *core = woxCore::instance();
            core->txAux(woxTxRequest{false, true, false, 7, 32, 1000, -1});
            core->readSensors(0);
            core->swAux(woxSwRequest{42, false, false, false, false, false, true, true, 65534});
            core->measureSignal(woxMake::coreQuadripole(0, 3, 1, 2), woxMeasureOptions{2, false, 7});
            core->rxStress(woxStressRequest{24, 0, 10});
            core->playSound(4);
            core->measureET2D({{woxMake::coreQuadripole(0, 3, 1, 2, 5)}, {48, true, 23, 0.25f, 1, 9, 100, 200}});
            core->clock(woxClockRequest{true, QDate(2024, 3, 9), QTime(7, 5)});
            core->rxAux(woxRxRequest{8, 3, false, false, true});
            core->measureResistance(woxResistanceRequest{-2, 0, 1});
            core->calibrate(woxCalibrateRequest{40, 1});
            core->runProduction(woxProductionRequest{7});
            core->measureVES(woxMeasureOptions{4, true, 2});
            core->discover(0);
            core->stopAll(0);
            core->stop();
            QCOMPARE(double_.takeLines(),
                     QStringList({"TxAux 0 1 0 7 32 1000 -1", "Sensor", "SwAux 42 0 0 0 0 0 1 1 65534",
                                  "Signal q(0 3 1 2 17) o(2 0 7 1 3 5 25 80)", "RxStress 24 0 10", "Sound 4",
                                  "ET2D q(0 3 1 2 5) o(48 1 23 0.25 1 9 100 200)", "Clock 1 2024-03-09 07:05:00",
                                  "RxAux 8 3 0 0 1 0 0 0 0 0", "Resistance -2 0 1", "Calibrate 40 1", "Production 7",
                                  "VES o(4 1 2 1 3 5 25 80)", "Discover", "StopAll", "Stop"}));
        }
        // A job a request had started would report before these.
        woxCore::instance()->playSound(1);
        woxCore::instance()->discover(0);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.names.size() >= 2, 10000);
        QCOMPARE(recorder.names, QStringList({"Sound", "Discover"}));
    }
};

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"
