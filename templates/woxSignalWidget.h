#ifndef WOXSIGNALWIDGET_H
#define WOXSIGNALWIDGET_H

#include "ui_mSignalWidget.h"

#include "woxCoreReportSignal.h"
#include "woxQuadripole.h"
#include "woxSignalPlot.h"

#include <QWidget>

// The signal window of one quadripole: Start has the core record the
// quadripole's waveforms, which the three tabs draw; Accept and Bad send the
// operator's verdict on the quadripole's grid cell and close the window.
// The window is embedded in its opener's layout; the opener disposes of it
// on sendSignalWidgetClose(). Every open window draws every signal report,
// whoever started the measurement.
class woxSignalWidget : public QWidget, public Ui::mSignalWidget
{
    Q_OBJECT

public:
    explicit woxSignalWidget(QWidget *parent = nullptr);
    ~woxSignalWidget() override;

    // Keeps the quadripole to measure and judge and shows its electrodes in
    // the status line while the window is open.
    void setQuadripole(woxQuadripole quadripole);
    // For openers that take no verdict: Bad stays invisible.
    void hideBadButton();

    // "A: .., B: .., M: .., N: .." with 1-based electrode numbers and the
    // remote electrodes as Tx∞ / Rx∞.
    static QString headerText(const woxQuadripole &quadripole);

signals:
    void sendSignalWidgetClose();
    void sendSpacingLevelAuxConfig(woxSpacing spacing, woxLevel level, bool value);

public slots:
    void onTranslate();

protected slots:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onAccept();
    void onBad();
    void onStart();
    void onReportSignal(const woxCoreReportSignal report);

private:
    void setButtonsEnabled(bool enabled);

    woxSignalPlot txVoltagePlot;
    woxSignalPlot txCurrentPlot;
    woxSignalPlot rxVoltagePlot;
    woxQuadripole quadripole;
};

#endif
