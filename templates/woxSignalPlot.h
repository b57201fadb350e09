#ifndef WOXSIGNALPLOT_H
#define WOXSIGNALPLOT_H

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QPointF>
#include <QVector>

// One waveform of the signal window against time in milliseconds: red
// pulses and blue pauses, each as sample sticks and a line, joined by dotted
// drops to zero. Both axes scale to the data; an invisible point at (0, 0)
// keeps the time axis starting at 0 and zero on the value axis.
class woxSignalPlot : public QwtPlot
{
public:
    // Curves in the order setData() fills them; the connectors are built here.
    enum Curve {
        Pulse1Samples, Pulse1Line, Pause1Samples, Pause1Line, Connector1,
        Pulse2Samples, Pulse2Line, Pause2Samples, Pause2Line, Connector2,
        Anchor, CurveCount
    };

    explicit woxSignalPlot(QWidget *parent = nullptr);
    ~woxSignalPlot() override;

    // Replaces every curve but the anchor and replots.
    void setData(const QVector<QPointF> &pulse1Samples, const QVector<QPointF> &pulse1Line,
                 const QVector<QPointF> &pause1Samples, const QVector<QPointF> &pause1Line,
                 const QVector<QPointF> &pulse2Samples, const QVector<QPointF> &pulse2Line,
                 const QVector<QPointF> &pause2Samples, const QVector<QPointF> &pause2Line);

    const QwtPlotCurve &curve(Curve which) const;

private:
    void setUpAxes();
    void setUpCurves();
    void attachItems();

    QwtPlotCurve curves[CurveCount];
    QwtPlotGrid grid;
};

#endif
