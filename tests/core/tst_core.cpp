#include "woxCore.h"
#include "woxDiagnosticCapture.h"
#include "woxMake.h"
#include "woxReportRecorder.h"

#include <QtTest>

// The facade with its real worker thread and the real emulated delays.
class tst_core : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxDiagnosticCapture> diagnostics;

    static void settle()
    {
        // Let queued reports that might still be on their way arrive.
        QTest::qWait(50);
    }

private slots:
    void init() { diagnostics.reset(new woxDiagnosticCapture); }

    void cleanup()
    {
        woxCore::destroy();
        diagnostics.reset();
    }

    void oneReportPerJob()
    {
        woxCore *core = woxCore::instance();
        QCOMPARE(woxCore::instance(), core);
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
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 13, 20000);
        // The sensor and sound jobs need an idle worker for themselves.
        core->readSensors(0);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 14, 20000);
        core->playSound(1);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 15, 20000);
        settle();

        QCOMPARE(recorder.names,
                 QStringList({"Discover", "Signal", "Resistance", "Calibrate", "Sensor", "ET2D",
                              "VES", "Clock", "Production", "TxAux", "SwAux", "RxAux",
                              "RxStress", "Sensor", "Sound"}));
        for (const woxCoreError &error : qAsConst(recorder.errors))
            QCOMPARE(error.code, quint8(0));
        QCOMPARE(recorder.discover.devices.size(), 43);
        QCOMPARE(recorder.rxStress.text, QStringLiteral("OK"));
        // The stop-all job wrote to the never-opened port and stayed silent.
        QCOMPARE(diagnostics->lines(), QVector<QString>(5, "woxCoreThread error: no data sent, port was closed").toList());
    }

    void et2dIsPrecededByItsSensorReport()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        woxET2DRequest request;
        const woxCoreQuadripole quadripole = woxMake::coreQuadripole(0, 3, 1, 2);
        request.quadripoles << quadripole << quadripole;
        core->measureET2D(request);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 2, 10000);
        settle();
        QCOMPARE(recorder.names, QStringList({"Sensor", "ET2D"}));
        QCOMPARE(recorder.et2d.results.size(), 2);
        QCOMPARE(recorder.sensor.values, recorder.et2d.sensor.values);
        QCOMPARE(recorder.sensor.values.value(1), 12700.0f);
        QCOMPARE(recorder.sensor.values.value(2), 13200.0f);
        QCOMPARE(recorder.sensor.values.value(3), 18.8f);
        QCOMPARE(recorder.sensor.error.code, quint8(0));
        QCOMPARE(recorder.sensor.error.device, woxAddress(0));
    }

    void readSensorsNeverBlocks()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->txAux(woxTxRequest());    // 1000 ms
        core->readSensors(0);
        core->readSensors(0);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 1, 10000);
        settle();
        QCOMPARE(recorder.names, QStringList{"TxAux"});

        // Also while another sensor job runs.
        core->readSensors(0);
        core->readSensors(0);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 2, 10000);
        settle();
        QCOMPARE(recorder.names, QStringList({"TxAux", "Sensor"}));
    }

    void stopDuringADelay()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->discover(0);
        QTest::qWait(30);
        core->stop();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 1, 10000);
        QCOMPARE(recorder.discover.error.code, quint8(13));
        QCOMPARE(recorder.discover.error.toString(), QStringLiteral("Canceled by user"));
        QCOMPARE(recorder.discover.devices.size(), 43);

        core->swAux(woxSwRequest());
        QTest::qWait(100);
        core->stop();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 2, 10000);
        QCOMPARE(recorder.swAux.error.code, quint8(13));
    }

    void stopWhileIdleDisturbsNothing()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->stop();
        settle();
        QVERIFY(recorder.names.isEmpty());
        core->calibrate(woxCalibrateRequest());
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 1, 10000);
        QCOMPARE(recorder.calibrate.error.code, quint8(0));
    }

    void playSoundCutsALongJobShort()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->txAux(woxTxRequest());    // 1000 ms
        QTest::qWait(50);
        core->playSound(2);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 2, 10000);
        settle();
        QCOMPARE(recorder.names, QStringList({"TxAux", "Sound"}));
        QCOMPARE(recorder.txAux.error.code, quint8(13));
        QCOMPARE(recorder.txAux.temperature, -298.0f);
        QCOMPARE(recorder.sound.error.code, quint8(0));
    }

    void requestsInARowReportInOrder()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        woxProductionRequest first;
        first.test = 1;
        woxProductionRequest second;
        second.test = 2;
        core->runProduction(first);
        core->runProduction(second);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 2, 10000);
        QCOMPARE(recorder.production.test, quint8(2));
        QCOMPARE(recorder.errors.first().code, quint8(0));
    }

    void stopAllIsSilent()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->stopAll(0);
        core->stopAll(0);
        core->discover(0);  // waits for the stop-all job
        QTRY_COMPARE_WITH_TIMEOUT(recorder.names.size(), 1, 10000);
        settle();
        QCOMPARE(recorder.names, QStringList{"Discover"});
        QCOMPARE(diagnostics->lines().size(), 10);
    }

    void destroyWhileRunningDropsTheReport()
    {
        woxCore *core = woxCore::instance();
        woxReportRecorder recorder(core);
        core->swAux(woxSwRequest());    // 1000 ms
        QTest::qWait(50);
        woxCore::destroy();
        woxCore::destroy();   // no instance left: nothing happens
        settle();
        QVERIFY(recorder.names.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"
