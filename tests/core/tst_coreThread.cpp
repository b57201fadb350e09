#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxReportRecorder.h"

#include <QElapsedTimer>
#include <QtTest>

#include <limits>
#include <thread>

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

class tst_coreThread : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxDiagnosticCapture> diagnostics;

private slots:
    void init() { diagnostics.reset(new woxDiagnosticCapture); }

    void cleanup() { diagnostics.reset(); }

    void constructionState()
    {
        woxCoreThreadProbe thread;
        QCOMPARE(thread.electrodeTimers.size(), 66);
        for (int electrode = 0; electrode < 64; ++electrode)
            QVERIFY(thread.electrodeTimers.contains(woxElectrode(electrode)));
        QVERIFY(thread.electrodeTimers.contains(65535));
        QVERIFY(thread.electrodeTimers.contains(65534));
        for (const woxStopwatch &timer : qAsConst(thread.electrodeTimers))
            QVERIFY(!timer.isStarted());
        QCOMPARE(thread.error.code, quint8(0));
        QCOMPARE(thread.job, woxCoreThreadJob(0));
        QCOMPARE(thread.lastSentDevice, -1);
        QCOMPARE(thread.lastSentCommand, -1);
        QVERIFY(thread.overloadedReceivers.isEmpty());
    }

    void waitZeroHonoursAPendingCancel()
    {
        woxCoreThreadProbe thread;
        QVERIFY(thread.wait(0));
        QCOMPARE(thread.error.code, quint8(0));

        thread.cancel();
        QVERIFY(!thread.wait(0));
        QCOMPARE(thread.error.code, quint8(13));
        QVERIFY(!thread.cancelPending());
    }

    void delayZeroLeavesTheCancelForTheNextWait()
    {
        woxCoreThreadProbe thread;
        thread.cancel();
        QVERIFY(thread.delay(0));
        QCOMPARE(thread.error.code, quint8(0));
        QVERIFY(thread.cancelPending());
        QVERIFY(!thread.delay(10));
        QCOMPARE(thread.error.code, quint8(13));
    }

    void delayAboveThirtySecondsIsRefused()
    {
        woxCoreThreadProbe thread;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!thread.delay(30001));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(thread.error.code, quint8(14));
        QCOMPARE(diagnostics->lines(), QStringList{"woxCoreThread error: delay msec is invalid: 30001"});

        // A long product is refused whole rather than cut to 16 bits.
        QVERIFY(!thread.delay(65540));
        QCOMPARE(diagnostics->lines().last(), QStringLiteral("woxCoreThread error: delay msec is invalid: 65540"));
    }

    void delayRuns()
    {
        woxCoreThreadProbe thread;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(thread.delay(50));
        QVERIFY(timer.elapsed() >= 50);
        QCOMPARE(thread.error.code, quint8(0));
        QVERIFY(diagnostics->lines().isEmpty());
    }

    void cancelDuringADelay()
    {
        woxCoreThreadProbe thread;
        QElapsedTimer timer;
        timer.start();
        bool passed = true;
        {
            delayedCancel cancel(&thread, 50);
            passed = thread.delay(500);
        }
        QVERIFY(!passed);
        QVERIFY(timer.elapsed() < 450);
        QCOMPARE(thread.error.code, quint8(13));
        QVERIFY(!thread.cancelPending());
        QCOMPARE(thread.error.toString(), QStringLiteral("Canceled by user"));
    }

    void setterClearsAStaleCancel()
    {
        woxCoreThreadProbe thread;
        thread.cancel();
        thread.setJobCalibrate(woxCalibrateRequest());
        QVERIFY(!thread.cancelPending());
    }

    void delaySinceMark()
    {
        woxCoreThreadProbe thread;
        QVERIFY(thread.markTime());
        QTest::qSleep(150);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(thread.delaySinceMark(100));
        QVERIFY(timer.elapsed() < 50);

        QVERIFY(thread.markTime());
        timer.restart();
        QVERIFY(thread.delaySinceMark(100));
        QVERIFY(timer.elapsed() >= 90);
        QVERIFY(thread.isReady());
    }

    void delaySinceAnOldMarkPassesAtOnce()
    {
        // A mark 65536 ms old: cut to 16 bits it would look fresh and the
        // full 30 s would be waited again.
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 1, 5, 536)));
        woxCoreThreadProbe thread;
        thread.pacingTimer.invalidate();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(thread.delaySinceMark(30000));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(thread.error.code, quint8(0));
    }

    void nearnessTests()
    {
        QVERIFY(!woxCoreThread::isNear1000(900.0f));
        QVERIFY(!woxCoreThread::isNear1000(1100.0f));
        QVERIFY(woxCoreThread::isNear1000(900.5f));
        QVERIFY(woxCoreThread::isNear1000(1099.9f));
        QVERIFY(woxCoreThread::isNearReference(95.0f, -100.0f));
        QVERIFY(woxCoreThread::isNearReference(90.0f, 100.0f));
        QVERIFY(woxCoreThread::isNearReference(110.0f, 100.0f));
        QVERIFY(!woxCoreThread::isNearReference(89.0f, 100.0f));
        QVERIFY(!woxCoreThread::isNearReference(-95.0f, -100.0f));
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QVERIFY(!woxCoreThread::isNearReference(nan, 100.0f));
        QVERIFY(!woxCoreThread::isNearReference(95.0f, nan));
        QVERIFY(!woxCoreThread::isNear1000(nan));
    }

    void idleAndStopAllJobsReportNothing()
    {
        woxCoreThreadProbe thread;
        woxReportRecorder recorder(&thread);
        thread.start();
        QVERIFY(thread.waitForJob(10000));
        thread.job = 16;
        thread.start();
        QVERIFY(thread.waitForJob(10000));
        QCOMPARE(thread.job, woxCoreThreadJob(0));
        thread.setJobStopAll(0);
        thread.start();
        QVERIFY(thread.waitForJob(10000));
        QCoreApplication::processEvents();
        QVERIFY(recorder.names.isEmpty());
        QCOMPARE(thread.job, woxCoreThreadJob(0));
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

    void runResetsTheErrorCode()
    {
        woxCoreThreadProbe thread;
        woxReportRecorder recorder(&thread);
        thread.error.code = 4;
        thread.error.device = 9;
        thread.setJobSound(0);
        thread.run();
        QCOMPARE(recorder.names, QStringList{"Sound"});
        QCOMPARE(recorder.sound.error.code, quint8(0));
        // Only the code starts afresh; the device is left as it was.
        QCOMPARE(recorder.sound.error.device, woxAddress(9));
    }
};

QTEST_GUILESS_MAIN(tst_coreThread)
#include "tst_coreThread.moc"
