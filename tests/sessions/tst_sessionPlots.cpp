#include "QwtPlotSpectroRect.h"
#include "woxDiagnosticCapture.h"
#include "woxLogColorMap.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxPseudoSectionPlot.h"
#include "woxSoundingCurvePlot.h"
#include "woxWarningDialog.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <functional>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;
typedef QVector<double> Positions;
typedef QVector<QRgb> Colours;
Q_DECLARE_METATYPE(QwtPoint3D)

namespace {

const float NaN = std::nanf("");

QwtPlotSpectroRect *cells(QwtPlot &plot)
{
    return static_cast<QwtPlotSpectroRect *>(
        plot.itemList(QwtPlotItem::Rtti_PlotSpectroCurve).first());
}

// The curve drawn with symbols of the given size: 3 the sounding squares,
// 6 the sounding line, 15 the pick marker.
const QwtPlotCurve *curveWithSymbol(QwtPlot &plot, int size)
{
    for (QwtPlotItem *item : plot.itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto *curve = static_cast<QwtPlotCurve *>(item);
        if (curve->symbol() && curve->symbol()->size() == QSize(size, size))
            return curve;
    }
    return nullptr;
}

QwtInterval axis(QwtPlot &plot, int id)
{
    const QwtScaleDiv &div = plot.axisScaleDiv(id);
    return QwtInterval(div.lowerBound(), div.upperBound());
}

bool finiteAxes(QwtPlot &plot)
{
    const QwtInterval x = axis(plot, QwtPlot::xTop);
    const QwtInterval y = axis(plot, QwtPlot::yLeft);
    return std::isfinite(x.minValue() + x.maxValue() + y.minValue() + y.maxValue());
}

void show(QwtPlot &plot)
{
    plot.resize(1100, 520);
    plot.show();
    QCoreApplication::processEvents();
    plot.replot();
}

// Where a point of the top and left axes lies on the canvas.
QPoint onCanvas(QwtPlot &plot, const QPointF &p)
{
    return QPoint(qRound(plot.transform(QwtPlot::xTop, p.x())),
                  qRound(plot.transform(QwtPlot::yLeft, p.y())));
}

QList<int> rows(const QSignalSpy &spy)
{
    QList<int> r;
    for (const QList<QVariant> &args : spy)
        r << args.at(0).toInt();
    return r;
}

// One of the two plots, fed through its own update slot.
QwtPlot *plotUnderTest(bool pseudoSection, std::function<void(const Points &, const Rows &)> *update)
{
    if (pseudoSection) {
        auto *section = new woxPseudoSectionPlot;
        *update = [section](const Points &xy, const Rows &r) {
            section->onPlotUpdate(xy, Values(xy.size(), 10.0f), r);
        };
        return section;
    }
    auto *curves = new woxSoundingCurvePlot;
    *update = [curves](const Points &xy, const Rows &r) { curves->onPlotUpdate(xy, r); };
    return curves;
}

// Counts its repaint requests.
class CountingRect : public QwtPlotSpectroRect
{
public:
    void itemChanged() override
    {
        ++changes;
        QwtPlotSpectroRect::itemChanged();
    }
    int changes = 0;
};

// Draws the item on a white 100 x 100 image through identity maps and
// returns the colours of the pixels that are no longer white.
QMap<QRgb, int> drawn(QwtPlotSpectroRect &item, int from, int to, bool painter)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QwtScaleMap map;
    map.setScaleInterval(0, 100);
    map.setPaintInterval(0, 100);
    {
        QPainter p(&image);
        item.drawSeries(painter ? &p : nullptr, map, map, QRectF(0, 0, 100, 100), from, to);
    }
    QMap<QRgb, int> colours;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ++colours[image.pixel(x, y)];
        }
    }
    return colours;
}

} // namespace

// The logarithmic colour map, the rectangle item and the two session plots.
class tst_sessionPlots : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { woxWarningDialog::closeInstance(); }

    void mapPositions_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<Positions>("expected");   // NaN: not checked
        const double n = NaN;
        QTest::newRow("1 to 10000")
            << 1.0f << 10000.0f
            << Positions({0.00009, 0.00027, 0.00062, 0.00129, 0.00258, 0.00508, 0.0099, 0.01921,
                          0.03718, 0.07188, 0.13886, 0.2682, 0.5179});
        QTest::newRow("10 to 1000")
            << 10.0f << 1000.0f
            << Positions({0.00393, n, n, n, n, n, 0.09091, n, n, n, n, n, 0.71685});
        QTest::newRow("0 to 1 as 0.001 to 1")
            << 0.0f << 1.0f << Positions({0.00064, n, n, n, n, n, n, n, n, n, n, n, 0.61015});
        QTest::newRow("equal ends") << 5.0f << 5.0f << Positions();
        QTest::newRow("min above max") << 6.0f << 5.0f << Positions();
        QTest::newRow("negative min, max 0.001") << -1.0f << 0.001f << Positions();
        QTest::newRow("zero min, max below 0.001") << 0.0f << 0.0005f << Positions();
    }

    void mapPositions()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(Positions, expected);
        const woxLogColorMap map(min, max);
        const Positions stops = map.colorStops().mid(1, map.colorStops().size() - 2);
        QCOMPARE(stops.size(), expected.size());
        for (int k = 0; k < stops.size(); ++k) {
            if (!std::isnan(expected.at(k)))
                QVERIFY2(std::fabs(stops.at(k) - expected.at(k)) < 0.000006,
                         qPrintable(QString::number(stops.at(k))));
        }
        const QwtInterval range(min, qMax(min, max));
        QCOMPARE(map.color(range, min - 1.0), QColor(0, 0, 128));
        QCOMPARE(map.color(range, max + 1.0), QColor(min < max ? 96 : 0, 0, min < max ? 96 : 128));
    }

    // Two maps per update share one computation; a new range computes again.
    void mapCache()
    {
        const int before = woxLogColorMap::positionComputations();
        woxLogColorMap(1, 10000);
        woxLogColorMap(1, 10000);
        QCOMPARE(woxLogColorMap::positionComputations(), before + 1);
        woxLogColorMap(10, 1000);
        woxLogColorMap(1, 10000);
        QCOMPARE(woxLogColorMap::positionComputations(), before + 3);
        woxLogColorMap(5, 5);
        woxLogColorMap(1, 10000);
        QCOMPARE(woxLogColorMap::positionComputations(), before + 3);
    }

    void mapColours_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("value");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("zero width") << 7.0 << 7.0 << 7.0 << qRgb(0, 0, 128);
        QTest::newRow("NaN") << 1.0 << 100.0 << double(NaN) << QRgb(0);
        QTest::newRow("NaN, zero width") << 7.0 << 7.0 << double(NaN) << QRgb(0);
        QTest::newRow("at max") << 1.0 << 100.0 << 100.0 << qRgb(96, 0, 96);
        QTest::newRow("infinity") << 1.0 << 100.0 << double(INFINITY) << qRgb(96, 0, 96);
        QTest::newRow("stop 7") << 1.0 << 10000.0 << 100.0 << qRgb(128, 192, 0);
    }

    void mapColours()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(double, value);
        const woxLogColorMap map{float(low), float(high)};
        QTEST(map.rgb(QwtInterval(low, high), value), "rgb");
    }

    void rectSetters()
    {
        CountingRect item;
        QCOMPARE(item.rtti(), 6);
        item.setRectWidth(-3);
        QCOMPARE(item.rectWidth(), 0.0f);
        QCOMPARE(item.changes, 0);
        item.setRectWidth(4);
        item.setRectWidth(4);
        item.setRectHeight(-1);
        QCOMPARE(item.changes, 1);
        item.setColorRange(QwtInterval(0, 1000));
        QCOMPARE(item.changes, 1);
        item.setColorRange(QwtInterval(0, 1000, QwtInterval::ExcludeMaximum));
        QCOMPARE(item.changes, 2);
        auto *map = new woxLogColorMap(1, 10);
        item.setColorMap(map);
        item.setColorMap(map);
        QCOMPARE(item.colorMap(), map);
        QCOMPARE(item.changes, 4);
        QCOMPARE(map->color1(), QColor(0, 0, 128));   // still alive
    }

    void rectDrawing_data()
    {
        QTest::addColumn<QVector<QwtPoint3D>>("samples");
        QTest::addColumn<double>("rangeMin");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("painter");
        QTest::addColumn<int>("pixels");
        const QVector<QwtPoint3D> one({QwtPoint3D(50, 50, 500)});
        // 20 x 10 plus the one-pixel pen around it.
        QTest::newRow("one sample") << one << 0.0 << 0 << -1 << true << 21 * 11;
        QTest::newRow("min above max") << one << 2000.0 << 0 << -1 << true << 0;
        QTest::newRow("empty series") << QVector<QwtPoint3D>() << 0.0 << 0 << -1 << true << 0;
        QTest::newRow("no painter") << one << 0.0 << 0 << -1 << false << 0;
        QTest::newRow("from after to") << one << 0.0 << 1 << 0 << true << 0;
        QTest::newRow("centre outside") << QVector<QwtPoint3D>({QwtPoint3D(105, 50, 500)}) << 0.0
                                        << 0 << -1 << true << 0;
        QTest::newRow("NaN value") << QVector<QwtPoint3D>({QwtPoint3D(50, 50, double(NaN))})
                                   << 0.0 << 0 << -1 << true << 0;
    }

    void rectDrawing()
    {
        QFETCH(QVector<QwtPoint3D>, samples);
        QFETCH(double, rangeMin);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, painter);
        QFETCH(int, pixels);
        QwtPlotSpectroRect item;
        item.setSamples(samples);
        item.setRectWidth(20);
        item.setRectHeight(10);
        item.setColorRange(QwtInterval(rangeMin, 1000));
        const QMap<QRgb, int> colours = drawn(item, from, to, painter);
        QVERIFY(colours.size() <= 1);
        const int count = colours.isEmpty() ? 0 : colours.first();
        QVERIFY2(std::abs(count - pixels) <= 21 + 11, qPrintable(QString::number(count)));
        if (pixels > 0)
            QCOMPARE(colours.firstKey(), item.colorMap()->rgb(item.colorRange(), 500) | 0xFF000000u);
    }

    void placement_data()
    {
        QTest::addColumn<float>("pitch");
        QTest::addColumn<Points>("xy");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QwtInterval>("centres");
        QTest::addColumn<QwtInterval>("depths");
        QTest::addColumn<int>("diagnostics");
        QTest::newRow("one point") << 5.0f << Points({{20, 3}}) << 960.0 << 340.0
                                   << QwtInterval(17.5, 22.5) << QwtInterval(4.25, 1.75) << 0;
        QTest::newRow("95 m profile, depths 2.5 to 12.5")
            << 5.0f << Points({{0, 2.5}, {95, 12.5}, {40, 5}}) << 960.0 / 19 << 85.0
            << QwtInterval(-2.5, 97.5) << QwtInterval(13.75, 1.25) << 0;
        QTest::newRow("pitch 0 as 1") << 0.0f << Points({{0, 1}, {4, 2}}) << 240.0 << 170.0
                                      << QwtInterval(-0.5, 4.5) << QwtInterval(2.25, 0.75) << 1;
        QTest::newRow("pitch -5 as 5") << -5.0f << Points({{0, 2.5}, {10, 5}}) << 480.0 << 340.0
                                       << QwtInterval(-2.5, 12.5) << QwtInterval(6.25, 1.25) << 0;
        QTest::newRow("infinite pitch as 1") << float(INFINITY) << Points({{0, 1}, {4, 2}})
                                             << 240.0 << 170.0 << QwtInterval(-0.5, 4.5)
                                             << QwtInterval(2.25, 0.75) << 1;
        // Nothing to place: the cell sizes stay as they were (none yet).
        QTest::newRow("empty") << 5.0f << Points() << 0.0 << 0.0 << QwtInterval(0, 1)
                               << QwtInterval(1, 0) << 0;
    }

    void placement()
    {
        QFETCH(float, pitch);
        QFETCH(Points, xy);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(int, diagnostics);
        woxDiagnosticCapture capture;
        woxPseudoSectionPlot plot;
        plot.setPitch(pitch);
        plot.onPlotUpdate(xy, Values(xy.size(), 40.0f), Rows(xy.size(), 0));
        QVERIFY(qAbs(cells(plot)->rectWidth() - width) < 0.001);
        QVERIFY(qAbs(cells(plot)->rectHeight() - height) < 0.001);
        QTEST(axis(plot, QwtPlot::xTop), "centres");
        QTEST(axis(plot, QwtPlot::yLeft), "depths");
        QCOMPARE(capture.lines().size(), diagnostics);
        for (const QString &line : capture.lines())
            QVERIFY(line.startsWith(QLatin1String("woxPseudoSectionPlot error: ")));
    }

    // Cells at 0, 50 and 100 m, far enough apart to be told apart on the
    // canvas. White: not drawn.
    void cellColours_data()
    {
        QTest::addColumn<Values>("f");
        QTest::addColumn<QwtInterval>("bar");
        QTest::addColumn<Colours>("colours");
        const QRgb first = qRgb(0, 0, 128);
        const QRgb last = qRgb(96, 0, 96);
        const QRgb white = qRgb(255, 255, 255);
        QTest::newRow("spread") << Values({10, 100, 1000}) << QwtInterval(10, 1000)
                                << Colours({first, qRgb(128, 192, 0), last});
        QTest::newRow("all zero") << Values({0, 0, 0}) << QwtInterval(0.001f, 0.001f * 10.0f)
                                  << Colours({first, first, first});
        QTest::newRow("one NaN") << Values({10, NaN, 1000}) << QwtInterval(10, 1000)
                                 << Colours({first, white, last});
        QTest::newRow("infinity") << Values({10, float(INFINITY), 100}) << QwtInterval(10, 100)
                                  << Colours({first, last, last});
        QTest::newRow("all NaN") << Values({NaN, NaN, NaN}) << QwtInterval(0.001f, 1)
                                 << Colours({white, white, white});
        QTest::newRow("negative and zero") << Values({-5, 0, 1}) << QwtInterval(0.001f, 1)
                                           << Colours({first, first, last});
    }

    void cellColours()
    {
        QFETCH(Values, f);
        QFETCH(Colours, colours);
        const Points xy({{0, 2.5}, {50, 2.5}, {100, 2.5}});
        woxPseudoSectionPlot plot;
        show(plot);
        plot.itemList(QwtPlotItem::Rtti_PlotGrid).first()->setVisible(false);
        plot.onPlotUpdate(xy, f, Rows({0, 1, 2}));
        QTEST(axis(plot, QwtPlot::xBottom), "bar");
        QTEST(plot.axisWidget(QwtPlot::xBottom)->colorBarInterval(), "bar");
        QVERIFY(finiteAxes(plot));
        const QImage image = plot.canvas()->grab().toImage();
        for (int i = 0; i < xy.size(); ++i)
            QCOMPARE(image.pixel(onCanvas(plot, xy.at(i))), colours.at(i));
        // One point fills the middle of the canvas.
        plot.onPlotUpdate(Points({{20, 3}}), Values({7}), Rows({0}));
        const QImage one = plot.canvas()->grab().toImage();
        QCOMPARE(one.pixel(one.width() / 2, one.height() / 2), qRgb(0, 0, 128));
    }

    // A click near the second point (row 42) opens the menu; "" closes it.
    void picking_data()
    {
        QTest::addColumn<bool>("pseudoSection");
        QTest::addColumn<QPoint>("offset");   // (0, 10): 10 px below, less than 11
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("updateWhileOpen");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("deleted");
        const QList<int> none;
        for (bool pseudo : {true, false}) {
            const QByteArray kind = pseudo ? "pseudo-section: " : "sounding curves: ";
            const auto row = [&](const char *name, QPoint offset, const char *choice, int answer,
                                 bool update, const QList<int> &selected,
                                 const QList<int> &deleted) {
                QTest::newRow(kind + name) << pseudo << offset << QString(choice) << answer
                                           << update << selected << deleted;
            };
            row("go to", QPoint(), "Go to", -1, false, {42}, none);
            row("delete, yes", QPoint(3, 3), "Delete", 1, false, none, {42});
            row("delete, no", QPoint(), "Delete", 0, false, none, none);
            row("cancel", QPoint(), "Cancel", -1, false, none, none);
            row("menu closed", QPoint(), "", -1, false, none, none);
            row("10 px away", QPoint(0, 10), "Go to", -1, false, none, none);
            // The points go while the menu is open: the row picked stays.
            row("update, go to", QPoint(), "Go to", -1, true, {42}, none);
            row("update, delete", QPoint(), "Delete", 1, true, none, {42});
        }
    }

    void picking()
    {
        QFETCH(bool, pseudoSection);
        QFETCH(QPoint, offset);
        QFETCH(QString, choice);
        QFETCH(int, answer);
        QFETCH(bool, updateWhileOpen);
        std::function<void(const Points &, const Rows &)> update;
        std::unique_ptr<QwtPlot> plot(plotUnderTest(pseudoSection, &update));
        show(*plot);
        const Points xy({{10, 5}, {30, 20}});
        update(xy, Rows({7, 42}));
        QSignalSpy selected(plot.get(), SIGNAL(sendRowSelection(int)));
        QSignalSpy deleted(plot.get(), SIGNAL(sendRowDelete(int)));
        woxModalScript script;
        if (answer >= 0)
            script.answer(answer);
        int markerWhileOpen = 0;
        woxPopupMenuAnswer menu(choice);
        menu.whileOpen = [&]() {
            markerWhileOpen = int(curveWithSymbol(*plot, 15)->dataSize());
            if (updateWhileOpen)
                update(Points(), Rows());
        };
        QPoint click = onCanvas(*plot, xy.at(1)) + offset;
        if (offset.y() == 10)
            click.setY(int(std::ceil(plot->transform(QwtPlot::yLeft, xy.at(1).y()) + 10.0)));
        QTest::mouseRelease(plot->canvas(), Qt::LeftButton, {}, click);
        const bool far = offset.y() == 10;
        QCOMPARE(menu.seen, far ? QStringList() : QStringList("Go to|Delete|Cancel"));
        QCOMPARE(markerWhileOpen, far ? 0 : 1);
        QCOMPARE(curveWithSymbol(*plot, 15)->dataSize(), size_t(0));
        QCOMPARE(script.seen, choice == "Delete" ? QStringList("woxWarningDialog: Are you sure you "
                                                               "want to delete selected measurement?")
                                                 : QStringList());
        QTEST(rows(selected), "selected");
        QTEST(rows(deleted), "deleted");
    }

    void clickOnAnEmptyPlot()
    {
        std::function<void(const Points &, const Rows &)> update;
        for (bool pseudoSection : {true, false}) {
            std::unique_ptr<QwtPlot> plot(plotUnderTest(pseudoSection, &update));
            show(*plot);
            woxPopupMenuAnswer menu("Cancel");
            QTest::mouseRelease(plot->canvas(), Qt::LeftButton, {}, plot->canvas()->rect().center());
            QVERIFY(menu.seen.isEmpty());
        }
    }

    // Values without a logarithm leave both curves with their rows; with
    // nothing left the value axis shows one decade.
    void soundingValues_data()
    {
        QTest::addColumn<Points>("xy");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QwtInterval>("values");
        QTest::newRow("zero, negative, NaN, infinity")
            << Points({{1, 0}, {2, -3}, {3, NaN}, {4, double(INFINITY)}}) << 0
            << QwtInterval(1, 10);
        QTest::newRow("one good") << Points({{1, 0}, {2, 50}, {NaN, 60}}) << 1 << QwtInterval();
    }

    void soundingValues()
    {
        QFETCH(Points, xy);
        QFETCH(QwtInterval, values);
        woxSoundingCurvePlot plot;
        show(plot);
        Rows rows;
        for (int i = 0; i < xy.size(); ++i)
            rows << quint32(100 + i);
        plot.onPlotUpdate(xy, rows);
        plot.onPlotUpdate(Points({{1, 5}, {2, 6}}));   // the slider: the line only
        QTEST(int(curveWithSymbol(plot, 3)->dataSize()), "kept");
        QCOMPARE(curveWithSymbol(plot, 6)->dataSize(), size_t(2));
        plot.onPlotUpdate(xy);
        QTEST(int(curveWithSymbol(plot, 6)->dataSize()), "kept");
        QVERIFY(finiteAxes(plot));
        if (values.isValid())
            QCOMPARE(axis(plot, QwtPlot::yLeft), values);
        if (curveWithSymbol(plot, 3)->dataSize() == 1) {
            // The kept square keeps its own row.
            QSignalSpy selected(&plot, &woxSoundingCurvePlot::sendRowSelection);
            woxPopupMenuAnswer menu("Go to");
            QTest::mouseRelease(plot.canvas(), Qt::LeftButton, {}, onCanvas(plot, xy.at(1)));
            QCOMPARE(::rows(selected), QList<int>({101}));
        }
        plot.onPlotClear();
        QCOMPARE(curveWithSymbol(plot, 3)->dataSize() + curveWithSymbol(plot, 6)->dataSize(),
                 size_t(0));
        QCOMPARE(axis(plot, QwtPlot::yLeft), QwtInterval(1, 10));
    }

    // Pictures for the documentation, when asked (WOX_SCREENSHOT_DIR=docs):
    // a Wenner survey over two cables of 32 electrodes 5 m apart, with a
    // conductive body under the middle of the line.
    void screenshots()
    {
        Points xy;
        Values rho;
        Rows rows;
        Points sounding;
        Points line;
        for (int n = 1; n <= 21; ++n) {
            for (int a = 0; a + 3 * n < 64; ++a) {
                const double x = (a + 1.5 * n) * 5.0;
                const double z = n * 2.5;
                xy << QPointF(x, z);
                rho << float(300.0 - 250.0 * std::exp(-std::pow(x - 160, 2) / 900 - std::pow(z - 15, 2) / 60));
                rows << quint32(rows.size());
                sounding << QPointF(z, rho.last());
                if (x == 160.0)
                    line << sounding.last();
            }
        }
        woxPseudoSectionPlot section;
        section.onPlotUpdate(xy, rho, rows);
        woxSoundingCurvePlot curves;
        curves.onPlotUpdate(sounding, rows);
        curves.onPlotUpdate(line);
        const QString dir = qEnvironmentVariable("WOX_SCREENSHOT_DIR");
        for (QwtPlot *plot : {static_cast<QwtPlot *>(&section), static_cast<QwtPlot *>(&curves)}) {
            plot->resize(850, 450);
            const QPixmap picture = plot->grab();
            QCOMPARE(picture.size(), QSize(850, 450));
            if (!dir.isEmpty())
                QVERIFY(picture.save(dir + (plot == &section ? "/pseudo-section.png"
                                                              : "/sounding-curves.png")));
        }
    }
};

QTEST_MAIN(tst_sessionPlots)
#include "tst_sessionPlots.moc"
