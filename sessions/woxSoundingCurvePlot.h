#ifndef WOXSOUNDINGCURVEPLOT_H
#define WOXSOUNDINGCURVEPLOT_H

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QPointF>
#include <QVector>

class QMouseEvent;

// The curves view of a session: every plotted measurement as a small square
// and the line through those at the slider position, on a logarithmic value
// axis. Serves sounding curves (against depth) and profile curves (against
// centre) alike. A click near a square offers to select or delete its
// measurement. Values that have no logarithm (not above 0, infinite or
// undefined) are left out of both curves.
class woxSoundingCurvePlot : public QwtPlot
{
    Q_OBJECT

public:
    explicit woxSoundingCurvePlot(QWidget *parent = nullptr);
    ~woxSoundingCurvePlot() override;

signals:
    void sendRowSelection(int index);
    void sendRowDelete(int index);

public slots:
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Every measurement with its session row number.
    void onPlotUpdate(const QVector<QPointF> &xy, const QVector<quint32> &idx);
    // The line at the slider position only.
    void onPlotUpdate(const QVector<QPointF> &xy);
    void onPlotClear();
    void onPickPlotClear();
    void onMenu01();
    void onMenu02();

private:
    void setUpItems();
    void rescale();

    QwtPlotCurve lineCurve;
    QwtPlotCurve pointsCurve;
    QwtPlotCurve pickCurve;
    QwtPlotGrid grid;
    QVector<quint32> rowIndices;
    // The row of the picked square, taken at the click: an update while the
    // menu is open replaces the squares but not the operator's choice.
    int pickedRow = -1;
};

#endif
