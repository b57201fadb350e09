#include "woxClockWidget.h"

#include "woxClock.h"
#include "woxCore.h"
#include "woxTranslator.h"

#include <QCloseEvent>

woxClockWidget::woxClockWidget(QWidget *parent)
    : QWidget(parent)
    , changed(false)
{
    const QDateTime now = woxClock::instance()->now();
    editedDate = now.date();
    editedTime = now.time();
    setupUi(this);

    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxClockWidget::onTranslate);
    connect(yearPPushButton, &QPushButton::clicked, this, &woxClockWidget::onYearP);
    connect(yearMPushButton, &QPushButton::clicked, this, &woxClockWidget::onYearM);
    connect(monthPPushButton, &QPushButton::clicked, this, &woxClockWidget::onMonthP);
    connect(monthMPushButton, &QPushButton::clicked, this, &woxClockWidget::onMonthM);
    connect(dayPPushButton, &QPushButton::clicked, this, &woxClockWidget::onDayP);
    connect(dayMPushButton, &QPushButton::clicked, this, &woxClockWidget::onDayM);
    connect(hourPPushButton, &QPushButton::clicked, this, &woxClockWidget::onHourP);
    connect(hourMPushButton, &QPushButton::clicked, this, &woxClockWidget::onHourM);
    connect(minPPushButton, &QPushButton::clicked, this, &woxClockWidget::onMinP);
    connect(minMPushButton, &QPushButton::clicked, this, &woxClockWidget::onMinM);
    connect(woxCore::instance(), &woxCore::sendReportClock, this,
            &woxClockWidget::onCoreReportClock);

    requestClock(woxClockRequest());
    onTranslate();
}

namespace {
woxClockWidget::RequestSink requestSink;
}

void woxClockWidget::setRequestSink(const RequestSink &sink)
{
    requestSink = sink;
}

void woxClockWidget::requestClock(const woxClockRequest &request)
{
    if (requestSink)
        requestSink(request);
    else
        woxCore::instance()->clock(request);
}

void woxClockWidget::step(QDate &date, QTime &time, Field field, int direction)
{
    switch (field) {
    case Year: date = date.addYears(direction); break;
    case Month: date = date.addMonths(direction); break;
    case Day: date = date.addDays(direction); break;
    // QTime wraps around midnight and leaves the date alone.
    case Hour: time = time.addSecs(3600 * direction); break;
    case Minute: time = time.addSecs(60 * direction); break;
    }
}

void woxClockWidget::stepAndShow(Field field, int direction)
{
    step(editedDate, editedTime, field, direction);
    refresh();
    changed = true;
}

void woxClockWidget::refresh()
{
    yearLabel->setText(QString::number(editedDate.year()));
    monthLabel->setText(QString::number(editedDate.month()));
    dayLabel->setText(QString::number(editedDate.day()));
    hourLabel->setText(QString::number(editedTime.hour()));
    minLabel->setText(QString::number(editedTime.minute()));
}

void woxClockWidget::onTranslate()
{
    acceptPushButton->setText(tr("Accept"));
    clockGroupBox->setTitle(tr("Clock"));
    _yearLabel->setText(tr("Year"));
    _monthLabel->setText(tr("Month"));
    _dayLabel->setText(tr("Day"));
    _hourLabel->setText(tr("Hour"));
    _minLabel->setText(tr("Min"));
}

void woxClockWidget::onYearP() { stepAndShow(Year, 1); }
void woxClockWidget::onYearM() { stepAndShow(Year, -1); }
void woxClockWidget::onMonthP() { stepAndShow(Month, 1); }
void woxClockWidget::onMonthM() { stepAndShow(Month, -1); }
void woxClockWidget::onDayP() { stepAndShow(Day, 1); }
void woxClockWidget::onDayM() { stepAndShow(Day, -1); }
void woxClockWidget::onHourP() { stepAndShow(Hour, 1); }
void woxClockWidget::onHourM() { stepAndShow(Hour, -1); }
void woxClockWidget::onMinP() { stepAndShow(Minute, 1); }
void woxClockWidget::onMinM() { stepAndShow(Minute, -1); }

void woxClockWidget::onCoreReportClock(const woxCoreReportClock coreReportClock)
{
    // The answer to a set request (this screen's or an earlier one's) carries
    // no date and time: taking it would show and step from a null value.
    if (coreReportClock.error.code != 0 || !coreReportClock.date.isValid()
        || !coreReportClock.time.isValid())
        return;
    editedDate = coreReportClock.date;
    editedTime = coreReportClock.time;
    refresh();
}

void woxClockWidget::closeEvent(QCloseEvent *event)
{
    if (changed) {
        woxClockRequest request;
        request.set = true;
        request.date = editedDate;
        request.time = editedTime;
        requestClock(request);
    }
    // The owner may dispose of the screen here: nothing of it is touched after.
    emit sendClockWidgetClose();
    event->accept();
}
