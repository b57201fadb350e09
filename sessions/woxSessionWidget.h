#ifndef WOXSESSIONWIDGET_H
#define WOXSESSIONWIDGET_H

#include "ui_mSessionWidget.h"

#include "woxCoreReportET2D.h"
#include "woxPseudoSectionPlot.h"
#include "woxSessionDataModel.h"
#include "woxSoundingCurvePlot.h"
#include "woxStopwatch.h"

#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

class woxSignalWidget;
class woxTemplateDataModel;

// One measurement session on screen: its table, its plots and the controls
// that measure it run by run. Built by the session menu (operating mode,
// which creates sessions from templates and measures them) or the data menu
// (view-only mode, a stored session is only looked at). The working copy is
// written after the first run, then at most once per autosave interval, and
// on every stop, error and end, so a power loss costs at most that interval.
class woxSessionWidget : public QWidget, public Ui::mSessionWidget
{
    Q_OBJECT

public:
    woxSessionWidget(QWidget *parent, bool viewOnly);
    ~woxSessionWidget() override;

    // Opens what `source` names: empty, a new session from a template file;
    // the Varnex marker, one from a Varnex text template; otherwise the path
    // of a session file. True when a session is bound; false when nothing
    // is (the reason has been shown) and the caller disposes of the screen.
    bool openFlow(const QString &source);
    bool createSession(const QString &varnexPath);
    bool appendSession(const QString &templatePath);
    bool bindSession(const QString &path);
    void markClosed();

    // The autosave interval and the pause before Start is offered again,
    // for every screen made afterwards (30000 ms and 1500 ms unless set).
    static void setDelays(int autoSaveMs, int startEnableMs);

    // Builds a screen into `screen` and opens `source` in it (see
    // openFlow). True when a session is bound; otherwise the reason has been
    // shown ("System error" when opening failed unexpectedly) and the host
    // disposes of whatever `screen` holds. `screen` is set before opening
    // starts, so the host sees a screen under way and starts no second one.
    static bool openScreen(woxSessionWidget *&screen, const QString &source, bool viewOnly);

signals:
    void sendSessionClose();

private slots:
    void onTranslate();
    void onSetInfoUpdate(const QStringList &stringList);
    void onReportET2D(const woxCoreReportET2D &coreReportET2D);
    void onMoveForward(int rowNumber, int rowsCount);
    void onRowSelection(int index);
    void onModeChange(int i);
    void onPlotChange(int i);
    void onStart(bool checked);
    void onSignalsOpen();
    void onSignalsClose();
    void onClose();
    void onStartEnable();
    void autoSave();

private:
    void applyStyleSheets();
    void connectRunControl();
    void connectViews();
    void setControlsEnabled(bool enabled);
    int selectedRow() const;
    void buildRunsLeft();
    void switchPlot(int plotKind, int mode);
    void connectPlots();
    void translateCaptions();
    bool newSessionAllowed() const;
    bool createFrom(const woxTemplateDataModel &model, woxCable cables, bool remoteTx,
                    bool remoteRx, quint16 fromElectrode);

    QString sessionName;
    QTimer autoSaveTimer;
    QTimer startEnableTimer;
    const bool viewOnly;
    woxStopwatch runTime;
    QVector<int> runsLeft;
    woxSessionDataModel dataModel;
    woxSoundingCurvePlot soundingCurvePlot;
    woxPseudoSectionPlot pseudoSectionPlot;
    woxSignalWidget *signalWidget = nullptr;
    // Set while a run this screen started awaits its report: ET2D reports of
    // jobs other screens started reach every screen and are not results.
    bool runPending = false;
    bool bound = false;

    static int autoSaveDelay;
    static int startEnableDelay;
};

#endif
