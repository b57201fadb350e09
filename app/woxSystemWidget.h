#ifndef WOXSYSTEMWIDGET_H
#define WOXSYSTEMWIDGET_H

#include "ui_mSystemWidget.h"

#include <QWidget>

#include <functional>

// The page of the SYSTEM tab: nine buttons, seven of which open a screen in
// place of the buttons; USB switches the instrument's storage to the USB port
// and back, Exit ends the program. At most one screen exists at a time: on
// its close signal the menu takes it out and shows the buttons again.
//
// Engineer mode lives in a library above this one, so the menu cannot name
// its classes. Whoever builds the menu's window installs an engineer opener
// with setEngineerOpener(): a function that runs the access-code keypad and,
// when the keypad is accepted, returns the engineer screen built without a
// parent for the keypad's access level (nullptr when the keypad was
// cancelled). The screen must declare the signal sendEngineerWidgetClose(),
// emitted as the last step of its close handling; the menu connects it by
// name and disposes of the screen on it. Without an opener the Engineer
// button does nothing.
class woxSystemWidget : public QWidget, public Ui::mSystemWidget
{
    Q_OBJECT

public:
    explicit woxSystemWidget(QWidget *parent = nullptr);

    typedef std::function<QWidget *()> EngineerOpener;
    void setEngineerOpener(const EngineerOpener &opener);

    // Set while a measurement runs (true from Start until measuring stops).
    // Exit, Engineer, Update and USB refuse to act while it is set.
    static void setActivity(bool active);

    // How long each USB storage program may run.
    static const int usbTimeoutMs = 30000;

signals:
    // The operator confirmed Exit; the main window closes on it.
    void sendPowerOff();

public slots:
    void onTranslate();
    void onExit();
    void onUsb();
    void onDevices();
    void onEngineer();
    void onLanguage();
    void onGPS();
    void onRelease();
    void onUpdate();
    void onClock();
    // The open screen's close signal: the screen goes, the buttons return.
    void onScreenClose();

private:
    void setButtonsVisible(bool visible);
    void placeScreen(QWidget *opened);
    void systemError();
    template <class Screen, class Signal>
    void openScreen(Signal closeSignal);

    // The one screen shown in place of the buttons, or nullptr.
    QWidget *screen = nullptr;
    EngineerOpener engineerOpener;

    static bool activity;
};

#endif
