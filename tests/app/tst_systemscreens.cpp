#include "woxCore.h"
#include "woxDeviceTableWidget.h"
#include "woxGPSManager.h"
#include "woxGPSWidget.h"
#include "woxModalScript.h"
#include "woxReleaseWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

// The release-notes, GPS and device screens of the system menu.
class tst_systemscreens : public QObject
{
    Q_OBJECT

private:
    static QStringList values(const woxGPSWidget &screen)
    {
        return {screen.latitudeLabel->text(), screen.longitudeLabel->text(),
                screen.qualityLabel->text(), screen.timeLabel->text(), screen.dateLabel->text()};
    }

    static int dots(woxDeviceTableWidget &screen)
    {
        const QAbstractItemModel *model = screen.deviceTableView->model();
        int count = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            count += model->data(model->index(row, 0), Qt::DecorationRole).isNull() ? 0 : 1;
        return count;
    }

    static woxCoreReportDiscover discovered(const QList<woxAddress> &devices)
    {
        woxCoreReportDiscover report;
        report.devices = devices;
        return report;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
    }

    void cleanup()
    {
        woxTranslator::instance()->setLanguage("Uk");
        woxWarningDialog::closeInstance();
        woxCore::destroy();
        woxGPSManager::destroy();
    }

    void releaseFollowsTheLanguage()
    {
        woxReleaseWidget screen;
        QCOMPARE(screen.currentVersionLabel->text(), QString("Current version: 7 (wox_0)"));
        QVERIFY(screen.textBrowser->toPlainText().contains("Version 7 ("));
        QVERIFY(screen.textBrowser->toPlainText().trimmed().endsWith("First release."));
        woxTranslator::instance()->setLanguage("Ru");
        QVERIFY(screen.currentVersionLabel->text().endsWith(": 7 (wox_0)"));
        QVERIFY(!screen.currentVersionLabel->text().startsWith("Current"));
        QFile russian(":/release/release/Ru.txt");
        QVERIFY(russian.open(QIODevice::ReadOnly));
        QCOMPARE(screen.textBrowser->toPlainText().trimmed(), QString::fromUtf8(russian.readAll()).trimmed());
    }

    void gpsShowsTheFixAtTheNextTick()
    {
        woxGPSWidget screen;
        const QStringList none = {"N/A", "N/A", "N/A", "N/A", "N/A"};
        QCOMPARE(values(screen), none);
        woxGPSFix fix;
        fix.valid = true;
        fix.highQuality = true;
        fix.latitude = 55.751244f;
        fix.longitude = 37.618423f;
        fix.time = QTime(7, 5, 9);
        fix.date = QDate(2024, 3, 9);
        woxGPSManager::instance()->setFix(fix);
        QCOMPARE(values(screen), none);   // not before the tick
        screen.onAuxTimeout();
        QCOMPARE(values(screen), QStringList() << "55.7512" << "37.6184" << "high" << "07:05:09"
                                               << "Sat Mar 9 2024");
        fix.highQuality = false;
        fix.latitude = -0.000012345f;
        woxGPSManager::instance()->setFix(fix);
        screen.onAuxTimeout();
        QCOMPARE(screen.latitudeLabel->text(), QString("-1.2345e-05"));
        QCOMPARE(screen.qualityLabel->text(), QString("low"));
        woxTranslator::instance()->setLanguage("Ru");
        QVERIFY(screen._latLabel->text() != "Latitude:");
        QCOMPARE(screen.qualityLabel->text(), QString("low"));   // values wait for the tick
        fix.valid = false;
        woxGPSManager::instance()->setFix(fix);
        screen.onAuxTimeout();
        QVERIFY(screen.dateLabel->text() != "N/A");
        QCOMPARE(values(screen).filter(screen.dateLabel->text()).size(), 5);
    }

    void devicesShowWhatTheDiscoveryFound()
    {
        woxDeviceTableWidget screen;
        QAbstractItemModel *model = screen.deviceTableView->model();
        QCOMPARE(model->rowCount(), 43);
        QCOMPARE(model->index(42, 1).data().toString(), QString("Transmitter switch"));
        QCOMPARE(dots(screen), 0);
        QCOMPARE(screen.refreshPushButton->text(), QString("Please wait..."));
        QVERIFY(!screen.refreshPushButton->isEnabled() && !screen.closePushButton->isEnabled());
        QSignalSpy reports(woxCore::instance(), &woxCore::sendReportDiscover);
        QVERIFY(reports.wait(10000));
        QCOMPARE(dots(screen), 43);
        QCOMPARE(screen.refreshPushButton->text(), QString("Refresh"));
        QVERIFY(screen.refreshPushButton->isEnabled() && screen.closePushButton->isEnabled());

        screen.onReportDiscover(discovered({0, 5}));
        QCOMPARE(dots(screen), 2);
        QVERIFY(!model->data(model->index(5, 0), Qt::DecorationRole).isNull());

        woxModalScript script;
        script.answer(1);
        screen.refreshPushButton->click();
        woxCore::instance()->stop();
        QVERIFY(reports.wait(10000));
        QCOMPARE(script.seen, QStringList() << "woxWarningDialog: Canceled by user");
        QCOMPARE(dots(screen), 2);
        QVERIFY(screen.refreshPushButton->isEnabled());
        screen.onReportDiscover(discovered({}));
        QCOMPARE(dots(screen), 0);
    }

    void languageChangeMidDiscoveryKeepsTheButtonDisabled()
    {
        woxDeviceTableWidget screen;
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(screen.refreshPushButton->text(), woxDeviceTableWidget::tr("Refresh"));
        QVERIFY(screen.refreshPushButton->text() != "Refresh");
        QVERIFY(!screen.refreshPushButton->isEnabled());
        QVERIFY(screen.deviceTableView->model()->headerData(1, Qt::Horizontal) != "Device");
        QSignalSpy reports(woxCore::instance(), &woxCore::sendReportDiscover);
        QVERIFY(reports.wait(10000));
        QVERIFY(screen.refreshPushButton->isEnabled());
    }
};

QTEST_MAIN(tst_systemscreens)
#include "tst_systemscreens.moc"
