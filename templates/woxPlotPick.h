#ifndef WOXPLOTPICK_H
#define WOXPLOTPICK_H

#include <QPoint>
#include <QString>

#include <functional>

class QObject;
class QwtPlot;
class QwtPlotCurve;

// Picking a point on a plot: the marker, the point of a curve under a
// click, and the small Go to / Delete / Cancel menu the session plots show
// for a measurement.
class woxPlotPick
{
public:
    // Makes `marker` the pick marker (a large red dot on the top and left
    // axes) and attaches it; called after the plot's other items, so that
    // it is drawn over them.
    static void attachMarker(QwtPlot &plot, QwtPlotCurve &marker);

    // Index of the curve's point nearest to a click at `plotPosition` (in
    // the plot widget's coordinates), or -1 when none lies closer than 10
    // pixels. The canvas's own mapping is used, frame and margins included.
    static int pointAt(const QwtPlot &plot, const QwtPlotCurve &curve, const QPoint &plotPosition);

    // The point of `points` under a click, as pointAt, but only among the
    // first `rowCount` (those with a session row); the point found is shown
    // on `marker` and the plot replotted.
    static int markPointAt(QwtPlot &plot, const QwtPlotCurve &points, QwtPlotCurve &marker,
                           int rowCount, const QPoint &plotPosition);

    // Runs the menu modally just below and right of the click. `goTo` and
    // `remove` run for their entries; `cleared` runs when the menu is gone,
    // whatever was chosen. All three run in the receiver's context.
    static void runMenu(QObject *receiver, const QPoint &globalPosition, const QString &goToText,
                        const QString &deleteText, const QString &cancelText,
                        const std::function<void()> &goTo, const std::function<void()> &remove,
                        const std::function<void()> &cleared);

    // Asks `question` with Yes / No; true for Yes only while `asker` still
    // exists, since the plot may be disposed of while the question is open.
    static bool confirmDelete(QObject *asker, const QString &question);
};

#endif
