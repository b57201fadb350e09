#ifndef WOXPSEUDOSECTIONPLOT_H
#define WOXPSEUDOSECTIONPLOT_H

#include "QwtPlotSpectroRect.h"

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <QPointF>
#include <QVector>

class QMouseEvent;

// The pseudo-section of a session: one coloured cell per measurement at its
// centre (top axis) and pseudo depth (left axis, growing downwards),
// coloured on a logarithmic scale shown by the colour bar of the bottom
// axis. A click near a cell offers to select or delete its measurement.
class woxPseudoSectionPlot : public QwtPlot
{
    Q_OBJECT

public:
    explicit woxPseudoSectionPlot(QWidget *parent = nullptr);
    ~woxPseudoSectionPlot() override;

    // The electrode spacing that sizes the cells and the axis margins; its
    // magnitude counts, and 0 or a non-finite spacing is taken as 1 m.
    void setPitch(float pitch);

signals:
    void sendRowSelection(int index);
    void sendRowDelete(int index);

public slots:
    void onPlotUpdate(const QVector<QPointF> &xy, const QVector<float> &f,
                      const QVector<quint32> &idx);
    void mouseReleaseEvent(QMouseEvent *event) override;
    void onPickPlotClear();
    void onMenu01();
    void onMenu02();

private:
    void setUpAxes();
    void setUpItems();
    void setPlacement(const QVector<QPointF> &xy);
    void setColourRange(float low, float high);

    QwtPlotGrid grid;
    QwtPlotCurve pointsCurve;
    QwtPlotCurve pickCurve;
    QwtPlotSpectroRect rects;
    float pitch = 5.0f;
    // The row of the picked point, taken at the click: an update while the
    // menu is open replaces the points but not the operator's choice.
    int pickedRow = -1;
    QVector<quint32> rowIndices;
};

#endif
