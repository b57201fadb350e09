#ifndef WOXTEMPLATEPLOT_H
#define WOXTEMPLATEPLOT_H

#include "woxQuadripole.h"
#include "woxTypes.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

class QMouseEvent;

// The quadripoles of the current template set at their measurement point
// (along the line, metres) and pseudo-depth (downwards, metres), one marker
// curve per spacing row. A tap on a marker picks its quadripole and, once the
// grounding and disabled-electrode checks pass, offers the signal window.
class woxTemplatePlot : public QwtPlot
{
    Q_OBJECT

public:
    static constexpr int curveCount = 30;

    explicit woxTemplatePlot(QWidget *parent = nullptr);
    ~woxTemplatePlot() override;

    void setDisabledElectrodes(const QSet<woxElectrode> &electrodes);
    void setGroundingChecked();

    // The curve and sample nearest to a point of the canvas, closer than
    // 10 pixels; on equal distances the lower spacing row. False when no
    // marker is that close.
    bool markerAt(const QPoint &canvasPosition, int *spacing, int *sample) const;

signals:
    void sendQuadripoleSelect(woxQuadripole quadripole);

public slots:
    void onPlotUpdate(woxSpacing plotNumber, QList<woxQuadripole> qList, bool doReplot);
    void onPlotClear(bool doReplot);
    void onPickPlotClear();
    void onMenu01();

protected slots:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setUpAxes();
    void addMarkerCurve(int row);
    bool hasDisabledElectrode(const woxQuadripole &quadripole) const;
    void offerSignals(const QPoint &globalPosition);

    QList<QwtPlotCurve *> curves;
    QwtPlotCurve pickCurve;
    QwtPlotGrid grid;
    QMap<woxSpacing, QList<woxQuadripole>> quadripoles;
    QSet<woxElectrode> disabledElectrodes;
    bool groundingChecked = false;
    woxQuadripole pickedQuadripole;
};

#endif
