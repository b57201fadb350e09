#include "woxTemplatePlot.h"

#include "woxPlotPick.h"
#include "woxWarningDialog.h"

#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QVector>
#include <qwt_plot_canvas.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_symbol.h>

namespace {

const Qt::GlobalColor fillColours[] = {Qt::red, Qt::green, Qt::magenta, Qt::blue};
const QwtSymbol::Style symbolStyles[] = {QwtSymbol::Rect, QwtSymbol::Diamond,
                                         QwtSymbol::DTriangle, QwtSymbol::Ellipse};
const int cycle = 4;
// A fingertip is coarse: a tap this close to a marker picks it.
const double pickRadius = 10.0;

QVector<QPointF> pointsOf(const QList<woxQuadripole> &list)
{
    QVector<QPointF> points;
    points.reserve(list.size());
    for (const woxQuadripole &q : list)
        points.append(QPointF(double(q.x), double(q.depth)));
    return points;
}

} // namespace

woxTemplatePlot::woxTemplatePlot(QWidget *parent)
    : QwtPlot(parent)
{
    setAutoReplot(false);
    if (QwtPlotCanvas *plotCanvas = qobject_cast<QwtPlotCanvas *>(canvas()))
        plotCanvas->setLineWidth(1);
    setCanvasBackground(QBrush(Qt::white));
    setUpAxes();
    grid.setPen(QPen(QBrush(Qt::gray), 0.0, Qt::DotLine));
    grid.enableXMin(true);
    grid.enableYMin(true);
    grid.attach(this);
    for (int row = 0; row < curveCount; ++row)
        addMarkerCurve(row);
    woxPlotPick::attachMarker(*this, pickCurve);
    canvas()->setCursor(Qt::ArrowCursor);
}

// The curves in the list belong to the plot's item list; the pick curve and
// the grid detach themselves as members before the plot deletes its items.
woxTemplatePlot::~woxTemplatePlot() = default;

void woxTemplatePlot::setUpAxes()
{
    enableAxis(QwtPlot::xTop, true);
    enableAxis(QwtPlot::xBottom, false);
    setAxisMaxMinor(QwtPlot::xTop, 4);
    setAxisMaxMajor(QwtPlot::xTop, 20);
    setAxisMaxMinor(QwtPlot::yLeft, 3);
    setAxisMaxMajor(QwtPlot::yLeft, 12);
    // Depth 0 at the top, growing downwards as in the ground.
    axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
    axisScaleDraw(QwtPlot::yLeft)->setLabelAlignment(Qt::AlignLeft);
    axisScaleDraw(QwtPlot::xTop)->setLabelAlignment(Qt::AlignTop);
    axisWidget(QwtPlot::yLeft)->setMargin(1);
    axisWidget(QwtPlot::xTop)->setMargin(1);
}

void woxTemplatePlot::addMarkerCurve(int row)
{
    QwtPlotCurve *curve = new QwtPlotCurve(QString());
    curve->setSymbol(new QwtSymbol(symbolStyles[row % cycle], QBrush(fillColours[row % cycle]),
                                   QPen(Qt::black, 0), QSize(6, 6)));
    curve->setStyle(QwtPlotCurve::NoCurve);
    curve->setXAxis(QwtPlot::xTop);
    curve->attach(this);
    curves.append(curve);
    quadripoles.insert(woxSpacing(row), QList<woxQuadripole>());
}

void woxTemplatePlot::setDisabledElectrodes(const QSet<woxElectrode> &electrodes)
{
    disabledElectrodes = electrodes;
}

void woxTemplatePlot::setGroundingChecked()
{
    groundingChecked = true;
}

void woxTemplatePlot::onPlotUpdate(woxSpacing plotNumber, QList<woxQuadripole> qList,
                                   bool doReplot)
{
    const woxSpacing row = qMin<woxSpacing>(plotNumber, curveCount - 1);
    quadripoles.insert(row, qList);
    curves.at(row)->setSamples(pointsOf(qList));
    if (doReplot)
        replot();
}

void woxTemplatePlot::onPlotClear(bool doReplot)
{
    for (QwtPlotCurve *curve : curves)
        curve->setSamples(QVector<QPointF>());
    quadripoles.clear();
    if (doReplot)
        replot();
}

void woxTemplatePlot::onPickPlotClear()
{
    pickCurve.setSamples(QVector<QPointF>());
    replot();
}

void woxTemplatePlot::onMenu01()
{
    emit sendQuadripoleSelect(pickedQuadripole);
}

bool woxTemplatePlot::markerAt(const QPoint &canvasPosition, int *spacing, int *sample) const
{
    double best = 99999.0;
    bool found = false;
    for (int row = 0; row < curves.size(); ++row) {
        double distance = 0.0;
        const int index = curves.at(row)->closestPoint(canvasPosition, &distance);
        // Strictly smaller only: on a tie the lower spacing row stays.
        if (index < 0 || distance >= pickRadius || distance >= best)
            continue;
        if (index >= quadripoles.value(woxSpacing(row)).size())
            continue;
        best = distance;
        *spacing = row;
        *sample = index;
        found = true;
    }
    return found;
}

bool woxTemplatePlot::hasDisabledElectrode(const woxQuadripole &quadripole) const
{
    return disabledElectrodes.contains(quadripole.a) || disabledElectrodes.contains(quadripole.b)
           || disabledElectrodes.contains(quadripole.m) || disabledElectrodes.contains(quadripole.n);
}

// The canvas position is taken from the canvas itself, so the tap is
// matched against what is drawn under the finger whatever the spacing
// between the axes and the canvas.
void woxTemplatePlot::mouseReleaseEvent(QMouseEvent *event)
{
    int spacing = 0;
    int sample = 0;
    if (!markerAt(canvas()->mapFrom(this, event->pos()), &spacing, &sample))
        return;
    const woxQuadripole quadripole = quadripoles.value(woxSpacing(spacing)).at(sample);
    if (!groundingChecked
        && woxWarningDialog::askYesNo(
               tr("Grounding is not checked yet, are you sure you want to continue?"))
               != 1) {
        event->ignore();
        return;
    }
    event->accept();
    if (hasDisabledElectrode(quadripole)) {
        woxWarningDialog::showOk(tr("This quadripole contains disabled electrode"));
        return;
    }
    pickedQuadripole = quadripole;
    pickCurve.setSamples(QVector<QPointF>{QPointF(double(quadripole.x), double(quadripole.depth))});
    replot();
    offerSignals(event->globalPos());
}

void woxTemplatePlot::offerSignals(const QPoint &globalPosition)
{
    // Destroying the menu, whatever was chosen, removes the pick marker.
    QMenu menu;
    connect(&menu, &QObject::destroyed, this, &woxTemplatePlot::onPickPlotClear);
    menu.move(globalPosition + QPoint(10, 10));
    menu.addAction(QIcon(QStringLiteral(":/icons/icons/signal.png")), tr("Signals"),
                   this, &woxTemplatePlot::onMenu01);
    menu.addAction(QIcon(QStringLiteral(":/icons/icons/close.png")), tr("Cancel"));
    menu.exec();
}
