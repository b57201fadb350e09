#include "woxEngineerWidget.h"

#include "woxClock.h"
#include "woxCommandRunner.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxDiagnostic.h"
#include "woxFileSaver.h"
#include "woxGPSManager.h"
#include "woxNetworkAddresses.h"
#include "woxPasswordDialog.h"
#include "woxProductionTests.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString playIcon = QStringLiteral(":/icons/icons/play.png");
const int externalProgramTimeoutMs = 30000;

// A style sheet from the resources, or empty when it is not there.
QString styleSheet(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void applyStyleSheet(QWidget *widget, const QString &path)
{
    const QString sheet = styleSheet(path);
    if (!sheet.isEmpty())
        widget->setStyleSheet(sheet);
}

} // namespace

woxEngineerWidget::woxEngineerWidget(int level, QWidget *parent)
    : QWidget(parent), core(nullptr), gpsManager(nullptr), proLogs(woxProductionTests::Count)
{
    // The fix holder exists while the screen is open; closing destroys it.
    woxGPSManager::instance();
    setupUi(this);
    applyStyleSheet(proScrollArea, QStringLiteral(":/system/system/vScrollBar.qss"));
    removePages(level);
    QFont samplesFont = rxSamplesTextEdit->font();
    samplesFont.setPointSize(8);
    rxSamplesTextEdit->setFont(samplesFont);
    core = woxCore::instance();
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate,
            this, &woxEngineerWidget::onTranslate);
    proButtons = {proToolButton00, proToolButton01, proToolButton02, proToolButton03, proToolButton04, proToolButton05, proToolButton06, proToolButton07, proToolButton08, proToolButton09, proToolButton10, proToolButton11, proToolButton12, proToolButton13, proToolButton14, proToolButton15, proToolButton16, proToolButton17, proToolButton18, proToolButton19, proToolButton20, proToolButton21};
    proNames = woxProductionTests::names();
    proInstructions = woxProductionTests::instructions();
    connectProduction();
    connect(core, &woxCore::sendReportSwAux, this, &woxEngineerWidget::onReportSwAux);
    connect(core, &woxCore::sendReportCalibrate, this, &woxEngineerWidget::onReportCalibrate);
    repeatTimer.setSingleShot(true);
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
    const auto write = [&html](QDataStream &stream) {
        if (stream.writeRawData(html.constData(), html.size()) != html.size())
            stream.setStatus(QDataStream::WriteFailed);
    };
    return woxFileSaver::save(systemDir + QStringLiteral("engineer.html"), write)
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
}

void woxEngineerWidget::onProStop()
{
    core->stop();
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
    runner->run(QStringLiteral("usb_start"), QStringList(), externalProgramTimeoutMs);
    const bool appeared = woxWarningDialog::askYesNo(tr("Did USB drive appear?")) == 1;
    runner->run(QStringLiteral("usb_stop"), QStringList(), externalProgramTimeoutMs);
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
    applyStyleSheet(browser->verticalScrollBar(), QStringLiteral(":/system/system/vScrollBar.qss"));
    applyStyleSheet(browser->horizontalScrollBar(), QStringLiteral(":/system/system/hScrollBar.qss"));
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

// ---------------------------------------------------------------- answers

void woxEngineerWidget::onReportSwAux(const woxCoreReportSwAux report)
{
    if (report.error.code != 0)
        woxWarningDialog::showOk(report.error.toString());
}

void woxEngineerWidget::onReportCalibrate(const woxCoreReportCalibrate report)
{
    woxWarningDialog::showOk(report.error.code != 0 ? report.error.toString()
                                                    : QStringLiteral("Success"));
}

// ---------------------------------------------------------------- GPS readout

void woxEngineerWidget::onStopGPS()
{
    gpsTimer.stop();
    QObject::disconnect(&gpsTimer, &QTimer::timeout, this, nullptr);
    woxGPSManager::destroy();
    gpsManager = nullptr;
    miscListWidget->clear();
}
