#ifndef WOXSIGNALSERIES_H
#define WOXSIGNALSERIES_H

#include "woxCoreReportSignal.h"

#include <QPointF>
#include <QVector>

// The eight point series one signal plot draws for one quantity, x in
// milliseconds from the start of the first pulse. Red pulses and blue pauses
// each come as their samples and as the line through them; the line runs
// on to the ends of its interval by extrapolating the outer samples.
class woxSignalSeries
{
public:
    // Order of the three quantities that fromReport() returns.
    enum Quantity { OutputVoltage, OutputCurrent, InputVoltage, QuantityCount };

    // Builds the series of the three quantities from one error-free report;
    // output voltages come in mV and are returned in V. The sample counts
    // follow the report's options, but never beyond what a series holds.
    static QVector<woxSignalSeries> fromReport(const woxCoreReportSignal &report);

    // Value at x on the straight line through (x0, y0) and (x1, y1); -1 unless
    // x0 < x1 and x lies after x1 (forward) or before x0 (backward).
    static float extrapolateForward(double x0, double y0, double x1, double y1, float x);
    static float extrapolateBackward(double x0, double y0, double x1, double y1, float x);

    // The dotted drops to zero after each pulse: the first runs along zero
    // to the start of the second pulse, the second the same gap again, so
    // the drawing spans one whole period.
    static QVector<QPointF> firstConnector(const QVector<QPointF> &pulse1Line,
                                           const QVector<QPointF> &pulse2Line);
    static QVector<QPointF> secondConnector(const QVector<QPointF> &pulse1Line,
                                            const QVector<QPointF> &pulse2Line);

    QVector<QPointF> pulse1Samples;
    QVector<QPointF> pulse1Line;
    QVector<QPointF> pause1Samples;
    QVector<QPointF> pause1Line;
    QVector<QPointF> pulse2Samples;
    QVector<QPointF> pulse2Line;
    QVector<QPointF> pause2Samples;
    QVector<QPointF> pause2Line;
};

#endif
