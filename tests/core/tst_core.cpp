#include "woxCore.h"
#include "woxDiagnosticCapture.h"
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
    }
};

QTEST_GUILESS_MAIN(tst_core)
#include "tst_core.moc"
