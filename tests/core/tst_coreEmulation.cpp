#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeRandom.h"
#include "woxMake.h"

#include <QtTest>

#include <cmath>
#include <limits>

using woxMake::coreQuadripole;

// The worker's waits and emulated jobs, run on the test thread with the time of day and the random draws injected.
class tst_coreEmulation : public QObject
{
    Q_OBJECT

    static QString errorLine(const QString &text) { return "woxCoreThread error: " + text; }

private slots:
    // Counts beyond the option lists are refused before any sample; electrodes without spacing still give numbers.
    void emulatedJobs()
    {
        woxDiagnosticCapture diagnostics;
        woxFakeRandom random({4, 2, 9, 4});   // ET2D p 4.5 and q 2.5, then VES x 9.01 and y 4.01
        woxCoreThreadProbe thread;
        QVERIFY(thread.doTxAux().error.code == 0 && thread.doSwAux().error.code == 0);
        QCOMPARE(thread.waits, QList<quint16>({1000, 1000}));

        thread.setJobET2D({{coreQuadripole(0, 0, 0, 0, 0), coreQuadripole(5, 5, 5, 5, 0),
                            coreQuadripole(65535, 0, 65534, 0, 0), coreQuadripole(0, 3, 1, 2, 0)},
                           woxMeasureOptions{2, true, 1}});
        const woxCoreReportET2D et2d = thread.doET2D();
        QCOMPARE(et2d.results.size(), 4);
        for (const woxMeasureResult &r : et2d.results) {
            for (const float value : r.decay + QVector<float>{r.txVoltage, r.txCurrent, r.rxVoltage,
                                                              r.chargeability, r.rxS, r.quality})
                QVERIFY(std::isfinite(value));
        }
        // Span 3 around 1.5 at 25 %: quality, rx voltage, tx voltage and current, rxS.
        const woxMeasureResult &r = et2d.results.last();
        QCOMPARE(QString("%1 %2 %3 %4 %5").arg(r.quality).arg(r.rxVoltage).arg(r.txVoltage).arg(r.txCurrent).arg(r.rxS),
                 QString("0.0025 10.0302 153125 69.816 3.28493"));
        thread.setJobVES(woxMeasureOptions());
        const woxMeasureResult ves = thread.doVES().result;
        QCOMPARE(QString("%1 %2 %3").arg(ves.rxVoltage).arg(ves.txCurrent).arg(ves.chargeability),
                 QString("9.01 4.01 5.01"));

        thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), woxMeasureOptions{198, true, 198});
        woxCoreReportSignal report = thread.doSignal();
        QCOMPARE(report.pulse1TxVoltage.size(), 199);
        QCOMPARE(report.pause2RxVoltage.size(), 198);
        for (const woxMeasureOptions &options : {woxMeasureOptions{199}, woxMeasureOptions{2, 1, 199}}) {
            thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), options);
            report = thread.doSignal();
            QVERIFY(report.error.code == 14 && report.pulse1TxVoltage.isEmpty());
        }
        QCOMPARE(diagnostics.lines(), QStringList({errorLine("doSignal pulseCode is invalid: 199"),
                                                   errorLine("doSignal pauseCode is invalid: 199")}));
    }

    // Waits are checked by what they ask for. Above 30 s is refused, a long product whole rather than cut to 16 bits.
    void delaysAndCancels()
    {
        woxDiagnosticCapture diagnostics;
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
        woxCoreThreadProbe thread;
        thread.setJobRxAux(woxRxRequest{0, 3277, true});   // 3277 x 20 ms is 65540 ms, in 16 bits 4 ms
        QCOMPARE(thread.doRxAux().error.code, quint8(14));
        QVERIFY(!thread.delay(30001));
        woxMeasureOptions options;
        options.pulseDuration = 11000;  // 66000 ms of rest, in 16 bits 464 ms
        thread.markElectrodesUsed(QVector<woxElectrode>(), options);
        QVERIFY(!thread.waitElectrodeRest(QVector<woxElectrode>{5}));
        // An electrode never used counts as rested since midnight: at 00:01:06 exactly enough, no wait and no line.
        clock.current = QDateTime(QDate(2024, 1, 1), QTime(0, 1, 6));
        QVERIFY(thread.waitElectrodeRest(QVector<woxElectrode>{5})
                && thread.waitElectrodeRest({coreQuadripole(0, 1, 2, 3)}));
        QCOMPARE(diagnostics.lines(), QStringList({errorLine("delay msec is invalid: 65540"),
                                                   errorLine("delay msec is invalid: 30001"), "Wait 66000msec...",
                                                   errorLine("delay msec is invalid: 66000")}));
        // A and B of a run then rest, and M and N alike must have rested before they measure.
        thread.markElectrodesUsed({coreQuadripole(5, 6, 0, 1)}, options);
        for (const woxCoreQuadripole &q : {coreQuadripole(0, 1, 5, 9), coreQuadripole(0, 1, 9, 6)})
            QVERIFY(!thread.waitElectrodeRest(QList<woxCoreQuadripole>{q}));

        // A delay of 0 leaves a pending cancel for the next wait, which fails and takes it; the largest delay is
        // accepted, then canceled.
        thread.cancel();
        QVERIFY(thread.delay(0) && thread.cancelPending());
        QVERIFY(!thread.delay(30000) && !thread.cancelPending());
        QCOMPARE(thread.error.toString(), QStringLiteral("Canceled by user"));
        thread.cancel();
        QVERIFY(!thread.wait(0) && !thread.cancelPending());
        thread.cancel();
        thread.setJobCalibrate(woxCalibrateRequest());   // a new job clears a stale cancel
        QVERIFY(!thread.cancelPending());
        // A pacing mark 65536 ms old: cut to 16 bits it would look fresh and the full 30 s would be waited again.
        clock.current = QDateTime(QDate(2024, 1, 1), QTime(0, 1, 5, 536));
        thread.pacingTimer.invalidate();
        QVERIFY(thread.delaySinceMark(30000));
        QCOMPARE(thread.waits, QList<quint16>({30000, 0}));   // none of the refused ones

        // Readings near 1000 and near a reference of either sign, bounds excluded, not-a-number never.
        const auto near1000 = &woxCoreThread::isNear1000;
        const auto nearReference = &woxCoreThread::isNearReference;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QVERIFY(near1000(900.5f) && !near1000(900.0f) && !near1000(1100.0f) && !near1000(nan));
        QVERIFY(nearReference(95.0f, -100.0f) && nearReference(110.0f, 100.0f));
        QVERIFY(!nearReference(89.0f, 100.0f) && !nearReference(-95.0f, -100.0f) && !nearReference(nan, 100.0f));
    }
};

QTEST_GUILESS_MAIN(tst_coreEmulation)
#include "tst_coreEmulation.moc"
