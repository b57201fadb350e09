#ifndef QWTPLOTSPECTRORECT_H
#define QWTPLOTSPECTRORECT_H

#include <qwt_interval.h>
#include <qwt_plot_seriesitem.h>
#include <qwt_point_3d.h>
#include <qwt_series_store.h>

#include <QVector>

class QwtColorMap;

// A plot item that draws 3-D points (x, y, z) as filled rectangles of a
// fixed size in pixels, centred on (x, y) and coloured by z through a colour
// map over a colour range. Each rectangle has a one-pixel border of its own
// colour, so neighbouring cells of equal size meet without gaps. A z that is
// NaN has no colour and is not drawn.
class QwtPlotSpectroRect : public QwtPlotSeriesItem, public QwtSeriesStore<QwtPoint3D>
{
public:
    enum PaintAttribute {
        // Skip samples whose centre lies outside the canvas.
        ClipPoints = 1
    };

    // A run-time type of its own: this item is no QwtPlotSpectroCurve, and
    // code that casts plot items by rtti() must not take it for one.
    enum { Rtti_PlotSpectroRect = QwtPlotItem::Rtti_PlotUserItem + 1 };

    explicit QwtPlotSpectroRect(const QString &title = QString());
    explicit QwtPlotSpectroRect(const QwtText &title);
    ~QwtPlotSpectroRect() override;

    int rtti() const override;

    void setSamples(const QVector<QwtPoint3D> &samples);

    // Takes ownership; the previous map is deleted unless it is the same.
    void setColorMap(QwtColorMap *map);
    const QwtColorMap *colorMap() const;

    void setColorRange(const QwtInterval &range);
    QwtInterval colorRange() const;

    // Negative sizes count as 0.
    void setRectWidth(float width);
    void setRectHeight(float height);
    float rectWidth() const;
    float rectHeight() const;

    void setPaintAttribute(PaintAttribute attribute, bool on = true);
    bool testPaintAttribute(PaintAttribute attribute) const;

    void drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                    const QRectF &canvasRect, int from, int to) const override;

protected:
    virtual void drawRects(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                           const QRectF &canvasRect, int from, int to) const;

private:
    void init();
    QRgb colourOf(double z) const;

    QwtColorMap *map = nullptr;
    QwtInterval range;
    mutable QVector<QRgb> colorTable;
    float width = 0.0f;
    float height = 0.0f;
    int paintAttributes = ClipPoints;
};

#endif
