#include "woxClockWidget.h"
#include "woxCore.h"
#include "woxFakeClock.h"

#include <QSignalSpy>
#include <QtTest>

typedef QList<woxClockRequest> Requests;

class tst_clockwidget : public QObject
{
    Q_OBJECT

private:
    Requests requests;

    static QStringList labels(const woxClockWidget &screen)
    {
        return {screen.yearLabel->text(), screen.monthLabel->text(), screen.dayLabel->text(),
                screen.hourLabel->text(), screen.minLabel->text()};
    }

    static QString describe(const woxClockRequest &request)
    {
        return QStringLiteral("%1 %2 %3").arg(request.set ? "set" : "read",
                                              request.date.toString(Qt::ISODate),
                                              request.time.toString(Qt::ISODate));
    }

    QStringList sent() const
    {
        QStringList texts;
        for (const woxClockRequest &request : requests)
            texts << describe(request);
        return texts;
    }

    // Opens a screen whose requests are recorded, and delivers the
    // instrument's answer to the read.
    void open(woxClockWidget &screen, const QDateTime &instrument)
    {
        woxCoreReportClock report;
        report.date = instrument.date();
        report.time = instrument.time();
        screen.onCoreReportClock(report);
    }

private slots:
    void init()
    {
        requests.clear();
        woxClockWidget::setRequestSink([this](const woxClockRequest &r) { requests << r; });
    }

    void cleanup()
    {
        woxClockWidget::setRequestSink(woxClockWidget::RequestSink());
        woxCore::destroy();
    }

    void stepsClampAndWrap_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("shown");
        const QDateTime endOfJanuary(QDate(2024, 1, 31), QTime(23, 59, 30));
        QTest::newRow("month up clamps") << endOfJanuary << "M+" << QStringList{"2024", "2", "29", "23", "59"};
        QTest::newRow("minute up wraps") << endOfJanuary << "M+ m+"
                                         << QStringList{"2024", "2", "29", "0", "0"};
        QTest::newRow("leap day next year") << endOfJanuary << "M+ m+ Y+"
                                            << QStringList{"2025", "2", "28", "0", "0"};
        QTest::newRow("march back, leap") << QDateTime(QDate(2024, 3, 31), QTime(9, 5))
                                          << "M-" << QStringList{"2024", "2", "29", "9", "5"};
        QTest::newRow("march back") << QDateTime(QDate(2023, 3, 31), QTime(9, 5)) << "M-"
                                    << QStringList{"2023", "2", "28", "9", "5"};
        QTest::newRow("hour back wraps") << QDateTime(QDate(2024, 6, 1), QTime(0, 10)) << "h-"
                                         << QStringList{"2024", "6", "1", "23", "10"};
        QTest::newRow("minute back wraps") << QDateTime(QDate(2024, 6, 1), QTime(0, 0)) << "m-"
                                           << QStringList{"2024", "6", "1", "23", "59"};
        QTest::newRow("day up, year down") << QDateTime(QDate(2024, 12, 31), QTime(12, 0))
                                           << "D+ Y- D- h+" << QStringList{"2023", "12", "31", "13", "0"};
    }

    void stepsClampAndWrap()
    {
        QFETCH(QDateTime, start);
        QFETCH(QString, presses);
        QFETCH(QStringList, shown);
        woxClockWidget screen;
        open(screen, start);
        const QMap<QString, QPushButton *> buttons = {
            {"Y+", screen.yearPPushButton}, {"Y-", screen.yearMPushButton},
            {"M+", screen.monthPPushButton}, {"M-", screen.monthMPushButton},
            {"D+", screen.dayPPushButton}, {"D-", screen.dayMPushButton},
            {"h+", screen.hourPPushButton}, {"h-", screen.hourMPushButton},
            {"m+", screen.minPPushButton}, {"m-", screen.minMPushButton}};
        for (const QString &press : presses.split(' '))
            buttons[press]->click();
        QCOMPARE(labels(screen), shown);
        screen.close();
        QCOMPARE(requests.size(), 2);
        QVERIFY(requests.last().set);
        QCOMPARE(requests.last().time.second(), start.time().second());
    }

    // The read goes to the core and its answer fills the labels; closing
    // sends the edited value with its seconds, not advanced since opening.
    void readsTheInstrumentAndSetsOnClose()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 1, 31), QTime(23, 59, 30)));
        woxClockWidget::setRequestSink([this](const woxClockRequest &r) {
            requests << r;
            woxCore::instance()->clock(r);
        });
        woxClockWidget screen;
        QCOMPARE(labels(screen), QStringList() << "" << "" << "" << "" << "");
        QTRY_COMPARE(labels(screen), QStringList() << "2024" << "1" << "31" << "23" << "59");
        screen.monthPPushButton->click();
        screen.minPPushButton->click();
        screen.yearPPushButton->click();
        clock.current = clock.current.addSecs(600);
        screen.close();
        QCOMPARE(sent(), QStringList() << "read  " << "set 2025-02-28 00:00:30");
    }

    void closingWithoutStepSendsOnlyTheRead_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no step") << "" << QStringList{"read  "};
        QTest::newRow("up then down") << "+-" << QStringList{"read  ", "set 2024-05-06 07:08:09"};
    }

    void closingWithoutStepSendsOnlyTheRead()
    {
        QFETCH(QString, presses);
        QFETCH(QStringList, expected);
        woxClockWidget screen;
        open(screen, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
        if (!presses.isEmpty()) {
            screen.dayPPushButton->click();
            screen.dayMPushButton->click();
        }
        QSignalSpy closed(&screen, &woxClockWidget::sendClockWidgetClose);
        screen.close();
        QCOMPARE(sent(), expected);
        QCOMPARE(closed.count(), 1);
    }

    // A report after a step replaces the value but keeps the change; failed
    // reports and the dateless answer to a set request are ignored.
    void reportsWithoutDateOrWithErrorAreIgnored()
    {
        woxClockWidget screen;
        open(screen, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
        screen.hourPPushButton->click();
        woxCoreReportClock setAnswer;
        setAnswer.set = true;
        screen.onCoreReportClock(setAnswer);
        woxCoreReportClock failed;
        failed.error.code = 5;
        failed.date = QDate(2030, 1, 1);
        failed.time = QTime(1, 1);
        screen.onCoreReportClock(failed);
        QCOMPARE(labels(screen), QStringList() << "2024" << "5" << "6" << "8" << "8");
        open(screen, QDateTime(QDate(2024, 5, 6), QTime(10, 0)));
        screen.close();
        QCOMPARE(sent().last(), QString("set 2024-05-06 10:00:00"));
    }

    // Through the real core: a screen opened right after one that set the
    // clock receives that set's dateless answer before its own read.
    void screenAfterASetShowsTheInstrumentTime()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 1, 31), QTime(23, 59, 30)));
        woxClockWidget::setRequestSink(woxClockWidget::RequestSink());
        QSignalSpy reports(woxCore::instance(), &woxCore::sendReportClock);
        {
            woxClockWidget first;
            QVERIFY(reports.wait(5000));
            first.yearPPushButton->click();
            first.close();
        }
        woxClockWidget second;
        QTRY_COMPARE(reports.count(), 3);
        QCOMPARE(labels(second), QStringList() << "2024" << "1" << "31" << "23" << "59");
        second.minMPushButton->click();
        QCOMPARE(second.minLabel->text(), QString("58"));

        const QString path = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        second.resize(602, 363);
        QVERIFY(second.grab().save(path + "/clock-screen.png"));
        second.close();
    }
};

QTEST_MAIN(tst_clockwidget)
#include "tst_clockwidget.moc"
