#include "woxCore.h"
#include "woxModalScript.h"
#include "woxSignalWidget.h"
#include "woxTemplateDataModel.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QChar infinity(0x221E);

woxQuadripole quadripole(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n,
                         woxSpacing spacing = 0, woxLevel level = 0)
{
    woxQuadripole q;
    q.a = a;
    q.b = b;
    q.m = m;
    q.n = n;
    q.spacing = spacing;
    q.level = level;
    return q;
}

woxSignalPlot &plot(woxSignalWidget &window, const char *frame)
{
    return *window.findChild<QFrame *>(QLatin1String(frame))->findChild<woxSignalPlot *>();
}

QList<bool> buttonsEnabled(const woxSignalWidget &w)
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

    // The emulated core sends 25 % transmitter level, 153125 mV.
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
        QCOMPARE(buttonsEnabled(window), QList<bool>({false, false, false}));
        QCOMPARE(buttonsEnabled(other), QList<bool>({true, true, false}));
        QVERIFY(waitForSignalReport());
        for (woxSignalWidget *w : {&window, &other}) {
            QCOMPARE(buttonsEnabled(*w), QList<bool>({true, true, true}));
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

    // The invisible point at the origin keeps 0 on both axes.
    void axesIncludeTheOrigin()
    {
        woxSignalWidget window;
        woxCoreReportSignal report;
        report.options.pulseCode = 1;
        report.pulse1RxVoltage = {-50, -60};
        report.pulse2RxVoltage = {-70, -80};
        emit woxCore::instance()->sendReportSignal(report);
        woxSignalPlot &rx = plot(window, "rxVoltageFrame");
        QCOMPARE(rx.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.0);
        QVERIFY(rx.axisScaleDiv(QwtPlot::xBottom).upperBound() >= 160.0);
        QVERIFY(rx.axisScaleDiv(QwtPlot::yLeft).upperBound() >= 0.0);
        QVERIFY(rx.axisScaleDiv(QwtPlot::yLeft).lowerBound() <= -85.0);
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
        QCOMPARE(buttonsEnabled(window), QList<bool>({true, true, true}));
    }

    void header_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("header");
        const QString tx = QStringLiteral("Tx") + infinity;
        const QString rx = QStringLiteral("Rx") + infinity;
        QTest::newRow("remote A and M") << 65535 << 1 << 65534 << 3
                                        << QStringLiteral("A: %1, B: 2, M: %2, N: 4").arg(tx, rx);
        QTest::newRow("remote B and N") << 0 << 65534 << 62 << 65535
                                        << QStringLiteral("A: 1, B: %1, M: 63, N: %2").arg(rx, tx);
        // A remote electrode in the wrong place is only a number.
        QTest::newRow("swapped remotes") << 65534 << 65535 << 65535 << 65534
                                         << QStringLiteral("A: 65535, B: 65536, M: 65536, N: 65535");
    }

    void header()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, m);
        QFETCH(int, n);
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessageForever);
        auto *window = new woxSignalWidget;
        window->setQuadripole(quadripole(a, b, m, n));
        QCOMPARE(status.size(), 1);
        QTEST(status.at(0).at(0).toString(), "header");
        QSignalSpy closed(window, &woxSignalWidget::sendSignalWidgetClose);
        window->close();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.at(1).at(0).toString(), QString());
        delete window;
    }

    // Verdicts before any measurement; Bad needs a report first.
    void verdict_data()
    {
        QTest::addColumn<bool>("bad");
        QTest::addColumn<bool>("measured");
        QTest::newRow("accept at once") << false << false;
        QTest::newRow("accept, Bad hidden") << false << true;
        QTest::newRow("accept after a report") << false << true;
        QTest::newRow("bad after a report") << true << true;
    }

    void verdict()
    {
        QFETCH(bool, bad);
        QFETCH(bool, measured);
        woxSignalWidget window;
        window.setQuadripole(quadripole(4, 5, 6, 7, 3, 9));
        QVERIFY(!window.badPushButton->isEnabled());
        const bool hidden = QByteArray(QTest::currentDataTag()).contains("hidden");
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

    // The template screen's wiring: Bad marks the current set's AUX cell,
    // Accept clears it.
    void verdictReachesTheTemplate()
    {
        woxTemplateDataModel model;
        {
            woxModalScript script;
            script.chooseArray(0);
            QVERIFY(model.onSetAdd());
        }
        for (bool bad : {true, false}) {
            woxSignalWidget window;
            connect(&window, &woxSignalWidget::sendSpacingLevelAuxConfig, &model,
                    &woxTemplateDataModel::onSpacingLevelAuxConfig);
            window.setQuadripole(quadripole(0, 3, 1, 2, 2, 7));
            emit woxCore::instance()->sendReportSignal(woxCoreReportSignal());
            (bad ? window.badPushButton : window.acceptPushButton)->click();
            QCOMPARE(model.sets().at(0).auxGrid().at(2).at(7), bad);
            QVERIFY(!model.sets().at(0).auxGrid().at(7).at(2));
        }
    }
};

QTEST_MAIN(tst_signalWidget)
#include "tst_signalWidget.moc"
