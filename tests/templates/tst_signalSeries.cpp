#include "woxSignalSeries.h"

#include <QtTest>

typedef QVector<QPointF> Points;
Q_DECLARE_METATYPE(Points)

namespace {

// Sample i of series k (1 to 12 in report order) is k * 100 + i * i: every
// series and every sample differs, and the steps between samples grow.
QVector<float> values(int series, int count)
{
    QVector<float> v;
    for (int i = 0; i < count; ++i)
        v.append(float(series * 100 + i * i));
    return v;
}

woxCoreReportSignal report(int pulseCode, bool ip, int pauseCode, int pulseCount, int pauseCount)
{
    woxCoreReportSignal r;
    r.options.pulseCode = quint16(pulseCode);
    r.options.ipEnabled = ip;
    r.options.pauseCode = quint16(pauseCode);
    QVector<float> *all[] = {&r.pulse1TxVoltage, &r.pulse1TxCurrent, &r.pulse1RxVoltage,
                             &r.pause1TxVoltage, &r.pause1TxCurrent, &r.pause1RxVoltage,
                             &r.pulse2TxVoltage, &r.pulse2TxCurrent, &r.pulse2RxVoltage,
                             &r.pause2TxVoltage, &r.pause2TxCurrent, &r.pause2RxVoltage};
    for (int k = 0; k < 12; ++k)
        *all[k] = values(k + 1, (k / 3) % 2 == 0 ? pulseCount : pauseCount);
    return r;
}

Points xs(std::initializer_list<double> x, std::initializer_list<double> y)
{
    Points p;
    auto yi = y.begin();
    for (double xi : x)
        p.append(QPointF(xi, *yi++));
    return p;
}

// Output voltages are divided in single precision, as the series hold them.
double volts(float millivolts)
{
    return double(millivolts / 1000.0f);
}

} // namespace

class tst_signalSeries : public QObject
{
    Q_OBJECT

private slots:
    // Input voltage: pulse 1 is series 3, pause 1 series 6, pulse 2 series
    // 9, pause 2 series 12; sample i of series k is k * 100 + i * i.
    void inputVoltage_data()
    {
        QTest::addColumn<int>("pulseCode");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<int>("pauseCode");
        QTest::addColumn<Points>("pulse1Line");
        QTest::addColumn<Points>("pause1Line");
        QTest::addColumn<Points>("pulse2Line");
        QTest::addColumn<Points>("pause2Line");
        QTest::addColumn<Points>("connector2");

        // Pulse 80 ms, no IP: the line ends 15 ms after the last sample at
        // s2 + 0.75 (s2 - s1) = 304 + 0.75 * 3.
        QTest::newRow("pulse 80, IP off")
            << 2 << false << 0
            << xs({0, 0, 25, 45, 65, 80}, {0, 300, 300, 301, 304, 306.25}) << Points()
            << xs({100, 100, 125, 145, 165, 180}, {0, 900, 900, 901, 904, 906.25}) << Points()
            << xs({180, 180, 200}, {906.25, 0, 0});
        // Pause 60 ms: one pause sample, a flat line 10 ms either side.
        QTest::newRow("pulse 80, pause 60")
            << 2 << true << 1
            << xs({0, 0, 25, 45, 65, 80}, {0, 300, 300, 301, 304, 306.25})
            << xs({100, 110, 120}, {600, 600, 600})
            << xs({140, 140, 165, 185, 205, 220}, {0, 900, 900, 901, 904, 906.25})
            << xs({240, 250, 260}, {1200, 1200, 1200})
            << xs({220, 220, 280}, {906.25, 0, 0});
        // Pause 80 ms: the pause line starts at y0 - 0.5 (y1 - y0) and ends
        // at y1 + 0.5 (y1 - y0).
        QTest::newRow("pulse 40, pause 80")
            << 0 << true << 2
            << xs({0, 0, 25, 40}, {0, 300, 300, 300})
            << xs({60, 70, 90, 100}, {599.5, 600, 601, 601.5})
            << xs({120, 120, 145, 160}, {0, 900, 900, 900})
            << xs({180, 190, 210, 220}, {1199.5, 1200, 1201, 1201.5})
            << xs({160, 160, 240}, {900, 0, 0});
    }

    void inputVoltage()
    {
        QFETCH(int, pulseCode);
        QFETCH(bool, ip);
        QFETCH(int, pauseCode);
        const woxSignalSeries s = woxSignalSeries::fromReport(
            report(pulseCode, ip, pauseCode, pulseCode + 1, pauseCode))[woxSignalSeries::InputVoltage];
        QTEST(s.pulse1Line, "pulse1Line");
        QTEST(s.pause1Line, "pause1Line");
        QTEST(s.pulse2Line, "pulse2Line");
        QTEST(s.pause2Line, "pause2Line");
        // The samples are the line without its added ends.
        QCOMPARE(s.pulse1Samples, s.pulse1Line.mid(2, pulseCode + 1));
        QCOMPARE(s.pulse2Samples, s.pulse2Line.mid(2, pulseCode + 1));
        QCOMPARE(s.pause1Samples, s.pause1Line.mid(1, pauseCode));
        QCOMPARE(s.pause2Samples, s.pause2Line.mid(1, pauseCode));
        QCOMPARE(woxSignalSeries::firstConnector(s.pulse1Line, s.pulse2Line),
                 Points() << s.pulse1Line.last() << QPointF(s.pulse1Line.last().x(), 0)
                          << s.pulse2Line.first());
        QTEST(woxSignalSeries::secondConnector(s.pulse1Line, s.pulse2Line), "connector2");
    }

    // Each quantity takes its own series; output voltages arrive in mV and
    // are drawn in V.
    void quantities()
    {
        woxCoreReportSignal r = report(1, true, 1, 2, 1);
        r.pulse1TxVoltage = {500, 1500};
        const QVector<woxSignalSeries> all = woxSignalSeries::fromReport(r);
        QCOMPARE(all[woxSignalSeries::OutputVoltage].pulse1Samples, xs({25, 45}, {0.5, 1.5}));
        QCOMPARE(all[woxSignalSeries::OutputVoltage].pause1Samples, xs({90}, {volts(400)}));
        QCOMPARE(all[woxSignalSeries::OutputVoltage].pulse2Samples, xs({145, 165}, {volts(700), volts(701)}));
        QCOMPARE(all[woxSignalSeries::OutputCurrent].pause2Samples, xs({210}, {1100}));
        QCOMPARE(all[woxSignalSeries::InputVoltage].pause1Samples, xs({90}, {600}));
    }

    // A report whose series are shorter than its options promise, or with
    // IP on and no pause samples, draws what exists and reads nothing
    // beyond a series' end.
    void shortSeries_data()
    {
        QTest::addColumn<int>("pulseCode");
        QTest::addColumn<int>("pauseCode");
        QTest::addColumn<int>("pulseCount");
        QTest::addColumn<int>("pauseCount");
        QTest::addColumn<int>("pulseLine");
        QTest::addColumn<int>("pauseLine");
        QTest::newRow("empty series") << 2 << 2 << 0 << 0 << 0 << 0;
        QTest::newRow("one sample each") << 2 << 2 << 1 << 1 << 4 << 3;
        QTest::newRow("pause code 0") << 2 << 0 << 3 << 0 << 6 << 0;
        QTest::newRow("pause code 0, samples sent") << 2 << 0 << 3 << 2 << 6 << 0;
        QTest::newRow("longer than promised") << 1 << 1 << 5 << 5 << 5 << 3;
    }

    void shortSeries()
    {
        QFETCH(int, pulseCode);
        QFETCH(int, pauseCode);
        QFETCH(int, pulseCount);
        QFETCH(int, pauseCount);
        for (const woxSignalSeries &s : woxSignalSeries::fromReport(
                 report(pulseCode, true, pauseCode, pulseCount, pauseCount))) {
            QTEST(s.pulse1Line.size(), "pulseLine");
            QTEST(s.pulse2Line.size(), "pulseLine");
            QTEST(s.pause1Line.size(), "pauseLine");
            QTEST(s.pause2Line.size(), "pauseLine");
            if (pulseCount == 1)
                QCOMPARE(s.pulse1Line.last(), s.pulse1Samples.last() + QPointF(15, 0));
            if (pauseCount == 1) {
                QCOMPARE(s.pause1Line.first(), s.pause1Samples.first() - QPointF(10, 0));
                QCOMPARE(s.pause1Line.last(), s.pause1Samples.first() + QPointF(10, 0));
            }
        }
    }

    void extrapolation_data()
    {
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("forward");
        QTest::addColumn<float>("backward");
        // Through (x0, 10) and (x1, 30).
        QTest::newRow("increasing") << 0.0 << 20.0 << 30.0f << 40.0f << -1.0f;
        QTest::newRow("before the first") << 10.0 << 30.0 << 5.0f << -1.0f << 5.0f;
        QTest::newRow("equal x") << 20.0 << 20.0 << 30.0f << -1.0f << -1.0f;
        QTest::newRow("decreasing x") << 20.0 << 0.0 << -10.0f << -1.0f << -1.0f;
        QTest::newRow("target on the last") << 0.0 << 20.0 << 20.0f << -1.0f << -1.0f;
    }

    void extrapolation()
    {
        QFETCH(double, x0);
        QFETCH(double, x1);
        QFETCH(float, x);
        QTEST(woxSignalSeries::extrapolateForward(x0, 10, x1, 30, x), "forward");
        QTEST(woxSignalSeries::extrapolateBackward(x0, 10, x1, 30, x), "backward");
    }
};

QTEST_APPLESS_MAIN(tst_signalSeries)
#include "tst_signalSeries.moc"
