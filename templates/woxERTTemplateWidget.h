#ifndef WOXERTTEMPLATEWIDGET_H
#define WOXERTTEMPLATEWIDGET_H

#include "ui_mERTTemplateWidget.h"

#include "woxElectrodePosition.h"
#include "woxQuadripole.h"
#include "woxTypes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class QCloseEvent;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotGrid;

// The screen of one Varnex text template: its electrodes as a table and as
// XY, XZ or YZ projections, moved or scaled to the ground, estimated and
// saved as text. Quadripoles stay as read and are written back unchanged.
class woxERTTemplateWidget : public QWidget, public Ui::mERTTemplateWidget
{
    Q_OBJECT

public:
    // fileName is the full path the electrodes and quadripoles were read from.
    woxERTTemplateWidget(const QString &fileName,
                         const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                         const QList<woxQuadripole> &quadripoles, QWidget *parent = nullptr);
    ~woxERTTemplateWidget() override;

    // The file that Estimate reads and Save offers.
    const QString &templateFile() const { return fileName; }
    bool isChanged() const { return changed; }

signals:
    void sendTemplateClose();

public slots:
    void onTranslate();
    void onMove();
    void onScale();
    void onEstimate();
    bool onSave();
    void onXY();
    void onXZ();
    void onYZ();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpTable();
    void setUpPlot();
    QwtPlotCurve *addCurve();
    void fill();
    void showProjection(QLabel *below, QLabel *left, QwtPlotCurve *curve);
    QString offeredName() const;
    bool writeTo(const QString &path);

    QwtPlot *plot = nullptr;
    QwtPlotGrid *grid = nullptr;
    QwtPlotCurve *xyCurve = nullptr;
    QwtPlotCurve *xzCurve = nullptr;
    QwtPlotCurve *yzCurve = nullptr;
    QString fileName;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    bool changed = false;
    // sendTemplateClose() goes out once, however often close() is called.
    bool closeAnnounced = false;
};

#endif
