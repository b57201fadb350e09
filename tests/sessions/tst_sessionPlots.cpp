#include "QwtPlotSpectroRect.h"
#include "woxDiagnosticCapture.h"
#include "woxLogColorMap.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxPseudoSectionPlot.h"
#include "woxSoundingCurvePlot.h"
#include "woxWarningDialog.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>
#include <QPainter>
#include <QtTest>

typedef QVector<QPointF> Points; typedef QVector<quint32> Rows;

namespace {
// Each curve: symbol style, size, fill and outline; its line's colour and width when one is drawn; its points.
QString looks(const QwtPlot &plot)
{
    QStringList seen;
    for (QwtPlotItem *item : plot.itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto *curve = static_cast<QwtPlotCurve *>(item);
        const QwtSymbol *s = curve->symbol();
        seen << QString("%1 %2 %3 %4").arg(s->style()).arg(s->size().width()).arg(s->brush().color().name(), s->pen().color().name());
        if (curve->style() != QwtPlotCurve::NoCurve && curve->pen().style() != Qt::NoPen)
            seen.last() += QString(" line %1 %2").arg(curve->pen().color().name()).arg(curve->pen().widthF());
        for (size_t i = 0; i < curve->dataSize(); ++i)
            seen.last() += QString(" (%1,%2)").arg(curve->sample(i).x()).arg(curve->sample(i).y());
    }
    return seen.join(" | ");
}

void shown(QwtPlot &plot) { plot.resize(1100, 520), plot.show(), QCoreApplication::processEvents(); }
} // namespace

class tst_sessionPlots : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { woxWarningDialog::closeInstance(); }
    // Thirteen stops between the ends, at equal ratios of value, computed once for the two maps of a range; a range
    // from 0 or below starts at 0.001; an empty range has the end colours only.
    void mapColours()
    {
        const auto rgb = [](float low, float high, double value) {
            return QColor(woxLogColorMap(low, high).rgb(QwtInterval(low, high), value)).name();
        };
        QString colours = rgb(7, 7, 7) + rgb(1, 100, 100) + rgb(1, 100, std::nan("")) + rgb(7, 7, std::nan(""))
                          + rgb(1, 100, INFINITY) + ":";
        for (int k = 0; k <= 14; ++k)
            colours += " " + rgb(1, 10000, std::pow(10.0, 4.0 * k / 14));
        QCOMPARE(colours, QString("#000080#600060#000000#000000#600060: #000080 #0000ff #0080ff #00ffff #00c080 #00ff00 #008000 #80c000 "
                                  "#ffff00 #bf8000 #ff8000 #ff0000 #d30000 #800034 #600060"));
        const QVector<double> stops = woxLogColorMap(0, 1).colorStops();
        QVERIFY(stops.size() == 15 && qAbs(stops[1] - 0.00064) < 5e-6 && qAbs(stops[13] - 0.61015) < 5e-6);
        const int computed = woxLogColorMap::positionComputations();
        const int ends = woxLogColorMap(5, 5).colorStops().size() + woxLogColorMap(6, 5).colorStops().size();
        QCOMPARE(QString("%1 %2").arg(ends).arg(woxLogColorMap(3, 3000).colorStops().size()
                                              + woxLogColorMap(3, 3000).colorStops().size() - 30
                                              + woxLogColorMap::positionComputations() - computed), QString("4 1"));
    }
    // Cells fill 960 x 340 pixels, centred on their points; the depth axis runs down from a quarter pitch above the
    // shallowest point, the centres half a pitch beyond; the colour bar and the cells span the finite values. From
    // a damaged file: pitches -5, 0 and infinite act as 5, 1 and 1 m; a range without width shows a decade, no values 0.001 to 1.
    void sectionGeometry()
    {
        woxDiagnosticCapture diagnostics;
        woxPseudoSectionPlot plot;
        shown(plot);
        const auto span = [&plot](int axis) {
            return QString("%1..%2").arg(plot.axisScaleDiv(axis).lowerBound()).arg(plot.axisScaleDiv(axis).upperBound());
        };
        auto *rects = dynamic_cast<QwtPlotSpectroRect *>(plot.itemList(QwtPlotItem::Rtti_PlotUserItem + 1).value(0));
        QVERIFY(rects && rects->rtti() == QwtPlotItem::Rtti_PlotUserItem + 1);   // a run-time type of their own
        // Pitch: centre depth value ...: cells | centres | depths | colour bar | colour range
        for (const QString row : {"5: 10 5 7: 960x340 | 7.5..12.5 | 6.25..3.75 | 7..70 | 7..7",
                                  "5: 0 2.5 10 95 12.5 1000: 50.53x85 | -2.5..97.5 | 13.75..1.25 | 10..1000 | 10..1000",
                                  "5: : 50.53x85 | 0..1 | 1..0 | 0.001..1 | 0.001..1",
                                  "2: 0 1 0.5 10 2 5: 192x340 | -1..11 | 2.5..0.5 | 0.5..5 | 0.5..5",
                                  "-5: 0 2.5 10 20 2.5 nan inf 1 100: 240x340 | -2.5..22.5 | 3.75..1.25 | 10..100 | 10..100",
                                  "0: 0 1 0 4 2 0: 240x170 | -0.5..4.5 | 2.25..0.75 | 0.001..0.01 | 0.001..0.001",
                                  "inf: 0 1 0 4 2 0: 240x170 | -0.5..4.5 | 2.25..0.75 | 0.001..0.01 | 0.001..0.001"}) {
            const QStringList numbers = row.section(':', 1, 1).split(' ', Qt::SkipEmptyParts);
            Points xy;
            QVector<float> f;
            for (int i = 0; i + 2 < numbers.size(); i += 3)
                xy << QPointF(numbers[i].toDouble(), numbers[i + 1].toDouble()), f << numbers[i + 2].toFloat();
            plot.setPitch(row.section(':', 0, 0).toFloat());
            plot.onPlotUpdate(xy, f, Rows(xy.size()));
            const QwtInterval bar = plot.axisWidget(QwtPlot::xBottom)->colorBarInterval(), range = rects->colorRange();
            QCOMPARE(QString(" %1x%2 | %3 | %4 | %5..%6 | %7..%8").arg(rects->rectWidth(), 0, 'g', 4).arg(rects->rectHeight())
                         .arg(span(QwtPlot::xTop), span(QwtPlot::yLeft)).arg(bar.minValue()).arg(bar.maxValue())
                         .arg(range.minValue()).arg(range.maxValue()), row.section(':', 2));
            if (numbers.size() != 6 || row[0] != '5')
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
            plot.setAxisScale(QwtPlot::xTop, -2.5, 94.0);   // the second centre just off the canvas: not drawn
            plot.replot();
            const QImage cut = plot.canvas()->grab().toImage();
            QVERIFY(QColor(cut.pixel(cut.width() - 3, qRound(plot.transform(QwtPlot::yLeft, 12.5)))).name() != "#600060");
        }
        QwtScaleWidget *bar = plot.axisWidget(QwtPlot::xBottom);
        QCOMPARE(QString("%1 %2/%3 %4/%5").arg(bar->colorBarWidth() * bar->isColorBarEnabled())
                     .arg(plot.axisMaxMajor(QwtPlot::yLeft)).arg(plot.axisMaxMinor(QwtPlot::yLeft))
                     .arg(plot.axisMaxMajor(QwtPlot::xTop)).arg(plot.axisMaxMinor(QwtPlot::xTop)), QString("16 12/3 20/4"));
    }
    // The cell item: a size below 0 counts as 0, a repaint is asked for only on a change; nothing is drawn for a NaN
    // value nor over an inverted colour range, whatever colour the map would give.
    void cellItem()
    {
        struct : QwtPlotSpectroRect {
            int changes = 0;
            void itemChanged() override { ++changes, QwtPlotSpectroRect::itemChanged(); }
        } item;
        struct Blue : QwtColorMap {
            QRgb rgb(const QwtInterval &, double) const override { return qRgb(0, 0, 255); }
            unsigned char colorIndex(const QwtInterval &, double) const override { return 0; }
        };
        item.setRectWidth(-3), item.setRectHeight(-1);
        QString seen = QString("%1x%2 %3,").arg(item.rectWidth()).arg(item.rectHeight()).arg(item.changes);
        item.setRectWidth(20), item.setRectWidth(20), item.setRectHeight(10), item.setColorRange(QwtInterval(0, 1000));
        seen += QString::number(item.changes);
        item.setColorMap(new Blue);
        QwtScaleMap map;   // plot units are pixels
        map.setScaleInterval(0, 100), map.setPaintInterval(0, 100);
        for (const QPointF &valueLow : {QPointF(1000, 0), QPointF(NAN, 0), QPointF(1000, 2000)}) {
            item.setSamples({QwtPoint3D(50, 50, valueLow.x())}), item.setColorRange({valueLow.y(), 1000});
            QImage image(100, 100, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            item.drawSeries(&painter, map, map, image.rect(), 0, -1);
            painter.end();
            seen += " " + QColor(image.pixel(50, 50)).name();   // at the cell's centre
        }
        QCOMPARE(seen, QString("0x0 0,2 #0000ff #ffffff #ffffff"));
    }
    // Each row a small blue square, the rows at the slider a red line with dots, values without a logarithm left out;
    // the value axis logarithmic, the horizontal one on top. With nothing to draw, none with a logarithm or the plot
    // cleared, the value axis shows one decade.
    void curves()
    {
        woxSoundingCurvePlot plot;
        plot.onPlotUpdate({{1, 0}, {1, 10}, {NAN, 60}, {4, -3}, {5, INFINITY}, {2, 100}}, {4, 5, 6, 7, 8, 9});
        plot.onPlotUpdate(Points{{2, 100}, {3, 0}});
        QCOMPARE(looks(plot), QString("1 3 #0000ff #000000 (1,10) (2,100) | 0 6 #ff0000 #000000 line #ff0000 2 (2,100) "
                                      "| 0 15 #ff0000 #000000"));
        QVERIFY(dynamic_cast<QwtLogScaleEngine *>(plot.axisScaleEngine(QwtPlot::yLeft)) && plot.axisEnabled(QwtPlot::xTop)
                && !plot.axisEnabled(QwtPlot::xBottom));
        const auto values = [&plot] {
            const QwtScaleDiv &shown = plot.axisScaleDiv(QwtPlot::yLeft);
            return QString(" %1..%2").arg(shown.lowerBound()).arg(shown.upperBound());
        };
        plot.onPlotUpdate({{1, 0}, {2, -3}, {3, NAN}, {4, INFINITY}}, {1, 2, 3, 4});
        plot.onPlotUpdate(Points{{1, 0}});
        QString axis = values();
        plot.onPlotUpdate(Points{{2, 100}, {3, 1000}});
        axis += values();
        plot.onPlotClear();
        QCOMPARE(axis + values() + " | " + looks(plot), QString(" 1..10 100..1000 1..10 | 1 3 #0000ff #000000 | 0 6 #ff0000 #000000 "
                                                                 "line #ff0000 2 | 0 15 #ff0000 #000000"));
    }
    // A click near the second point (row 42) opens the menu and marks it: go to it, or delete it once confirmed,
    // even when the points go while it is open. Ten pixels away, at a point without a row, or where a point was
    // before the plot was emptied, nothing opens.
    void picking_data()
    {
        QTest::addColumn<bool>("pseudoSection");
        QTest::addColumn<QString>("step");
        for (bool pseudo : {true, false})
            for (const char *step : {"Go to", "Delete", "away", "update", "no row", "emptied"})
                QTest::newRow(QByteArray(pseudo ? "pseudo-section: " : "sounding curves: ") + step) << pseudo << step;
    }
    void picking()
    {
        QFETCH(bool, pseudoSection);
        QFETCH(QString, step);
        woxPseudoSectionPlot section;
        woxSoundingCurvePlot curves;
        QwtPlot *plot = pseudoSection ? static_cast<QwtPlot *>(&section) : &curves;
        const auto update = [&](const Points &xy, const Rows &rows) {
            pseudoSection ? section.onPlotUpdate(xy, QVector<float>(xy.size(), 10.0f), rows) : curves.onPlotUpdate(xy, rows);
        };
        const auto marked = [plot]() { return static_cast<QwtPlotCurve *>(plot->itemList(QwtPlotItem::Rtti_PlotCurve).last())->dataSize(); };
        shown(*plot);
        update({{10, 5}, {30, 20}}, step == "no row" ? Rows{7} : Rows{7, 42});
        QSignalSpy selected(plot, SIGNAL(sendRowSelection(int))), deleted(plot, SIGNAL(sendRowDelete(int)));
        woxModalScript script;
        script.answer(1);
        size_t markedWhileOpen = 0;
        woxPopupMenuAnswer menu(step == "update" ? "Delete" : step);
        menu.whileOpen = [&]() { markedWhileOpen = marked(), step == "update" ? update({}, {}) : void(); };
        const QPointF at(plot->transform(QwtPlot::xTop, 30), plot->transform(QwtPlot::yLeft, 20));
        if (step == "emptied")
            update({}, {});
        const bool near = step != "away" && step != "no row" && step != "emptied", remove = near && step != "Go to";
        QTest::mouseRelease(plot->canvas(), Qt::LeftButton, {}, step == "away" ? QPoint(qRound(at.x()), int(std::ceil(at.y() + 10)))
                                                                               : (at + QPointF(3, 3)).toPoint());
        QCOMPARE(menu.seen, near ? QStringList("Go to|Delete|Cancel") : QStringList());
        QVERIFY(markedWhileOpen == size_t(near) && marked() == 0);
        QCOMPARE(script.seen, remove ? QStringList("woxWarningDialog: Are you sure you want to delete selected measurement?")
                                     : QStringList());
        const auto rows = [](const QSignalSpy &spy) { return spy.isEmpty() ? QString() : spy.first().value(0).toString() + " "; };
        QCOMPARE(QString("%1x %2").arg(selected.size() + deleted.size()).arg(rows(selected) + "/ " + rows(deleted)),
                 QString(remove ? "1x / 42 " : near ? "1x 42 / " : "0x / "));
    }
};

QTEST_MAIN(tst_sessionPlots)
#include "tst_sessionPlots.moc"
