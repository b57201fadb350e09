#include "woxEngineerWidget.h"

#include "woxClock.h"
#include "woxCommandRunner.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxDeviceBus.h"
#include "woxDiagnostic.h"
#include "woxEngineerAddresses.h"
#include "woxEngineerReadouts.h"
#include "woxFileSaver.h"
#include "woxGPSManager.h"
#include "woxNetworkAddresses.h"
#include "woxOptionsWidget.h"
#include "woxPasswordDialog.h"
#include "woxProductionTests.h"
#include "woxStyleSheet.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString playIcon = QStringLiteral(":/icons/icons/play.png");
// The receiver page keeps the most recent this many sample lines.
const int keptSampleLines = 100000;

} // namespace

woxEngineerWidget::woxEngineerWidget(int level, QWidget *parent)
    : QWidget(parent)
    , core(nullptr)
    , gpsTimer(this)
    , repeatTimer(this)
    , proLogs(woxProductionTests::Count)
    , stressRunning(false)
{
    // Named children, so the periods in force can be looked up on the screen.
    gpsTimer.setObjectName(QStringLiteral("gpsTimer"));
    repeatTimer.setObjectName(QStringLiteral("repeatTimer"));
    // The fix holder exists while the screen is open; closing destroys it.
    woxGPSManager::instance();
    setupUi(this);
    woxStyleSheet::apply(proScrollArea, QStringLiteral(":/system/system/vScrollBar.qss"));
    removePages(level);
    QFont samplesFont = rxSamplesTextEdit->font();
    samplesFont.setPointSize(8);
    rxSamplesTextEdit->setFont(samplesFont);
    // Repeat adds thousands of lines a second: only the newest are kept, so
    // the page's memory stays bounded (the empty block after the last line's
    // break counts as one more block).
    rxSamplesTextEdit->setMaximumBlockCount(keptSampleLines + 1);
    core = woxCore::instance();
    signalVerticalLayout->addWidget(&signalWidget);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxEngineerWidget::onTranslate);
    proButtons = {proToolButton00, proToolButton01, proToolButton02, proToolButton03, proToolButton04, proToolButton05, proToolButton06, proToolButton07, proToolButton08, proToolButton09, proToolButton10, proToolButton11, proToolButton12, proToolButton13, proToolButton14, proToolButton15, proToolButton16, proToolButton17, proToolButton18, proToolButton19, proToolButton20, proToolButton21};
    proNames = woxProductionTests::names();
    proInstructions = woxProductionTests::instructions();
    connectProduction();
    connectTransmitter();
    connectReceivers();
    connectSwitches();
    connectOtherPages();
    onTranslate();
}

woxEngineerWidget::~woxEngineerWidget() = default;

QWidget *woxEngineerWidget::openFromKeypad()
{
    woxPasswordDialog keypad;
    if (keypad.exec() != QDialog::Accepted)
        return nullptr;
    return new woxEngineerWidget(keypad.accessLevel());
}

const QVector<QString> &woxEngineerWidget::productionLogs() const
{
    return proLogs;
}

void woxEngineerWidget::removePages(int level)
{
    if (level == 0)
        return;
    const int pages = tabWidget->count();
    for (int i = 0; i < pages; ++i)
        tabWidget->removeTab(1);
    if (level == 1)
        return;
    for (QToolButton *button : {proToolButton00, proToolButton16, proToolButton20})
        button->setEnabled(false);
}

void woxEngineerWidget::connectProduction()
{
    struct Row
    {
        QToolButton *test;
        void (woxEngineerWidget::*start)();
        QPushButton *log;
        void (woxEngineerWidget::*show)();
    };
    const Row rows[] = {
        {proToolButton00, &woxEngineerWidget::onPro00, logPushButton00, &woxEngineerWidget::onLog00},
        {proToolButton01, &woxEngineerWidget::onPro01, logPushButton01, &woxEngineerWidget::onLog01},
        {proToolButton02, &woxEngineerWidget::onPro02, logPushButton02, &woxEngineerWidget::onLog02},
        {proToolButton03, &woxEngineerWidget::onPro03, logPushButton03, &woxEngineerWidget::onLog03},
        {proToolButton04, &woxEngineerWidget::onPro04, logPushButton04, &woxEngineerWidget::onLog04},
        {proToolButton05, &woxEngineerWidget::onPro05, logPushButton05, &woxEngineerWidget::onLog05},
        {proToolButton06, &woxEngineerWidget::onPro06, logPushButton06, &woxEngineerWidget::onLog06},
        {proToolButton07, &woxEngineerWidget::onPro07, logPushButton07, &woxEngineerWidget::onLog07},
        {proToolButton08, &woxEngineerWidget::onPro08, logPushButton08, &woxEngineerWidget::onLog08},
        {proToolButton09, &woxEngineerWidget::onPro09, logPushButton09, &woxEngineerWidget::onLog09},
        {proToolButton10, &woxEngineerWidget::onPro10, logPushButton10, &woxEngineerWidget::onLog10},
        {proToolButton11, &woxEngineerWidget::onPro11, logPushButton11, &woxEngineerWidget::onLog11},
        {proToolButton12, &woxEngineerWidget::onPro12, logPushButton12, &woxEngineerWidget::onLog12},
        {proToolButton13, &woxEngineerWidget::onPro13, logPushButton13, &woxEngineerWidget::onLog13},
        {proToolButton14, &woxEngineerWidget::onPro14, logPushButton14, &woxEngineerWidget::onLog14},
        {proToolButton15, &woxEngineerWidget::onPro15, logPushButton15, &woxEngineerWidget::onLog15},
        {proToolButton16, &woxEngineerWidget::onPro16, logPushButton16, &woxEngineerWidget::onLog16},
        {proToolButton17, &woxEngineerWidget::onPro17, logPushButton17, &woxEngineerWidget::onLog17},
        {proToolButton18, &woxEngineerWidget::onPro18, logPushButton18, &woxEngineerWidget::onLog18},
        {proToolButton19, &woxEngineerWidget::onPro19, logPushButton19, &woxEngineerWidget::onLog19},
        {proToolButton20, &woxEngineerWidget::onPro20, logPushButton20, &woxEngineerWidget::onLog20},
        {proToolButton21, &woxEngineerWidget::onPro21, logPushButton21, &woxEngineerWidget::onLog21},
    };
    for (const Row &row : rows) {
        connect(row.test, &QToolButton::clicked, this, row.start);
        connect(row.log, &QPushButton::clicked, this, row.show);
    }
    connect(proStopPushButton, &QPushButton::clicked, this, &woxEngineerWidget::onProStop);
    connect(core, &woxCore::sendReportProduction, this, &woxEngineerWidget::onReportProduction);
}

void woxEngineerWidget::connectTransmitter()
{
    connect(txPowerHorizontalSlider, &QSlider::valueChanged, this,
            &woxEngineerWidget::onPowerValueChanged);
    connect(txDurationHorizontalSlider, &QSlider::valueChanged, this,
            &woxEngineerWidget::onDurationValueChanged);
    const std::pair<QPushButton *, void (woxEngineerWidget::*)()> buttons[] = {
        {txAdjustPulseFirstPushButton, &woxEngineerWidget::onAdjustPulseFirst},
        {txAdjustPulseSecondPushButton, &woxEngineerWidget::onAdjustPulseSecond},
        {txPulseFirstPushButton, &woxEngineerWidget::onPulseFirst},
        {txPulseSecondPushButton, &woxEngineerWidget::onPulseSecond},
        {txStopPushButton, &woxEngineerWidget::onTxStop},
        {txPulseZeroPushButton, &woxEngineerWidget::onPulseZero},
    };
    for (const auto &button : buttons)
        connect(button.first, &QPushButton::clicked, this, button.second);
    connect(core, &woxCore::sendReportTxAux, this, &woxEngineerWidget::onReportTxAux);
}

void woxEngineerWidget::connectReceivers()
{
    const std::pair<QPushButton *, void (woxEngineerWidget::*)()> buttons[] = {
        {rxRepeatPushButton, &woxEngineerWidget::onMsrRepeat},
        {rxMsrStartPushButton, &woxEngineerWidget::onMsrStart},
        {rxStopPushButton, &woxEngineerWidget::onStop},
        {rxMsrGetPushButton, &woxEngineerWidget::onMsrGet},
        {rxMsrClearPushButton, &woxEngineerWidget::onMsrClear},
        {rxRxResetPushButton, &woxEngineerWidget::onRxReset},
        {rxClbInputPushButton, &woxEngineerWidget::onClbInput},
        {rxMsrInputPushButton, &woxEngineerWidget::onMsrInput},
        {rxLowRangePushButton, &woxEngineerWidget::onLowRange},
        {rxHighRangePushButton, &woxEngineerWidget::onHighRange},
        {rxSensorsPushButton, &woxEngineerWidget::onSensors},
    };
    for (const auto &button : buttons)
        connect(button.first, &QPushButton::clicked, this, button.second);
    connect(core, &woxCore::sendReportRxAux, this, &woxEngineerWidget::onReportRxAux);
    connect(core, &woxCore::sendReportSensor, this, &woxEngineerWidget::onReportSensor);
    repeatTimer.setSingleShot(true);
    connect(&repeatTimer, &QTimer::timeout, this, &woxEngineerWidget::onMsrRepeat);
}

void woxEngineerWidget::connectSwitches()
{
    const std::pair<QPushButton *, void (woxEngineerWidget::*)()> buttons[] = {
        {swSwSetNAPushButton, &woxEngineerWidget::onSwSetNA},
        {swSwSetMBPushButton, &woxEngineerWidget::onSwSetMB},
        {swSwResetPushButton, &woxEngineerWidget::onSwReset},
        {swAllPushButton, &woxEngineerWidget::onAll},
        {swGroundingPushButton, &woxEngineerWidget::onGrounding},
        {swPhantomPushButton, &woxEngineerWidget::onPhantom},
    };
    for (const auto &button : buttons)
        connect(button.first, &QPushButton::clicked, this, button.second);
    connect(core, &woxCore::sendReportSwAux, this, &woxEngineerWidget::onReportSwAux);
}

void woxEngineerWidget::connectOtherPages()
{
    const std::pair<QPushButton *, void (woxEngineerWidget::*)()> buttons[] = {
        {calibrateCalibratePushButton, &woxEngineerWidget::onCalibrate},
        {calibrateDefaultPushButton, &woxEngineerWidget::onDefault},
        {stressRxStartPushButton, &woxEngineerWidget::onStressRxStart},
        {miscSoundAlertPushButton, &woxEngineerWidget::onSoundAlert},
        {miscTimeSetPushButton, &woxEngineerWidget::onTimeSet},
        {miscTimeGetPushButton, &woxEngineerWidget::onTimeGet},
        {miscStartGPSPushButton, &woxEngineerWidget::onStartGPS},
        {miscStopGPSPushButton, &woxEngineerWidget::onStopGPS},
        {miscPanicPushButton, &woxEngineerWidget::onPanic},
        {miscPingPushButton, &woxEngineerWidget::onPing},
        {signalSetQuadripolePushButton, &woxEngineerWidget::onSetQuadripole},
        {vesPushButton, &woxEngineerWidget::onVes},
        {et2dPushButton, &woxEngineerWidget::onET2D},
    };
    for (const auto &button : buttons)
        connect(button.first, &QPushButton::clicked, this, button.second);
    connect(core, &woxCore::sendReportCalibrate, this, &woxEngineerWidget::onReportCalibrate);
    connect(core, &woxCore::sendReportRxStress, this, &woxEngineerWidget::onReportRxStress);
    connect(core, &woxCore::sendReportClock, this, &woxEngineerWidget::onReportClock);
    connect(core, &woxCore::sendReportVES, this, &woxEngineerWidget::onReportVES);
    connect(core, &woxCore::sendReportET2D, this, &woxEngineerWidget::onReportET2D);
}

void woxEngineerWidget::onTranslate()
{
    tabWidget->setTabText(tabWidget->indexOf(proTab), tr("Setup and testing"));
    proStopPushButton->setText(tr("Stop"));
    proExitPushButton->setText(tr("Exit"));
    proCautionLabel->setText(QStringLiteral("<b><font color=red>")
                             + tr("Please remove everything (except supply) connected to device "
                                  "sockets before starting every operation!")
                             + QStringLiteral("</font></b>"));
    // The names were translated once, at construction, like the instructions
    // the questions show.
    for (int i = 0; i < proButtons.size(); ++i)
        proButtons[i]->setText(proNames.at(i));
}

// ---------------------------------------------------------------- closing

void woxEngineerWidget::closeEvent(QCloseEvent *event)
{
    core->stop();
    stopStressRuns();
    const bool noLog = std::all_of(proLogs.cbegin(), proLogs.cend(),
                                   [](const QString &log) { return log.isEmpty(); });
    if (noLog) {
        finishClose(event);
        return;
    }
    const int answer = woxWarningDialog::askYesNoCancel(tr("Save log?"));
    if (answer == woxWarningDialog::CancelResult) {
        event->ignore();
        return;
    }
    if (answer == 1 && !saveLog()) {
        // The logs stay, so the engineer can try again or close without them.
        woxWarningDialog::showOk(tr("Can not write data to file"));
        event->ignore();
        return;
    }
    finishClose(event);
}

bool woxEngineerWidget::saveLog()
{
    const QByteArray html = woxProductionTests::document(proLogs, woxClock::instance()->now());
    return woxFileSaver::saveBytes(systemDir + QStringLiteral("engineer.html"), html)
           == woxFileSaver::Saved;
}

void woxEngineerWidget::finishClose(QCloseEvent *event)
{
    onStopGPS();
    emit sendEngineerWidgetClose();
    event->accept();
}

void woxEngineerWidget::onStop()
{
    core->stop();
    stopStressRuns();
}

void woxEngineerWidget::onProStop()
{
    core->stop();
    stopStressRuns();
}

// ---------------------------------------------------------------- production

void woxEngineerWidget::onStartPro(quint8 test)
{
    if (test >= woxProductionTests::Count)
        return;
    const QString question = proInstructions.at(test) + QLatin1Char('\n')
                             + tr("Are you ready to continue?");
    if (woxWarningDialog::askYesNo(question) != 1)
        return;
    // No second test starts before this one has reported.
    proFrame->setEnabled(false);
    proButtons[test]->setIcon(QIcon(playIcon));
    if (test == woxProductionTests::UsbTest) {
        runUsbTest();
    } else if (test == woxProductionTests::LanTest) {
        onReportProduction(woxProductionTests::lanReport(woxNetworkAddresses::instance()->all()));
    } else {
        woxProductionRequest request;
        request.test = test;
        core->runProduction(request);
    }
}

void woxEngineerWidget::runUsbTest()
{
    // The programs' results are not looked at: the operator's answer decides.
    woxCommandRunner *runner = woxCommandRunner::instance();
    runner->run(QStringLiteral("usb_start"), QStringList(), woxSystemWidget::usbTimeoutMs);
    const bool appeared = woxWarningDialog::askYesNo(tr("Did USB drive appear?")) == 1;
    runner->run(QStringLiteral("usb_stop"), QStringList(), woxSystemWidget::usbTimeoutMs);
    onReportProduction(woxProductionTests::usbReport(appeared));
}

void woxEngineerWidget::onReportProduction(const woxCoreReportProduction report)
{
    const int test = report.test;
    if (test >= woxProductionTests::Count) {
        // Only a faulty answer names a test that does not exist.
        woxDiagnostic::error(QStringLiteral("woxEngineerWidget"), QString(), test);
    } else {
        proLogs[test] = woxProductionTests::logEntry(proNames.at(test), report);
        proButtons[test]->setIcon(QIcon(woxProductionTests::iconOf(report)));
    }
    proFrame->setEnabled(true);
}

void woxEngineerWidget::onShowLog(quint8 test)
{
    if (test >= woxProductionTests::Count)
        return;
    QDialog dialog;
    dialog.setFixedSize(1024, 600);
    dialog.setWindowIcon(QIcon(QStringLiteral(":/icons/icons/empty.png")));
    QVBoxLayout *layout = new QVBoxLayout(&dialog);
    QTextBrowser *browser = new QTextBrowser(&dialog);
    browser->setLineWrapMode(QTextEdit::NoWrap);
    browser->setHtml(proLogs.at(test));
    woxStyleSheet::apply(browser->verticalScrollBar(),
                         QStringLiteral(":/system/system/vScrollBar.qss"));
    woxStyleSheet::apply(browser->horizontalScrollBar(),
                         QStringLiteral(":/system/system/hScrollBar.qss"));
    QPushButton *accept = new QPushButton(QIcon(QStringLiteral(":/icons/icons/accept.png")),
                                          tr("Accept"), &dialog);
    accept->setIconSize(QSize(48, 48));
    connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(browser);
    layout->addWidget(accept);
    dialog.exec();
}

void woxEngineerWidget::onPro00() { onStartPro(0); }
void woxEngineerWidget::onLog00() { onShowLog(0); }
void woxEngineerWidget::onPro01() { onStartPro(1); }
void woxEngineerWidget::onLog01() { onShowLog(1); }
void woxEngineerWidget::onPro02() { onStartPro(2); }
void woxEngineerWidget::onLog02() { onShowLog(2); }
void woxEngineerWidget::onPro03() { onStartPro(3); }
void woxEngineerWidget::onLog03() { onShowLog(3); }
void woxEngineerWidget::onPro04() { onStartPro(4); }
void woxEngineerWidget::onLog04() { onShowLog(4); }
void woxEngineerWidget::onPro05() { onStartPro(5); }
void woxEngineerWidget::onLog05() { onShowLog(5); }
void woxEngineerWidget::onPro06() { onStartPro(6); }
void woxEngineerWidget::onLog06() { onShowLog(6); }
void woxEngineerWidget::onPro07() { onStartPro(7); }
void woxEngineerWidget::onLog07() { onShowLog(7); }
void woxEngineerWidget::onPro08() { onStartPro(8); }
void woxEngineerWidget::onLog08() { onShowLog(8); }
void woxEngineerWidget::onPro09() { onStartPro(9); }
void woxEngineerWidget::onLog09() { onShowLog(9); }
void woxEngineerWidget::onPro10() { onStartPro(10); }
void woxEngineerWidget::onLog10() { onShowLog(10); }
void woxEngineerWidget::onPro11() { onStartPro(11); }
void woxEngineerWidget::onLog11() { onShowLog(11); }
void woxEngineerWidget::onPro12() { onStartPro(12); }
void woxEngineerWidget::onLog12() { onShowLog(12); }
void woxEngineerWidget::onPro13() { onStartPro(13); }
void woxEngineerWidget::onLog13() { onShowLog(13); }
void woxEngineerWidget::onPro14() { onStartPro(14); }
void woxEngineerWidget::onLog14() { onShowLog(14); }
void woxEngineerWidget::onPro15() { onStartPro(15); }
void woxEngineerWidget::onLog15() { onShowLog(15); }
void woxEngineerWidget::onPro16() { onStartPro(16); }
void woxEngineerWidget::onLog16() { onShowLog(16); }
void woxEngineerWidget::onPro17() { onStartPro(17); }
void woxEngineerWidget::onLog17() { onShowLog(17); }
void woxEngineerWidget::onPro18() { onStartPro(18); }
void woxEngineerWidget::onLog18() { onShowLog(18); }
void woxEngineerWidget::onPro19() { onStartPro(19); }
void woxEngineerWidget::onLog19() { onShowLog(19); }
void woxEngineerWidget::onPro20() { onStartPro(20); }
void woxEngineerWidget::onLog20() { onShowLog(20); }
void woxEngineerWidget::onPro21() { onStartPro(21); }
void woxEngineerWidget::onLog21() { onShowLog(21); }

// ---------------------------------------------------------------- transmitter

woxAddress woxEngineerWidget::TxDevice(int index)
{
    return woxEngineerAddresses::transmitter(index);
}

void woxEngineerWidget::onPowerValueChanged(int value)
{
    txPowerLabel->setText(QString::number(value));
}

void woxEngineerWidget::onDurationValueChanged(int value)
{
    txDurationLabel->setText(QString::number(value));
}

qint8 woxEngineerWidget::txPower() const
{
    // -1 asks the transmitter for the grounding check's power.
    return txCheckGroundingPowerCheckBox->isChecked() ? qint8(-1)
                                                       : qint8(txPowerHorizontalSlider->value());
}

void woxEngineerWidget::sendTx(woxTxRequest request)
{
    core->txAux(request);
}

void woxEngineerWidget::onAdjustPulseFirst()
{
    woxTxRequest request;
    request.adjust = true;
    request.device = woxDeviceBus::transmitter;
    request.command = woxDeviceBus::firstAdjustPulse;
    request.level = txPower();
    sendTx(request);
}

void woxEngineerWidget::onAdjustPulseSecond()
{
    woxTxRequest request;
    request.adjust = true;
    request.device = woxDeviceBus::transmitter;
    request.command = woxDeviceBus::secondAdjustPulse;
    request.level = txPower();
    sendTx(request);
}

void woxEngineerWidget::onPulseFirst()
{
    woxTxRequest request;
    request.pulse = true;
    request.device = TxDevice(txDeviceComboBox->currentIndex());
    request.command = woxDeviceBus::firstStartPulse;
    request.duration = quint16(txDurationHorizontalSlider->value());
    sendTx(request);
}

void woxEngineerWidget::onPulseSecond()
{
    woxTxRequest request;
    request.pulse = true;
    request.device = TxDevice(txDeviceComboBox->currentIndex());
    request.command = woxDeviceBus::secondStartPulse;
    request.duration = quint16(txDurationHorizontalSlider->value());
    sendTx(request);
}

void woxEngineerWidget::onTxStop()
{
    woxTxRequest request;
    request.stop = true;
    request.device = TxDevice(txDeviceComboBox->currentIndex());
    sendTx(request);
}

void woxEngineerWidget::onPulseZero()
{
    woxTxRequest request;
    request.pulse = true;
    request.device = woxDeviceBus::referenceUnit;
    request.command = woxDeviceBus::zeroPulse;
    request.duration = quint16(txDurationHorizontalSlider->value());
    request.level = txPower();
    sendTx(request);
}

void woxEngineerWidget::onReportTxAux(const woxCoreReportTxAux report)
{
    if (report.error.code != 0)
        woxWarningDialog::showOk(report.error.toString());
    txTempLabel->setText(woxEngineerReadouts::temperature(report.temperature));
}

// ---------------------------------------------------------------- receivers

woxAddress woxEngineerWidget::RxDevice(int index)
{
    return woxEngineerAddresses::receiver(index);
}

void woxEngineerWidget::sendRx(woxRxRequest request)
{
    request.device = RxDevice(rxDeviceComboBox->currentIndex());
    core->rxAux(request);
}

void woxEngineerWidget::onMsrRepeat()
{
    if (!rxRepeatPushButton->isChecked()) {
        repeatTimer.stop();
        return;
    }
    repeatTimer.start(400);
    onMsrGet();
    // The spin box keeps the count at its maximum.
    rxSamplesToRunSpinBox->setValue(rxSamplesToRunSpinBox->value() + 1);
}

void woxEngineerWidget::onMsrStart()
{
    woxRxRequest request;
    request.start = true;
    request.samples = quint16(rxSamplesToRunSpinBox->value());
    sendRx(request);
}

void woxEngineerWidget::onMsrGet()
{
    // All receivers cannot answer one read at once.
    if (RxDevice(rxDeviceComboBox->currentIndex()) == woxDeviceBus::allReceivers)
        return;
    woxRxRequest request;
    request.read = true;
    request.samples = quint16(rxSamplesToRunSpinBox->value());
    sendRx(request);
}

void woxEngineerWidget::onMsrClear()
{
    woxRxRequest request;
    request.clear = true;
    sendRx(request);
}

void woxEngineerWidget::onRxReset()
{
    woxRxRequest request;
    request.reset = true;
    sendRx(request);
}

void woxEngineerWidget::onClbInput()
{
    woxRxRequest request;
    request.calibrationInput = true;
    sendRx(request);
}

void woxEngineerWidget::onMsrInput()
{
    woxRxRequest request;
    request.measurementInput = true;
    sendRx(request);
}

void woxEngineerWidget::onLowRange()
{
    woxRxRequest request;
    request.lowRange = true;
    sendRx(request);
}

void woxEngineerWidget::onHighRange()
{
    woxRxRequest request;
    request.highRange = true;
    sendRx(request);
}

void woxEngineerWidget::onSensors()
{
    core->readSensors(0);
}

void woxEngineerWidget::onReportRxAux(const woxCoreReportRxAux report)
{
    if (report.error.code != 0)
        woxWarningDialog::showOk(report.error.toString());
    // One edit for the whole report, so thousands of samples do not redo
    // the layout line by line.
    rxSamplesTextEdit->textCursor().insertText(woxEngineerReadouts::samples(report.samples));
}

void woxEngineerWidget::onReportSensor(const woxCoreReportSensor report)
{
    if (report.error.code != 0)
        woxWarningDialog::showOk(report.error.toString());
    const std::pair<woxAddress, QLabel *> labels[] = {
        {1, rxIntBatLabel}, {2, rxExtBatLabel}, {3, rxMoistureLabel},
        {woxDeviceBus::transmitter, txTempLabel},
    };
    for (const auto &label : labels)
        label.second->setText(
            woxEngineerReadouts::value(woxEngineerReadouts::sensorValue(report, label.first)));
}

// ---------------------------------------------------------------- switches

woxAddress woxEngineerWidget::SwDevice(int index)
{
    return woxEngineerAddresses::switchDevice(index);
}

woxElectrode woxEngineerWidget::SwElectrode(int value)
{
    return woxEngineerAddresses::electrode(value);
}

void woxEngineerWidget::sendSw(woxSwRequest request)
{
    core->swAux(request);
}

void woxEngineerWidget::onSwSetNA()
{
    woxSwRequest request;
    request.device = SwDevice(swDeviceComboBox->currentIndex());
    request.set = true;
    request.enable = swApplyCheckBox->isChecked();
    request.pairMB = false;
    request.electrode = SwElectrode(swElectrodeSpinBox->value());
    sendSw(request);
}

void woxEngineerWidget::onSwSetMB()
{
    woxSwRequest request;
    request.device = SwDevice(swDeviceComboBox->currentIndex());
    request.set = true;
    request.enable = swApplyCheckBox->isChecked();
    request.pairMB = true;
    request.electrode = SwElectrode(swElectrodeSpinBox->value());
    sendSw(request);
}

void woxEngineerWidget::onSwReset()
{
    woxSwRequest request;
    request.device = SwDevice(swDeviceComboBox->currentIndex());
    request.reset = true;
    sendSw(request);
}

void woxEngineerWidget::onGrounding()
{
    // Grounding names the electrode alone; no switch is addressed.
    woxSwRequest request;
    request.ground = true;
    request.electrode = SwElectrode(swElectrodeSpinBox->value());
    sendSw(request);
}

void woxEngineerWidget::onAll()
{
    woxSwRequest request;
    request.device = SwDevice(swDeviceComboBox->currentIndex());
    request.all = true;
    sendSw(request);
}

void woxEngineerWidget::onPhantom()
{
    woxSwRequest request;
    request.device = SwDevice(swDeviceComboBox->currentIndex());
    request.phantom = true;
    sendSw(request);
}

void woxEngineerWidget::onReportSwAux(const woxCoreReportSwAux report)
{
    if (report.error.code != 0)
        woxWarningDialog::showOk(report.error.toString());
}

// ---------------------------------------------------------------- calibration

void woxEngineerWidget::onCalibrate()
{
    woxCalibrateRequest request;
    request.samples = quint16(calibrateSamplesSpinBox->value());
    core->calibrate(request);
}

void woxEngineerWidget::onDefault()
{
    woxCalibrateRequest request;
    request.restoreDefaults = 1;
    core->calibrate(request);
}

void woxEngineerWidget::onReportCalibrate(const woxCoreReportCalibrate report)
{
    woxWarningDialog::showOk(report.error.code != 0 ? report.error.toString()
                                                    : QStringLiteral("Success"));
}

// ---------------------------------------------------------------- receiver stress

void woxEngineerWidget::sendStress(const woxStressRequest &request, StressAsker asker)
{
    stressAskers.append(asker);
    core->rxStress(request);
}

void woxEngineerWidget::stopStressRuns()
{
    stressRunning = false;
}

void woxEngineerWidget::onStressRxStart()
{
    stressRunning = true;
    stressRxStatusLabel->clear();
    woxStressRequest request;
    request.device = woxEngineerAddresses::stressReceiver(stressRxChannelSpinBox->value());
    request.samples = quint16(stressRxSamplesSpinBox->value());
    request.pause = stressRxPauseSpinBox->value();
    sendStress(request, StressRun);
}

void woxEngineerWidget::onReportRxStress(const woxCoreReportRxStress report)
{
    // An answer nobody on this screen asked for is shown on the stress page
    // but never starts a run.
    const StressAsker asker = stressAskers.isEmpty() ? StressRun : stressAskers.takeFirst();
    QLabel *label = asker == PingRun ? miscPingLabel : stressRxStatusLabel;
    if (report.error.code != 0) {
        if (asker == StressRun)
            stopStressRuns();
        woxWarningDialog::showOk(report.error.toString());
        label->setText(QStringLiteral("N/A"));
        return;
    }
    label->setText(report.text);
    if (asker == PingRun)
        return;
    if (stressRunning && report.text == QLatin1String("OK"))
        onStressRxStart();
    else
        stopStressRuns();
}

// ---------------------------------------------------------------- misc

void woxEngineerWidget::onSoundAlert()
{
    core->playSound(quint8(miscSoundSampleSpinBox->value()));
}

void woxEngineerWidget::onTimeSet()
{
    woxClockRequest request;
    request.set = true;
    // Month or day 0 make no date; the request then carries a null one.
    const QDate date(miscYearSpinBox->value(), miscMonthSpinBox->value(), miscDaySpinBox->value());
    request.date = date.isValid() ? date : QDate();
    request.time = QTime(miscHourSpinBox->value(), miscMinuteSpinBox->value(),
                         miscSecondSpinBox->value(), 0);
    core->clock(request);
}

void woxEngineerWidget::onTimeGet()
{
    core->clock(woxClockRequest());
}

void woxEngineerWidget::onStartGPS()
{
    // Stop GPS destroyed the fix holder: asking for it builds it again.
    woxGPSManager::instance();
    connect(&gpsTimer, &QTimer::timeout, this, &woxEngineerWidget::onGPSTimer,
            Qt::UniqueConnection);
    gpsTimer.start(1000);
}

void woxEngineerWidget::onStopGPS()
{
    gpsTimer.stop();
    disconnect(&gpsTimer, &QTimer::timeout, this, &woxEngineerWidget::onGPSTimer);
    woxGPSManager::destroy();
    miscListWidget->clear();
}

void woxEngineerWidget::onGPSTimer()
{
    // Asked anew on every tick: Stop GPS destroys the holder.
    const QString line = woxEngineerReadouts::gpsLine(woxGPSManager::instance()->fix());
    if (miscListWidget->count() == 10)
        miscListWidget->clear();
    miscListWidget->addItem(line);
}

void woxEngineerWidget::onPanic()
{
    stopStressRuns();
    core->stopAll(0);
}

void woxEngineerWidget::onPing()
{
    woxStressRequest request;
    request.device = woxAddress(miscPingDeviceSpinBox->value());
    request.pause = miscPingMsSpinBox->value();
    sendStress(request, PingRun);
    miscPingLabel->clear();
}

void woxEngineerWidget::onReportClock(const woxCoreReportClock report)
{
    if (report.error.code != 0) {
        woxWarningDialog::showOk(report.error.toString());
        return;
    }
    if (report.set)
        return;
    // Each spin box clamps a value outside its range to its nearest end.
    miscYearSpinBox->setValue(report.date.year());
    miscMonthSpinBox->setValue(report.date.month());
    miscDaySpinBox->setValue(report.date.day());
    miscHourSpinBox->setValue(report.time.hour());
    miscMinuteSpinBox->setValue(report.time.minute());
    miscSecondSpinBox->setValue(report.time.second());
}

// ---------------------------------------------------------------- signal, VES, ET2D

void woxEngineerWidget::onSetQuadripole()
{
    woxQuadripole quadripole;
    quadripole.a = woxElectrode(signalASpinBox->value());
    quadripole.b = woxElectrode(signalBSpinBox->value());
    quadripole.m = woxElectrode(signalMSpinBox->value());
    quadripole.n = woxElectrode(signalNSpinBox->value());
    signalWidget.setQuadripole(quadripole);
    // Accept in the signal window closes (hides) it; a new quadripole brings it back.
    signalWidget.show();
}

void woxEngineerWidget::onVes()
{
    vesListWidget->clear();
    core->measureVES(woxOptionsWidget::measurementSettings());
}

void woxEngineerWidget::onReportVES(const woxCoreReportVES report)
{
    if (report.error.code != 0) {
        woxWarningDialog::showOk(report.error.toString());
        return;
    }
    vesListWidget->addItems(woxEngineerReadouts::vesLines(report.result));
}

void woxEngineerWidget::onET2D()
{
    woxET2DRequest request;
    request.options = woxOptionsWidget::measurementSettings();
    woxCoreQuadripole quadripole;
    quadripole.a = 0;
    quadripole.b = 1;
    quadripole.m = 1;
    quadripole.n = 0;
    quadripole.channel = 0;
    request.quadripoles.append(quadripole);
    et2dInListWidget->clear();
    for (const woxCoreQuadripole &sent : qAsConst(request.quadripoles))
        et2dInListWidget->addItem(woxEngineerReadouts::quadripoleLine(sent));
    core->measureET2D(request);
}

void woxEngineerWidget::onReportET2D(const woxCoreReportET2D report)
{
    et2dOutListWidget->clear();
    if (report.error.code != 0) {
        woxWarningDialog::showOk(report.error.toString());
        return;
    }
    for (const woxMeasureResult &result : report.results)
        et2dOutListWidget->addItem(woxEngineerReadouts::et2dLine(result));
}
