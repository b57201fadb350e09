#include "woxSoundingCurvePlot.h"

#include "woxPlotPick.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

#include <QMouseEvent>

#include <cmath>

namespace {

bool hasLogarithm(const QPointF &p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y()) && p.y() > 0.0;
}

} // namespace

woxSoundingCurvePlot::woxSoundingCurvePlot(QWidget *parent)
    : QwtPlot(parent)
{
    setAutoReplot(false);
    if (QwtPlotCanvas *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas()))
        plotCanvas->setLineWidth(1);
    enableAxis(QwtPlot::xTop, true);
    enableAxis(QwtPlot::xBottom, false);
    axisScaleDraw(QwtPlot::yLeft)->setLabelAlignment(Qt::AlignLeft);
    axisWidget(QwtPlot::yLeft)->setMargin(1);
    axisWidget(QwtPlot::xTop)->setMargin(1);
    setAxisScaleEngine(QwtPlot::yLeft, new QwtLogScaleEngine);
    setAxisAutoScale(QwtPlot::xTop, true);
    setCanvasBackground(QBrush(Qt::white));
    setUpItems();
    canvas()->setCursor(Qt::ArrowCursor);
    rescale();
}

woxSoundingCurvePlot::~woxSoundingCurvePlot() = default;

void woxSoundingCurvePlot::setUpItems()
{
    grid.setPen(QPen(QBrush(Qt::gray), 0, Qt::DotLine));
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    grid.attach(this);
    pointsCurve.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    pointsCurve.setSymbol(new QwtSymbol(QwtSymbol::Rect, QBrush(Qt::blue), QPen(Qt::black),
                                        QSize(3, 3)));
    pointsCurve.setStyle(QwtPlotCurve::NoCurve);
    pointsCurve.attach(this);
    lineCurve.setPen(QPen(QBrush(Qt::red), 2));
    lineCurve.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    lineCurve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red), QPen(Qt::black),
                                      QSize(6, 6)));
    lineCurve.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    lineCurve.attach(this);
    woxPlotPick::attachMarker(*this, pickCurve);
}

// With nothing to draw, a logarithmic axis would scale itself to a range
// like 1e-100 to 1000; one decade is shown instead.
void woxSoundingCurvePlot::rescale()
{
    if (pointsCurve.dataSize() == 0 && lineCurve.dataSize() == 0)
        setAxisScale(QwtPlot::yLeft, 1.0, 10.0);
    else
        setAxisAutoScale(QwtPlot::yLeft, true);
}

void woxSoundingCurvePlot::onPlotUpdate(const QVector<QPointF> &xy, const QVector<quint32> &idx)
{
    QVector<QPointF> points;
    rowIndices.clear();
    for (int i = 0; i < qMin(xy.size(), idx.size()); ++i) {
        if (hasLogarithm(xy.at(i))) {
            points.append(xy.at(i));
            rowIndices.append(idx.at(i));
        }
    }
    pointsCurve.setSamples(points);
    rescale();
    replot();
}

void woxSoundingCurvePlot::onPlotUpdate(const QVector<QPointF> &xy)
{
    QVector<QPointF> line;
    for (const QPointF &p : xy) {
        if (hasLogarithm(p))
            line.append(p);
    }
    lineCurve.setSamples(line);
    rescale();
    replot();
}

void woxSoundingCurvePlot::onPlotClear()
{
    rowIndices.clear();
    lineCurve.setSamples(QVector<QPointF>());
    pointsCurve.setSamples(QVector<QPointF>());
    rescale();
    replot();
}

void woxSoundingCurvePlot::mouseReleaseEvent(QMouseEvent *event)
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

void woxSoundingCurvePlot::onMenu01()
{
    emit sendRowSelection(pickedRow);
}

void woxSoundingCurvePlot::onMenu02()
{
    const int row = pickedRow;
    if (woxPlotPick::confirmDelete(
            this, tr("Are you sure you want to delete selected measurement?")))
        emit sendRowDelete(row);
}

void woxSoundingCurvePlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}
