#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeRandom.h"
#include "woxMake.h"

#include <QtTest>

#include <cmath>

using woxMake::coreQuadripole;

namespace {

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

// The emulated workers, called directly on the test thread with the time of
// day and the random draws injected.
class tst_coreEmulation : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxDiagnosticCapture> diagnostics;

private slots:
    void init() { diagnostics.reset(new woxDiagnosticCapture); }

    void cleanup() { diagnostics.reset(); }

    // First: the sensor phase is program-wide and never reset, so the first
    // sensor job of the program starts at phase 0; a second worker shares it.
    void sensorPhaseAdvancesFromJobToJob()
    {
        woxCoreThreadProbe first;
        const woxCoreReportSensor one = first.doSensor();
        QCOMPARE(one.values, (QMap<woxAddress, float>{{1, 12000.0f}, {2, 13000.0f}, {3, 50.0f}}));
        QCOMPARE(one.error.code, quint8(0));
        woxCoreThreadProbe second;
        const woxCoreReportSensor two = second.doSensor();
        QVERIFY(qAbs(two.values.value(1) - 12099.833f) < 1e-3f);
        QVERIFY(qAbs(two.values.value(2) - 12995.004f) < 1e-3f);
        QVERIFY(qAbs(two.values.value(3) - 53.993f) < 1e-3f);
    }

    void discoverListsTheWholeBus()
    {
        woxCoreThreadProbe thread;
        const woxCoreReportDiscover report = thread.doDiscover();
        QCOMPARE(report.devices.size(), 43);
        for (int address = 0; address < 43; ++address)
            QCOMPARE(report.devices.at(address), woxAddress(address));
        QCOMPARE(report.error.code, quint8(0));
    }

    void signalWithDefaultOptions()
    {
        woxCoreThreadProbe thread;
        const woxMeasureOptions options;
        thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), options);
        const woxCoreReportSignal report = thread.doSignal();
        QCOMPARE(report.error.code, quint8(0));
        QCOMPARE(report.pulse1TxVoltage, QVector<float>(3, 153125.0f));
        QCOMPARE(report.pulse1TxCurrent.size(), 3);
        for (const float current : report.pulse1TxCurrent)
            QVERIFY(qAbs(current - 124.03134f) < 1e-4f);
        QCOMPARE(report.pulse1RxVoltage, QVector<float>(3, 46.786f));
        QCOMPARE(report.pulse2TxVoltage, QVector<float>(3, -153125.0f));
        QCOMPARE(report.pulse2TxCurrent.size(), 3);
        QCOMPARE(report.pulse2TxCurrent.first(), -report.pulse1TxCurrent.first());
        QCOMPARE(report.pulse2RxVoltage, QVector<float>(3, -46.786f));
        QVERIFY(report.pause1RxVoltage.isEmpty());   // no decay without IP
    }

    void signalDecaySeries()
    {
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.ipEnabled = true;
        options.pauseCode = 3;
        thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), options);
        const woxCoreReportSignal report = thread.doSignal();
        QCOMPARE(report.pause1RxVoltage.size(), 3);
        QCOMPARE(report.pause1RxVoltage.at(0), 23.393f);
        QVERIFY(qAbs(report.pause1RxVoltage.at(1) - 11.6965f) < 1e-4f);
        QVERIFY(qAbs(report.pause1RxVoltage.at(2) - 7.7977f) < 1e-4f);
        QCOMPARE(report.pause2RxVoltage.size(), 3);
        QCOMPARE(report.pause2RxVoltage.at(2), -report.pause1RxVoltage.at(2));
        QCOMPARE(report.pause1TxVoltage.at(1), 0.5f * 153125.0f / 2.0f);
        QCOMPARE(report.pause2TxVoltage.at(0), -0.5f * 153125.0f);
    }

    void signalCountsBeyondTheOptionListsAreRefused_data()
    {
        QTest::addColumn<quint16>("pulseCode");
        QTest::addColumn<quint16>("pauseCode");
        QTest::addColumn<QString>("line");
        QTest::newRow("pulse 65535") << quint16(65535) << quint16(0)
                                     << "woxCoreThread error: doSignal pulseCode is invalid: 65535";
        QTest::newRow("pulse 199") << quint16(199) << quint16(0)
                                   << "woxCoreThread error: doSignal pulseCode is invalid: 199";
        QTest::newRow("pause 199") << quint16(2) << quint16(199)
                                   << "woxCoreThread error: doSignal pauseCode is invalid: 199";
    }

    void signalCountsBeyondTheOptionListsAreRefused()
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
        QCOMPARE(report.error.code, quint8(14));
        QVERIFY(report.pulse1TxVoltage.isEmpty());
        QVERIFY(report.pulse2RxVoltage.isEmpty());
        QVERIFY(report.pause1RxVoltage.isEmpty());
        QCOMPARE(report.options.pulseCode, pulseCode);
        QCOMPARE(diagnostics->lines(), QStringList{line});
    }

    void signalLongestListedPulseIsAccepted()
    {
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pulseCode = 198;   // 4000 ms
        options.ipEnabled = true;
        options.pauseCode = 198;
        thread.setJobSignal(coreQuadripole(0, 3, 1, 2, 0), options);
        const woxCoreReportSignal report = thread.doSignal();
        QCOMPARE(report.error.code, quint8(0));
        QCOMPARE(report.pulse1TxVoltage.size(), 199);
        QCOMPARE(report.pause2RxVoltage.size(), 198);
    }

    void et2dWorkedExample()
    {
        woxFakeRandom random({0, 0});
        woxCoreThreadProbe thread;
        woxET2DRequest request;
        request.quadripoles << coreQuadripole(0, 3, 1, 2, 0);
        thread.setJobET2D(request);
        const woxCoreReportET2D report = thread.doET2D();
        QCOMPARE(report.error.code, quint8(0));
        QCOMPARE(report.results.size(), 1);
        const woxMeasureResult &r = report.results.first();
        QCOMPARE(r.quality, 0.0005f);
        QVERIFY(qAbs(r.rxVoltage - 10.0302f) < 1e-4f);
        QCOMPARE(r.txVoltage, 153125.0f);
        QVERIFY(qAbs(r.txCurrent - 69.357f) < 1e-3f);
        QVERIFY(qAbs(r.rxS - 4.2074f) < 1e-4f);
        QCOMPARE(r.chargeability, 0.0f);
        QVERIFY(r.decay.isEmpty());
        QVERIFY(!r.valid);
        QCOMPARE(report.sensor.values.value(2), 13200.0f);
    }

    void et2dDrawsAndDecay()
    {
        // Draws 4 and 2 give p = 4.5 and q = 2.5.
        woxFakeRandom random({4, 2});
        woxCoreThreadProbe thread;
        woxET2DRequest request;
        request.options.ipEnabled = true;
        request.options.pauseCode = 2;
        request.quadripoles << coreQuadripole(0, 3, 1, 2, 0) << coreQuadripole(4, 7, 5, 6, 0);
        thread.setJobET2D(request);
        const woxCoreReportET2D report = thread.doET2D();
        QCOMPARE(report.results.size(), 2);
        for (const woxMeasureResult &r : report.results) {
            QCOMPARE(r.quality, 0.0025f);
            QVERIFY(qAbs(r.rxS - float(std::sin(7.0) * 5.0)) < 1e-5f);
            QCOMPARE(r.decay, QVector<float>({6.0f, 3.5f}));
            QCOMPARE(r.chargeability, r.rxVoltage);
            QCOMPARE(r.options.pauseCode, quint16(2));
        }
        QVERIFY(report.results.at(0).rxVoltage != report.results.at(1).rxVoltage);
    }

    void et2dRemoteElectrodesTakeNoPosition()
    {
        woxFakeRandom random({0, 0});
        woxCoreThreadProbe thread;
        woxET2DRequest request;
        // Positions b 3 and n 2 only: span 1, mid 2.5.
        request.quadripoles << coreQuadripole(65535, 3, 65534, 2, 0);
        thread.setJobET2D(request);
        const woxMeasureResult r = thread.doET2D().results.first();
        const double expected = (2.5 + 100.0 + 1.0 + std::log10(50.5)) * 100000.0 / 153125.0;
        QVERIFY(qAbs(r.txCurrent - float(expected)) < 1e-3f);
        QCOMPARE(r.rxVoltage, 10.0f);   // log10 of a span of 1 is 0
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

    void ves()
    {
        woxFakeRandom random({17, 8});
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pauseCode = 4;      // the decay follows the code whatever ipEnabled says
        thread.setJobVES(options);
        const woxCoreReportVES report = thread.doVES();
        QCOMPARE(report.result.rxVoltage, 7.01f);
        QCOMPARE(report.result.txCurrent, 3.01f);
        QCOMPARE(report.result.txVoltage, 340000.0f);
        QCOMPARE(report.result.quality, 0.68f);
        QCOMPARE(report.result.chargeability, std::fabs(7.01f - 3.01f) + 0.01f);
        QCOMPARE(report.result.decay, QVector<float>(4, 13.0f));
        QCOMPARE(report.result.rxS, 0.0f);
        QVERIFY(!report.result.valid);
        QCOMPARE(report.result.options.pauseCode, quint16(4));
    }

    void resistanceFollowsTheSecondsOfTheDay()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(10, 20, 30)));
        woxCoreThreadProbe thread;
        woxResistanceRequest request;
        request.electrode = -2;
        thread.setJobResistance(request);
        woxCoreReportResistance report = thread.doResistance();
        QCOMPARE(report.electrode, woxElectrode(65534));
        QCOMPARE(report.resistance, 30.0f / 50.0f + 0.16543f);

        clock.current.setTime(QTime(10, 20, 59));
        request.electrode = 12;
        thread.setJobResistance(request);
        report = thread.doResistance();
        QCOMPARE(report.electrode, woxElectrode(12));
        QCOMPARE(report.resistance, 59.0f / 50.0f + 0.16543f);
    }

    void clockReadsTheTimeOfDay()
    {
        const QDateTime now(QDate(2023, 12, 31), QTime(23, 59, 58, 250));
        woxFakeClock clock(now);
        woxCoreThreadProbe thread;
        thread.setJobClock(woxClockRequest());
        woxCoreReportClock report = thread.doClock();
        QVERIFY(!report.set);
        QCOMPARE(report.date, now.date());
        QCOMPARE(report.time, now.time());

        woxClockRequest set;
        set.set = true;
        set.date = QDate(2020, 1, 1);
        set.time = QTime(1, 2, 3);
        thread.setJobClock(set);
        report = thread.doClock();
        QVERIFY(report.set);
        QVERIFY(report.date.isNull());
        QVERIFY(report.time.isNull());
    }

    void auxiliaryJobs()
    {
        woxCoreThreadProbe thread;
        woxProductionRequest production;
        production.test = 7;
        thread.setJobProduction(production);
        const woxCoreReportProduction report = thread.doProduction();
        QCOMPARE(report.test, quint8(7));
        QVERIFY(report.passed);
        QVERIFY(report.text1.isEmpty());
        QCOMPARE(thread.doRxStress().text, QStringLiteral("OK"));
        QCOMPARE(thread.doSound().error.code, quint8(0));
        QCOMPARE(thread.doCalibrate().error.code, quint8(0));
        thread.waits.clear();
        QCOMPARE(thread.doTxAux().error.code, quint8(0));
        QCOMPARE(thread.doSwAux().error.code, quint8(0));
        QCOMPARE(thread.waits, QList<quint16>({1000, 1000}));
    }

    void rxAuxReadAndStart()
    {
        woxCoreThreadProbe thread;
        woxRxRequest request;
        request.read = true;
        request.samples = 3;
        thread.setJobRxAux(request);
        QCOMPARE(thread.doRxAux().samples, QVector<float>(3, 5.57f));

        request.read = false;
        request.start = true;
        request.samples = 2;
        thread.setJobRxAux(request);
        const woxCoreReportRxAux started = thread.doRxAux();
        QVERIFY(started.samples.isEmpty());
        QCOMPARE(started.error.code, quint8(0));
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

    void canceledJobStillFillsItsReport()
    {
        woxCoreThreadProbe thread;
        thread.setJobDiscover(0);
        thread.cancel();
        const woxCoreReportDiscover report = thread.doDiscover();
        QCOMPARE(report.error.code, quint8(13));
        QCOMPARE(report.devices.size(), 43);
    }

    void sampleArithmetic()
    {
        woxCoreThreadProbe thread;
        QCOMPARE(thread.average({1.0f, 2.0f, 6.0f}), 3.0f);
        QCOMPARE(thread.relativeDeviation({1.0f, 1.0f}), 0.0f);
        QCOMPARE(thread.relativeDeviation({1.0f}), 1000.0f);
        QCOMPARE(thread.relativeDeviation({-1.0f, -3.0f}), 0.0f);
        QCOMPARE(thread.relativeDeviation({1.0f, 100.0f}), 100.0f);
        QVERIFY(qAbs(thread.relativeDeviation({9.0f, 11.0f}) - float(100.0 * std::sqrt(2.0) / 10.0))
                < 1e-4f);
        QVERIFY(diagnostics->lines().isEmpty());

        QVector<float> out{1.0f, 2.0f};
        QVERIFY(thread.sampleSum(out, {3.0f, 4.0f}));
        QCOMPARE(out, QVector<float>({4.0f, 6.0f}));
        QVERIFY(thread.sampleAbsHalfDifference(out, {6.0f, 2.0f}));
        QCOMPARE(out, QVector<float>({-1.0f, 2.0f}));
        QVERIFY(woxCoreThread::invertSamplesIfReversed(9, out, {8, 9}));
        QCOMPARE(out, QVector<float>({1.0f, -2.0f}));
        QVERIFY(woxCoreThread::invertSamplesIfReversed(10, out, {8, 9}));
        QCOMPARE(out, QVector<float>({1.0f, -2.0f}));
        QCOMPARE(thread.error.code, quint8(0));

        QVERIFY(!thread.sampleSum(out, {1.0f}));
        QCOMPARE(thread.error.code, quint8(14));
        QVERIFY(!thread.sampleAbsHalfDifference(out, {}));
        QCOMPARE(thread.average({}), 0.0f);
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: sampleSum out.size() != in.size()",
                                     "woxCoreThread error: sampleAbsHalfDifference out.size() "
                                     "!= in.size()",
                                     "woxCoreThread error: average samples is empty"}));
    }

    void electrodeRest()
    {
        // Unstarted timers count the milliseconds since midnight.
        woxFakeClock clock(QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0, 400)));
        woxCoreThreadProbe thread;
        woxMeasureOptions options;
        options.pulseDuration = 80;     // rest needed: 480 ms
        thread.markElectrodesUsed(QVector<woxElectrode>(), options);
        QVERIFY(thread.waitElectrodeRest(QList<woxCoreQuadripole>{coreQuadripole(0, 3, 1, 2, 0)}));
        QCOMPARE(diagnostics->lines(), QStringList{"Wait 80 msec..."});
        QVERIFY(thread.waitElectrodeRest(QVector<woxElectrode>{70}));
        QCOMPARE(diagnostics->lines().last(), QStringLiteral("Wait 80msec..."));
        QVERIFY(thread.electrodeTimers.contains(70));

        clock.current.setTime(QTime(12, 0));
        diagnostics->clear();
        QVERIFY(thread.waitElectrodeRest(QVector<woxElectrode>{1, 2}));
        QVERIFY(diagnostics->lines().isEmpty());

        thread.markElectrodesUsed(QList<woxCoreQuadripole>{coreQuadripole(0, 3, 1, 2, 0)}, options);
        QVERIFY(thread.electrodeTimers.value(0).isStarted());
        QVERIFY(thread.electrodeTimers.value(3).isStarted());
        QVERIFY(!thread.electrodeTimers.value(1).isStarted());
        thread.markElectrodesUsed(QList<woxCoreQuadripole>(), options);   // nothing to mark
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
};

QTEST_GUILESS_MAIN(tst_coreEmulation)
#include "tst_coreEmulation.moc"
