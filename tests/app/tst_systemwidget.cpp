#include "woxCore.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

// Stands in for the engineer screen of the library above the menu.
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
class tst_usbRunner : public woxFakeCommandRunner
{
public:
    QStringList log;

    woxCommandResult run(const QString &program, const QStringList &arguments,
                         int timeoutMs) override
    {
        woxWarningDialog *dialog = woxWarningDialog::existingInstance();
        log << QStringLiteral("%1 %2 %3 [%4]").arg(program, arguments.join(',')).arg(timeoutMs)
                   .arg(dialog && dialog->isVisible() ? dialog->messageLabel->text() : QString());
        return woxFakeCommandRunner::run(program, arguments, timeoutMs);
    }
};

class tst_systemwidget : public QObject
{
    Q_OBJECT

private:
    static void verifyMenu(woxSystemWidget &menu)
    {
        const QList<QToolButton *> buttons = menu.findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 9);
        for (QToolButton *button : buttons)
            QVERIFY2(!button->isHidden(), qPrintable(button->objectName()));
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));
        QCOMPARE(menu.verticalLayout->count(), 3);
    }

    static QWidget *shownScreen(woxSystemWidget &menu)
    {
        QLayoutItem *item = menu.verticalLayout->itemAt(3);
        return item ? item->widget() : nullptr;
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
        QTest::newRow("exit") << "exitToolButton" << "to exit";
        QTest::newRow("engineer") << "engineerToolButton" << "to enter engineer mode";
        QTest::newRow("update") << "updateToolButton" << "to update";
        QTest::newRow("usb") << "usbToolButton" << "to enter USB storage mode";
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
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Stop all activities " + message));
        verifyMenu(menu);
        QVERIFY(powerOff.isEmpty() && opened == 0 && runner.calls.isEmpty());
    }

    // Twenty rounds of each screen: every close brings the menu back at once
    // and the screen is disposed of once its close handling has returned.
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
        menu.setEngineerOpener([]() { return new tst_engineerScreen; });
        woxSystemWidget::setActivity(activity);
        for (int round = 0; round < 20; ++round) {
            menu.findChild<QToolButton *>(button)->click();
            QPointer<QWidget> screen = shownScreen(menu);
            QVERIFY(screen && screen->parentWidget() == &menu);
            QCOMPARE(QString(screen->metaObject()->className()), screenClass);
            QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(0, 0, 0, 0));
            QVERIFY(menu.exitToolButton->isHidden() && menu.gpsToolButton->isHidden());
            QVERIFY(screen->close());
            verifyMenu(menu);
            QVERIFY(screen);
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
        const QString question = "woxWarningDialog: Are you sure you want to exit?";
        QCOMPARE(script.seen, QStringList() << question << question);
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
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Press OK to leave USB storage mode"));
        QCOMPARE(runner.log, QStringList() << "usb_start  30000 []"
                                           << "usb_stop  30000 [Please wait...]");
        QVERIFY(!woxWarningDialog::existingInstance());
    }

    // The opener runs the keypad: nullptr is Cancel. No second keypad while
    // an engineer screen is shown; a screen without the close signal is
    // refused.
    void engineerOpenerDecidesWhatOpens()
    {
        QList<QWidget *> answers = {nullptr, new tst_engineerScreen, nullptr};
        QPointer<QWidget> plain = new QWidget;
        answers << plain;
        woxSystemWidget menu;
        menu.setEngineerOpener([&answers]() { return answers.takeFirst(); });
        menu.engineerToolButton->click();
        verifyMenu(menu);
        menu.engineerToolButton->click();
        QWidget *screen = shownScreen(menu);
        QVERIFY(qobject_cast<tst_engineerScreen *>(screen));
        menu.onEngineer();
        QCOMPARE(answers.size(), 2);
        screen->close();
        verifyMenu(menu);
        answers.takeFirst();
        woxModalScript script;
        script.answer(1);
        menu.engineerToolButton->click();
        QCOMPARE(script.seen, QStringList("woxWarningDialog: System error"));
        verifyMenu(menu);
        QTRY_VERIFY(plain.isNull());
    }

    void russianChangesSevenButtonTexts()
    {
        woxSystemWidget menu;
        QMap<QToolButton *, QString> english;
        for (QToolButton *button : menu.findChildren<QToolButton *>())
            english[button] = button->text();
        woxTranslator::instance()->setLanguage("Ru");
        QStringList unchanged;
        for (QToolButton *button : english.keys()) {
            QVERIFY(!button->text().isEmpty());
            if (button->text() == english[button])
                unchanged << button->text();
        }
        unchanged.sort();
        QCOMPARE(unchanged, QStringList() << "GPS" << "USB");
        menu.resize(1018, 520);   // the SYSTEM page as the tab shows it
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        QVERIFY(menu.grab().save(path + "/system-menu-ru.png"));
    }
};

QTEST_MAIN(tst_systemwidget)
#include "tst_systemwidget.moc"
