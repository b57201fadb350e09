#include "woxPseudoSectionPlot.h"

#include "woxDiagnostic.h"
#include "woxLogColorMap.h"
#include "woxPlotPick.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <QMouseEvent>

#include <cmath>
#include <limits>

namespace {

// Cells fill this many pixels across the profile and down the depths.
const float profileWidth = 960.0f;
const float depthHeight = 340.0f;
// The colour map's own floor for a logarithmic range, and the top shown
// when there is nothing to colour.
const float smallestValue = 0.001f;

} // namespace

woxPseudoSectionPlot::woxPseudoSectionPlot(QWidget *parent)
    : QwtPlot(parent), rects(QString())
{
    setAutoReplot(false);
    if (QwtPlotCanvas *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas()))
        plotCanvas->setLineWidth(0);
    setCanvasBackground(QBrush(Qt::white));
    setUpAxes();
    setUpItems();
    canvas()->setCursor(Qt::ArrowCursor);
    onPlotUpdate(QVector<QPointF>(), QVector<float>(), QVector<quint32>());
}

woxPseudoSectionPlot::~woxPseudoSectionPlot() = default;

void woxPseudoSectionPlot::setUpAxes()
{
    enableAxis(QwtPlot::xTop, true);
    const Axis axes[] = {QwtPlot::yLeft, QwtPlot::xTop, QwtPlot::xBottom};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignTop, Qt::AlignBottom};
    const int minors[] = {3, 4, 10};
    const int majors[] = {12, 20, 10};
    for (int i = 0; i < 3; ++i) {
        enableAxis(axes[i], true);
        setAxisAutoScale(axes[i], false);
        axisWidget(axes[i])->setMargin(0);
        axisScaleDraw(axes[i])->setLabelAlignment(alignments[i]);
        setAxisMaxMinor(axes[i], minors[i]);
        setAxisMaxMajor(axes[i], majors[i]);
    }
    axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
    setAxisScaleEngine(QwtPlot::xBottom, new QwtLogScaleEngine);
    axisWidget(QwtPlot::xBottom)->setColorBarEnabled(true);
    axisWidget(QwtPlot::xBottom)->setColorBarWidth(16);
}

void woxPseudoSectionPlot::setUpItems()
{
    grid.setPen(QPen(QBrush(Qt::gray), 0, Qt::DotLine));
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    grid.attach(this);
    rects.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    rects.attach(this);
    pointsCurve.setStyle(QwtPlotCurve::NoCurve);
    pointsCurve.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    pointsCurve.attach(this);
    woxPlotPick::attachMarker(*this, pickCurve);
}

void woxPseudoSectionPlot::setPitch(float newPitch)
{
    // The spacing comes from the session file: a zero would make the cells
    // infinite, a negative one would turn the margins inside out.
    newPitch = std::fabs(newPitch);
    if (newPitch == 0.0f || !std::isfinite(newPitch)) {
        woxDiagnostic::error(QStringLiteral("woxPseudoSectionPlot"),
                             QStringLiteral("electrode spacing %1 replaced by 1 m").arg(newPitch));
        newPitch = 1.0f;
    }
    pitch = newPitch;
}

void woxPseudoSectionPlot::onPlotUpdate(const QVector<QPointF> &xy, const QVector<float> &f,
                                        const QVector<quint32> &idx)
{
    setPlacement(xy);
    // Only finite values span the colour range: a zero current gives an
    // infinite or undefined value, which must not stretch the scale.
    float low = std::numeric_limits<float>::infinity();
    float high = -low;
    QVector<QwtPoint3D> samples;
    samples.reserve(xy.size());
    for (int i = 0; i < xy.size(); ++i) {
        const float value = i < f.size() ? f.at(i) : std::numeric_limits<float>::quiet_NaN();
        samples.append(QwtPoint3D(xy.at(i).x(), xy.at(i).y(), value));
        if (std::isfinite(value)) {
            low = qMin(low, value);
            high = qMax(high, value);
        }
    }
    if (low > high) {
        low = smallestValue;
        high = 1.0f;
    }
    setColourRange(low, high);
    rects.setSamples(samples);
    pointsCurve.setSamples(xy);
    rowIndices = idx;
    replot();
}

// Cell sizes and the top and left axes around the points; an update without
// points keeps the cell sizes and shows depths 0 to 1 and centres 0 to 1.
void woxPseudoSectionPlot::setPlacement(const QVector<QPointF> &xy)
{
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -xMin;
    double yMin = xMin;
    double yMax = -xMin;
    for (const QPointF &p : xy) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            continue;
        xMin = qMin(xMin, p.x());
        xMax = qMax(xMax, p.x());
        yMin = qMin(yMin, p.y());
        yMax = qMax(yMax, p.y());
    }
    if (xMin > xMax) {
        setAxisScale(QwtPlot::yLeft, 1.0, 0.0);
        setAxisScale(QwtPlot::xTop, 0.0, 1.0);
        return;
    }
    const float nx = float(xMax - xMin) / pitch;
    const float ny = float(yMax - yMin) / (0.5f * pitch);
    rects.setRectWidth(nx < 1.0f ? profileWidth : profileWidth / nx);
    rects.setRectHeight(depthHeight / qMax(1.0f, ny));
    setAxisScale(QwtPlot::yLeft, yMax + 0.25 * pitch, yMin - 0.25 * pitch);
    setAxisScale(QwtPlot::xTop, xMin - 0.5 * pitch, xMax + 0.5 * pitch);
}

// Values at or below 0 have no logarithm: the range starts at the colour
// map's own floor instead. Cells of a range without width take the first
// colour; the bar still shows a decade, since a logarithmic axis without
// width has no scale.
void woxPseudoSectionPlot::setColourRange(float low, float high)
{
    const float bottom = qMax(low, smallestValue);
    const float top = qMax(high, bottom);
    const float barTop = top > bottom ? top : bottom * 10.0f;
    axisWidget(QwtPlot::xBottom)->setColorMap(QwtInterval(bottom, barTop),
                                              new woxLogColorMap(bottom, barTop));
    setAxisScale(QwtPlot::xBottom, bottom, barTop);
    rects.setColorRange(QwtInterval(bottom, top));
    rects.setColorMap(new woxLogColorMap(bottom, top));
}

void woxPseudoSectionPlot::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const int index = woxPlotPick::markPointAt(*this, pointsCurve, pickCurve, rowIndices.size(),
                                               event->pos());
    if (index < 0)
        return;
    pickedRow = int(rowIndices.at(index));
    woxPlotPick::runMenu(this, event->globalPos(), tr("Go to"), tr("Delete"), tr("Cancel"),
                         [this]() { onMenu01(); }, [this]() { onMenu02(); },
                         [this]() { onPickPlotClear(); });
}

void woxPseudoSectionPlot::onMenu01()
{
    emit sendRowSelection(pickedRow);
}

void woxPseudoSectionPlot::onMenu02()
{
    const int row = pickedRow;
    if (woxPlotPick::confirmDelete(
            this, tr("Are you sure you want to delete selected measurement?")))
        emit sendRowDelete(row);
}

void woxPseudoSectionPlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}
