#include "woxSystemWidget.h"

#include "woxClockWidget.h"
#include "woxCommandRunner.h"
#include "woxDeviceTableWidget.h"
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
    , engineerWidget(nullptr)
    , deviceTableWidget(nullptr)
    , gpsWidget(nullptr)
    , languageWidget(nullptr)
    , releaseWidget(nullptr)
    , updateWidget(nullptr)
    , clockWidget(nullptr)
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

void woxSystemWidget::placeScreen(QWidget *screen)
{
    setButtonsVisible(false);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->addWidget(screen);
}

void woxSystemWidget::systemError(void (woxSystemWidget::*closeSlot)())
{
    woxWarningDialog::showOk(tr("System error"));
    (this->*closeSlot)();
}

template <class Screen, class Signal>
void woxSystemWidget::openScreen(Screen *&member, Signal closeSignal,
                                 void (woxSystemWidget::*closeSlot)())
{
    try {
        member = new Screen(nullptr);
        placeScreen(member);
        connect(member, closeSignal, this, closeSlot);
    } catch (...) {
        systemError(closeSlot);
    }
}

// The screen is still inside its own close handling when its signal arrives
// here, so it is taken out of the page now and deleted once control has left
// that handling.
template <class Screen>
void woxSystemWidget::closeScreen(Screen *&member)
{
    if (member) {
        verticalLayout->removeWidget(member);
        member->hide();
        member->deleteLater();
        member = nullptr;
    }
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
    openScreen(deviceTableWidget, &woxDeviceTableWidget::sendDeviceTableWidgetClose,
               &woxSystemWidget::onDeviceTableWidgetClose);
}

void woxSystemWidget::onEngineer()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to enter engineer mode"));
        return;
    }
    if (engineerWidget || !engineerOpener)
        return;
    try {
        engineerWidget = engineerOpener();
        if (!engineerWidget)
            return;   // the keypad was cancelled
        placeScreen(engineerWidget);
        if (!connect(engineerWidget, SIGNAL(sendEngineerWidgetClose()), this,
                     SLOT(onEngineerWidgetClose())))
            systemError(&woxSystemWidget::onEngineerWidgetClose);
    } catch (...) {
        systemError(&woxSystemWidget::onEngineerWidgetClose);
    }
}

void woxSystemWidget::onLanguage()
{
    openScreen(languageWidget, &woxLanguageWidget::sendLanguageWidgetClose,
               &woxSystemWidget::onLanguageWidgetClose);
}

void woxSystemWidget::onGPS()
{
    openScreen(gpsWidget, &woxGPSWidget::sendGPSWidgetClose, &woxSystemWidget::onGPSWidgetClose);
}

void woxSystemWidget::onRelease()
{
    openScreen(releaseWidget, &woxReleaseWidget::sendReleaseWidgetClose,
               &woxSystemWidget::onReleaseWidgetClose);
}

void woxSystemWidget::onUpdate()
{
    if (activity) {
        woxWarningDialog::showOk(tr("Stop all activities to update"));
        return;
    }
    openScreen(updateWidget, &woxUpdateWidget::sendUpdateWidgetClose,
               &woxSystemWidget::onUpdateWidgetClose);
}

void woxSystemWidget::onClock()
{
    openScreen(clockWidget, &woxClockWidget::sendClockWidgetClose,
               &woxSystemWidget::onClockWidgetClose);
}

void woxSystemWidget::onEngineerWidgetClose() { closeScreen(engineerWidget); }
void woxSystemWidget::onLanguageWidgetClose() { closeScreen(languageWidget); }
void woxSystemWidget::onDeviceTableWidgetClose() { closeScreen(deviceTableWidget); }
void woxSystemWidget::onGPSWidgetClose() { closeScreen(gpsWidget); }
void woxSystemWidget::onReleaseWidgetClose() { closeScreen(releaseWidget); }
void woxSystemWidget::onUpdateWidgetClose() { closeScreen(updateWidget); }
void woxSystemWidget::onClockWidgetClose() { closeScreen(clockWidget); }
