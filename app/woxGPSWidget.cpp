#include "woxGPSWidget.h"

#include "woxGPSManager.h"
#include "woxTranslator.h"

#include <QCloseEvent>

woxGPSWidget::woxGPSWidget(QWidget *parent)
    : QWidget(parent)
    , timer(this)
{
    setupUi(this);
    // Named so that the refresh period can be found and checked.
    timer.setObjectName(QStringLiteral("refreshTimer"));
    connect(&timer, &QTimer::timeout, this, &woxGPSWidget::onAuxTimeout);
    onAuxTimeout();
    timer.start(refreshInterval);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxGPSWidget::onTranslate);
    onTranslate();
}

void woxGPSWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    _latLabel->setText(tr("Latitude:"));
    _lonLabel->setText(tr("Longitude:"));
    _qualityLabel->setText(tr("Quality:"));
    _timeLabel->setText(tr("Time:"));
    _dateLabel->setText(tr("Date:"));
}

void woxGPSWidget::onAuxTimeout()
{
    const woxGPSFix fix = woxGPSManager::instance()->fix();
    if (!fix.valid) {
        for (QLabel *label : {latitudeLabel, longitudeLabel, qualityLabel, timeLabel, dateLabel})
            label->setText(tr("N/A"));
        return;
    }
    latitudeLabel->setText(QStringLiteral("%1").arg(double(fix.latitude), 0, 'g', 6));
    longitudeLabel->setText(QStringLiteral("%1").arg(double(fix.longitude), 0, 'g', 6));
    qualityLabel->setText(fix.highQuality ? tr("high") : tr("low"));
    timeLabel->setText(fix.time.toString(Qt::TextDate));
    dateLabel->setText(fix.date.toString(Qt::TextDate));
}

void woxGPSWidget::closeEvent(QCloseEvent *event)
{
    // The owner may dispose of the screen here: nothing of it is touched after.
    emit sendGPSWidgetClose();
    event->accept();
}
