#include "woxDiagnosticCapture.h"
#include "woxLogColorMap.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxPseudoSectionPlot.h"
#include "woxSoundingCurvePlot.h"
#include "woxWarningDialog.h"

#include "QwtPlotSpectroRect.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
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

    // Thirteen stops between the ends, at equal ratios of value; a range from 0 or below starts at 0.001.
    void mapColours()
    {
        const auto rgb = [](float low, float high, double value) {
            return QColor(woxLogColorMap(low, high).rgb(QwtInterval(low, high), value)).name();
        };
        QStringList colours;
        for (int k = 0; k <= 14; ++k)
            colours << rgb(1, 10000, std::pow(10.0, 4.0 * k / 14));
        QCOMPARE(colours.join(' '), QString("#000080 #0000ff #0080ff #00ffff #00c080 #00ff00 #008000 #80c000 #ffff00 "
                                            "#bf8000 #ff8000 #ff0000 #d30000 #800034 #600060"));
        QCOMPARE(rgb(7, 7, 7) + rgb(1, 100, 100) + rgb(1, 100, std::nan("")), QString("#000080#600060#000000"));
        const QVector<double> stops = woxLogColorMap(0, 1).colorStops();
        QVERIFY2(stops.size() == 15 && qAbs(stops[1] - 0.00064) < 5e-6 && qAbs(stops[13] - 0.61015) < 5e-6,
                 QTest::toString(stops[1]));
    }

    // Cells fill 960 x 340 pixels, centred on their points; the depth axis runs down from a quarter pitch above
    // the shallowest point, the centres half a pitch beyond; the colour bar and the cells span the values.
    void sectionGeometry()
    {
        woxPseudoSectionPlot plot;
        shown(plot);
        const auto span = [&plot](int axis) {
            return QString("%1..%2").arg(plot.axisScaleDiv(axis).lowerBound()).arg(plot.axisScaleDiv(axis).upperBound());
        };
        QwtPlotSpectroRect *rects = nullptr;
        for (QwtPlotItem *item : plot.itemList())
            rects = dynamic_cast<QwtPlotSpectroRect *>(item) ? dynamic_cast<QwtPlotSpectroRect *>(item) : rects;
        const QList<QStringList> rows = {
            {"5", "10 5", "7", "cells 960x340 | x 7.5..12.5 | y 6.25..3.75 | bar 7..70 | colours 7..7"},
            {"5", "0 2.5 95 12.5", "10 1000", "cells 50.53x85 | x -2.5..97.5 | y 13.75..1.25 | bar 10..1000 | colours 10..1000"},
            {"5", "", "", "cells 50.53x85 | x 0..1 | y 1..0 | bar 0.001..1 | colours 0.001..1"},
            {"2", "0 1 10 2", "0.5 5", "cells 192x340 | x -1..11 | y 2.5..0.5 | bar 0.5..5 | colours 0.5..5"}};
        for (const QStringList &row : rows) {
            Points xy;
            Values f;
            const QStringList place = row[1].split(' ', Qt::SkipEmptyParts);
            for (int i = 0; i + 1 < place.size(); i += 2)
                xy << QPointF(place[i].toDouble(), place[i + 1].toDouble()), f << row[2].split(' ')[i / 2].toFloat();
            plot.setPitch(row[0].toFloat());
            plot.onPlotUpdate(xy, f, Rows(xy.size()));
            const QwtInterval bar = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval();
            QCOMPARE(QString("cells %1x%2 | x %3 | y %4 | bar %5..%6 | colours %7..%8").arg(rects->rectWidth(), 0, 'g', 4)
                         .arg(rects->rectHeight()).arg(span(QwtPlot::xTop), span(QwtPlot::yLeft)).arg(bar.minValue())
                         .arg(bar.maxValue()).arg(rects->colorRange().minValue()).arg(rects->colorRange().maxValue()),
                     row[3]);
            if (xy.size() != 2 || row[0] != "5")
                continue;
            plot.replot();
            const QImage image = plot.canvas()->grab().toImage();
            const auto at = [&](const QPointF &p, int dx, int dy) {
                return QColor(image.pixel(qRound(plot.transform(QwtPlot::xTop, p.x())) + dx,
                                          qRound(plot.transform(QwtPlot::yLeft, p.y())) + dy)).name();
            };
            QCOMPARE(QStringList({at(xy[0], 0, 0), at(xy[0], -20, -35), at(xy[0], 20, 35), at(xy[1], -20, 35),
                                  at(xy[1], 20, -35), at(xy[0], 30, 0) == "#000080" ? "wide" : "end"}).join(' '),
                     QString("#000080 #000080 #000080 #600060 #600060 end"));
        }
        QwtScaleWidget *bar = plot.axisWidget(QwtPlot::xBottom);
        QCOMPARE(QString("%1 %2 %3/%4 %5/%6").arg(bar->isColorBarEnabled()).arg(bar->colorBarWidth())
                     .arg(plot.axisMaxMajor(QwtPlot::yLeft)).arg(plot.axisMaxMinor(QwtPlot::yLeft))
                     .arg(plot.axisMaxMajor(QwtPlot::xTop)).arg(plot.axisMaxMinor(QwtPlot::xTop)), QString("1 16 12/3 20/4"));
    }

    // Every plotted row is a small blue square, the rows at the slider a red line with dots; the value axis is
    // logarithmic, the horizontal one on top.
    void curves()
    {
        woxSoundingCurvePlot plot;
        plot.onPlotUpdate({{1, 10}, {2, 100}}, {5, 6});
        plot.onPlotUpdate(Points{{2, 100}});
        QStringList seen;
        for (QwtPlotItem *item : plot.itemList(QwtPlotItem::Rtti_PlotCurve)) {
            auto *curve = static_cast<QwtPlotCurve *>(item);
            const QwtSymbol *s = curve->symbol();
            QString line = QString("%1 %2 %3 %4").arg(s->style()).arg(s->size().width()).arg(s->brush().color().name(),
                                                                                               s->pen().color().name());
            if (curve->style() != QwtPlotCurve::NoCurve && curve->pen().style() != Qt::NoPen)
                line += QString(" line %1 %2").arg(curve->pen().color().name()).arg(curve->pen().widthF());
            for (size_t i = 0; i < curve->dataSize(); ++i)
                line += QString(" (%1,%2)").arg(curve->sample(i).x()).arg(curve->sample(i).y());
            seen << line;
        }
        QCOMPARE(seen.join(" | "), QString("1 3 #0000ff #000000 (1,10) (2,100) | 0 6 #ff0000 #000000 line #ff0000 2 "
                                           "(2,100) | 0 15 #ff0000 #000000"));
        QVERIFY(dynamic_cast<QwtLogScaleEngine *>(plot.axisScaleEngine(QwtPlot::yLeft)) && plot.axisEnabled(QwtPlot::xTop)
                && !plot.axisEnabled(QwtPlot::xBottom));
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
