#include "woxCore.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSignalSeries.h"
#include "woxSignalWidget.h"
#include "woxTemplateDataModel.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

typedef QVector<QPointF> Points;
typedef QList<bool> Flags;
Q_DECLARE_METATYPE(Points)

using woxMake::quadripole;

namespace {

// Sample i of series k (1 to 12 in report order) is k * 100 + i * i: every
// series and every sample differs, and the steps between samples grow.
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
    for (int k = 0; k < 12; ++k) {
        for (int i = 0; i < ((k / 3) % 2 == 0 ? pulseCount : pauseCount); ++i)
            all[k]->append(float((k + 1) * 100 + i * i));
    }
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

woxSignalPlot &plot(woxSignalWidget &window, const char *frame)
{
    return *window.findChild<QFrame *>(QLatin1String(frame))->findChild<woxSignalPlot *>();
}

Flags buttonsEnabled(const woxSignalWidget &w)
{
    return {w.startPushButton->isEnabled(), w.acceptPushButton->isEnabled(),
            w.badPushButton->isEnabled()};
}

int pointsDrawn(woxSignalPlot &p)
{
    int points = 0;
    for (int c = 0; c < woxSignalPlot::Anchor; ++c)
        points += int(p.curve(woxSignalPlot::Curve(c)).dataSize());
    return points;
}

bool waitForSignalReport()
{
    QSignalSpy spy(woxCore::instance(), &woxCore::sendReportSignal);
    return spy.wait(5000);
}

} // namespace

// The time base and series of a signal report, and the signal window that
// measures and draws them.
class tst_signalWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<woxSpacing>("woxSpacing");
        qRegisterMetaType<woxLevel>("woxLevel");
    }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
    }

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
        QCOMPARE(all[woxSignalSeries::OutputVoltage].pulse2Samples,
                 xs({145, 165}, {volts(700), volts(701)}));
        QCOMPARE(all[woxSignalSeries::OutputCurrent].pause2Samples, xs({210}, {1100}));
        QCOMPARE(all[woxSignalSeries::InputVoltage].pause1Samples, xs({90}, {600}));
        // Three pause samples (600, 601, 604): each end follows its outer two.
        const woxSignalSeries three =
            woxSignalSeries::fromReport(report(1, true, 3, 2, 3))[woxSignalSeries::InputVoltage];
        QCOMPARE(three.pause1Line.first(), QPointF(80, 599.5));
        QCOMPARE(three.pause1Line.last(), QPointF(140, 605.5));
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

    // Through (x0, 10) and (x1, 30); -1 where the points do not allow it.
    void extrapolation_data()
    {
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("forward");
        QTest::addColumn<float>("backward");
        QTest::newRow("increasing") << 0.0 << 20.0 << 30.0f << 40.0f << -1.0f;
        QTest::newRow("before the first") << 10.0 << 30.0 << 5.0f << -1.0f << 5.0f;
        QTest::newRow("equal x, after") << 20.0 << 20.0 << 30.0f << -1.0f << -1.0f;
        QTest::newRow("decreasing x, after") << 20.0 << 0.0 << 30.0f << -1.0f << -1.0f;
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

    // The emulated core sends 25 % transmitter level, 153125 mV; every open
    // window draws the report.
    void measurementDrawsEveryPlot()
    {
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        woxSignalWidget window;
        woxSignalWidget other;
        window.resize(904, 627);
        window.setQuadripole(quadripole(0, 3, 1, 2));
        window.startPushButton->click();
        QCOMPARE(buttonsEnabled(window), Flags({false, false, false}));
        QCOMPARE(buttonsEnabled(other), Flags({true, true, false}));
        QVERIFY(waitForSignalReport());
        for (woxSignalWidget *w : {&window, &other}) {
            QCOMPARE(buttonsEnabled(*w), Flags({true, true, true}));
            const QwtPlotCurve &samples = plot(*w, "txVoltageFrame").curve(woxSignalPlot::Pulse1Samples);
            QCOMPARE(samples.dataSize(), size_t(3));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(samples.sample(i), QPointF(25 + 20 * i, 153.125));
            QCOMPARE(plot(*w, "txCurrentFrame").curve(woxSignalPlot::Pulse1Samples).sample(0).y(),
                     double(153125.0f / 1234.567f));
            QCOMPARE(plot(*w, "rxVoltageFrame").curve(woxSignalPlot::Pulse2Samples).sample(2),
                     QPointF(165, double(-46.786f)));
            QCOMPARE(plot(*w, "rxVoltageFrame").curve(woxSignalPlot::Connector2).sample(2),
                     QPointF(200, 0));
        }
        // The picture for the documentation, when asked:
        // WOX_SCREENSHOT=docs/signal-window.png
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT");
        window.tabWidget->setCurrentIndex(1);
        if (!path.isEmpty())
            QVERIFY(window.grab().save(path));
    }

    void errorReportClearsThePlots()
    {
        woxSignalWidget window;
        window.startPushButton->click();
        QVERIFY(waitForSignalReport());
        QVERIFY(pointsDrawn(plot(window, "txVoltageFrame")) > 0);
        window.startPushButton->click();
        woxModalScript script;
        script.answer(1);
        woxCore::instance()->stop();
        QVERIFY(waitForSignalReport());
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        for (const char *frame : {"txVoltageFrame", "txCurrentFrame", "rxVoltageFrame"}) {
            QCOMPARE(pointsDrawn(plot(window, frame)), 0);
            QCOMPARE(plot(window, frame).curve(woxSignalPlot::Anchor).dataSize(), size_t(1));
        }
        QCOMPARE(buttonsEnabled(window), Flags({true, true, true}));
    }

    // Bad needs a report first and stays hidden once hidden; each verdict
    // carries the cell and closes the window.
    void verdict_data()
    {
        QTest::addColumn<bool>("bad");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("accept, Bad hidden") << false << true << true;
        QTest::newRow("bad after a report") << true << true << false;
    }

    void verdict()
    {
        QFETCH(bool, bad);
        QFETCH(bool, measured);
        QFETCH(bool, hidden);
        woxSignalWidget window;
        window.setQuadripole(quadripole(4, 5, 6, 7, 3, 9));
        QVERIFY(!window.badPushButton->isEnabled());
        if (hidden)
            window.hideBadButton();
        if (measured)
            emit woxCore::instance()->sendReportSignal(woxCoreReportSignal());
        QCOMPARE(window.badPushButton->isEnabled(), measured);
        QCOMPARE(window.badPushButton->isHidden(), hidden);
        QSignalSpy verdicts(&window, &woxSignalWidget::sendSpacingLevelAuxConfig);
        QSignalSpy closed(&window, &woxSignalWidget::sendSignalWidgetClose);
        (bad ? window.badPushButton : window.acceptPushButton)->click();
        QCOMPARE(verdicts.size(), 1);
        QCOMPARE(verdicts.at(0), QVariantList({QVariant::fromValue(woxSpacing(3)),
                                                QVariant::fromValue(woxLevel(9)), bad}));
        QCOMPARE(closed.size(), 1);
    }

};

QTEST_MAIN(tst_signalWidget)
#include "tst_signalWidget.moc"
