#ifndef WOXSESSIONDATAMODEL_H
#define WOXSESSIONDATAMODEL_H

#include "woxCoreReportET2D.h"
#include "woxQuadripole.h"
#include "woxSessionFile.h"

#include <QAbstractTableModel>
#include <QLabel>
#include <QPointF>
#include <QPointer>
#include <QSlider>
#include <QStringList>
#include <QTimer>
#include <QVector>

// One open session: the content of its file, the rows with their results,
// the table behind the session screen, each run out to the instrument and
// its results in, and the series of the plots. GUI thread only.
class woxSessionDataModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit woxSessionDataModel(QObject *parent = nullptr);
    ~woxSessionDataModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Reads a session file. A file that cannot be read, or is damaged in any
    // way, is refused with its message and leaves the model as it was.
    bool load(const QString &fileName);
    // Writes the working copy (no question, failures only on the status
    // line, so measuring goes on) or a named copy (name asked on the
    // keyboard, overwrite confirmed, failures shown). `name` is only the
    // keyboard's initial text. True only when the whole file is on disk; the
    // previous file stays whole otherwise.
    bool save(const QString &name, bool toLastSession);

    // Sends the run that begins at `row` (the row and those chained to it)
    // with the options page's settings; false for a row outside the table.
    bool measureSet(int row);
    // Stores the results of the run last sent, in order from its first row.
    void setResult(const woxCoreReportET2D &report);
    // For a session opened to measure: locks the pause choice once the
    // session holds measurements and offers to restore the pause they were
    // measured with. False when the operator declines or it cannot be done.
    bool checkIpOptions();

    // 0 resistivity, 1 chargeability.
    void setMode(quint8 mode);
    // 0 pseudo-section, 1 sounding curves, 2 profile curves.
    void setPlotKind(quint8 kind);
    quint8 currentMode() const;
    quint8 currentPlotKind() const;

    int unitCount() const;
    // The electrodes of the row, clamped to the table.
    woxQuadripole quadripoleAt(int row) const;
    // The row, clamped to the table; nullptr while there is none.
    const woxSessionDataUnit *unitAt(int row) const;
    const woxFileSummary &summary() const;
    // A session of plain resistances (no array types): no plots, and the
    // resistivity column is headed as a resistance.
    void setResistanceOnly();

    // The screen's widgets around the centre/depth slider; not owned.
    void setMsrCenterDepthHeaderLabel(QLabel *label);
    void setMsrCenterDepthDimensionLabel(QLabel *label);
    void setMsrCenterDepthValueLabel(QLabel *label);
    void setMsrCenterDepthWidget(QSlider *slider);

    void updatePlots();
    void updateMsrCenterDepthLabels();

signals:
    void sendMoveForward(int begin, int size);
    // Pseudo-section: point, value and row of every plotted row.
    void sendPlotUpdate(QVector<QPointF> xy, QVector<float> f, QVector<quint32> idx);
    // Curves: every plotted point with its row.
    void sendPlotUpdate(QVector<QPointF> xy, QVector<quint32> idx);
    // Curves: the points at the slider, by ascending first coordinate.
    void sendPlotUpdate(QVector<QPointF> xy);
    void sendSetInfoUpdate(QStringList stringList);

public slots:
    void onTranslate();
    void onGPS();
    void onCurrentSetChange(int setNumber);
    void onMsrCenterDepth(int c);
    void onRowDelete(int index);

private:
    QString cellText(const woxSessionDataUnit &unit, int row, int column) const;
    QVariant background(const woxSessionDataUnit &unit, int column) const;
    QString resistivityHeader() const;
    bool plotted(const woxSessionDataUnit &unit) const;
    float plotValue(const woxSessionDataUnit &unit) const;
    QVector<QPointF> sliderPoints() const;
    float sliderPosition() const;
    float setDepth() const;

    QString askedPath(const QString &name) const;
    bool writeFile(const QString &path, bool toLastSession) const;

    QStringList headers;
    // What the session file holds, the rows with their results included.
    woxSessionFile session;
    quint8 currentSet = 0;
    bool plotsDisabled = false;
    int runBegin = 0;
    quint8 mode = 0;
    quint8 plotKind = 0;
    float msrCenter = 0.0f;
    float msrDepth = 0.0f;
    QPointer<QLabel> msrCenterDepthHeaderLabel;
    QPointer<QLabel> msrCenterDepthValueLabel;
    QPointer<QLabel> msrCenterDepthDimensionLabel;
    QPointer<QSlider> msrCenterDepthSlider;
    // The next GPS poll; part of the model, so a poll still pending dies
    // with it.
    QTimer gpsTimer;
};

#endif
