#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxModal.h"
#include "woxStatusBar.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

static QImage imageOf(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}

static QImage icon(const QString &name)
{
    return QPixmap(QStringLiteral(":/icons/icons/") + name + QStringLiteral(".png")).toImage();
}

static woxCoreReportClock clockReport(const QDate &date, const QTime &time, bool set = false)
{
    woxCoreReportClock report;
    report.set = set;
    report.date = date;
    report.time = time;
    return report;
}

class tst_statusbar : public QObject
{
    Q_OBJECT

private:
    // Every clock report ends in "date -s": nothing here may reach the real
    // command, so the fake is installed for the whole run.
    woxFakeCommandRunner runner;
    std::unique_ptr<woxFakeClock> clock;

    static QTimer *timer(woxStatusBar &bar, const char *name)
    {
        return bar.findChild<QTimer *>(QString::fromLatin1(name));
    }

    // Waits until the core has answered the clock request of the bar.
    static void waitForClockReport()
    {
        QSignalSpy spy(woxCore::instance(), &woxCore::sendReportClock);
        QVERIFY(spy.wait(5000));
    }

private slots:
    void initTestCase()
    {
        clock.reset(new woxFakeClock(QDateTime(QDate(2012, 5, 1), QTime(10, 0, 42))));
    }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
        woxTranslator::instance()->setLanguage("Uk");
        runner.calls.clear();
    }

    // Must run first: the warning belongs to the first report of the run.
    void firstReportBefore2013WarnsOnce()
    {
        int shown = 0;
        QString text;
        woxStatusBar bar;
        QVERIFY(runner.calls.isEmpty());   // nothing before the core answers
        woxOnModal([&](QDialog *dialog) {
            if (!dialog)
                return;
            ++shown;
            text = static_cast<woxWarningDialog *>(dialog)->messageLabel->text();
            // Another early report handled while the warning is still open
            // must not warn again; a second warning would be counted and
            // answered here.
            woxIfModal([&, dialog](QDialog *nested) {
                if (nested && nested != dialog) {
                    ++shown;
                    nested->reject();
                }
            });
            bar.onReportClock(clockReport(QDate(2012, 5, 1), QTime(10, 0)));
            dialog->accept();
        });
        waitForClockReport();
        QTRY_COMPARE(shown, 1);
        QCOMPARE(text, QString("System time seems to be invalid"));
        // The clock was set before the warning, to the second; the report
        // handled during the warning set it once more.
        QCOMPARE(runner.calls.size(), 2);
        QCOMPARE(runner.calls[0].program, QString("date"));
        QCOMPARE(runner.calls[0].arguments, QStringList({"-s", "2012-5-1 10:0:42"}));

        // A later report of the same kind sets the clock again but is silent.
        woxIfModal([&](QDialog *dialog) {
            if (dialog) {
                ++shown;
                dialog->reject();
            }
        });
        bar.onReportClock(clockReport(QDate(2012, 5, 1), QTime(10, 1)));
        QCoreApplication::processEvents();
        QCOMPARE(shown, 1);
        QCOMPARE(runner.calls.size(), 3);
    }

    // The clock is set to the second, and "date" is only started: with a
    // date command that would take 10 s the report still returns at once
    // and the poll ticks on.
    void clockReportSetsComputerClockThroughRunner()
    {
        clock->current = QDateTime(QDate(2024, 3, 9), QTime(7, 5, 9));
        runner.runMs = 10000;
        woxStatusBar bar;
        waitForClockReport();
        runner.runMs = 0;
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls[0].program, QString("date"));
        QCOMPARE(runner.calls[0].arguments, QStringList({"-s", "2024-3-9 7:5:9"}));
        QVERIFY(!runner.calls[0].waited);
        QSignalSpy tick(timer(bar, "sensorTimer"), &QTimer::timeout);
        QVERIFY(tick.wait(5000));
        QCOMPARE(timer(bar, "sensorTimer")->interval(), 1000);
    }

    // Nothing to copy without a date and a time; a failed report does not
    // even start the poll.
    void clockReportsThatSetNothing()
    {
        woxStatusBar bar;
        // Handled before the core's own answer to the bar is delivered.
        bar.onReportClock(clockReport(QDate(), QTime(), true));
        QVERIFY(timer(bar, "sensorTimer")->isActive());
        bar.onReportClock(clockReport(QDate(2024, 1, 1), QTime()));
        woxStatusBar failing;
        woxCoreReportClock report = clockReport(QDate(2024, 3, 9), QTime(7, 5));
        report.error.code = 5;
        failing.onReportClock(report);
        QVERIFY(!timer(failing, "sensorTimer")->isActive());
        QVERIFY(runner.calls.isEmpty());
        waitForClockReport();
    }

    void pollShowsLiveReadings()
    {
        clock->current = QDateTime(QDate(2024, 3, 9), QTime(7, 5));
        woxStatusBar bar;
        QVERIFY(bar.intBatVoltageLabel->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!bar.intBatVoltageLabel->text().isEmpty(), 10000);
        QVERIFY(bar.extBatVoltageLabel->text().endsWith(" V"));
        QVERIFY(bar.moistureLabel->text().endsWith(" %"));
    }

    void pollAfterCoreIsGoneStopsQuietly()
    {
        woxStatusBar bar;
        waitForClockReport();
        woxCore::destroy();
        bar.onSensorTimeout();
        QVERIFY(!timer(bar, "sensorTimer")->isActive());
    }

    // Internal battery from reading 1, external from reading 2 (fixed at
    // 11.05 V: "11.1", second-lowest icon).
    void batteryThresholds_data()
    {
        QTest::addColumn<float>("millivolts");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("iconName");
        QTest::newRow("12.2 V full") << 12200.0f << "<font color=blue>12.2</font> V" << "battery.100";
        QTest::newRow("12.19 V") << 12190.0f << "<font color=blue>12.2</font> V" << "battery.80";
        QTest::newRow("11.6 V") << 11600.0f << "<font color=blue>11.6</font> V" << "battery.80";
        QTest::newRow("11.4 V") << 11400.0f << "<font color=blue>11.4</font> V" << "battery.60";
        QTest::newRow("11.0 V") << 11000.0f << "<font color=blue>11.0</font> V" << "battery.40";
        QTest::newRow("1.0 V") << 1000.0f << "<font color=blue>1.0</font> V" << "battery.20";
        QTest::newRow("0.999 V") << 999.0f << "" << "battery.0";
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << ""
                                      << "battery.0";
    }

    void batteryThresholds()
    {
        QFETCH(float, millivolts);
        QFETCH(QString, text);
        QFETCH(QString, iconName);
        woxStatusBar bar;
        woxCoreReportSensor report;
        report.values.insert(1, millivolts);
        report.values.insert(2, 11050.0f);
        bar.onReportSensor(report);
        QCOMPARE(bar.intBatVoltageLabel->text(), text);
        QCOMPARE(imageOf(bar.intBatIconLabel), icon(iconName));
        QCOMPARE(bar.extBatVoltageLabel->text(), QString("<font color=blue>11.1</font> V"));
        QCOMPARE(imageOf(bar.extBatIconLabel), icon("battery.40"));
        waitForClockReport();
    }

    void moistureThresholds_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("iconName");
        QTest::newRow("70") << 70.0f << "<font color=blue>70</font> %" << "moisture.3";
        QTest::newRow("66.6") << 66.6f << "<font color=blue>67</font> %" << "moisture.2";
        QTest::newRow("33.3") << 33.3f << "<font color=blue>33</font> %" << "moisture.1";
        QTest::newRow("0.05") << 0.05f << "<font color=blue>0</font> %" << "moisture.1";
        QTest::newRow("0.03") << 0.03f << "" << "moisture.1";
        QTest::newRow("0") << 0.0f << "" << "moisture.0";
    }

    void moistureThresholds()
    {
        QFETCH(float, percent);
        QFETCH(QString, text);
        QFETCH(QString, iconName);
        woxStatusBar bar;
        woxCoreReportSensor report;
        report.values.insert(3, percent);
        bar.onReportSensor(report);
        QCOMPARE(bar.moistureLabel->text(), text);
        QCOMPARE(imageOf(bar.moistureIconLabel), icon(iconName));
        waitForClockReport();
    }

    void reportWithErrorAndNoReadingsShowsEmpty()
    {
        woxStatusBar bar;
        woxCoreReportSensor full;
        full.values = {{1, 12500.0f}, {2, 12500.0f}, {3, 50.0f}};
        bar.onReportSensor(full);
        woxCoreReportSensor failed;
        failed.error.code = 5;
        failed.error.device = 1;
        bar.onReportSensor(failed);
        QVERIFY(bar.intBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.extBatVoltageLabel->text().isEmpty());
        QVERIFY(bar.moistureLabel->text().isEmpty());
        QCOMPARE(imageOf(bar.intBatIconLabel), icon("battery.0"));
        QCOMPARE(imageOf(bar.moistureIconLabel), icon("moisture.0"));
        waitForClockReport();
    }

    void userMessages()
    {
        woxStatusBar bar;
        QTimer *clear = timer(bar, "messageTimer");
        QVERIFY(clear->isSingleShot());
        bar.onUserMessage("Saved");
        QCOMPARE(bar.statusLabel->text(), QString("Saved"));
        QVERIFY(clear->isActive());
        QCOMPARE(clear->interval(), 20000);
        // A lasting message does not stop a pending clear of a timed one.
        bar.onUserMessageForever("Measuring");
        QCOMPARE(bar.statusLabel->text(), QString("Measuring"));
        QVERIFY(clear->isActive());
        bar.onUserMessageTimeout();
        QVERIFY(bar.statusLabel->text().isEmpty());
        // With no timed message pending, a lasting one stays.
        clear->stop();
        bar.onUserMessageForever("Measuring");
        QVERIFY(!clear->isActive());
        waitForClockReport();
    }

    void captionsFollowTheLanguage()
    {
        woxStatusBar bar;
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(bar._mLabel->text(),
                 QStringLiteral("\u0412\u043b\u0430\u0436\u043d\u043e\u0441\u0442\u044c:"));
        woxCoreReportSensor report;
        report.values.insert(1, 12000.0f);
        bar.onReportSensor(report);
        QCOMPARE(bar.intBatVoltageLabel->text(),
                 QStringLiteral("<font color=blue>12.0</font> \u0412"));
        waitForClockReport();
    }
};

QTEST_MAIN(tst_statusbar)
#include "tst_statusbar.moc"
