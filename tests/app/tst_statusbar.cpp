#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxModal.h"
#include "woxStatusBar.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>

class tst_statusbar : public QObject
{
    Q_OBJECT

private:
    // Every clock report ends in "date -s": the fake runner is installed for the whole run.
    woxFakeCommandRunner runner;
    woxFakeClock clock{QDateTime(QDate(2012, 5, 1), QTime(9, 5, 2))};

    static void waitForClockReport()
    {
        QVERIFY(QSignalSpy(woxCore::instance(), &woxCore::sendReportClock).wait(5000));
    }

private slots:
    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
        runner.calls.clear();
    }

    // Must run first: the warning belongs to the first report of the run. An early report handled while it is open,
    // and a later one, set the clock again but do not warn again.
    void firstReportBefore2013WarnsOnce()
    {
        int shown = 0;
        QString text;
        // Counts and refuses any dialog other than the one open.
        auto refuse = [&shown](QDialog *open) {
            return [&shown, open](QDialog *dialog) { if (dialog && dialog != open) { ++shown; dialog->reject(); } };
        };
        woxStatusBar bar;
        woxOnModal([&](QDialog *dialog) {
            if (!dialog)
                return;
            ++shown;
            text = static_cast<woxWarningDialog *>(dialog)->messageLabel->text();
            woxIfModal(refuse(dialog));
            bar.onReportClock({{}, false, QDate(2012, 5, 1), QTime(10, 0)});
            dialog->accept();
        });
        waitForClockReport();
        QTRY_COMPARE(shown, 1);
        QCOMPARE(text, QString("System time seems to be invalid"));
        QCOMPARE(runner.calls.size(), 2);
        QCOMPARE(QStringList(runner.calls[0].program) + runner.calls[0].arguments,
                 QStringList({"date", "-s", "2012-5-1 9:5:2"}));
        QVERIFY(!runner.calls[0].waited);   // only started: a slow "date" must not hold up the report
        woxIfModal(refuse(nullptr));
        bar.onReportClock({{}, false, QDate(2012, 5, 1), QTime(10, 1)});
        QCoreApplication::processEvents();
        QVERIFY(shown == 1 && runner.calls.size() == 3);
    }

    // "reading value shown icon": reading 1 is the internal battery, 2 the external, 3 the moisture; "-" shows
    // nothing.
    void thresholds_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"1 12200 12.2 battery.100", "2 12190 12.2 battery.80", "1 11600 11.6 battery.80",
                                "2 11400 11.4 battery.60", "1 11000 11.0 battery.40", "2 1000 1.0 battery.20",
                                "1 999 - battery.0", "2 nan - battery.0", "3 70 70 moisture.3",
                                "3 66.6 67 moisture.2", "3 33.3 33 moisture.1", "3 0.05 0 moisture.1",
                                "3 0.03 - moisture.1", "3 0 - moisture.0"})
            QTest::newRow(row) << QString(row);
    }

    void thresholds()
    {
        QFETCH(QString, row);
        const QStringList v = row.split(' ');
        const int reading = v[0].toInt();
        const float value = v[1] == "nan" ? std::numeric_limits<float>::quiet_NaN() : v[1].toFloat();
        const QString text = v[2] == "-" ? "" : "<font color=blue>" + v[2] + "</font> " + (reading == 3 ? "%" : "V");
        woxStatusBar bar;
        woxCoreReportSensor report;
        report.values.insert(reading, value);
        bar.onReportSensor(report);
        QLabel *labels[][2] = {{bar.intBatVoltageLabel, bar.intBatIconLabel},
                               {bar.extBatVoltageLabel, bar.extBatIconLabel},
                               {bar.moistureLabel, bar.moistureIconLabel}};
        QLabel **shown = labels[reading - 1];
        QCOMPARE(shown[0]->text(), text);
        QCOMPARE(shown[1]->pixmap(Qt::ReturnByValue).toImage(), QPixmap(":/icons/icons/" + v[3] + ".png").toImage());
        waitForClockReport();
    }
};

QTEST_MAIN(tst_statusbar)
#include "tst_statusbar.moc"
