#include "QwtPlotSpectroRect.h"
#include "woxLogColorMap.h"

#include <qwt_scale_map.h>

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

typedef QVector<double> Positions;
Q_DECLARE_METATYPE(QwtPoint3D)

namespace {

// The inner stops, without the two ends.
Positions innerStops(const woxLogColorMap &map)
{
    const Positions all = map.colorStops();
    return all.mid(1, all.size() - 2);
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
    using QwtPlotSpectroRect::drawRects;
    int changes = 0;
};

QwtScaleMap identityMap()
{
    QwtScaleMap map;
    map.setScaleInterval(0, 100);
    map.setPaintInterval(0, 100);
    return map;
}

// Draws the item on a white 100 x 100 image through identity maps and
// returns the colours of the pixels that are no longer white.
QMap<QRgb, int> drawn(QwtPlotSpectroRect &item, int from = 0, int to = -1, bool painter = true)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        item.drawSeries(painter ? &p : nullptr, identityMap(), identityMap(),
                        QRectF(0, 0, 100, 100), from, to);
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

class tst_colorMap : public QObject
{
    Q_OBJECT

private slots:
    void positions_data()
    {
        QTest::addColumn<float>("min");
        QTest::addColumn<float>("max");
        QTest::addColumn<Positions>("expected");   // NaN: not checked
        const double n = std::nan("");
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

    void positions()
    {
        QFETCH(float, min);
        QFETCH(float, max);
        QFETCH(Positions, expected);
        const Positions stops = innerStops(woxLogColorMap(min, max));
        QCOMPARE(stops.size(), expected.size());
        for (int k = 0; k < stops.size(); ++k) {
            if (!std::isnan(expected.at(k)))
                QVERIFY2(std::fabs(stops.at(k) - expected.at(k)) < 0.000006,
                         qPrintable(QString::number(stops.at(k))));
        }
        const woxLogColorMap map(min, max);
        const QwtInterval range(min, qMax(min, max));
        QCOMPARE(map.color(range, min - 1.0), QColor(0, 0, 128));
        QCOMPARE(map.color(range, max + 1.0), QColor(min < max ? 96 : 0, 0, min < max ? 96 : 128));
    }

    // Two maps per update share one computation; a new range computes again.
    void cache()
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

    void colours_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<double>("value");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("zero width") << 7.0 << 7.0 << 7.0 << qRgb(0, 0, 128);
        QTest::newRow("NaN") << 1.0 << 100.0 << std::nan("") << QRgb(0);
        QTest::newRow("NaN, zero width") << 7.0 << 7.0 << std::nan("") << QRgb(0);
        QTest::newRow("at min") << 1.0 << 100.0 << 1.0 << qRgb(0, 0, 128);
        QTest::newRow("at max") << 1.0 << 100.0 << 100.0 << qRgb(96, 0, 96);
        QTest::newRow("infinity") << 1.0 << 100.0 << double(INFINITY) << qRgb(96, 0, 96);
        QTest::newRow("stop 7") << 1.0 << 10000.0 << 100.0 << qRgb(128, 192, 0);
    }

    void colours()
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
        QTest::newRow("NaN value") << QVector<QwtPoint3D>({QwtPoint3D(50, 50, std::nan(""))})
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
};

QTEST_MAIN(tst_colorMap)
#include "tst_colorMap.moc"
