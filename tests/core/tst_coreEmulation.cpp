#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeRandom.h"
#include "woxMake.h"
#include "woxReportRecorder.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <thread>

using woxMake::coreQuadripole;

namespace {

// Cancels the worker from another thread after a short pause, as the GUI
// thread's stop button does while a job waits.
class delayedCancel
{
public:
    delayedCancel(woxCoreThread *thread, int msec)
        : canceller([thread, msec] {
              std::this_thread::sleep_for(std::chrono::milliseconds(msec));
              thread->cancel();
          })
    {
    }
    ~delayedCancel() { canceller.join(); }

private:
    std::thread canceller;
};

bool allFinite(const woxMeasureResult &r)
{
    for (const float value : {r.txVoltage, r.txCurrent, r.rxVoltage, r.chargeability, r.rxS,
                              r.quality}) {
        if (!std::isfinite(value))
            return false;
    }
    for (const float value : r.decay) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

} // namespace

// The worker's waits and emulated jobs, called directly on the test thread
// with the time of day and the random draws injected.
class tst_coreEmulation : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxDiagnosticCapture> diagnostics;

private slots:
    void init() { diagnostics.reset(new woxDiagnosticCapture); }

    void cleanup() { diagnostics.reset(); }

    void signalCounts_data()
    {
        QTest::addColumn<quint16>("pulseCode");
        QTest::addColumn<quint16>("pauseCode");
        QTest::addColumn<QString>("line");
        QTest::newRow("longest listed") << quint16(198) << quint16(198) << QString();
        QTest::newRow("pulse 199") << quint16(199) << quint16(0)
                                   << "woxCoreThread error: doSignal pulseCode is invalid: 199";
        QTest::newRow("pause 199") << quint16(2) << quint16(199)
                                   << "woxCoreThread error: doSignal pauseCode is invalid: 199";
    }

    void signalCounts()
    {
        QFETCH(quint16, pulseCode);
        QFETCH(quint16, pauseCode);
        QFETCH(QString, line);
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pulseCode = pulseCode;
        options.ipEnabled = true;
        options.pauseCode = pauseCode;
        thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), options);
        const woxCoreReportSignal report = thread.doSignal();
        QCOMPARE(report.error.code, quint8(line.isEmpty() ? 0 : 14));
        QCOMPARE(report.pulse1TxVoltage.size(), line.isEmpty() ? 199 : 0);
        QCOMPARE(report.pause2RxVoltage.size(), line.isEmpty() ? 198 : 0);
        QCOMPARE(report.options.pulseCode, pulseCode);
        QCOMPARE(diagnostics->lines(), line.isEmpty() ? QStringList() : QStringList{line});
    }

    void et2dZeroSpanStaysFinite()
    {
        woxFakeRandom random({0, 0});
        woxCoreThreadProbe thread;
        woxET2DRequest request;
        request.options.ipEnabled = true;
        request.options.pauseCode = 1;
        request.quadripoles << coreQuadripole(0, 0, 0, 0, 0) << coreQuadripole(5, 5, 5, 5, 0)
                            << coreQuadripole(65535, 0, 65534, 0, 0);
        thread.setJobET2D(request);
        const woxCoreReportET2D report = thread.doET2D();
        QCOMPARE(report.results.size(), 3);
        for (const woxMeasureResult &r : report.results)
            QVERIFY(allFinite(r));
        request.quadripoles.clear();   // an empty list still reports the sensors
        thread.setJobET2D(request);
        QCOMPARE(thread.doET2D().sensor.values.size(), 3);
    }

    void auxiliaryJobs()
    {
        woxCoreThreadProbe thread;
        QCOMPARE(thread.doTxAux().error.code, quint8(0));
        QCOMPARE(thread.doSwAux().error.code, quint8(0));
        QCOMPARE(thread.waits, QList<quint16>({1000, 1000}));
    }

    void rxAuxLongStartIsRefusedNotWrapped()
    {
        // 3277 x 20 ms is 65540 ms, which in 16 bits would be a 4 ms wait.
        woxCoreThreadProbe thread;
        woxRxRequest request;
        request.start = true;
        request.samples = 3277;
        thread.setJobRxAux(request);
        const woxCoreReportRxAux report = thread.doRxAux();
        QCOMPARE(report.error.code, quint8(14));
        QCOMPARE(diagnostics->lines(), QStringList{"woxCoreThread error: delay msec is invalid: 65540"});
    }

    void electrodeRestBeyondThirtySecondsIsRefused()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pulseDuration = 11000;  // 66000 ms, which in 16 bits would be 464 ms
        thread.markElectrodesUsed(QVector<woxElectrode>(), options);
        QCOMPARE(thread.appliedOptions.pulseDuration, quint16(11000));
        QVERIFY(!thread.waitElectrodeRest(QVector<woxElectrode>{5}));
        QCOMPARE(thread.error.code, quint8(14));
        QCOMPARE(diagnostics->lines(), QStringList({"Wait 66000msec...",
                                     "woxCoreThread error: delay msec is invalid: 66000"}));
    }

    // Waits are checked by what they ask for, never by how long they took.
    void delaysAndCancels()
    {
        woxCoreThreadProbe thread;
        // A delay of 0 leaves a pending cancel for the next wait, which
        // fails and takes it; the largest delay is accepted, then canceled.
        thread.cancel();
        QVERIFY(thread.delay(0));
        QVERIFY(thread.cancelPending());
        QVERIFY(!thread.delay(30000));
        QCOMPARE(thread.error.toString(), QStringLiteral("Canceled by user"));
        QVERIFY(!thread.cancelPending());
        thread.cancel();
        QVERIFY(!thread.wait(0));
        QVERIFY(!thread.cancelPending());

        // Above 30 s is refused, a long product whole rather than cut to 16 bits.
        thread.waits.clear();
        QVERIFY(!thread.delay(30001));
        QCOMPARE(thread.error.code, quint8(14));
        QVERIFY(thread.waits.isEmpty());
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: delay msec is invalid: 30001"}));

        thread.cancel();
        thread.setJobCalibrate(woxCalibrateRequest());   // a new job clears a stale cancel
        QVERIFY(!thread.cancelPending());
        bool passed = true;
        {
            delayedCancel cancel(&thread, 50);
            passed = thread.delay(5000);
        }
        QVERIFY(!passed);
        QCOMPARE(thread.error.code, quint8(13));
        QVERIFY(!thread.cancelPending());
    }

    void delaySinceMark()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 1, 5, 536)));
        woxCoreThreadProbe thread;
        // A mark 65536 ms old: cut to 16 bits it would look fresh and the
        // full 30 s would be waited again.
        thread.pacingTimer.invalidate();
        QVERIFY(thread.delaySinceMark(30000));
        QVERIFY(thread.waits.isEmpty());
    }

    void nearnessTests()
    {
        QVERIFY(!woxCoreThread::isNear1000(900.0f));
        QVERIFY(!woxCoreThread::isNear1000(1100.0f));
        QVERIFY(woxCoreThread::isNear1000(900.5f));
        QVERIFY(woxCoreThread::isNearReference(95.0f, -100.0f));
        QVERIFY(woxCoreThread::isNearReference(110.0f, 100.0f));
        QVERIFY(!woxCoreThread::isNearReference(89.0f, 100.0f));
        QVERIFY(!woxCoreThread::isNearReference(-95.0f, -100.0f));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QVERIFY(!woxCoreThread::isNearReference(nan, 100.0f));
        QVERIFY(!woxCoreThread::isNear1000(nan));
    }

    void everyJobReportsOnceOnItsThread()
    {
        woxCoreThreadProbe thread;
        woxReportRecorder recorder(&thread);
        thread.setJobRxStress(woxStressRequest());
        thread.start();
        QVERIFY(thread.waitForJob(10000));
        thread.setJobSound(3);
        thread.start();
        QVERIFY(thread.waitForJob(10000));
        QTRY_COMPARE(recorder.names, QStringList({"RxStress", "Sound"}));
        QCOMPARE(recorder.rxStress.text, QStringLiteral("OK"));
        QCOMPARE(thread.job, woxCoreThreadJob(0));
    }
};

QTEST_GUILESS_MAIN(tst_coreEmulation)
#include "tst_coreEmulation.moc"
