#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxModal.h"
#include "woxStatusBar.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

static woxCoreReportClock clockReport(const QDate &date, const QTime &time)
{
    woxCoreReportClock report;
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
        runner.calls.clear();
    }

    // Must run first: the warning belongs to the first report of the run.
    // An early report handled while it is open, and a later one, set the
    // clock again but do not warn again.
    void firstReportBefore2013WarnsOnce()
    {
        int shown = 0;
        QString text;
        woxStatusBar bar;
        woxOnModal([&](QDialog *dialog) {
            if (!dialog)
                return;
            ++shown;
            text = static_cast<woxWarningDialog *>(dialog)->messageLabel->text();
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
        QCOMPARE(runner.calls.size(), 2);
        QCOMPARE(runner.calls[0].arguments, QStringList({"-s", "2012-5-1 10:0:42"}));
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

    // "date" is only started: with one that would take 10 s the report
    // still returns at once and the poll ticks on.
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
        QSignalSpy tick(bar.findChild<QTimer *>("sensorTimer"), &QTimer::timeout);
        QVERIFY(tick.wait(5000));
    }

    // Reading 1 is the internal battery, 2 the external, 3 the moisture.
    void thresholds_data()
    {
        QTest::addColumn<int>("reading");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("iconName");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("12.2 V") << 1 << 12200.0f << "12.2</font> V" << "battery.100";
        QTest::newRow("12.19 V") << 2 << 12190.0f << "12.2</font> V" << "battery.80";
        QTest::newRow("11.6 V") << 1 << 11600.0f << "11.6</font> V" << "battery.80";
        QTest::newRow("11.4 V") << 2 << 11400.0f << "11.4</font> V" << "battery.60";
        QTest::newRow("11.0 V") << 1 << 11000.0f << "11.0</font> V" << "battery.40";
        QTest::newRow("1.0 V") << 2 << 1000.0f << "1.0</font> V" << "battery.20";
        QTest::newRow("0.999 V") << 1 << 999.0f << "" << "battery.0";
        QTest::newRow("NaN V") << 2 << nan << "" << "battery.0";
        QTest::newRow("70 %") << 3 << 70.0f << "70</font> %" << "moisture.3";
        QTest::newRow("66.6 %") << 3 << 66.6f << "67</font> %" << "moisture.2";
        QTest::newRow("33.3 %") << 3 << 33.3f << "33</font> %" << "moisture.1";
        QTest::newRow("0.05 %") << 3 << 0.05f << "0</font> %" << "moisture.1";
        QTest::newRow("0.03 %") << 3 << 0.03f << "" << "moisture.1";
        QTest::newRow("0 %") << 3 << 0.0f << "" << "moisture.0";
    }

    void thresholds()
    {
        QFETCH(int, reading);
        QFETCH(float, value);
        QFETCH(QString, text);
        QFETCH(QString, iconName);
        woxStatusBar bar;
        woxCoreReportSensor report;
        report.values.insert(reading, value);
        bar.onReportSensor(report);
        QLabel *labels[][2] = {{bar.intBatVoltageLabel, bar.intBatIconLabel},
                               {bar.extBatVoltageLabel, bar.extBatIconLabel},
                               {bar.moistureLabel, bar.moistureIconLabel}};
        QLabel **shown = labels[reading - 1];
        QCOMPARE(shown[0]->text(), text.isEmpty() ? text : "<font color=blue>" + text);
        const QPixmap icon(":/icons/icons/" + iconName + ".png");
        QCOMPARE(shown[1]->pixmap(Qt::ReturnByValue).toImage(), icon.toImage());
        waitForClockReport();
    }
};

QTEST_MAIN(tst_statusbar)
#include "tst_statusbar.moc"
