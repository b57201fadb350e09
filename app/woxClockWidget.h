#ifndef WOXCLOCKWIDGET_H
#define WOXCLOCKWIDGET_H

#include "ui_mClockWidget.h"

#include "woxClockRequest.h"
#include "woxCoreReportClock.h"

#include <QDate>
#include <QTime>
#include <QWidget>

#include <functional>

// The clock screen of the system menu. It reads the instrument clock on
// opening, lets the operator step year, month, day, hour and minute on a
// copy, and sends the copy to the instrument only when the screen closes
// after at least one step.
class woxClockWidget : public QWidget, public Ui::mClockWidget
{
    Q_OBJECT

public:
    explicit woxClockWidget(QWidget *parent = nullptr);

    enum Field { Year, Month, Day, Hour, Minute };

    // One step of a field (direction +1 or -1). Calendar steps keep the day
    // unless the target month is shorter, then take its last day; hour and
    // minute steps wrap around midnight on the same day.
    static void step(QDate &date, QTime &time, Field field, int direction);

    // Where the screens' clock requests go: the instrument core unless
    // another receiver is installed (tests record them); an empty one
    // restores the core.
    typedef std::function<void(const woxClockRequest &)> RequestSink;
    static void setRequestSink(const RequestSink &sink);

signals:
    // Last step of the close handling; the owner disposes of the screen on it.
    void sendClockWidgetClose();

public slots:
    void onTranslate();
    void closeEvent(QCloseEvent *event) override;
    void onYearP();
    void onYearM();
    void onMonthP();
    void onMonthM();
    void onDayP();
    void onDayM();
    void onHourP();
    void onHourM();
    void onMinP();
    void onMinM();
    void onCoreReportClock(const woxCoreReportClock coreReportClock);

private:
    static void requestClock(const woxClockRequest &request);

    void stepAndShow(Field field, int direction);
    void refresh();

    // The edited copy; it does not run on while the screen is open.
    QDate editedDate;
    QTime editedTime;
    bool changed;
};

#endif
