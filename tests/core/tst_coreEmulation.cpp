#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeRandom.h"
#include "woxFakeSerialPort.h"
#include "woxCoreTypes.h"
#include "woxMake.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

using woxMake::coreQuadripole;

namespace {

typedef QVector<float> Floats;

// Empty when each value lies within a ten-thousandth (relative) of the one expected; else both lists.
QString mismatch(const Floats &actual, const Floats &expected)
{
    bool same = actual.size() == expected.size();
    for (int i = 0; same && i < actual.size(); ++i)
        same = qAbs(actual[i] - expected[i]) <= 1e-4f * qMax(1.0f, qAbs(expected[i]));
    if (same)
        return QString();
    QStringList a, e;
    for (const float value : actual)
        a << QString::number(double(value), 'g', 9);
    for (const float value : expected)
        e << QString::number(double(value), 'g', 9);
    return "got " + a.join(' ') + ", expected " + e.join(' ');
}

#define COMPARE_FLOATS(actual, expected) \
    do { \
        const QString difference = mismatch(actual, expected); \
        QVERIFY2(difference.isEmpty(), qPrintable(difference)); \
    } while (false)

} // namespace

// The worker's waits and emulated jobs, run on the test thread with the time of day and the random draws injected.
class tst_coreEmulation : public QObject
{
    Q_OBJECT

    static QString errorLine(const QString &text) { return "woxCoreThread error: " + text; }

private slots:
    // The sensor phase is program-wide; each function starts from the phase of a fresh program.
    void init() { woxCoreThreadProbe::sensorPhase = 0.0f; }

    // Results from known draws: the ET2D worked example (p = q = 0.5), remote electrodes placed by B and N alone
    // (span 1, mid 2.5), induced polarisation with draws 4 and 2 (p 4.5, q 2.5), and VES with draws 17 and 8.
    // Values: tx voltage, tx current, rx voltage, chargeability, rxS, quality; then the decay.
    void measurementResults()
    {
        const woxMeasureOptions plain, ip2{2, true, 2}, ves4{2, false, 4};
        const struct { const char *name; QList<int> draws; woxCoreQuadripole quadripole; woxMeasureOptions options;
                       Floats values, decay; } rows[] = {
            {"worked example", {0, 0}, coreQuadripole(0, 3, 1, 2), plain,
             {153125, 69.357f, 10.0302f, 0, 4.2074f, 0.0005f}, {}},
            {"remote electrodes", {0, 0}, coreQuadripole(65535, 3, 65534, 2), plain,
             {153125, 68.7042f, 10, 0, 4.2074f, 0.0005f}, {}},
            {"induced polarisation", {4, 2}, coreQuadripole(0, 3, 1, 2), ip2,
             {153125, 69.816f, 10.0302f, 10.0302f, 3.28493f, 0.0025f}, {6, 3.5f}},
            {"VES", {17, 8}, woxCoreQuadripole(), ves4, {340000, 3.01f, 7.01f, 4.01f, 0, 0.68f}, {13, 13, 13, 13}}};
        for (const auto &row : rows) {
            woxFakeRandom random(row.draws);
            woxCoreThreadProbe thread;
            woxMeasureResult r;
            if (QByteArray(row.name) == "VES") {
                thread.setJobVES(row.options);
                r = thread.doVES().result;
            } else {
                thread.setJobET2D({{row.quadripole}, row.options});
                const woxCoreReportET2D report = thread.doET2D();
                QVERIFY2(report.results.size() == 1, row.name);
                r = report.results.first();
                // The readings taken with the run are fixed, and their error is their own.
                QCOMPARE(report.sensor.values, (QMap<woxAddress, float>{{1, 12700.0f}, {2, 13200.0f}, {3, 18.8f}}));
            }
            COMPARE_FLOATS((Floats{r.txVoltage, r.txCurrent, r.rxVoltage, r.chargeability, r.rxS, r.quality}),
                           row.values);
            COMPARE_FLOATS(r.decay, row.decay);
            QVERIFY2(!r.valid && r.options.pauseCode == row.options.pauseCode
                         && r.options.ipEnabled == row.options.ipEnabled, row.name);
        }
        // A canceled run still holds its results; the cancel is the report's, not the readings'.
        woxFakeRandom random({0, 0});
        woxCoreThreadProbe canceled;
        canceled.setJobET2D({{coreQuadripole(0, 3, 1, 2)}, woxMeasureOptions()});
        canceled.cancel();
        const woxCoreReportET2D cut = canceled.doET2D();
        QVERIFY(cut.error.code == 13 && cut.sensor.error.code == 0 && cut.results.size() == 1);
        QCOMPARE(cut.results.first().quality, 0.0005f);
        // An empty run still reports its sensor readings.
        woxCoreThreadProbe thread;
        thread.setJobET2D(woxET2DRequest());
        const woxCoreReportET2D empty = thread.doET2D();
        QVERIFY(empty.results.isEmpty() && empty.sensor.values.size() == 3 && empty.error.code == 0);
    }

    // The twelve series of a signal: three pulse samples of 153125 mV, 124.03134 mA and 46.786 mV with their
    // negatives; with IP and pause code 3 a decay of 1/k of half the pulse values and of 23.393.
    void signalSeries()
    {
        for (const bool ip : {false, true}) {
            woxCoreThreadProbe thread;
            thread.setJobSignal(coreQuadripole(0, 3, 1, 2), woxMeasureOptions{2, ip, 3});
            const woxCoreReportSignal r = thread.doSignal();
            QCOMPARE(r.error.code, quint8(0));
            QVERIFY(r.options.ipEnabled == ip && r.options.pauseCode == 3);
            const float v = 153125, i = 124.03134f, u = 46.786f;
            COMPARE_FLOATS(r.pulse1TxVoltage + r.pulse1TxCurrent + r.pulse1RxVoltage,
                           (Floats{v, v, v, i, i, i, u, u, u}));
            COMPARE_FLOATS(r.pulse2TxVoltage + r.pulse2TxCurrent + r.pulse2RxVoltage,
                           (Floats{-v, -v, -v, -i, -i, -i, -u, -u, -u}));
            const Floats decay = ip ? Floats{76562.5f, 38281.25f, 25520.833f, 62.01567f, 31.007835f, 20.67189f,
                                             23.393f, 11.6965f, 7.7977f}
                                    : Floats();
            Floats negative;
            for (const float value : decay)
                negative << -value;
            COMPARE_FLOATS(r.pause1TxVoltage + r.pause1TxCurrent + r.pause1RxVoltage, decay);
            COMPARE_FLOATS(r.pause2TxVoltage + r.pause2TxCurrent + r.pause2RxVoltage, negative);
        }
    }

    // The other jobs' reports at 10:20:30.250 on 2024-05-01, each from its own request, shown as text.
    void plainReports()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 20, 30, 250)));
        typedef std::function<QString(woxCoreThreadProbe &)> Run;
        const struct { const char *name; Run run; QString expected; } rows[] = {
            {"resistance of the remote potential electrode", [](woxCoreThreadProbe &t) {
                 t.setJobResistance(woxResistanceRequest{-2, 0, 1});
                 const woxCoreReportResistance r = t.doResistance();
                 return QString("%1 %2").arg(r.electrode).arg(double(r.resistance), 0, 'f', 5);
             }, "65534 0.76543"},
            {"clock read", [](woxCoreThreadProbe &t) {
                 t.setJobClock(woxClockRequest());
                 const woxCoreReportClock r = t.doClock();
                 return QString("%1 %2 %3").arg(r.set).arg(r.date.toString(Qt::ISODate),
                                                           r.time.toString("hh:mm:ss.zzz"));
             }, "0 2024-05-01 10:20:30.250"},
            {"clock set changes nothing", [](woxCoreThreadProbe &t) {
                 t.setJobClock(woxClockRequest{true, QDate(2020, 1, 1), QTime(1, 2, 3)});
                 const woxCoreReportClock r = t.doClock();
                 return QString("%1 %2 %3").arg(r.set).arg(r.date.isNull()).arg(r.time.isNull());
             }, "1 1 1"},
            {"production", [](woxCoreThreadProbe &t) {
                 t.setJobProduction(woxProductionRequest{7});
                 const woxCoreReportProduction r = t.doProduction();
                 return QString("%1 %2 [%3%4%5]").arg(r.test).arg(r.passed).arg(r.text1, r.text2, r.text3);
             }, "7 1 []"},
            {"stress", [](woxCoreThreadProbe &t) { return t.doRxStress().text; }, "OK"},
            {"transmitter", [](woxCoreThreadProbe &t) { return QString::number(double(t.doTxAux().temperature)); },
             "-298"},
            {"receiver read", [](woxCoreThreadProbe &t) {
                 t.setJobRxAux(woxRxRequest{8, 3, false, false, true});
                 QStringList samples;
                 for (const float sample : t.doRxAux().samples)
                     samples << QString::number(double(sample));
                 return samples.join(' ');
             }, "5.57 5.57 5.57"},
            {"receiver start waits 20 ms a sample and reads nothing", [](woxCoreThreadProbe &t) {
                 t.setJobRxAux(woxRxRequest{8, 2, true, false, true});
                 const woxCoreReportRxAux r = t.doRxAux();
                 return QString("%1 %2").arg(r.samples.size()).arg(t.waits.value(0));
             }, "0 40"},
            {"sound and calibration", [](woxCoreThreadProbe &t) {
                 return QString("%1 %2").arg(t.doSound().error.code).arg(t.doCalibrate().error.code);
             }, "0 0"}};
        for (const auto &row : rows) {
            woxCoreThreadProbe thread;
            QCOMPARE(row.run(thread), row.expected);
        }
        // The whole bus answers a discovery, also a canceled one.
        woxCoreThreadProbe thread;
        QList<woxAddress> bus;
        for (int address = 0; address <= 42; ++address)
            bus << woxAddress(address);
        QCOMPARE(thread.doDiscover().devices, bus);
        thread.setJobDiscover(0);
        thread.cancel();
        const woxCoreReportDiscover canceled = thread.doDiscover();
        QVERIFY(canceled.error.code == 13 && canceled.devices == bus);
    }

    // The battery and moisture readings swing with a phase that every sensor job, of any worker, moves on by 0.1.
    void sensorPhase()
    {
        woxCoreThreadProbe first;
        COMPARE_FLOATS(first.doSensor().values.values().toVector(), (Floats{12000, 13000, 50}));
        woxCoreThreadProbe second;
        const woxCoreReportSensor next = second.doSensor();
        QCOMPARE(next.values.keys(), QList<woxAddress>({1, 2, 3}));
        COMPARE_FLOATS(next.values.values().toVector(), (Floats{12099.833f, 12995.004f, 53.993f}));
    }

    // Jobs 0 and above 15 and the stop-all job emit nothing; every job ends with no job stored. A job starts with
    // code 0, the device part kept as it was.
    void dispatch()
    {
        woxRegisterCoreTypes();
        const struct { woxCoreThreadJob job; const char *emitted; } rows[] = {
            {0, ""}, {16, ""}, {15, ""}, {9, "sendReportSound"}, {14, "sendReportRxStress"}, {7, "sendReportSensor"}};
        for (const auto &row : rows) {
            woxCoreThreadProbe thread;
            thread.setPort(new woxFakeSerialPort);
            std::vector<std::unique_ptr<QSignalSpy>> spies;
            const QMetaObject &meta = woxCoreThread::staticMetaObject;
            for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
                const QByteArray signal = "2" + meta.method(i).methodSignature();   // as SIGNAL() writes it
                if (meta.method(i).methodType() == QMetaMethod::Signal)
                    spies.emplace_back(new QSignalSpy(&thread, signal.constData()));
            }
            thread.job = row.job;
            thread.error.set(0x0904);
            thread.run();
            QStringList emitted;
            for (const auto &spy : spies) {
                for (int i = 0; i < spy->count(); ++i)
                    emitted << QString(spy->signal()).section('(', 0, 0);
            }
            QCOMPARE(emitted.join(' '), QString(row.emitted));
            QVERIFY(thread.job == 0 && thread.error.code == 0 && thread.error.device == 9);
        }
    }

    // Sums, signed half differences, averages and the relative deviation in percent (held to 0..100, 1000 for
    // fewer than two samples); mismatched sizes and an empty average are refused with code 14.
    void sampleArithmetic()
    {
        woxDiagnosticCapture diagnostics;
        woxCoreThreadProbe thread;
        const struct { Floats samples; float average, deviation; } rows[] = {
            {{1, 2, 6}, 3, 88.19171f}, {{1, 1}, 1, 0}, {{1}, 1, 1000}, {{-1, -3}, -2, 0}, {{1, 100}, 50.5f, 100},
            {{9, 11}, 10, 14.142136f}};
        for (const auto &row : rows) {
            COMPARE_FLOATS((Floats{thread.average(row.samples), thread.relativeDeviation(row.samples)}),
                           (Floats{row.average, row.deviation}));
        }
        Floats out{1, 2};
        QVERIFY(thread.sampleSum(out, {3, 4}) && thread.sampleAbsHalfDifference(out, {6, 2}));
        QCOMPARE(out, Floats({-1, 2}));
        QVERIFY(woxCoreThread::invertSamplesIfReversed(9, out, {8, 9}) && out == Floats({1, -2}));
        QVERIFY(woxCoreThread::invertSamplesIfReversed(10, out, {8, 9}) && out == Floats({1, -2}));
        QVERIFY(thread.error.code == 0 && diagnostics.lines().isEmpty());
        QVERIFY(!thread.sampleSum(out, {1}) && !thread.sampleAbsHalfDifference(out, {}) && out == Floats({1, -2}));
        QCOMPARE(thread.average({}), 0.0f);
        QCOMPARE(thread.error.code, quint8(14));
        QCOMPARE(diagnostics.lines(), QStringList({errorLine("sampleSum out.size() != in.size()"),
                                                   errorLine("sampleAbsHalfDifference out.size() != in.size()"),
                                                   errorLine("average samples is empty")}));
    }

    // Rest of six pulse durations (480 ms at 80 ms) counted from the last current: the quadripole form reads M and N
    // and writes "Wait N msec...", the electrode form "Wait Nmsec...". Marking takes A and B of the first quadripole
    // only; exactly enough rest waits nothing. Pacing waits what is left since the mark (an unstarted mark counts
    // since midnight), nothing once the time has passed.
    void electrodeRestAndPacing()
    {
        woxDiagnosticCapture diagnostics;
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0, 400)));
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pulseDuration = 80;
        thread.markElectrodesUsed(QVector<woxElectrode>(), options);
        QVERIFY(thread.waitElectrodeRest({coreQuadripole(0, 3, 1, 2)})
                && thread.waitElectrodeRest(QVector<woxElectrode>{70}));
        QVERIFY(thread.electrodeTimers.contains(70));
        clock.current.setTime(QTime(0, 0, 0, 40));
        thread.pacingTimer.invalidate();
        QVERIFY(thread.delaySinceMark(100));
        clock.current.setTime(QTime(0, 0, 0, 150));
        QVERIFY(thread.delaySinceMark(100));
        QCOMPARE(thread.waits, QList<quint16>({80, 80, 60}));
        QCOMPARE(diagnostics.lines(), QStringList({"Wait 80 msec...", "Wait 80msec..."}));

        options.pulseDuration = 200;
        thread.markElectrodesUsed({coreQuadripole(0, 3, 1, 2), coreQuadripole(5, 6, 7, 8)}, options);
        QCOMPARE(thread.appliedOptions.pulseDuration, quint16(200));
        QStringList started;
        for (const woxElectrode e : {0, 1, 2, 3, 5, 6})
            started << QString::number(thread.electrodeTimers.value(e).isStarted());
        QCOMPARE(started.join(' '), QString("1 0 0 1 0 0"));
        thread.waits.clear();
        diagnostics.clear();
        clock.current = clock.current.addMSecs(1199);
        QVERIFY(thread.waitElectrodeRest(QVector<woxElectrode>{3}));
        clock.current = clock.current.addMSecs(1);
        QVERIFY(thread.waitElectrodeRest(QVector<woxElectrode>{0, 3}));
        QVERIFY(thread.markTime());
        clock.current = clock.current.addMSecs(150);
        QVERIFY(thread.delaySinceMark(100) && thread.markTime());
        clock.current = clock.current.addMSecs(40);
        QVERIFY(thread.delaySinceMark(100));
        QCOMPARE(thread.waits, QList<quint16>({1, 60}));
        QCOMPARE(diagnostics.lines(), QStringList{"Wait 1msec..."});
        // After construction every line electrode and both remote electrodes have a timer, none started.
        woxCoreThreadProbe fresh;
        QCOMPARE(fresh.electrodeTimers.size(), 66);
        QVERIFY(fresh.electrodeTimers.contains(65535) && fresh.electrodeTimers.contains(65534));
    }

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
            QCOMPARE(report.options.pauseCode, options.pauseCode);   // the request's options come back all the same
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
