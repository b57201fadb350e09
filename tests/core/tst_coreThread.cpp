#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxReportRecorder.h"

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

    // Waits are checked by what they ask for, never by how long they took.
    void delaysAndCancels()
    {
        woxCoreThreadProbe thread;
        QVERIFY(thread.wait(0) && thread.delay(0) && thread.delay(50));
        QCOMPARE(thread.waits, QList<quint16>({0, 50}));
        QCOMPARE(thread.error.code, quint8(0));

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
        QVERIFY(!thread.delay(65540));
        QVERIFY(thread.waits.isEmpty());
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: delay msec is invalid: 30001",
                                                    "woxCoreThread error: delay msec is invalid: 65540"}));

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
        QVERIFY(thread.markTime());
        QTest::qSleep(150);
        QVERIFY(thread.delaySinceMark(100));   // long past: no wait
        QVERIFY(thread.waits.isEmpty());
        QVERIFY(thread.markTime());
        QVERIFY(thread.delaySinceMark(100));   // waits what is left of the 100 ms
        QCOMPARE(thread.waits.size(), 1);
        QVERIFY(thread.waits.first() > 0 && thread.waits.first() <= 100);
        QVERIFY(thread.isReady());
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
