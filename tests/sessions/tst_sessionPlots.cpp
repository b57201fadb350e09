#include "woxDiagnosticCapture.h"
#include "woxLogColorMap.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxPseudoSectionPlot.h"
#include "woxSoundingCurvePlot.h"
#include "woxWarningDialog.h"

#include <qwt_plot_canvas.h>
#include <qwt_symbol.h>

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;
typedef QList<QVariantList> Signals;

namespace {

// The points of the curve drawn with symbols of the size: 15 the pick marker, 3 the sounding squares.
size_t marked(QwtPlot &plot, int size = 15)
{
    for (QwtPlotItem *item : plot.itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto *curve = static_cast<QwtPlotCurve *>(item);
        if (curve->symbol() && curve->symbol()->size() == QSize(size, size))
            return curve->dataSize();
    }
    return 99;
}

void shown(QwtPlot &plot)
{
    plot.resize(1100, 520);
    plot.show();
    QCoreApplication::processEvents();
}

} // namespace

class tst_sessionPlots : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { woxWarningDialog::closeInstance(); }

    void mapColours()
    {
        const auto rgb = [](float low, float high, double value) {
            return woxLogColorMap(low, high).rgb(QwtInterval(low, high), value);
        };
        QCOMPARE(rgb(7, 7, 7), qRgb(0, 0, 128));   // zero width
        QCOMPARE(rgb(1, 100, std::nan("")), QRgb(0));
        QCOMPARE(rgb(1, 100, 100), qRgb(96, 0, 96));
        QCOMPARE(rgb(1, 10000, 100), qRgb(128, 192, 0));   // stop 7
    }

    // A click near the second point (row 42) opens the menu: go to it, or delete it once confirmed, even when
    // the points go while it is open.
    void picking_data()
    {
        QTest::addColumn<bool>("pseudoSection");
        QTest::addColumn<QPoint>("offset");   // (0, 10): 10 px below, not near
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("updateWhileOpen");
        for (bool pseudo : {true, false}) {
            const QByteArray kind = pseudo ? "pseudo-section: " : "sounding curves: ";
            QTest::newRow(kind + "go to") << pseudo << QPoint() << "Go to" << false;
            QTest::newRow(kind + "delete") << pseudo << QPoint(3, 3) << "Delete" << false;
            QTest::newRow(kind + "10 px away") << pseudo << QPoint(0, 10) << "Go to" << false;
            QTest::newRow(kind + "update, delete") << pseudo << QPoint() << "Delete" << true;
        }
    }

    void picking()
    {
        QFETCH(bool, pseudoSection);
        QFETCH(QPoint, offset);
        QFETCH(QString, choice);
        QFETCH(bool, updateWhileOpen);
        woxPseudoSectionPlot section;
        woxSoundingCurvePlot curves;
        QwtPlot *plot = pseudoSection ? static_cast<QwtPlot *>(&section) : &curves;
        const auto update = [&](const Points &xy, const Rows &rows) {
            pseudoSection ? section.onPlotUpdate(xy, Values(xy.size(), 10.0f), rows) : curves.onPlotUpdate(xy, rows);
        };
        shown(*plot);
        update({{10, 5}, {30, 20}}, {7, 42});
        QSignalSpy selected(plot, SIGNAL(sendRowSelection(int)));
        QSignalSpy deleted(plot, SIGNAL(sendRowDelete(int)));
        woxModalScript script;
        script.answer(1);
        size_t markedWhileOpen = 0;
        woxPopupMenuAnswer menu(choice);
        menu.whileOpen = [&]() {
            markedWhileOpen = marked(*plot);
            if (updateWhileOpen)
                update({}, {});
        };
        const QPointF at(plot->transform(QwtPlot::xTop, 30), plot->transform(QwtPlot::yLeft, 20));
        const bool near = offset.y() != 10;
        QTest::mouseRelease(plot->canvas(), Qt::LeftButton, {},
                            near ? (at + offset).toPoint() : QPoint(qRound(at.x()), int(std::ceil(at.y() + 10))));
        QCOMPARE(menu.seen, near ? QStringList("Go to|Delete|Cancel") : QStringList());
        QVERIFY(markedWhileOpen == size_t(near) && marked(*plot) == 0);
        const bool remove = near && choice == "Delete";
        QCOMPARE(script.seen, remove ? QStringList("woxWarningDialog: Are you sure you want to delete selected "
                                                   "measurement?") : QStringList());
        QCOMPARE(Signals(selected), near && !remove ? Signals{{42}} : Signals());
        QCOMPARE(Signals(deleted), remove ? Signals{{42}} : Signals());
    }

    // From a damaged file: pitches -5 and 0 act as 5 and 1 m; only finite values and places span the colours
    // and axes; a range without width shows a decade, no values 0.001 to 1; a point without a row picks
    // nothing. Sounding values without a logarithm are left out.
    void damagedValues()
    {
        const auto scale = [](QwtPlot &plot, int axis) {
            return QPointF(plot.axisScaleDiv(axis).lowerBound(), plot.axisScaleDiv(axis).upperBound());
        };
        woxDiagnosticCapture diagnostics;
        woxPseudoSectionPlot plot;
        shown(plot);
        plot.setPitch(-5.0f);
        plot.onPlotUpdate({{0, 2.5}, {20, 2.5}, {INFINITY, 1}}, {10, NAN, 100}, {0, 1, 2});
        QCOMPARE(scale(plot, QwtPlot::xTop), QPointF(-2.5, 22.5));
        QCOMPARE(scale(plot, QwtPlot::xBottom), QPointF(10, 100));
        plot.setPitch(0.0f);
        plot.onPlotUpdate({{0, 1}, {4, 2}}, {0, 0}, {0});
        QCOMPARE(scale(plot, QwtPlot::xTop), QPointF(-0.5, 4.5));
        QCOMPARE(scale(plot, QwtPlot::xBottom), QPointF(0.001f, 0.001f * 10.0f));
        woxPopupMenuAnswer menu("Cancel");
        const QPointF second(plot.transform(QwtPlot::xTop, 4), plot.transform(QwtPlot::yLeft, 2));
        QTest::mouseRelease(plot.canvas(), Qt::LeftButton, {}, second.toPoint());
        QVERIFY(menu.seen.isEmpty());
        plot.onPlotUpdate({}, {}, {});
        QCOMPARE(scale(plot, QwtPlot::xBottom), QPointF(0.001f, 1));
        woxSoundingCurvePlot curves;
        curves.onPlotUpdate({{1, 0}, {2, 50}, {NAN, 60}, {4, -3}, {5, INFINITY}}, {100, 101, 102, 103, 104});
        QCOMPARE(marked(curves, 3), size_t(1));
    }

    // Pictures for the documentation, when asked (WOX_SCREENSHOT_DIR=docs): a Wenner survey over 64 electrodes
    // 5 m apart, a conductive body under the middle.
    void screenshots()
    {
        Points xy, sounding, line;
        Values rho;
        Rows rows;
        for (int n = 1; n <= 21; ++n) {
            for (int a = 0; a + 3 * n < 64; ++a) {
                const double x = (a + 1.5 * n) * 5.0, z = n * 2.5;
                xy << QPointF(x, z);
                rho << float(300.0 - 250.0 * std::exp(-std::pow(x - 160, 2) / 900 - std::pow(z - 15, 2) / 60));
                rows << quint32(rows.size());
                sounding << QPointF(z, rho.last());
                if (x == 160.0)
                    line << sounding.last();
            }
        }
        woxPseudoSectionPlot section;
        woxSoundingCurvePlot curves;
        section.onPlotUpdate(xy, rho, rows);
        curves.onPlotUpdate(sounding, rows);
        curves.onPlotUpdate(line);
        section.resize(850, 450);
        curves.resize(850, 450);
        const QString dir = qEnvironmentVariable("WOX_SCREENSHOT_DIR");
        QVERIFY(dir.isEmpty() || (section.grab().save(dir + "/pseudo-section.png")
                                  && curves.grab().save(dir + "/sounding-curves.png")));
    }
};

QTEST_MAIN(tst_sessionPlots)
#include "tst_sessionPlots.moc"
