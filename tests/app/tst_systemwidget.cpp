#include "woxClockWidget.h"
#include "woxCore.h"
#include "woxDeviceTableWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSWidget.h"
#include "woxLanguageWidget.h"
#include "woxModalScript.h"
#include "woxReleaseWidget.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

// Stands in for the engineer screen of the library above the menu.
class tst_engineerScreen : public QWidget
{
    Q_OBJECT

public:
    explicit tst_engineerScreen(int level) : accessLevel(level) {}
    const int accessLevel;

signals:
    void sendEngineerWidgetClose();

protected:
    void closeEvent(QCloseEvent *event) override
    {
        emit sendEngineerWidgetClose();
        event->accept();
    }
};

// Records each USB program together with what the shared dialog shows at
// that moment, so the order of programs and messages can be checked.
class tst_usbRunner : public woxFakeCommandRunner
{
public:
    QStringList log;

    woxCommandResult run(const QString &program, const QStringList &arguments,
                         int timeoutMs) override
    {
        woxWarningDialog *dialog = woxWarningDialog::existingInstance();
        log << QStringLiteral("%1 %2 %3 [%4]")
                   .arg(program, arguments.join(QLatin1Char(',')))
                   .arg(timeoutMs)
                   .arg(dialog && dialog->isVisible() ? dialog->messageLabel->text() : QString());
        return woxFakeCommandRunner::run(program, arguments, timeoutMs);
    }
};

class tst_systemwidget : public QObject
{
    Q_OBJECT

private:
    static QList<QToolButton *> buttons(woxSystemWidget &menu)
    {
        return menu.findChildren<QToolButton *>();
    }

    static void verifyMenuState(woxSystemWidget &menu)
    {
        QCOMPARE(buttons(menu).size(), 9);
        for (QToolButton *button : buttons(menu))
            QVERIFY2(!button->isHidden(), qPrintable(button->objectName()));
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));
        QCOMPARE(menu.verticalLayout->count(), 3);
    }

    // The one screen in the menu's layout, or nullptr.
    static QWidget *shownScreen(woxSystemWidget &menu)
    {
        if (menu.verticalLayout->count() != 4)
            return nullptr;
        return menu.verticalLayout->itemAt(3)->widget();
    }

private slots:
    void cleanup()
    {
        woxSystemWidget::setActivity(false);
        woxWarningDialog::closeInstance();
        woxTranslator::instance()->setLanguage("Uk");
        woxCore::destroy();
    }

    void activityRefusesFourButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("exit") << "exitToolButton" << "Stop all activities to exit";
        QTest::newRow("engineer") << "engineerToolButton" << "Stop all activities to enter engineer mode";
        QTest::newRow("update") << "updateToolButton" << "Stop all activities to update";
        QTest::newRow("usb") << "usbToolButton" << "Stop all activities to enter USB storage mode";
    }

    void activityRefusesFourButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        woxFakeCommandRunner runner;
        int opened = 0;
        woxSystemWidget menu;
        menu.setEngineerOpener([&opened]() { ++opened; return nullptr; });
        QSignalSpy powerOff(&menu, &woxSystemWidget::sendPowerOff);
        woxSystemWidget::setActivity(true);
        woxModalScript script;
        script.answer(1);
        menu.findChild<QToolButton *>(button)->click();
        QCOMPARE(script.seen, QStringList() << "woxWarningDialog: " + message);
        verifyMenuState(menu);
        QCOMPARE(powerOff.count(), 0);
        QCOMPARE(opened, 0);
        QVERIFY(runner.calls.isEmpty());
    }

    // Every screen, flag set or not where it may open: twenty rounds of open
    // and close, each close bringing the menu back at once and the screen
    // disposed of once control has left its close handling.
    void screensOpenAndCloseCleanly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screenClass");
        QTest::addColumn<bool>("activity");
        QTest::newRow("language") << "languageToolButton" << "woxLanguageWidget" << true;
        QTest::newRow("devices") << "devicesToolButton" << "woxDeviceTableWidget" << true;
        QTest::newRow("clock") << "clockToolButton" << "woxClockWidget" << true;
        QTest::newRow("release") << "releaseToolButton" << "woxReleaseWidget" << true;
        QTest::newRow("gps") << "gpsToolButton" << "woxGPSWidget" << true;
        QTest::newRow("update") << "updateToolButton" << "woxUpdateWidget" << false;
        QTest::newRow("engineer") << "engineerToolButton" << "tst_engineerScreen" << false;
    }

    void screensOpenAndCloseCleanly()
    {
        QFETCH(QString, button);
        QFETCH(QString, screenClass);
        QFETCH(bool, activity);
        woxSystemWidget menu;
        menu.setEngineerOpener([]() { return new tst_engineerScreen(0); });
        woxSystemWidget::setActivity(activity);
        for (int round = 0; round < 20; ++round) {
            menu.findChild<QToolButton *>(button)->click();
            QPointer<QWidget> screen = shownScreen(menu);
            QVERIFY(screen);
            QCOMPARE(QString(screen->metaObject()->className()), screenClass);
            QCOMPARE(screen->parentWidget(), &menu);
            QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
            for (QToolButton *each : buttons(menu))
                QVERIFY(each->isHidden());
            QVERIFY(screen->close());
            verifyMenuState(menu);
            QVERIFY(screen);   // still inside its close handling
            QTRY_VERIFY(screen.isNull());
        }
    }

    void exitAsksAndPowersOffOnYesOnly()
    {
        woxSystemWidget menu;
        QSignalSpy powerOff(&menu, &woxSystemWidget::sendPowerOff);
        woxModalScript script;
        script.answer(0).answer(1);
        menu.exitToolButton->click();
        QCOMPARE(powerOff.count(), 0);
        menu.exitToolButton->click();
        QCOMPARE(powerOff.count(), 1);
        QCOMPARE(script.seen, QStringList() << "woxWarningDialog: Are you sure you want to exit?"
                                            << "woxWarningDialog: Are you sure you want to exit?");
        verifyMenuState(menu);
    }

    void usbRunsBothProgramsAroundTheMessage_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("finished") << int(woxCommandResult::Finished);
        QTest::newRow("not started") << int(woxCommandResult::StartFailed);
        QTest::newRow("timed out") << int(woxCommandResult::TimedOut);
    }

    void usbRunsBothProgramsAroundTheMessage()
    {
        QFETCH(int, status);
        tst_usbRunner runner;
        runner.next.status = woxCommandResult::Status(status);
        woxSystemWidget menu;
        woxModalScript script;
        script.answer(1);
        menu.usbToolButton->click();
        QCOMPARE(script.seen, QStringList() << "woxWarningDialog: Press OK to leave USB storage mode");
        QCOMPARE(runner.log, QStringList() << "usb_start  30000 []"
                                           << "usb_stop  30000 [Please wait...]");
        QVERIFY(!woxWarningDialog::existingInstance());
    }

    void engineerKeypadDecidesWhatOpens()
    {
        QList<int> levels = {-1, 3, 0};   // -1: the keypad was cancelled
        woxSystemWidget menu;
        menu.setEngineerOpener([&levels]() -> QWidget * {
            const int level = levels.takeFirst();
            return level < 0 ? nullptr : new tst_engineerScreen(level);
        });
        menu.engineerToolButton->click();
        verifyMenuState(menu);
        menu.engineerToolButton->click();
        auto *screen = qobject_cast<tst_engineerScreen *>(shownScreen(menu));
        QVERIFY(screen);
        QCOMPARE(screen->accessLevel, 3);
        menu.onEngineer();   // a second engineer screen is never asked for
        QCOMPARE(levels.size(), 1);
        screen->close();
        verifyMenuState(menu);
    }

    void screenWithoutCloseSignalIsRefused()
    {
        woxSystemWidget menu;
        QPointer<QWidget> screen;
        menu.setEngineerOpener([&screen]() { return screen = new QWidget; });
        woxModalScript script;
        script.answer(1);
        menu.engineerToolButton->click();
        QCOMPARE(script.seen, QStringList() << "woxWarningDialog: System error");
        verifyMenuState(menu);
        QTRY_VERIFY(screen.isNull());
    }

    void russianChangesSevenButtonTexts()
    {
        woxSystemWidget menu;
        QMap<QString, QString> english;
        for (QToolButton *button : buttons(menu))
            english[button->objectName()] = button->text();
        woxTranslator::instance()->setLanguage("Ru");
        QStringList unchanged;
        for (QToolButton *button : buttons(menu)) {
            QVERIFY(!button->text().isEmpty());
            if (button->text() == english[button->objectName()])
                unchanged << button->text();
        }
        std::sort(unchanged.begin(), unchanged.end());
        QCOMPARE(unchanged, QStringList() << "GPS" << "USB");

        // The SYSTEM page as the tab shows it.
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        menu.resize(1018, 520);
        QVERIFY(menu.grab().save(path + "/system-menu-ru.png"));
    }
};

QTEST_MAIN(tst_systemwidget)
#include "tst_systemwidget.moc"
