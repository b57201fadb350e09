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
#include <functional>

typedef QVector<QPointF> Points;
typedef QVector<quint32> Rows;
typedef QVector<float> Values;

namespace {

const float NaN = std::nanf("");

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

} // namespace

// The logarithmic colour map and the two session plots.
class tst_sessionPlots : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { woxWarningDialog::closeInstance(); }

    void mapColours_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("value");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("zero width") << 7.0 << 7.0 << 7.0 << qRgb(0, 0, 128);
        QTest::newRow("NaN") << 1.0 << 100.0 << double(NaN) << QRgb(0);
        QTest::newRow("at max") << 1.0 << 100.0 << 100.0 << qRgb(96, 0, 96);
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
            row("10 px away", QPoint(0, 10), "Go to", -1, false, none, none);
            // The points go while the menu is open: the row picked stays.
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
