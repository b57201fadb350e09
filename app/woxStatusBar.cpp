#include "woxStatusBar.h"

#include "woxCommandRunner.h"
#include "woxCore.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

bool woxStatusBar::firstClockReport = true;

namespace {

// "date" is started, never waited for: a slow one cannot hold the screen.
// Past this limit a hung one is killed.
const int dateTimeoutMs = 5000;

// Battery icon index for the volts: 0 full ... 5 empty; not a number is empty.
int batteryLevel(float volts)
{
    if (volts >= 12.2f)
        return 0;
    if (volts >= 11.6f)
        return 1;
    if (volts >= 11.4f)
        return 2;
    if (volts >= 11.0f)
        return 3;
    if (volts >= 1.0f)
        return 4;
    return 5;
}

// Moisture icon index for the percent: 0 wet ... 3 dry.
int moistureLevel(float percent)
{
    if (percent > 66.6f)
        return 0;
    if (percent > 33.3f)
        return 1;
    if (percent > 0.0f)
        return 2;
    return 3;
}

} // namespace

woxStatusBar::woxStatusBar(QWidget *parent)
    : QWidget(parent)
    , sensorTimer(this)
    , messageTimer(this)
{
    setupUi(this);
    // Named so the poll and the message clear can be found and checked.
    sensorTimer.setObjectName(QStringLiteral("sensorTimer"));
    messageTimer.setObjectName(QStringLiteral("messageTimer"));
    for (QLabel *label : {intBatVoltageLabel, extBatVoltageLabel, moistureLabel}) {
        label->clear();
        label->setMinimumWidth(65);
    }
    messageTimer.setSingleShot(true);
    for (const char *level : {"100", "80", "60", "40", "20", "0"})
        batteryPixmaps.append(QPixmap(QStringLiteral(":/icons/icons/battery.%1.png").arg(level)));
    for (int level = 3; level >= 0; --level)
        moisturePixmaps.append(QPixmap(QStringLiteral(":/icons/icons/moisture.%1.png").arg(level)));

    core = woxCore::instance();
    connect(core, &woxCore::sendReportSensor, this, &woxStatusBar::onReportSensor);
    connect(core, &woxCore::sendReportClock, this, &woxStatusBar::onReportClock);
    connect(&messageTimer, &QTimer::timeout, this, &woxStatusBar::onUserMessageTimeout);
    connect(&sensorTimer, &QTimer::timeout, this, &woxStatusBar::onSensorTimeout);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxStatusBar::onTranslate);
    core->clock(woxClockRequest());
    onTranslate();
}

void woxStatusBar::onTranslate()
{
    _mLabel->setText(tr("Moisture:"));
    _eLabel->setText(tr("Ext. battery:"));
    _iLabel->setText(tr("Int. battery:"));
}

void woxStatusBar::onReportClock(const woxCoreReportClock report)
{
    if (report.error.code != 0)
        return;
    sensorTimer.start(sensorInterval);
    // A set answers with no date or time: there is nothing to copy to the
    // computer's clock and nothing to judge.
    if (!report.date.isValid() || !report.time.isValid())
        return;
    setComputerClock(report.date, report.time);
    // Cleared before the warning: another clock report handled while the
    // warning waits for the operator must not warn a second time.
    const bool first = firstClockReport;
    firstClockReport = false;
    if (first && report.date.year() < 2013)
        woxWarningDialog::showOk(tr("System time seems to be invalid"));
}

void woxStatusBar::setComputerClock(const QDate &date, const QTime &time)
{
    // Seconds are kept: a clock set to the minute would run up to a minute
    // behind and step backwards at every report.
    const QString stamp = QStringLiteral("%1-%2-%3 %4:%5:%6")
                              .arg(date.year())
                              .arg(date.month())
                              .arg(date.day())
                              .arg(time.hour())
                              .arg(time.minute())
                              .arg(time.second());
    // Whether the command starts or succeeds is not reported.
    woxCommandRunner::instance()->start(QStringLiteral("date"), {QStringLiteral("-s"), stamp},
                                        dateTimeoutMs);
}

void woxStatusBar::onSensorTimeout()
{
    if (!core) {
        sensorTimer.stop();
        return;
    }
    // Starts the sensor job only while the core is idle; a busy core skips
    // the tick, so the poll never waits behind a measurement.
    core->readSensors(0);
}

void woxStatusBar::onReportSensor(const woxCoreReportSensor report)
{
    const float internalVolts = report.values.value(1, 0.0f) / 1000.0f;
    const float externalVolts = report.values.value(2, 0.0f) / 1000.0f;
    showBattery(intBatVoltageLabel, intBatIconLabel, internalVolts);
    showBattery(extBatVoltageLabel, extBatIconLabel, externalVolts);
    showMoisture(report.values.value(3, 0.0f));
}

void woxStatusBar::showBattery(QLabel *valueLabel, QLabel *iconLabel, float volts)
{
    if (volts >= 1.0f) {
        valueLabel->setText(QStringLiteral("<font color=blue>%1</font> %2")
                                .arg(QString::number(double(volts), 'f', 1), tr("V")));
    } else {
        valueLabel->clear();
    }
    iconLabel->setPixmap(batteryPixmaps.value(batteryLevel(volts)));
}

void woxStatusBar::showMoisture(float percent)
{
    if (percent >= 0.05f) {
        moistureLabel->setText(QStringLiteral("<font color=blue>%1</font> %")
                                   .arg(QString::number(double(percent), 'f', 0)));
    } else {
        moistureLabel->clear();
    }
    moistureIconLabel->setPixmap(moisturePixmaps.value(moistureLevel(percent)));
}

void woxStatusBar::onUserMessage(const QString &text)
{
    statusLabel->setText(text);
    messageTimer.start(messageTimeout);
}

void woxStatusBar::onUserMessageForever(const QString &text)
{
    statusLabel->setText(text);
}

void woxStatusBar::onUserMessageTimeout()
{
    statusLabel->clear();
}
