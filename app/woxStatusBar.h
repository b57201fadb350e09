#ifndef WOXSTATUSBAR_H
#define WOXSTATUSBAR_H

#include "ui_mStatusBar.h"

#include "woxCoreReportClock.h"
#include "woxCoreReportSensor.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class woxCore;

// The bottom row of the main window: the operator's status line, and the
// moisture inside the instrument and both battery voltages. Building it
// creates the instrument core and asks for the instrument clock; every
// error-free clock report (re)starts the 1000 ms sensor poll, and one that
// carries a date and a time also sets the computer's clock.
class woxStatusBar : public QWidget, public Ui::mStatusBar
{
    Q_OBJECT

public:
    explicit woxStatusBar(QWidget *parent = nullptr);

    // Milliseconds between sensor requests and before a timed message clears.
    static const int sensorInterval = 1000;
    static const int messageTimeout = 20000;

public slots:
    void onTranslate();
    void onReportSensor(const woxCoreReportSensor report);
    void onReportClock(const woxCoreReportClock report);
    void onUserMessage(const QString &text);
    void onUserMessageForever(const QString &text);
    void onUserMessageTimeout();
    void onSensorTimeout();

protected:
    // True until the first error-free clock report of the run that carries a
    // date and a time has been handled, by any bar of the process.
    static bool firstClockReport;

private:
    void showBattery(QLabel *valueLabel, QLabel *iconLabel, float volts);
    void showMoisture(float percent);
    void setComputerClock(const QDate &date, const QTime &time);

    QList<QPixmap> batteryPixmaps;
    QList<QPixmap> moisturePixmaps;
    QTimer sensorTimer;
    QTimer messageTimer;
    // Not owned. The main window's close event deletes the core while this
    // bar lives on; the guard keeps a later poll tick off the deleted core.
    QPointer<woxCore> core;
};

#endif
