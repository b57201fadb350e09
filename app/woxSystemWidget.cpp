#include "woxSystemWidget.h"

#include "woxClockWidget.h"
#include "woxCommandRunner.h"
#include "woxDeviceTableWidget.h"
#include "woxEmbeddedScreen.h"
#include "woxGPSWidget.h"
#include "woxLanguageWidget.h"
#include "woxReleaseWidget.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"
#include "woxWarningDialog.h"

namespace {
const int menuMargin = 6;
}

bool woxSystemWidget::activity = false;

woxSystemWidget::woxSystemWidget(QWidget *parent)
    : QWidget(parent)
{
    setupUi(this);
    connect(languageToolButton, &QToolButton::clicked, this, &woxSystemWidget::onLanguage);
    connect(usbToolButton, &QToolButton::clicked, this, &woxSystemWidget::onUsb);
    connect(devicesToolButton, &QToolButton::clicked, this, &woxSystemWidget::onDevices);
    connect(updateToolButton, &QToolButton::clicked, this, &woxSystemWidget::onUpdate);
    connect(clockToolButton, &QToolButton::clicked, this, &woxSystemWidget::onClock);
    connect(releaseToolButton, &QToolButton::clicked, this, &woxSystemWidget::onRelease);
    connect(gpsToolButton, &QToolButton::clicked, this, &woxSystemWidget::onGPS);
    connect(engineerToolButton, &QToolButton::clicked, this, &woxSystemWidget::onEngineer);
    connect(exitToolButton, &QToolButton::clicked, this, &woxSystemWidget::onExit);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxSystemWidget::onTranslate);
    onTranslate();
}

void woxSystemWidget::setEngineerOpener(const EngineerOpener &opener)
{
    engineerOpener = opener;
}

void woxSystemWidget::setActivity(bool active)
{
    activity = active;
}

void woxSystemWidget::onTranslate()
{
    // "USB" and "GPS" read the same in every language.
    exitToolButton->setText(tr("Exit"));
    devicesToolButton->setText(tr("Devices"));
    engineerToolButton->setText(tr("Engineer"));
    languageToolButton->setText(tr("Language"));
    updateToolButton->setText(tr("Update"));
    releaseToolButton->setText(tr("Release"));
    clockToolButton->setText(tr("Clock"));
}

void woxSystemWidget::setButtonsVisible(bool visible)
{
    for (QToolButton *button : {exitToolButton, usbToolButton, engineerToolButton,
                                devicesToolButton, updateToolButton, languageToolButton,
                                gpsToolButton, releaseToolButton, clockToolButton})
        button->setVisible(visible);
}

void woxSystemWidget::placeScreen(QWidget *opened)
{
    screen = opened;
    setButtonsVisible(false);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->addWidget(opened);
}

void woxSystemWidget::systemError()
{
    woxWarningDialog::showOk(tr("System error"));
    onScreenClose();
}

template <class Screen, class Signal>
void woxSystemWidget::openScreen(Signal closeSignal)
{
    try {
        Screen *opened = new Screen(nullptr);
        placeScreen(opened);
        connect(opened, closeSignal, this, &woxSystemWidget::onScreenClose);
    } catch (...) {
        systemError();
    }
}

void woxSystemWidget::onScreenClose()
{
    woxEmbeddedScreen::dispose(screen, this);
    verticalLayout->setContentsMargins(menuMargin, menuMargin, menuMargin, menuMargin);
    setButtonsVisible(true);
}

void woxSystemWidget::onExit()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to exit"));
        return;
    }
    if (woxWarningDialog::askYesNo(tr("Are you sure you want to exit?")) == 1)
        emit sendPowerOff();
}

void woxSystemWidget::onUsb()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to enter USB storage mode"));
        return;
    }
    // Neither program's outcome matters: the operator leaves the mode with
    // OK in every case, and usb_stop always runs.
    woxCommandRunner *runner = woxCommandRunner::instance();
    runner->run(QStringLiteral("usb_start"), QStringList(), usbTimeoutMs);
    woxWarningDialog::showOk(tr("Press OK to leave USB storage mode"));
    woxWarningDialog::showText(tr("Please wait..."));
    runner->run(QStringLiteral("usb_stop"), QStringList(), usbTimeoutMs);
    woxWarningDialog::closeInstance();
}

void woxSystemWidget::onDevices()
{
    openScreen<woxDeviceTableWidget>(&woxDeviceTableWidget::sendDeviceTableWidgetClose);
}

void woxSystemWidget::onEngineer()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to enter engineer mode"));
        return;
    }
    if (screen || !engineerOpener)
        return;
    try {
        QWidget *engineer = engineerOpener();
        if (!engineer)
            return;   // the keypad was cancelled
        placeScreen(engineer);
        if (!connect(engineer, SIGNAL(sendEngineerWidgetClose()), this, SLOT(onScreenClose())))
            systemError();
    } catch (...) {
        systemError();
    }
}

void woxSystemWidget::onLanguage()
{
    openScreen<woxLanguageWidget>(&woxLanguageWidget::sendLanguageWidgetClose);
}

void woxSystemWidget::onGPS()
{
    openScreen<woxGPSWidget>(&woxGPSWidget::sendGPSWidgetClose);
}

void woxSystemWidget::onRelease()
{
    openScreen<woxReleaseWidget>(&woxReleaseWidget::sendReleaseWidgetClose);
}

void woxSystemWidget::onUpdate()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to update"));
        return;
    }
    openScreen<woxUpdateWidget>(&woxUpdateWidget::sendUpdateWidgetClose);
}

void woxSystemWidget::onClock()
{
    openScreen<woxClockWidget>(&woxClockWidget::sendClockWidgetClose);
}
