#include "woxClockWidget.h"
#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDeviceTableWidget.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxFreshStart.h"
#include "woxGPSManager.h"
#include "woxGPSWidget.h"
#include "woxKeyboardDialog.h"
#include "woxLanguageWidget.h"
#include "woxModalScript.h"
#include "woxReleaseWidget.h"
#include "woxSavePicture.h"
#include "woxScreenState.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

struct woxEventCounter : QObject {   // counts the events of one type that reach a widget
    woxEventCounter(QObject *watched, QEvent::Type type) : type(type) { watched->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { count += event->type() == type; return false; }
    QEvent::Type type;
    int count = 0;
};
// Stands in for the engineer screen, which lives in a library above the menu.
class tst_engineerScreen : public QWidget
{
    Q_OBJECT
signals:
    void sendEngineerWidgetClose();
protected:
    void closeEvent(QCloseEvent *event) override
    {
        emit sendEngineerWidgetClose();
        event->accept();
    }
};
// Records each program with the message the shared dialog shows meanwhile.
struct tst_usbRunner : woxFakeCommandRunner {
    QStringList log;
    woxCommandResult run(const QString &program, const QStringList &arguments, int timeoutMs) override
    {
        const woxWarningDialog *dialog = woxWarningDialog::existingInstance();
        log << QString("%1%2 %3 [%4]").arg(program, arguments.join(' ')).arg(timeoutMs)
                   .arg(dialog && dialog->isVisible() ? dialog->messageLabel->text() : "");
        return woxFakeCommandRunner::run(program, arguments, timeoutMs);
    }
};
// The SYSTEM page and the screens its buttons open, the status bar, the message dialog and the keyboard.
class tst_systemwidget : public QObject
{
    Q_OBJECT
    woxCoreDouble core;
    woxFakeCommandRunner runner;
    woxSystemWidget menu;

    QString page()   // the buttons hidden, and the margin of the page's layout
    {
        int hidden = 0;
        for (const QToolButton *button : menu.findChildren<QToolButton *>())
            hidden += button->isHidden();
        return QString("%1 hidden, margin %2").arg(hidden).arg(menu.verticalLayout->contentsMargins().left());
    }
    template <class Screen> Screen *open(QToolButton *button)   // the screen it opens, the one closed before gone
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        button->click();
        QLayoutItem *item = menu.verticalLayout->itemAt(3);
        return qobject_cast<Screen *>(item ? item->widget() : nullptr);
    }
private slots:
    // Each function starts with no files or settings, the process's values as at a start (no measurement running), no
    // engineer opener, English texts, no fix and no dialog.
    void init()
    {
        woxTestEnvironment::reset();
        woxFreshStart::resetProcessValues();
        menu.setEngineerOpener(nullptr);
        woxTranslator::instance()->setLanguage("Uk");
        woxGPSManager::instance()->setFix(woxGPSFix());
        woxWarningDialog::closeInstance();
        runner.calls.clear();
        core.take();
    }
    // A screen takes the place of all nine buttons, without margin, and gives it back when it closes; it is disposed
    // of only after its own close handling is over.
    void cleanup()
    {
        QLayoutItem *item = menu.verticalLayout->itemAt(3);
        QPointer<QWidget> screen = item ? item->widget() : nullptr;
        if (screen && !screen->isHidden())
            QVERIFY((page() == "9 hidden, margin 0" && screen->close() && screen));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(page() + (screen ? " screen left" : ""), QString("0 hidden, margin 6"));
        core.take();
        woxWarningDialog::closeInstance();
        woxSystemWidget::setActivity(false);
        qunsetenv("TZ");
    }
    // First: the warning belongs to the run's first dated clock report. Per report: poll period, commands, requests. A
    // failed read does nothing; a date without a time and a set answer (no date) only restart the poll; a report handled
    // while the warning is open, and a later one, set the clock (seconds kept, not waited for) but do not warn. A timed
    // message clears 20 s after the last one; a lasting one stays, not past a pending clear. Readings: "reading value |
    // [value in blue] unit, icon"; 1 is the internal battery in mV, 2 the external, 3 the moisture in %.
    void statusBar()
    {
        woxStatusBar bar;
        QTimer *poll = bar.findChild<QTimer *>("sensorTimer"), *clear = bar.findChild<QTimer *>("messageTimer");
        QVERIFY2(poll && clear, "sensorTimer, messageTimer");
        woxModalScript script;
        script.then([&bar](QDialog *d) { bar.onReportClock({{}, false, {2012, 12, 31}, {10, 0}}), d->accept(); });
        QStringList shown;
        for (const woxCoreReportClock &report : {woxCoreReportClock{{13, 0}, false, {2012, 5, 1}, {9, 5, 2}},
                 {{}, false, {2012, 5, 1}, {}}, {{}, true, {}, {}}, {{}, false, {2012, 12, 31}, {9, 5, 2}},
                 {{}, false, {2013, 1, 1}, {0, 0, 59}}}) {
            core.deliver(report);
            shown << QString::number(poll->isActive() ? poll->interval() : 0);
            for (const auto &call : runner.calls)
                shown.last() += (call.waited ? " waited " : " ") + call.program + " " + call.arguments.join(' ');
            shown.last() += " | " + core.takeLines().join(',');
            runner.calls.clear();
        }
        QVERIFY(QMetaObject::invokeMethod(poll, "timeout"));
        woxUserMessage *source = woxUserMessage::instance();
        connect(source, &woxUserMessage::sendUserMessage, &bar, &woxStatusBar::onUserMessage);
        connect(source, &woxUserMessage::sendUserMessageForever, &bar, &woxStatusBar::onUserMessageForever);
        for (const char *text : {"+lasting", "timed", "+kept", ""}) {   // '+': lasting; "": the clear is due
            *text == '+' ? source->messageForever(text + 1)
                         : *text ? source->message(text) : (void)QMetaObject::invokeMethod(clear, "timeout");
            shown << bar.statusLabel->text() + QString(" %1").arg(clear->isActive() ? clear->interval() : 0);
        }
        QCOMPARE(shown << core.takeLines() << script.seen << QString::number(clear->isSingleShot()),
                 QStringList({"0 | Clock 0  ", "1000 | ", "1000 | ",
                              "1000 date -s 2012-12-31 9:5:2 date -s 2012-12-31 10:0:0 | ",
                              "1000 date -s 2013-1-1 0:0:59 | ", "lasting 0", "timed 20000", "kept 20000", " 20000",
                              "Sensor", "woxWarningDialog: System time seems to be invalid", "1"}));
        for (const QString row : {"1 12200 | [12.2] V battery.100", "2 12190 | [12.2] V battery.80",
                 "1 11600 | [11.6] V battery.80", "2 11400 | [11.4] V battery.60", "1 11000 | [11.0] V battery.40",
                 "2 1000 | [1.0] V battery.20", "1 999 |  battery.0", "2 nan |  battery.0", "3 70 | [70] % moisture.3",
                 "3 66.6 | [67] % moisture.2", "3 33.3 | [33] % moisture.1", "3 0.05 | [0] % moisture.1",
                 "3 0.03 |  moisture.1", "3 0 |  moisture.0"}) {
            core.deliver(woxCoreReportSensor{{}, {{woxAddress(row[0].digitValue()), row.section(' ', 1, 1).toFloat()}}});
            const QString name = QStringList({"intBatVoltage", "extBatVoltage", "moisture"})[row[0].digitValue() - 1];
            const QString icon = row.section(' ', -1);
            const QLabel *value = bar.findChild<QLabel *>(name + "Label"),
                         *picture = bar.findChild<QLabel *>(QString(name).remove("Voltage") + "IconLabel");
            QVERIFY2(value && picture, qPrintable(name));
            const bool same = picture->pixmap(Qt::ReturnByValue).toImage()
                              == QPixmap(":/icons/icons/" + icon + ".png").toImage();
            QCOMPARE(row.section(" | ", 0, 0) + " | " + value->text().replace("<font color=blue>", "[").replace(
                         "</font>", "]") + " " + (same ? icon : "other"), row);
        }
        // A failed report without readings empties what a full one showed.
        core.deliver(woxCoreReportSensor{{}, {{1, 12500.f}, {2, 12500.f}, {3, 50.f}}});
        core.deliver(woxCoreReportSensor{{5, 1}, {}});
        QString empty;
        for (const char *label : {"intBat", "extBat", "moisture"}) {
            const QString icon = QString(label) == "moisture" ? "moisture.0" : "battery.0";
            const QLabel *value = bar.findChild<QLabel *>(label + QString(*label == 'm' ? "Label" : "VoltageLabel")),
                         *picture = bar.findChild<QLabel *>(label + QString("IconLabel"));
            QVERIFY2(value && picture, label);
            empty += value->text() + "|" + (picture->pixmap(Qt::ReturnByValue).toImage()
                                            == QPixmap(":/icons/icons/" + icon + ".png").toImage() ? icon : "other") + " ";
        }
        QCOMPARE(empty, QString("|battery.0 |battery.0 |moisture.0 "));
    }
    // Enter refuses an empty name and a hidden one, in the shared dialog, raised over the keyboard opened after it, as
    // is a notice after them; a blank is a name. Shift changes what keys type until pressed again; the timestamp goes in
    // at the cursor.
    void keyboard()
    {
        woxFakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(19, 43, 32)));
        woxModalScript script;
        script.answer(1);
        woxWarningDialog::showOk("first");
        woxKeyboardDialog keyboard("");
        keyboard.show();
        QStringList accepted;
        connect(&keyboard, &QDialog::accepted, [&] { accepted << keyboard.fileName(); });
        woxEventCounter raised(woxWarningDialog::existingInstance(), QEvent::ZOrderChange);
        for (const char *key : {"enterB", "dotB", "aB", "enterB", "clearB", "n8B", "shiftB", "n8B", "n7B", "dotB", "qB",
                                "shiftB", "dotB", "apB", "equalB", "backspaceB", "spaceB", "timeB", "enterB", "clearB",
                                "spaceB", "enterB"}) {
            script.then([&](QDialog *dialog) { accepted << QString::number(raised.count); dialog->accept(); });
            QPushButton *button = keyboard.findChild<QPushButton *>(key);
            QLineEdit *line = keyboard.findChild<QLineEdit *>("lineEdit");
            QVERIFY2(button && line, key);
            button->click();
            if (QString(key) == "spaceB" && accepted.size() == 2)
                line->setCursorPosition(1);
        }
        woxWarningDialog::showText("Please wait...");
        QCOMPARE(script.seen.join(", ").remove("woxWarningDialog: ") + " | " + accepted.join(" | ") + " | "
                     + QString::number(raised.count), QString("first, File name is empty, File name must not start with "
                                                              "a dot | 1 | 2 | 826.12.05_19.43.32~&,Q.'  |   | 3"));
    }
    // "button activity answer: messages [dialog title and buttons] | commands | power-offs": while something runs, four
    // buttons only say what to stop first. One message dialog serves every question: buttons hidden come back.
    void buttons()
    {
        for (const char *row : {"exitToolButton 1 1: Stop all activities to exit [Attention! OK] | | 0",
                 "engineerToolButton 1 1: Stop all activities to enter engineer mode [Attention! OK] | | 0",
                 "updateToolButton 1 1: Stop all activities to update [Attention! OK] | | 0",
                 "usbToolButton 1 1: Stop all activities to enter USB storage mode [Attention! OK] | | 0",
                 "exitToolButton 0 0: Are you sure you want to exit? [Attention! Yes No] | | 0",
                 "exitToolButton 0 1: Are you sure you want to exit? [Attention! Yes No] | | 1",
                 "usbToolButton 0 1: Press OK to leave USB storage mode [Attention! OK] | usb_start 30000 usb_stop 30000 "
                 "| 0"}) {
            const QStringList head = QString(row).section(':', 0, 0).split(' ');
            QSignalSpy powerOff(&menu, &woxSystemWidget::sendPowerOff);
            woxSystemWidget::setActivity(head[1] == "1");
            woxModalScript script;
            QString shown = head.join(' ') + ":";
            script.then([&](QDialog *dialog) {
                auto *d = static_cast<woxWarningDialog *>(dialog);
                shown += " " + d->messageLabel->text() + " [" + d->windowTitle();
                for (QPushButton *button : {d->okYesPushButton, d->noPushButton, d->cancelPushButton})
                    shown += button->isVisible() ? " " + button->text() : "";
                d->done(head[2].toInt());
            });
            QToolButton *button = menu.findChild<QToolButton *>(head[0]);
            QVERIFY2(button, qPrintable(head[0]));
            button->click();
            shown += (script.seen.size() == 1 ? "] | " : " unexpected] | ");
            for (const auto &call : runner.calls)
                shown += call.program + " " + QString::number(call.timeoutMs) + " ";
            runner.calls.clear();
            QCOMPARE(shown + "| " + QString::number(powerOff.count()) + " " + page(), row + QString(" 0 hidden, margin 6"));
        }
    }
    // "reports and steps | shown | request at close", after the read at opening: R<date-time> is the instrument's
    // clock; a set answer without date and time ("null") and a failed read ("err") leave the edited value alone. Before
    // any report the steps start from the computer's clock: the night the clocks go forward, 1:30 + 1 hour shows 2.
    void clockScreen()
    {
        qputenv("TZ", "Europe/Berlin");
        woxFakeClock clock(QDateTime(QDate(2024, 3, 31), QTime(1, 30)));
        menu.resize(1018, 520);   // its place in the main window's SYSTEM tab
        for (const QString row : {" | //// | ", "hourP | 2024/3/31/2/30 | Clock 1 2024-03-31 02:30:00",
                 "R2024-03-09T07:05:02 minP | 2024/3/9/7/6 | Clock 1 2024-03-09 07:06:02",
                 "R2024-03-31T00:00:30 monthM hourM | 2024/2/29/23/0 | Clock 1 2024-02-29 23:00:30",
                 "R2023-12-31T23:59:00 minP yearP dayP | 2025/1/1/0/0 | Clock 1 2025-01-01 00:00:00",
                 "R2024-01-31T10:20:09 monthP minM yearM null err | 2023/2/28/10/19 | Clock 1 2023-02-28 10:19:09",
                 "dayM R2024-05-06T08:09:10 | 2024/5/6/8/9 | Clock 1 2024-05-06 08:09:10"}) {
            auto *screen = open<woxClockWidget>(menu.clockToolButton);
            QVERIFY2(screen, "woxClockWidget");
            QCOMPARE(core.takeLines(), QStringList("Clock 0  "));
            for (const QString &step : row.section(" | ", 0, 0).split(' ', Qt::SkipEmptyParts)) {
                const auto at = QDateTime::fromString(step == "err" ? "2000-01-01T00:00" : step.mid(1), Qt::ISODate);
                if (step[0] == 'R' || step == "null" || step == "err")
                    core.deliver(woxCoreReportClock{{quint8(step == "err" ? 13 : 0), 0}, step == "null", at.date(),
                                                    at.time()});
                else if (QPushButton *button = screen->findChild<QPushButton *>(step + "PushButton"))
                    button->click();
                else
                    QFAIL(qPrintable(step + "PushButton"));
            }
            QString shown = woxScreenState(screen, "yearLabel monthLabel dayLabel hourLabel minLabel");
            QVERIFY(woxSavePicture(screen, "clock-screen.png"));   // the last row's stays
            screen->acceptPushButton->click();
            shown = shown.remove(QRegularExpression("\\w+Label:")).replace(" | ", "/");
            QCOMPARE(row.section(" | ", 0, 0) + " | " + shown + " | " + core.takeLines().join(','), row);
        }
    }
    // Each tick of the 5-second timer copies the fix; without a valid one all five values read N/A.
    void gpsScreen()
    {
        auto *screen = open<woxGPSWidget>(menu.gpsToolButton);
        QVERIFY2(screen, "woxGPSWidget");
        QTimer *timer = screen->findChild<QTimer *>("refreshTimer");
        QVERIFY2(timer, "refreshTimer");
        QVERIFY(timer->isActive() && !timer->isSingleShot() && timer->interval() == 5000);
        const char *values = "latitudeLabel longitudeLabel qualityLabel timeLabel dateLabel";
        QStringList shown(woxScreenState(screen, values));
        for (const woxGPSFix &fix : {woxGPSFix{true, true, 55.751244f, 37.618423f, {2024, 3, 11}, {7, 5, 2}},
                                     woxGPSFix{true, false, -0.0000123456f, -179.99999f, {2026, 12, 5}, {19, 43, 32}},
                                     woxGPSFix{}}) {
            woxGPSManager::instance()->setFix(fix);
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            shown << woxScreenState(screen, values);
        }
        QCOMPARE(shown.join(" / ").remove(QRegularExpression("\\w+Label:|\\{#0000ff/#efefef\\}")),
                 QString("N/A | N/A | N/A | N/A | N/A / 55.7512 | 37.6184 | high | 07:05:02 | Mon Mar 11 2024 / "
                         "-1.23456e-05 | -180 | low | 19:43:32 | Sat Dec 5 2026 / N/A | N/A | N/A | N/A | N/A"));
    }
    // Opening and Refresh ask the core which devices answer, both buttons waiting for the answer; each report
    // replaces the dots (an empty one clears them), a failed one keeps them and says why.
    void deviceScreen()
    {
        auto *screen = open<woxDeviceTableWidget>(menu.devicesToolButton);
        QVERIFY2(screen, "woxDeviceTableWidget");
        // The dot column keeps its width and the header does not sort; both bars are styled.
        const QHeaderView *header = screen->deviceTableView->horizontalHeader();
        QCOMPARE(QStringList({header->sectionResizeMode(0) == QHeaderView::Fixed ? "fixed" : "resizing",
                              header->sectionsClickable() ? "clickable" : "still",
                              header->styleSheet().isEmpty() ? "plain" : "styled",
                              screen->deviceTableView->verticalScrollBar()->styleSheet().isEmpty() ? "plain" : "styled"}),
                 QStringList({"fixed", "still", "styled", "styled"}));
        woxModalScript script;
        script.answer(1);
        QStringList shown;
        for (const woxCoreReportDiscover &report :
             {woxCoreReportDiscover{{}, {0, 7, 42}}, {{}, {5}}, {{13, 0}, {1}}, {{}, {}}}) {
            shown << core.takeLines().join(',') + " " + woxScreenState(screen, "refreshPushButton closePushButton");
            core.deliver(report);
            shown << woxScreenState(screen, "refreshPushButton closePushButton");
            for (int row = 0; row < 43; ++row)
                shown.last() += screen->deviceTableView->model()->index(row, 0).data(Qt::DecorationRole).isNull()
                    ? "" : " " + QString::number(row);
            screen->refreshPushButton->click();
        }
        const QString asking = "Discover !refreshPushButton:Please wait... | !closePushButton:Close";
        const QString idle = "refreshPushButton:Refresh | closePushButton:Close ";
        QCOMPARE(shown << script.seen, QStringList({asking, idle + "0 7 42", asking, idle + "5", asking, idle + "5",
                                                    asking, idle.trimmed(), "woxWarningDialog: Canceled by user"}));
    }
    // The language screen's flags change the language at once and Accept stores it; the release notes are those of
    // the language shown (the translation of "Uk" names their file), beside the version. The notes' scroll bar is 30
    // pixels wide, and the arrow pictures its style sheet names exist.
    void languageAndReleaseNotes()
    {
        auto *language = open<woxLanguageWidget>(menu.languageToolButton);
        QVERIFY2(language, "woxLanguageWidget");
        language->ruPushButton->click();
        QStringList shown(language->pushButton->text() + " " + language->groupBox->title());
        language->pushButton->click();
        shown << QSettings(settingsOrganisation, "woxTranslator").value("language").toString();
        auto *screen = open<woxReleaseWidget>(menu.releaseToolButton);
        QVERIFY2(screen, "woxReleaseWidget");
        const QScrollBar *bar = screen->textBrowser->verticalScrollBar();
        shown << QString::number(bar->sizeHint().width());
        auto urls = QRegularExpression("url\\((.*)\\)").globalMatch(bar->styleSheet());
        for (; urls.hasNext(); shown.last() += QImage(shown.last()).isNull() ? " missing" : "")
            shown << urls.next().captured(1);
        for (const char *code : {"Ru", "Uk"}) {
            QFile notes(QString(":/release/release/%1.txt").arg(code));
            QVERIFY(notes.open(QIODevice::ReadOnly) && screen->textBrowser->toPlainText() == notes.readAll());
            shown << screen->currentVersionLabel->text().section(':', 1);
            woxTranslator::instance()->setLanguage("Uk");
        }
        QCOMPARE(shown << screen->currentVersionLabel->text(), QStringList({"Принять Язык", "Ru", "30",
                 ":/arrows/arrows/up.png", ":/arrows/arrows/down.png", " 7 (wox_0)", " 7 (wox_0)",
                 "Current version: 7 (wox_0)"}));
    }
    // "instrument clock, steps | shown year/month/day/hour/minute | request at close", the computer's clock ten
    // minutes on meanwhile: each button steps its own field its own way; onto a shorter month a month or year step
    // takes its last day; hours and minutes wrap at midnight and keep the date; seconds are carried along. Closing
    // without a step sends nothing; a step up and down is still a change.
    void clockSteps_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"2024-05-15T10:20:30 yearP | 2025/5/15/10/20 | Clock 1 2025-05-15 10:20:30",
                 "2024-05-15T10:20:30 yearM | 2023/5/15/10/20 | Clock 1 2023-05-15 10:20:30",
                 "2024-05-15T10:20:30 monthP | 2024/6/15/10/20 | Clock 1 2024-06-15 10:20:30",
                 "2024-05-15T10:20:30 monthM | 2024/4/15/10/20 | Clock 1 2024-04-15 10:20:30",
                 "2024-05-15T10:20:30 dayP | 2024/5/16/10/20 | Clock 1 2024-05-16 10:20:30",
                 "2024-05-15T10:20:30 dayM | 2024/5/14/10/20 | Clock 1 2024-05-14 10:20:30",
                 "2024-05-15T10:20:30 hourP | 2024/5/15/11/20 | Clock 1 2024-05-15 11:20:30",
                 "2024-05-15T10:20:30 hourM | 2024/5/15/9/20 | Clock 1 2024-05-15 09:20:30",
                 "2024-05-15T10:20:30 minP | 2024/5/15/10/21 | Clock 1 2024-05-15 10:21:30",
                 "2024-05-15T10:20:30 minM | 2024/5/15/10/19 | Clock 1 2024-05-15 10:19:30",
                 "2024-12-31T23:59:30 minP | 2024/12/31/0/0 | Clock 1 2024-12-31 00:00:30",
                 "2024-06-01T00:00:10 minM | 2024/6/1/23/59 | Clock 1 2024-06-01 23:59:10",
                 "2024-06-01T23:30:00 hourP | 2024/6/1/0/30 | Clock 1 2024-06-01 00:30:00",
                 "2024-06-01T00:10:00 hourM | 2024/6/1/23/10 | Clock 1 2024-06-01 23:10:00",
                 "2024-01-31T09:05:00 monthP | 2024/2/29/9/5 | Clock 1 2024-02-29 09:05:00",
                 "2023-01-31T09:05:00 monthP | 2023/2/28/9/5 | Clock 1 2023-02-28 09:05:00",
                 "2023-03-31T09:05:00 monthM | 2023/2/28/9/5 | Clock 1 2023-02-28 09:05:00",
                 "2024-12-15T09:05:00 monthP | 2025/1/15/9/5 | Clock 1 2025-01-15 09:05:00",
                 "2024-01-15T09:05:00 monthM | 2023/12/15/9/5 | Clock 1 2023-12-15 09:05:00",
                 "2024-02-29T09:05:00 yearP | 2025/2/28/9/5 | Clock 1 2025-02-28 09:05:00",
                 "2024-02-29T09:05:00 yearM | 2023/2/28/9/5 | Clock 1 2023-02-28 09:05:00",
                 "2024-12-31T09:05:00 dayP | 2025/1/1/9/5 | Clock 1 2025-01-01 09:05:00",
                 "2024-03-01T09:05:00 dayM | 2024/2/29/9/5 | Clock 1 2024-02-29 09:05:00",
                 "2024-05-15T10:20:30 dayP dayM | 2024/5/15/10/20 | Clock 1 2024-05-15 10:20:30",
                 "2024-05-15T10:20:30 | 2024/5/15/10/20 | "})
            QTest::newRow(row) << QString(row);
    }
    void clockSteps()
    {
        QFETCH(QString, row);
        const QStringList steps = row.section(" | ", 0, 0).split(' ');
        woxFakeClock clock(QDateTime(QDate(2020, 1, 1), QTime(12, 0)));
        woxClockWidget screen;
        const QDateTime at = QDateTime::fromString(steps[0], Qt::ISODate);
        core.deliver(woxCoreReportClock{{}, false, at.date(), at.time()});
        for (const QString &step : steps.mid(1)) {
            QPushButton *button = screen.findChild<QPushButton *>(step + "PushButton");
            QVERIFY2(button, qPrintable(step + "PushButton"));
            button->click();
        }
        clock.current = clock.current.addSecs(600);
        screen.close();
        QStringList shown;
        for (const QLabel *label :
             {screen.yearLabel, screen.monthLabel, screen.dayLabel, screen.hourLabel, screen.minLabel})
            shown << label->text();
        QCOMPARE(row.section(" | ", 0, 0) + " | " + shown.join('/') + " | " + core.takeLines().mid(1).join(','), row);
    }
    // "button: screen and page | page after its close | requests": while a measurement runs, the screens that change
    // nothing open as usual, twice in a row; Update opens once nothing runs (here its host is no address: it says
    // so at once, without a connection).
    void screensOpen()
    {
        QVERIFY(QDir().mkpath(systemDir));
        QFile host(systemDir + "auxServer");
        // "my host": a 32-bit byte length, then UTF-16 big-endian.
        const QByteArray bytes = QByteArray::fromHex("0000000e006d007900200068006f00730074");
        QVERIFY(host.open(QIODevice::WriteOnly) && host.write(bytes) == bytes.size());
        host.close();
        woxDiagnosticCapture diagnostics;
        for (const char *row : {"languageToolButton: woxLanguageWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "languageToolButton: woxLanguageWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "devicesToolButton: woxDeviceTableWidget 9 hidden, margin 0 | 0 hidden, margin 6 | Discover",
                 "devicesToolButton: woxDeviceTableWidget 9 hidden, margin 0 | 0 hidden, margin 6 | Discover",
                 "clockToolButton: woxClockWidget 9 hidden, margin 0 | 0 hidden, margin 6 | Clock 0",
                 "clockToolButton: woxClockWidget 9 hidden, margin 0 | 0 hidden, margin 6 | Clock 0",
                 "releaseToolButton: woxReleaseWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "releaseToolButton: woxReleaseWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "gpsToolButton: woxGPSWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "gpsToolButton: woxGPSWidget 9 hidden, margin 0 | 0 hidden, margin 6 | ",
                 "updateToolButton: woxUpdateWidget 9 hidden, margin 0 | 0 hidden, margin 6 | System error"}) {
            const QString name = QString(row).section(':', 0, 0);
            woxSystemWidget::setActivity(!name.startsWith("update"));
            QToolButton *button = menu.findChild<QToolButton *>(name);
            QVERIFY2(button, qPrintable(name));
            QPointer<QWidget> screen = open<QWidget>(button);
            QString shown = name + ": " + (screen ? screen->metaObject()->className() : "none") + " " + page();
            auto *update = qobject_cast<woxUpdateWidget *>(screen);
            const QString said = update ? update->messageLabel->text() : QString();
            if (screen && !screen->close())
                shown += " refused";
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            shown += " | " + page() + " | " + (core.takeLines().join(',') + said).simplified();
            QCOMPARE(shown + (screen ? " left" : ""), QString(row));
        }
        QVERIFY(QFile::remove(host.fileName()));
        QCOMPARE(diagnostics.lines(), QStringList("woxUpdateWidget error: downloadFile url is invalid"));
    }
    // The opener runs the keypad, and nothing is its Cancel; no keypad while an engineer screen is shown; a screen
    // without the close signal is a system error, and the buttons come back.
    void engineer()
    {
        QList<QWidget *> answers = {nullptr, new tst_engineerScreen, new QWidget};
        int asked = 0;
        menu.setEngineerOpener([&] {
            ++asked;
            return answers.isEmpty() ? nullptr : answers.takeFirst();
        });
        woxModalScript script;
        script.answer(1);
        QStringList shown;
        for (int press = 0; press < 4; ++press) {
            QWidget *screen = open<QWidget>(menu.engineerToolButton);
            shown << QString("%1 asked, %2, %3").arg(asked).arg(page())
                         .arg(screen ? screen->metaObject()->className() : "none");
            if (press == 2)
                shown.last() += " " + QString::number(screen && screen->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            shown.last() += " | " + page();
        }
        qDeleteAll(answers);
        QCOMPARE(shown << script.seen, QStringList({"1 asked, 0 hidden, margin 6, none | 0 hidden, margin 6",
                 "2 asked, 9 hidden, margin 0, tst_engineerScreen | 9 hidden, margin 0",
                 "2 asked, 9 hidden, margin 0, tst_engineerScreen 1 | 0 hidden, margin 6",
                 "3 asked, 0 hidden, margin 6, QWidget | 0 hidden, margin 6", "woxWarningDialog: System error"}));
    }
    // USB storage: usb_start, the message that keeps the mode, usb_stop under the notice "Please wait...", then no
    // dialog left; the same whether the programs finish, cannot start or run too long.
    void usbStorage()
    {
        for (const auto status :
             {woxCommandResult::Finished, woxCommandResult::StartFailed, woxCommandResult::TimedOut}) {
            tst_usbRunner usb;
            usb.next.status = status;
            woxModalScript script;
            script.answer(1);
            menu.usbToolButton->click();
            QCOMPARE(usb.log << script.seen << (woxWarningDialog::existingInstance() ? "dialog left" : "no dialog"),
                     QStringList({"usb_start 30000 []", "usb_stop 30000 [Please wait...]",
                                  "woxWarningDialog: Press OK to leave USB storage mode", "no dialog"}));
        }
    }
};

QTEST_MAIN(tst_systemwidget)
#include "tst_systemwidget.moc"
