#include "woxClockWidget.h"
#include "woxCoreDouble.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxSystemWidget.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

class tst_systemwidget : public QObject
{
    Q_OBJECT

private slots:
    // While something runs, four buttons only say what to stop first: no power-off, screen, keypad or USB.
    void activityRefusesFourButtons_data()
    {
        QTest::addColumn<QString>("row");   // the button, then what the message asks to stop activities for
        for (const char *row : {"exitToolButton to exit", "engineerToolButton to enter engineer mode",
                                "updateToolButton to update", "usbToolButton to enter USB storage mode"})
            QTest::newRow(row) << QString(row);
    }

    void activityRefusesFourButtons()
    {
        QFETCH(QString, row);
        const QString button = row.section(' ', 0, 0), message = row.section(' ', 1);
        woxFakeCommandRunner runner;
        int opened = 0;
        woxSystemWidget menu;
        menu.setEngineerOpener([&opened]() { ++opened; return nullptr; });
        QSignalSpy powerOff(&menu, &woxSystemWidget::sendPowerOff);
        woxSystemWidget::setActivity(true);
        woxModalScript script;
        script.answer(1);
        menu.findChild<QToolButton *>(button)->click();
        woxSystemWidget::setActivity(false);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Stop all activities " + message));
        QVERIFY(!menu.exitToolButton->isHidden() && powerOff.isEmpty() && opened == 0 && runner.calls.isEmpty());
        woxWarningDialog::closeInstance();
    }

    // A set answer carries no date and time: the screen keeps its own. An hour step on the night the clocks go
    // forward shows 2, not 3. The closed screen lives until its close handling is over.
    void clockScreen()
    {
        qputenv("TZ", "Europe/Berlin");
        woxFakeClock clock(QDateTime(QDate(2024, 3, 31), QTime(1, 30)));
        woxCoreDouble core;
        woxSystemWidget menu;
        menu.clockToolButton->click();
        QPointer<woxClockWidget> screen = menu.findChild<woxClockWidget *>();
        core.deliver(woxCoreReportClock{{}, true, {}, {}});
        screen->hourPPushButton->click();
        QCOMPARE(screen->yearLabel->text() + screen->hourLabel->text(), QString("20242"));
        screen->close();
        QVERIFY(screen && !menu.clockToolButton->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(screen.isNull());
        woxCore::destroy();
    }
};

QTEST_MAIN(tst_systemwidget)
#include "tst_systemwidget.moc"
