#include "woxClockWidget.h"
#include "woxCore.h"
#include "woxFakeClock.h"

#include <QSignalSpy>
#include <QtTest>

class tst_clockwidget : public QObject
{
    Q_OBJECT

private:
    QStringList sent;   // the requests, as "read" or "set <ISO date> <ISO time>"

    static QStringList labels(const woxClockWidget &screen)
    {
        return {screen.yearLabel->text(), screen.monthLabel->text(), screen.dayLabel->text(),
                screen.hourLabel->text(), screen.minLabel->text()};
    }

private slots:
    // Requests are recorded and still reach the real core, whose clock job
    // answers from the fake clock.
    void init()
    {
        sent.clear();
        woxClockWidget::setRequestSink([this](const woxClockRequest &request) {
            sent << (request.set ? "set " + request.date.toString(Qt::ISODate) + " "
                                       + request.time.toString(Qt::ISODate)
                                 : QString("read"));
            woxCore::instance()->clock(request);
        });
    }

    void cleanup()
    {
        woxClockWidget::setRequestSink(woxClockWidget::RequestSink());
        woxCore::destroy();
    }

    void stepsAndTheSetRequest_data()
    {
        QTest::addColumn<QDateTime>("instrument");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("set");   // empty: closing sends no set
        const QDateTime endOfJanuary(QDate(2024, 1, 31), QTime(23, 59, 30));
        const QDateTime may(QDate(2024, 5, 6), QTime(7, 8, 9));
        QTest::newRow("no step") << may << "" << QStringList{"2024", "5", "6", "7", "8"} << "";
        QTest::newRow("up and down") << may << "D+ D-" << QStringList{"2024", "5", "6", "7", "8"}
                                     << "2024-05-06 07:08:09";
        QTest::newRow("month clamps") << endOfJanuary << "M+"
                                      << QStringList{"2024", "2", "29", "23", "59"} << "2024-02-29 23:59:30";
        QTest::newRow("minute wraps") << endOfJanuary << "M+ m+"
                                      << QStringList{"2024", "2", "29", "0", "0"} << "2024-02-29 00:00:30";
        QTest::newRow("leap day + year") << endOfJanuary << "M+ m+ Y+"
                                         << QStringList{"2025", "2", "28", "0", "0"} << "2025-02-28 00:00:30";
        QTest::newRow("march back, leap") << QDateTime(QDate(2024, 3, 31), QTime(9, 5)) << "M-"
                                          << QStringList{"2024", "2", "29", "9", "5"} << "2024-02-29 09:05:00";
        QTest::newRow("march back") << QDateTime(QDate(2023, 3, 31), QTime(9, 5)) << "M-"
                                    << QStringList{"2023", "2", "28", "9", "5"} << "2023-02-28 09:05:00";
        QTest::newRow("hour back wraps") << QDateTime(QDate(2024, 6, 1), QTime(0, 10)) << "h-"
                                         << QStringList{"2024", "6", "1", "23", "10"} << "2024-06-01 23:10:00";
        QTest::newRow("day, year, minute") << QDateTime(QDate(2024, 12, 31), QTime(0, 0)) << "D+ Y- D- m-"
                                           << QStringList{"2023", "12", "31", "23", "59"} << "2023-12-31 23:59:00";
    }

    void stepsAndTheSetRequest()
    {
        QFETCH(QDateTime, instrument);
        QFETCH(QString, presses);
        QFETCH(QStringList, shown);
        QFETCH(QString, set);
        woxFakeClock clock(instrument);
        woxClockWidget screen;
        QCOMPARE(labels(screen), QStringList() << "" << "" << "" << "" << "");
        QTRY_VERIFY(!screen.yearLabel->text().isEmpty());
        const QMap<QString, QPushButton *> buttons = {
            {"Y+", screen.yearPPushButton}, {"Y-", screen.yearMPushButton},
            {"M+", screen.monthPPushButton}, {"M-", screen.monthMPushButton},
            {"D+", screen.dayPPushButton}, {"D-", screen.dayMPushButton},
            {"h+", screen.hourPPushButton}, {"h-", screen.hourMPushButton},
            {"m+", screen.minPPushButton}, {"m-", screen.minMPushButton}};
        for (const QString &press : presses.split(' ', Qt::SkipEmptyParts))
            buttons[press]->click();
        QCOMPARE(labels(screen), shown);
        clock.current = clock.current.addSecs(600);   // the edit does not run on
        QSignalSpy closed(&screen, &woxClockWidget::sendClockWidgetClose);
        screen.close();
        QCOMPARE(closed.count(), 1);
        const QStringList expected = {"read", "set " + set};
        QCOMPARE(sent, expected.mid(0, set.isEmpty() ? 1 : 2));
    }

    // A failed report and the dateless answer to a set request leave the
    // value; a report after a step replaces it and the step still counts.
    // Through the core: a screen opened right after one that set the clock
    // receives that set's answer before its own read.
    void onlyReportsWithDateAndTimeCount()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 1, 31), QTime(23, 59, 30)));
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
        woxCoreReportClock failed;
        failed.error.code = 5;
        failed.date = QDate(2030, 1, 1);
        failed.time = QTime(1, 1);
        second.onCoreReportClock(failed);
        QCOMPARE(labels(second), QStringList() << "2024" << "1" << "31" << "23" << "58");
        woxCoreReportClock later;
        later.date = QDate(2024, 2, 1);
        later.time = QTime(10, 0);
        second.onCoreReportClock(later);
        second.resize(602, 363);
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        QVERIFY(second.grab().save(path + "/clock-screen.png"));
        second.close();
        QCOMPARE(sent.last(), QString("set 2024-02-01 10:00:00"));
    }
};

QTEST_MAIN(tst_clockwidget)
#include "tst_clockwidget.moc"
