#ifndef WOXENGINEERWIDGET_H
#define WOXENGINEERWIDGET_H

#include "ui_mEngineerWidget.h"

#include "woxRxRequest.h"
#include "woxStressRequest.h"
#include "woxSwRequest.h"
#include "woxTxRequest.h"

#include "woxCoreReportCalibrate.h"
#include "woxCoreReportClock.h"
#include "woxCoreReportET2D.h"
#include "woxCoreReportProduction.h"
#include "woxCoreReportRxAux.h"
#include "woxCoreReportRxStress.h"
#include "woxCoreReportSensor.h"
#include "woxCoreReportSwAux.h"
#include "woxCoreReportTxAux.h"
#include "woxCoreReportVES.h"
#include "woxSignalWidget.h"

#include <QList>
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

class QCloseEvent;
class woxCore;

// The service console: the guided production self-tests and one page per
// device group for driving the instrument by hand. Access level 0 keeps all
// ten pages; any other level only the self-tests, and a level other than 1
// also locks the three tests that stress the transmitter or change the
// receivers' adjustment. Closing asks whether to keep the self-test logs in
// the engineer log file.
class woxEngineerWidget : public QWidget, private Ui::mEngineerWidget
{
    Q_OBJECT

public:
    explicit woxEngineerWidget(int level, QWidget *parent = nullptr);
    ~woxEngineerWidget() override;

    // The system menu's way in: runs the access-code keypad and builds the
    // screen, without parent, for the level it grants; nullptr on Cancel.
    static QWidget *openFromKeypad();

    // The HTML log of each self-test, by test number; empty until it reported.
    const QVector<QString> &productionLogs() const;

signals:
    // The close was accepted; the opener disposes of the screen.
    void sendEngineerWidgetClose();

public slots:
    void onTranslate();
    void closeEvent(QCloseEvent *event) override;
    void onStop();
    void onStartPro(quint8 test);
    void onShowLog(quint8 test);
    void onPro00();
    void onLog00();
    void onPro01();
    void onLog01();
    void onPro02();
    void onLog02();
    void onPro03();
    void onLog03();
    void onPro04();
    void onLog04();
    void onPro05();
    void onLog05();
    void onPro06();
    void onLog06();
    void onPro07();
    void onLog07();
    void onPro08();
    void onLog08();
    void onPro09();
    void onLog09();
    void onPro10();
    void onLog10();
    void onPro11();
    void onLog11();
    void onPro12();
    void onLog12();
    void onPro13();
    void onLog13();
    void onPro14();
    void onLog14();
    void onPro15();
    void onLog15();
    void onPro16();
    void onLog16();
    void onPro17();
    void onLog17();
    void onPro18();
    void onLog18();
    void onPro19();
    void onLog19();
    void onPro20();
    void onLog20();
    void onPro21();
    void onLog21();
    void onProStop();
    void onReportProduction(const woxCoreReportProduction report);
    woxAddress TxDevice(int index);
    void onPowerValueChanged(int value);
    void onDurationValueChanged(int value);
    void onAdjustPulseFirst();
    void onAdjustPulseSecond();
    void onPulseFirst();
    void onPulseSecond();
    void onTxStop();
    void onPulseZero();
    void onReportTxAux(const woxCoreReportTxAux report);
    woxAddress RxDevice(int index);
    void onMsrRepeat();
    void onMsrStart();
    void onMsrGet();
    void onMsrClear();
    void onRxReset();
    void onClbInput();
    void onMsrInput();
    void onLowRange();
    void onHighRange();
    void onSensors();
    void onReportRxAux(const woxCoreReportRxAux report);
    void onReportSensor(const woxCoreReportSensor report);
    woxAddress SwDevice(int index);
    woxElectrode SwElectrode(int value);
    void onSwSetNA();
    void onSwSetMB();
    void onSwReset();
    void onGrounding();
    void onAll();
    void onPhantom();
    void onReportSwAux(const woxCoreReportSwAux report);
    void onCalibrate();
    void onDefault();
    void onReportCalibrate(const woxCoreReportCalibrate report);
    void onStressRxStart();
    void onReportRxStress(const woxCoreReportRxStress report);
    void onSoundAlert();
    void onTimeSet();
    void onTimeGet();
    void onStartGPS();
    void onStopGPS();
    void onGPSTimer();
    void onPanic();
    void onPing();
    void onReportClock(const woxCoreReportClock report);
    void onSetQuadripole();
    void onVes();
    void onReportVES(const woxCoreReportVES report);
    void onET2D();
    void onReportET2D(const woxCoreReportET2D report);

private:
    // What a receiver-stress answer belongs to: both the stress page and
    // Ping ask the same job, and the answers come back in request order.
    enum StressAsker { StressRun, PingRun };

    void removePages(int level);
    void connectProduction();
    void connectTransmitter();
    void connectReceivers();
    void connectSwitches();
    void connectOtherPages();
    void sendTx(woxTxRequest request);
    void sendRx(woxRxRequest request);
    void sendSw(woxSwRequest request);
    void sendStress(const woxStressRequest &request, StressAsker asker);
    qint8 txPower() const;
    void stopStressRuns();
    void runUsbTest();
    bool saveLog();
    void finishClose(QCloseEvent *event);

    woxCore *core;
    woxSignalWidget signalWidget;
    QTimer gpsTimer;
    QTimer repeatTimer;
    QVector<QToolButton *> proButtons;
    QStringList proNames;
    QStringList proInstructions;
    QVector<QString> proLogs;
    // Set by Start on the stress page; only then does an "OK" start the next run.
    bool stressRunning;
    QList<StressAsker> stressAskers;
};

#endif
