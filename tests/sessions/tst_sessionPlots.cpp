#include "QwtPlotSpectroRect.h"
#include "woxDiagnosticCapture.h"
#include "woxModalScript.h"
#include "woxPseudoSectionPlot.h"
#include "woxSoundingCurvePlot.h"
#include "woxWarningDialog.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <functional>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;

namespace {

const QSize plotSize(1100, 520);

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

bool finite(const QwtInterval &i)
{
    return std::isfinite(i.minValue()) && std::isfinite(i.maxValue());
}

void show(QwtPlot &plot)
{
    plot.resize(plotSize);
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

// Answers the pick menu once it is open: `whileOpen` runs first, then the
// entry (0 Go to, 1 Delete, 2 Cancel, -1 closes the menu) is chosen. A menu
// that never opens leaves `shown` false; the polling ends with the object,
// so nothing can hang or answer a later test's menu.
class MenuAnswer : public QObject
{
public:
    MenuAnswer(int entry, const std::function<void()> &whileOpen)
        : entry(entry), whileOpen(whileOpen)
    {
        connect(&timer, &QTimer::timeout, this, [this]() { poll(); });
        timer.start(10);
    }

    bool shown = false;

private:
    void poll()
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer.stop();
        shown = true;
        if (whileOpen)
            whileOpen();
        if (entry < 0) {
            menu->close();
            return;
        }
        menu->setActiveAction(menu->actions().at(entry));
        QTest::keyClick(menu, Qt::Key_Return);
    }

    int entry;
    std::function<void()> whileOpen;
    QTimer timer;
};

// One of the two plots fed through its own update slot.
struct PlotUnderTest
{
    explicit PlotUnderTest(bool pseudoSection)
    {
        if (pseudoSection) {
            auto *section = new woxPseudoSectionPlot;
            update = [section](const Points &xy, const Rows &rows) {
                section->onPlotUpdate(xy, Values(xy.size(), 10.0f), rows);
            };
            plot.reset(section);
        } else {
            auto *curves = new woxSoundingCurvePlot;
            update = [curves](const Points &xy, const Rows &rows) {
                curves->onPlotUpdate(xy, rows);
            };
            plot.reset(curves);
        }
    }

    std::unique_ptr<QwtPlot> plot;
    std::function<void(const Points &, const Rows &)> update;
};

} // namespace

class tst_sessionPlots : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxWarningDialog::closeInstance();
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
    void colours_data()
    {
        QTest::addColumn<Values>("f");
        QTest::addColumn<QwtInterval>("bar");
        QTest::addColumn<QVector<QRgb>>("colours");
        const QRgb first = qRgb(0, 0, 128);
        const QRgb last = qRgb(96, 0, 96);
        const QRgb white = qRgb(255, 255, 255);
        const float nan = std::nanf("");
        QTest::newRow("spread") << Values({10, 100, 1000}) << QwtInterval(10, 1000)
                                << QVector<QRgb>({first, qRgb(128, 192, 0), last});
        QTest::newRow("all zero") << Values({0, 0, 0}) << QwtInterval(0.001f, 0.001f * 10.0f)
                                  << QVector<QRgb>({first, first, first});
        QTest::newRow("one NaN") << Values({10, nan, 1000}) << QwtInterval(10, 1000)
                                 << QVector<QRgb>({first, white, last});
        QTest::newRow("infinity") << Values({10, float(INFINITY), 100}) << QwtInterval(10, 100)
                                  << QVector<QRgb>({first, last, last});
        QTest::newRow("all NaN") << Values({nan, nan, nan}) << QwtInterval(0.001f, 1)
                                 << QVector<QRgb>({white, white, white});
        QTest::newRow("negative and zero") << Values({-5, 0, 1}) << QwtInterval(0.001f, 1)
                                           << QVector<QRgb>({first, first, last});
    }

    void colours()
    {
        QFETCH(Values, f);
        QFETCH(QVector<QRgb>, colours);
        const Points xy({{0, 2.5}, {50, 2.5}, {100, 2.5}});
        woxPseudoSectionPlot plot;
        show(plot);
        plot.itemList(QwtPlotItem::Rtti_PlotGrid).first()->setVisible(false);
        plot.onPlotUpdate(xy, f, Rows({0, 1, 2}));
        QTEST(axis(plot, QwtPlot::xBottom), "bar");
        QTEST(plot.axisWidget(QwtPlot::xBottom)->colorBarInterval(), "bar");
        QVERIFY(finite(axis(plot, QwtPlot::yLeft)) && finite(axis(plot, QwtPlot::xTop)));
        const QImage image = plot.canvas()->grab().toImage();
        for (int i = 0; i < xy.size(); ++i)
            QCOMPARE(image.pixel(onCanvas(plot, xy.at(i))), colours.at(i));
    }

    // One point fills the middle of the canvas with the first colour.
    void onePointFillsTheCentre()
    {
        woxPseudoSectionPlot plot;
        show(plot);
        plot.onPlotUpdate(Points({{20, 3}}), Values({7}), Rows({0}));
        const QImage image = plot.canvas()->grab().toImage();
        QCOMPARE(image.pixel(image.width() / 2, image.height() / 2), qRgb(0, 0, 128));
    }

    void picking_data()
    {
        QTest::addColumn<bool>("pseudoSection");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("far");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("updateWhileOpen");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("deleted");
        for (bool pseudo : {true, false}) {
            const QByteArray kind = pseudo ? "pseudo-section: " : "sounding curves: ";
            QTest::newRow(kind + "go to") << pseudo << QPoint() << false << 0 << -1 << false << true
                                          << QList<int>({42}) << QList<int>();
            QTest::newRow(kind + "delete, yes") << pseudo << QPoint(3, 3) << false << 1 << 1 << false
                                                << true << QList<int>() << QList<int>({42});
            QTest::newRow(kind + "delete, no") << pseudo << QPoint() << false << 1 << 0 << false << true
                                               << QList<int>() << QList<int>();
            QTest::newRow(kind + "cancel") << pseudo << QPoint() << false << 2 << -1 << false << true
                                           << QList<int>() << QList<int>();
            QTest::newRow(kind + "menu closed") << pseudo << QPoint() << false << -1 << -1 << false
                                                << true << QList<int>() << QList<int>();
            QTest::newRow(kind + "10 px away") << pseudo << QPoint() << true << 0 << -1 << false
                                               << false << QList<int>() << QList<int>();
            // The points go while the menu is open: the row picked stays.
            QTest::newRow(kind + "update, go to") << pseudo << QPoint() << false << 0 << -1 << true
                                                  << true << QList<int>({42}) << QList<int>();
            QTest::newRow(kind + "update, delete") << pseudo << QPoint() << false << 1 << 1 << true
                                                   << true << QList<int>() << QList<int>({42});
        }
    }

    void picking()
    {
        QFETCH(bool, pseudoSection);
        QFETCH(QPoint, offset);
        QFETCH(bool, far);
        QFETCH(int, entry);
        QFETCH(int, answer);
        QFETCH(bool, updateWhileOpen);
        PlotUnderTest p(pseudoSection);
        QwtPlot &plot = *p.plot;
        show(plot);
        const Points xy({{10, 5}, {30, 20}});
        p.update(xy, Rows({7, 42}));
        QSignalSpy selected(&plot, SIGNAL(sendRowSelection(int)));
        QSignalSpy deleted(&plot, SIGNAL(sendRowDelete(int)));
        woxModalScript script;
        if (answer >= 0)
            script.answer(answer);
        int markerWhileOpen = 0;
        MenuAnswer menu(entry, [&]() {
            markerWhileOpen = int(curveWithSymbol(plot, 15)->dataSize());
            if (updateWhileOpen)
                p.update(Points(), Rows());
        });
        QPoint click = onCanvas(plot, xy.at(1)) + offset;
        if (far)   // at least 10 px below the point, less than 11
            click.setY(int(std::ceil(plot.transform(QwtPlot::yLeft, xy.at(1).y()) + 10.0)));
        QTest::mouseRelease(plot.canvas(), Qt::LeftButton, {}, click);
        QTEST(menu.shown, "menu");
        QCOMPARE(markerWhileOpen, menu.shown ? 1 : 0);
        QCOMPARE(curveWithSymbol(plot, 15)->dataSize(), size_t(0));
        QCOMPARE(script.pending(), menu.shown && entry == 1 ? 0 : int(answer >= 0));
        QList<int> rows;
        for (const QList<QVariant> &args : selected)
            rows << args.at(0).toInt();
        QTEST(rows, "selected");
        rows.clear();
        for (const QList<QVariant> &args : deleted)
            rows << args.at(0).toInt();
        QTEST(rows, "deleted");
    }

    void clickOnAnEmptyPlot()
    {
        for (bool pseudoSection : {true, false}) {
            PlotUnderTest p(pseudoSection);
            show(*p.plot);
            MenuAnswer menu(2, {});
            QTest::mouseRelease(p.plot->canvas(), Qt::LeftButton, {},
                                p.plot->canvas()->rect().center());
            QVERIFY(!menu.shown);
        }
    }

    // Values without a logarithm leave both curves with their rows; with
    // nothing left the value axis shows one decade.
    void soundingValues_data()
    {
        QTest::addColumn<Points>("xy");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QwtInterval>("values");
        const double nan = std::nan("");
        QTest::newRow("zero, negative, NaN, infinity")
            << Points({{1, 0}, {2, -3}, {3, nan}, {4, double(INFINITY)}}) << 0
            << QwtInterval(1, 10);
        QTest::newRow("one good") << Points({{1, 0}, {2, 50}, {nan, 60}}) << 1 << QwtInterval();
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
        QVERIFY(finite(axis(plot, QwtPlot::yLeft)) && finite(axis(plot, QwtPlot::xTop)));
        if (values.isValid())
            QCOMPARE(axis(plot, QwtPlot::yLeft), values);
        if (curveWithSymbol(plot, 3)->dataSize() == 1) {
            // The kept square keeps its own row.
            QSignalSpy selected(&plot, &woxSoundingCurvePlot::sendRowSelection);
            MenuAnswer menu(0, {});
            QTest::mouseRelease(plot.canvas(), Qt::LeftButton, {}, onCanvas(plot, xy.at(1)));
            QCOMPARE(selected.size(), 1);
            QCOMPARE(selected.at(0).at(0).toInt(), 101);
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
        for (int n = 1; n <= 21; ++n) {
            for (int a = 0; a + 3 * n < 64; ++a) {
                const double x = (a + 1.5 * n) * 5.0;
                const double z = n * 2.5;
                xy << QPointF(x, z);
                rho << float(300.0 - 250.0 * std::exp(-std::pow(x - 160, 2) / 900 - std::pow(z - 15, 2) / 60));
                rows << quint32(rows.size());
            }
        }
        woxPseudoSectionPlot section;
        section.resize(850, 450);
        section.onPlotUpdate(xy, rho, rows);
        woxSoundingCurvePlot curves;
        curves.resize(850, 450);
        Points sounding;
        Points line;
        for (int i = 0; i < xy.size(); ++i) {
            sounding << QPointF(xy.at(i).y(), rho.at(i));
            if (xy.at(i).x() == 160.0)
                line << sounding.last();
        }
        curves.onPlotUpdate(sounding, rows);
        curves.onPlotUpdate(line);
        const QString dir = qEnvironmentVariable("WOX_SCREENSHOT_DIR");
        for (QwtPlot *plot : {static_cast<QwtPlot *>(&section), static_cast<QwtPlot *>(&curves)}) {
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
