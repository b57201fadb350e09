#include "woxPlotPick.h"

#include "woxWarningDialog.h"

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_symbol.h>

#include <QIcon>
#include <QMenu>
#include <QPointer>

namespace {

const double pickDistance = 10.0;

} // namespace

void woxPlotPick::attachMarker(QwtPlot &plot, QwtPlotCurve &marker)
{
    marker.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red),
                                   QPen(QBrush(Qt::black), 2, Qt::SolidLine, Qt::SquareCap,
                                        Qt::BevelJoin),
                                   QSize(15, 15)));
    marker.setPen(QPen(Qt::NoPen));
    marker.setAxes(QwtPlot::xTop, QwtPlot::yLeft);
    marker.setRenderHint(QwtPlotItem::RenderAntialiased, true);
    marker.attach(&plot);
}

int woxPlotPick::pointAt(const QwtPlot &plot, const QwtPlotCurve &curve,
                         const QPoint &plotPosition)
{
    const QPoint onCanvas = plot.canvas()->mapFrom(&plot, plotPosition);
    double distance = pickDistance;
    const int index = curve.closestPoint(onCanvas, &distance);
    if (index < 0 || !(distance < pickDistance))
        return -1;
    return index;
}

int woxPlotPick::markPointAt(QwtPlot &plot, const QwtPlotCurve &points, QwtPlotCurve &marker,
                             int rowCount, const QPoint &plotPosition)
{
    const int index = pointAt(plot, points, plotPosition);
    if (index < 0 || index >= rowCount)
        return -1;
    marker.setSamples(QVector<QPointF>() << points.sample(size_t(index)));
    plot.replot();
    return index;
}

void woxPlotPick::runMenu(QObject *receiver, const QPoint &globalPosition,
                          const QString &goToText, const QString &deleteText,
                          const QString &cancelText, const std::function<void()> &goTo,
                          const std::function<void()> &remove,
                          const std::function<void()> &cleared)
{
    QMenu menu;
    QObject::connect(&menu, &QObject::destroyed, receiver, cleared);
    QObject::connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/play.png")), goToText),
                     &QAction::triggered, receiver, goTo);
    QObject::connect(menu.addAction(QIcon(QStringLiteral(":/icons/icons/eraser.png")), deleteText),
                     &QAction::triggered, receiver, remove);
    menu.addAction(QIcon(QStringLiteral(":/icons/icons/close.png")), cancelText);
    menu.exec(globalPosition + QPoint(10, 10));
}

bool woxPlotPick::confirmDelete(QObject *asker, const QString &question)
{
    const QPointer<QObject> alive(asker);
    return woxWarningDialog::askYesNo(question) == 1 && alive;
}
