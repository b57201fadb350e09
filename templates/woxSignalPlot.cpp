#include "woxSignalPlot.h"

#include "woxSignalSeries.h"

#include <qwt_plot_canvas.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>

namespace {

void styleCurve(QwtPlotCurve &curve, const QColor &colour, qreal width, Qt::PenStyle penStyle,
                bool sticks, bool antialiased)
{
    curve.setPen(QPen(QBrush(colour), width, penStyle));
    if (sticks)
        curve.setStyle(QwtPlotCurve::Sticks);
    curve.setRenderHint(QwtPlotItem::RenderAntialiased, antialiased);
}

} // namespace

woxSignalPlot::woxSignalPlot(QWidget *parent)
    : QwtPlot(parent)
{
    setAutoReplot(false);
    setUpAxes();
    setUpCurves();
    attachItems();
    canvas()->setCursor(Qt::ArrowCursor);
}

woxSignalPlot::~woxSignalPlot() = default;

void woxSignalPlot::setUpAxes()
{
    setAxisMaxMajor(QwtPlot::xBottom, 20);
    setAxisMaxMinor(QwtPlot::xBottom, 4);
    setAxisMaxMajor(QwtPlot::yLeft, 8);
    setAxisMaxMinor(QwtPlot::yLeft, 4);
    axisWidget(QwtPlot::xBottom)->setMargin(1);
    axisWidget(QwtPlot::yLeft)->setMargin(1);
    axisScaleDraw(QwtPlot::yLeft)->setLabelAlignment(Qt::AlignLeft);
    // Room for the first time label, which sits on the axis start.
    axisWidget(QwtPlot::xBottom)->setMinBorderDist(80, 0);
    setCanvasBackground(QBrush(Qt::white));
    if (QwtPlotCanvas *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas()))
        plotCanvas->setLineWidth(1);
    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    setPalette(grey);
    grid.setPen(QPen(QBrush(Qt::gray), 0, Qt::DotLine));
    grid.enableXMin(true);
    grid.enableYMin(true);
}

void woxSignalPlot::setUpCurves()
{
    for (Curve pulse : {Pulse1Samples, Pulse2Samples})
        styleCurve(curves[pulse], Qt::red, 1, Qt::SolidLine, true, false);
    for (Curve line : {Pulse1Line, Pulse2Line})
        styleCurve(curves[line], Qt::red, 2, Qt::SolidLine, false, true);
    for (Curve pause : {Pause1Samples, Pause2Samples})
        styleCurve(curves[pause], Qt::blue, 1, Qt::SolidLine, true, false);
    for (Curve line : {Pause1Line, Pause2Line}) {
        styleCurve(curves[line], Qt::blue, 2, Qt::SolidLine, false, true);
        curves[line].setCurveAttribute(QwtPlotCurve::Fitted);
    }
    for (Curve connector : {Connector1, Connector2})
        styleCurve(curves[connector], Qt::red, 2, Qt::DotLine, false, true);
    curves[Anchor].setPen(QPen(Qt::NoPen));
    curves[Anchor].setSamples(QVector<QPointF>() << QPointF(0.0, 0.0));
}

void woxSignalPlot::attachItems()
{
    // Connectors go under everything, the pulse sticks and pause sticks
    // under the lines through them.
    grid.attach(this);
    for (Curve c : {Connector1, Connector2, Pulse1Samples, Pause1Samples, Pulse1Line, Pause1Line,
                    Pulse2Samples, Pause2Samples, Pulse2Line, Pause2Line, Anchor})
        curves[c].attach(this);
}

void woxSignalPlot::setData(const QVector<QPointF> &pulse1Samples,
                            const QVector<QPointF> &pulse1Line,
                            const QVector<QPointF> &pause1Samples,
                            const QVector<QPointF> &pause1Line,
                            const QVector<QPointF> &pulse2Samples,
                            const QVector<QPointF> &pulse2Line,
                            const QVector<QPointF> &pause2Samples,
                            const QVector<QPointF> &pause2Line)
{
    curves[Pulse1Samples].setSamples(pulse1Samples);
    curves[Pulse1Line].setSamples(pulse1Line);
    curves[Pause1Samples].setSamples(pause1Samples);
    curves[Pause1Line].setSamples(pause1Line);
    curves[Connector1].setSamples(woxSignalSeries::firstConnector(pulse1Line, pulse2Line));
    curves[Pulse2Samples].setSamples(pulse2Samples);
    curves[Pulse2Line].setSamples(pulse2Line);
    curves[Pause2Samples].setSamples(pause2Samples);
    curves[Pause2Line].setSamples(pause2Line);
    curves[Connector2].setSamples(woxSignalSeries::secondConnector(pulse1Line, pulse2Line));
    replot();
}

const QwtPlotCurve &woxSignalPlot::curve(Curve which) const
{
    return curves[which];
}
