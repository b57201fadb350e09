#include "woxMake.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxTemplatePlot.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

Q_DECLARE_METATYPE(woxQuadripole)

namespace {

const QString groundingText = QStringLiteral(
    "woxWarningDialog: Grounding is not checked yet, are you sure you want to continue?");
const QString disabledMessage =
    QStringLiteral("woxWarningDialog: This quadripole contains disabled electrode");

woxQuadripole placed(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n, float x,
                     float depth, woxSpacing spacing = 0)
{
    woxQuadripole q = woxMake::quadripole(a, b, m, n, spacing);
    q.x = x;
    q.depth = depth;
    return q;
}

// The plot at a fixed size with markers spread over both axes, so that the
// canvas maps have room between them.
class PlotRig
{
public:
    PlotRig()
    {
        plot.setFixedSize(600, 400);
        plot.onPlotUpdate(0, {placed(0, 3, 1, 2, 0.0f, 0.0f), placed(60, 63, 61, 62, 300.0f, 60.0f)},
                          true);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.replot();
    }

    // Where (x, depth) is drawn, in plot widget coordinates.
    QPoint pixel(double x, double depth) const
    {
        const QPointF canvasPoint(plot.canvasMap(QwtPlot::xTop).transform(x),
                                  plot.canvasMap(QwtPlot::yLeft).transform(depth));
        return plot.canvas()->mapTo(&plot, canvasPoint.toPoint());
    }

    void tap(const QPoint &position)
    {
        QMouseEvent release(QEvent::MouseButtonRelease, position, plot.mapToGlobal(position),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plot, &release);
    }

    // The (spacing row, sample) of the marker at a plot position; (-1, -1): none.
    QList<int> markerAt(const QPoint &position) const
    {
        int spacing = -1, sample = -1;
        const bool found = plot.markerAt(plot.canvas()->mapFrom(&plot, position), &spacing, &sample);
        return found ? QList<int>({spacing, sample}) : QList<int>({-1, -1});
    }

    const QwtPlotCurve *curve(int row) const
    {
        return static_cast<const QwtPlotCurve *>(plot.itemList(QwtPlotItem::Rtti_PlotCurve).at(row));
    }

    // Attached after the 30 marker curves.
    int pickMarkerSamples() const { return int(curve(woxTemplatePlot::curveCount)->dataSize()); }

    woxTemplatePlot plot;
};

} // namespace

class tst_templatePlot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<woxQuadripole>(); }

    void pickRadius_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("picked");
        QTest::newRow("on the marker") << QPoint(0, 0) << true;
        QTest::newRow("9 px right") << QPoint(9, 0) << true;
        QTest::newRow("11 px right") << QPoint(11, 0) << false;
        QTest::newRow("8, 8 (11.3 px)") << QPoint(8, 8) << false;
    }

    void pickRadius()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, picked);
        PlotRig rig;
        rig.plot.setGroundingChecked();
        rig.plot.onPlotUpdate(4, {placed(10, 13, 11, 12, 150.0f, 30.0f, 4)}, true);
        woxPopupMenuAnswer menu;
        rig.tap(rig.pixel(150.0, 30.0) + offset);
        QCOMPARE(menu.seen.size(), picked ? 1 : 0);
        QCOMPARE(rig.markerAt(rig.pixel(150.0, 30.0) + offset),
                 picked ? QList<int>({4, 0}) : QList<int>({-1, -1}));
    }

    // Markers of rows 3 and 7 on one spot pick row 3; rows past the last
    // curve go on it; nothing picks after a clear.
    void markerRows()
    {
        PlotRig rig;
        rig.plot.setGroundingChecked();
        rig.plot.onPlotUpdate(7, {placed(20, 23, 21, 22, 100.0f, 20.0f, 7)}, false);
        rig.plot.onPlotUpdate(3, {placed(1, 2, 3, 4, 50.0f, 5.0f, 3),
                                  placed(30, 33, 31, 32, 100.0f, 20.0f, 3)}, true);
        QCOMPARE(rig.markerAt(rig.pixel(100.0, 20.0)), QList<int>({3, 1}));
        rig.plot.onPlotUpdate(35, {placed(5, 6, 7, 8, 200.0f, 40.0f, 35)}, true);
        QCOMPARE(int(rig.curve(29)->dataSize()), 1);
        QCOMPARE(rig.curve(29)->sample(0), QPointF(200.0, 40.0));
        QCOMPARE(rig.markerAt(rig.pixel(200.0, 40.0)), QList<int>({29, 0}));

        const QPoint marker = rig.pixel(0.0, 0.0);
        rig.plot.onPlotClear(true);
        for (int row = 0; row < woxTemplatePlot::curveCount; ++row)
            QCOMPARE(int(rig.curve(row)->dataSize()), 0);
        woxPopupMenuAnswer menu;
        rig.tap(marker);
        QCOMPARE(menu.seen.size(), 0);
    }

    void menuChoices_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("emitted");
        QTest::newRow("Signals") << "Signals" << 1;
        QTest::newRow("Cancel") << "Cancel" << 0;
    }

    void menuChoices()
    {
        QFETCH(QString, choice);
        QFETCH(int, emitted);
        PlotRig rig;
        rig.plot.setGroundingChecked();
        QSignalSpy select(&rig.plot, &woxTemplatePlot::sendQuadripoleSelect);
        woxPopupMenuAnswer menu(choice);
        int markerWhileOpen = -1;
        menu.whileOpen = [&] { markerWhileOpen = rig.pickMarkerSamples(); };
        rig.tap(rig.pixel(300.0, 60.0));
        QCOMPARE(menu.seen, QStringList("Signals|Cancel"));
        QCOMPARE(markerWhileOpen, 1);
        QCOMPARE(rig.pickMarkerSamples(), 0);
        QCOMPARE(select.count(), emitted);
        if (emitted)
            QCOMPARE(select.at(0).at(0).value<woxQuadripole>(), placed(60, 63, 61, 62, 300.0f, 60.0f));
    }

    // The questions before the menu: grounding while unchecked, then
    // disabled electrodes (5 and 40 here; remote ones never count).
    void tapChecks_data()
    {
        QTest::addColumn<bool>("grounded");
        QTest::addColumn<int>("answer");
        QTest::addColumn<woxQuadripole>("quadripole");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("menus");
        const woxQuadripole usable = placed(1, 2, 3, 4, 150.0f, 30.0f);
        QTest::newRow("grounding, Yes") << false << 1 << usable << QStringList(groundingText) << 1;
        QTest::newRow("grounding, No") << false << 0 << usable << QStringList(groundingText) << 0;
        QTest::newRow("remote A and B") << true << 1 << placed(65535, 65534, 1, 2, 150.0f, 30.0f)
                                        << QStringList() << 1;
        QTest::newRow("disabled N") << true << 1 << placed(1, 2, 3, 5, 150.0f, 30.0f)
                                    << QStringList(disabledMessage) << 0;
    }

    void tapChecks()
    {
        QFETCH(bool, grounded);
        QFETCH(int, answer);
        QFETCH(woxQuadripole, quadripole);
        QFETCH(int, menus);
        PlotRig rig;
        rig.plot.setDisabledElectrodes({5, 40});
        if (grounded)
            rig.plot.setGroundingChecked();
        rig.plot.onPlotUpdate(2, {quadripole}, true);
        woxModalScript script;
        script.answer(answer);
        woxPopupMenuAnswer menu;
        rig.tap(rig.pixel(150.0, 30.0));
        QTEST(script.seen, "messages");
        QCOMPARE(menu.seen.size(), menus);
        QCOMPARE(rig.pickMarkerSamples(), 0);
    }
};

QTEST_MAIN(tst_templatePlot)
#include "tst_templatePlot.moc"
