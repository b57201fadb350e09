#include "QwtPlotSpectroRect.h"

#include <qwt_color_map.h>
#include <qwt_painter.h>
#include <qwt_scale_map.h>
#include <qwt_series_data.h>

#include <QPainter>

#include <cmath>

QwtPlotSpectroRect::QwtPlotSpectroRect(const QString &title)
    : QwtPlotSeriesItem(QwtText(title))
{
    init();
}

QwtPlotSpectroRect::QwtPlotSpectroRect(const QwtText &title)
    : QwtPlotSeriesItem(title)
{
    init();
}

QwtPlotSpectroRect::~QwtPlotSpectroRect()
{
    delete map;
}

void QwtPlotSpectroRect::init()
{
    setItemAttribute(QwtPlotItem::Legend, true);
    setItemAttribute(QwtPlotItem::AutoScale, true);
    map = new QwtLinearColorMap(QwtColorMap::RGB);
    range = QwtInterval(0.0, 1000.0);
    setData(new QwtPoint3DSeriesData());
    setZ(20.0);
}

int QwtPlotSpectroRect::rtti() const
{
    return Rtti_PlotSpectroRect;
}

void QwtPlotSpectroRect::setSamples(const QVector<QwtPoint3D> &samples)
{
    setData(new QwtPoint3DSeriesData(samples));
}

void QwtPlotSpectroRect::setColorMap(QwtColorMap *newMap)
{
    if (newMap != map) {
        delete map;
        map = newMap;
    }
    itemChanged();
}

const QwtColorMap *QwtPlotSpectroRect::colorMap() const
{
    return map;
}

void QwtPlotSpectroRect::setColorRange(const QwtInterval &newRange)
{
    if (newRange != range) {
        range = newRange;
        itemChanged();
    }
}

QwtInterval QwtPlotSpectroRect::colorRange() const
{
    return range;
}

void QwtPlotSpectroRect::setRectWidth(float newWidth)
{
    newWidth = qMax(0.0f, newWidth);
    if (newWidth != width) {
        width = newWidth;
        itemChanged();
    }
}

void QwtPlotSpectroRect::setRectHeight(float newHeight)
{
    newHeight = qMax(0.0f, newHeight);
    if (newHeight != height) {
        height = newHeight;
        itemChanged();
    }
}

float QwtPlotSpectroRect::rectWidth() const
{
    return width;
}

float QwtPlotSpectroRect::rectHeight() const
{
    return height;
}

void QwtPlotSpectroRect::setPaintAttribute(PaintAttribute attribute, bool on)
{
    if (on)
        paintAttributes |= attribute;
    else
        paintAttributes &= ~attribute;
}

bool QwtPlotSpectroRect::testPaintAttribute(PaintAttribute attribute) const
{
    return paintAttributes & attribute;
}

void QwtPlotSpectroRect::drawSeries(QPainter *painter, const QwtScaleMap &xMap,
                                    const QwtScaleMap &yMap, const QRectF &canvasRect, int from,
                                    int to) const
{
    if (!painter || dataSize() == 0)
        return;
    if (to < 0)
        to = int(dataSize()) - 1;
    if (from < 0)
        from = 0;
    if (from > to)
        return;
    drawRects(painter, xMap, yMap, canvasRect, from, to);
}

void QwtPlotSpectroRect::drawRects(QPainter *painter, const QwtScaleMap &xMap,
                                   const QwtScaleMap &yMap, const QRectF &canvasRect, int from,
                                   int to) const
{
    if (!range.isValid() || !map)
        return;
    const bool align = QwtPainter::roundingAlignment(painter);
    if (map->format() == QwtColorMap::Indexed)
        colorTable = map->colorTable(range);
    const QwtSeriesData<QwtPoint3D> *series = data();
    for (int i = from; i <= to; ++i) {
        const QwtPoint3D sample = series->sample(size_t(i));
        if (std::isnan(sample.z()))
            continue;
        double xi = xMap.transform(sample.x());
        double yi = yMap.transform(sample.y());
        if (align) {
            xi = qRound(xi);
            yi = qRound(yi);
        }
        if (testPaintAttribute(ClipPoints) && !canvasRect.contains(xi, yi))
            continue;
        // The one-pixel border of the cell's own colour is part of the fill:
        // filling the outer rectangle covers the same pixels as stroking and
        // filling it, at a fraction of the cost.
        painter->fillRect(QRectF(xi - width / 2 - 0.5, yi - height / 2 - 0.5, width + 1.0,
                                 height + 1.0),
                          QColor::fromRgba(colourOf(sample.z())));
    }
    colorTable.clear();
}

QRgb QwtPlotSpectroRect::colourOf(double z) const
{
    if (map->format() == QwtColorMap::RGB)
        return map->rgb(range, z);
    const int index = map->colorIndex(range, z);
    return index < colorTable.size() ? colorTable.at(index) : 0u;
}
