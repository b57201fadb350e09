#ifndef WOXENGINEERWIDGET_H
#define WOXENGINEERWIDGET_H

#include "ui_mEngineerWidget.h"

#include "woxCoreReportCalibrate.h"
#include "woxCoreReportProduction.h"
#include "woxCoreReportSwAux.h"

#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

class QCloseEvent;
class woxCore;
class woxGPSManager;

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
    void onReportSwAux(const woxCoreReportSwAux report);
    void onReportCalibrate(const woxCoreReportCalibrate report);
    void onStopGPS();

private:
    void removePages(int level);
    void connectProduction();
    void runUsbTest();
    bool saveLog();
    void finishClose(QCloseEvent *event);

    woxCore *core;
    woxGPSManager *gpsManager;
    QTimer gpsTimer;
    QTimer repeatTimer;
    QVector<QToolButton *> proButtons;
    QStringList proNames;
    QStringList proInstructions;
    QVector<QString> proLogs;
};

#endif
