#include "woxClockWidget.h"
#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDeviceTableWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSManager.h"
#include "woxGPSWidget.h"
#include "woxKeyboardDialog.h"
#include "woxLanguageWidget.h"
#include "woxModalScript.h"
#include "woxReleaseWidget.h"
#include "woxScreenState.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QScrollBar>
#include <QtTest>

struct woxEventCounter : QObject {   // counts the events of one type that reach a widget
    woxEventCounter(QObject *watched, QEvent::Type type) : type(type) { watched->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { count += event->type() == type; return false; }
    QEvent::Type type;
    int count = 0;
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
        return qobject_cast<Screen *>(menu.verticalLayout->itemAt(3)->widget());
    }
private slots:
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
    }
    // First: the warning belongs to the run's first dated clock report. Per report: poll period, commands, requests. A
    // failed read does nothing, a set answer (no date) restarts the poll; a report handled while the warning is open,
    // and a later one, set the clock (seconds kept, not waited for) but do not warn. A timed message clears 20 s after
    // the last one; a lasting one stays, not past a pending clear. Readings: "reading value | [value in blue] unit,
    // icon"; 1 is the internal battery in mV, 2 the external, 3 the moisture in %.
    void statusBar()
    {
        woxStatusBar bar;
        QTimer *poll = bar.findChild<QTimer *>("sensorTimer"), *clear = bar.findChild<QTimer *>("messageTimer");
        woxModalScript script;
        script.then([&bar](QDialog *d) { bar.onReportClock({{}, false, {2012, 12, 31}, {10, 0}}), d->accept(); });
        QStringList shown;
        for (const woxCoreReportClock &report : {woxCoreReportClock{{13, 0}, false, {2012, 5, 1}, {9, 5, 2}},
                 {{}, true, {}, {}}, {{}, false, {2012, 12, 31}, {9, 5, 2}}, {{}, false, {2013, 1, 1}, {0, 0, 59}}}) {
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
                 QStringList({"0 | Clock 0  ", "1000 | ", "1000 date -s 2012-12-31 9:5:2 date -s 2012-12-31 10:0:0 | ",
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
            const bool same = bar.findChild<QLabel *>(QString(name).remove("Voltage") + "IconLabel")->pixmap(
                                  Qt::ReturnByValue).toImage() == QPixmap(":/icons/icons/" + icon + ".png").toImage();
            QCOMPARE(row.section(" | ", 0, 0) + " | " + bar.findChild<QLabel *>(name + "Label")->text().replace(
                         "<font color=blue>", "[").replace("</font>", "]") + " " + (same ? icon : "other"), row);
        }
    }
    // Enter refuses an empty name and a hidden one, in the shared dialog, raised over the keyboard opened after it;
    // a blank is a name. Shift changes what keys type until pressed again; the timestamp goes in at the cursor.
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
            keyboard.findChild<QPushButton *>(key)->click();
            if (QString(key) == "spaceB" && accepted.size() == 2)
                keyboard.findChild<QLineEdit *>("lineEdit")->setCursorPosition(1);
        }
        QCOMPARE(script.seen.join(", ").remove("woxWarningDialog: ") + " | " + accepted.join(" | "),
                 QString("first, File name is empty, File name must not start with a dot | 1 | 2 | "
                         "826.12.05_19.43.32~&,Q.'  |  "));
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
            menu.findChild<QToolButton *>(head[0])->click();
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
        for (const QString row : {" | //// | ", "hourP | 2024/3/31/2/30 | Clock 1 2024-03-31 02:30:00",
                 "R2024-03-09T07:05:02 minP | 2024/3/9/7/6 | Clock 1 2024-03-09 07:06:02",
                 "R2024-03-31T00:00:30 monthM hourM | 2024/2/29/23/0 | Clock 1 2024-02-29 23:00:30",
                 "R2023-12-31T23:59:00 minP yearP dayP | 2025/1/1/0/0 | Clock 1 2025-01-01 00:00:00",
                 "R2024-01-31T10:20:09 monthP minM yearM null err | 2023/2/28/10/19 | Clock 1 2023-02-28 10:19:09",
                 "dayM R2024-05-06T08:09:10 | 2024/5/6/8/9 | Clock 1 2024-05-06 08:09:10"}) {
            auto *screen = open<woxClockWidget>(menu.clockToolButton);
            QCOMPARE(core.takeLines(), QStringList("Clock 0  "));
            for (const QString &step : row.section(" | ", 0, 0).split(' ', Qt::SkipEmptyParts)) {
                const auto at = QDateTime::fromString(step == "err" ? "2000-01-01T00:00" : step.mid(1), Qt::ISODate);
                if (step[0] == 'R' || step == "null" || step == "err")
                    core.deliver(woxCoreReportClock{{quint8(step == "err" ? 13 : 0), 0}, step == "null", at.date(),
                                                    at.time()});
                else
                    screen->findChild<QPushButton *>(step + "PushButton")->click();
            }
            QString shown = woxScreenState(screen, "yearLabel monthLabel dayLabel hourLabel minLabel");
            screen->acceptPushButton->click();
            shown = shown.remove(QRegularExpression("\\w+Label:")).replace(" | ", "/");
            QCOMPARE(row.section(" | ", 0, 0) + " | " + shown + " | " + core.takeLines().join(','), row);
        }
    }
    // Each tick of the 5-second timer copies the fix; without a valid one all five values read N/A.
    void gpsScreen()
    {
        auto *screen = open<woxGPSWidget>(menu.gpsToolButton);
        QTimer *timer = screen->findChild<QTimer *>("refreshTimer");
        QVERIFY(timer && timer->isActive() && !timer->isSingleShot() && timer->interval() == 5000);
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
    // replaces the dots, a failed one keeps them and says why.
    void deviceScreen()
    {
        auto *screen = open<woxDeviceTableWidget>(menu.devicesToolButton);
        woxModalScript script;
        script.answer(1);
        QStringList shown;
        for (const woxCoreReportDiscover &report : {woxCoreReportDiscover{{}, {0, 7, 42}}, {{}, {5}}, {{13, 0}, {1}}}) {
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
                                                    "woxWarningDialog: Canceled by user"}));
    }
    // The language screen's flags change the language at once and Accept stores it; the release notes are those of
    // the language shown (the translation of "Uk" names their file), beside the version. The notes' scroll bar is 30
    // pixels wide, and the arrow pictures its style sheet names exist.
    void languageAndReleaseNotes()
    {
        auto *language = open<woxLanguageWidget>(menu.languageToolButton);
        language->ruPushButton->click();
        QStringList shown(language->pushButton->text() + " " + language->groupBox->title());
        language->pushButton->click();
        shown << QSettings(settingsOrganisation, "woxTranslator").value("language").toString();
        auto *screen = open<woxReleaseWidget>(menu.releaseToolButton);
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
};

QTEST_MAIN(tst_systemwidget)
#include "tst_systemwidget.moc"
