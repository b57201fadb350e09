#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDiagnosticCapture.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxFakeNetworkAddresses.h"
#include "woxGPSManager.h"
#include "woxModalScript.h"
#include "woxPasswordDialog.h"
#include "woxProductionTests.h"
#include "woxReportRecorder.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

const QString logPath()
{
    return systemDir + QStringLiteral("engineer.html");
}

QToolButton *testButton(const woxEngineerWidget &screen, int test)
{
    return screen.findChild<QToolButton *>(QStringLiteral("proToolButton%1").arg(test, 2, 10, QChar('0')));
}

bool frameEnabled(const woxEngineerWidget &screen)
{
    return screen.findChild<QWidget *>("proFrame")->isEnabled();
}

// The name of the icon a test button shows, told apart by its picture.
QString iconName(const woxEngineerWidget &screen, int test)
{
    const QImage shown = testButton(screen, test)->icon().pixmap(48).toImage();
    for (const char *name : {"question", "play", "accept", "close"}) {
        const QIcon icon(QStringLiteral(":/icons/icons/%1.png").arg(name));
        if (!icon.isNull() && icon.pixmap(48).toImage() == shown)
            return name;
    }
    return "unknown";
}

woxCoreReportProduction report(quint8 test, quint8 code = 0)
{
    woxCoreReportProduction answer;
    answer.test = test;
    answer.error.code = code;
    return answer;
}

QPushButton *button(const QWidget &screen, const QString &name)
{
    return screen.findChild<QPushButton *>(name);
}

// Taps the digits, then presses `finish` from inside exec().
int runKeypad(woxPasswordDialog &dialog, const QString &digits, const QString &finish)
{
    for (QChar digit : digits)
        button(dialog, QStringLiteral("pushButton") + digit)->click();
    QTimer::singleShot(0, button(dialog, finish), &QPushButton::click);
    return dialog.exec();
}

// The core is idle when a sensor read, which a busy core skips, is answered.
bool answersASensorRead()
{
    woxReportRecorder recorder(woxCore::instance());
    woxCore::instance()->readSensors(0);
    return QTest::qWaitFor([&recorder] { return recorder.names.contains("Sensor"); }, 2000);
}

const QString blue(const char *name)
{
    return QStringLiteral("<font color=blue>%1:</font> <br>  <br> ").arg(name);
}

} // namespace

// The keypad, the production page and closing, and the device pages against
// the real emulated core.
class tst_engineerWidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFakeCommandRunner> runner;
    QScopedPointer<woxFakeNetworkAddresses> addresses;

private slots:
    void init()
    {
        runner.reset(new woxFakeCommandRunner);
        addresses.reset(new woxFakeNetworkAddresses);
        QDir().mkpath(systemDir);
        QFile::remove(logPath());
    }

    void cleanup()
    {
        woxTranslator::destroy();
        woxCore::destroy();
        woxGPSManager::destroy();
        woxWarningDialog::closeInstance();
        addresses.reset();
        runner.reset();
    }

    void keypad_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("finish");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("level");
        const QString enter = "enterPushButton";
        QTest::newRow("nothing typed") << "" << enter << "" << 3;
        QTest::newRow("first code") << "58031" << enter << "58031" << 0;
        QTest::newRow("second code") << "39284" << enter << "39284" << 1;
        QTest::newRow("first code and one more") << "580312" << enter << "580312" << 3;
        QTest::newRow("second code cut short") << "3928" << enter << "3928" << 3;
        QTest::newRow("first code after the second") << "3928458031" << enter << "39284580" << 3;
        QTest::newRow("eleven presses") << "12345678901" << enter << "12345678" << 3;
        QTest::newRow("cancel") << "58031" << "cancelPushButton" << "58031" << 3;
    }

    // Enter always accepts; only Cancel rejects.
    void keypad()
    {
        QFETCH(QString, digits);
        QFETCH(QString, finish);
        QFETCH(QString, field);
        QFETCH(int, level);
        woxPasswordDialog dialog;
        QCOMPARE(runKeypad(dialog, digits, finish),
                 int(finish == "cancelPushButton" ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(dialog.accessLevel(), level);
        QLineEdit *line = dialog.findChild<QLineEdit *>("lineEdit");
        QCOMPARE(line->text(), field);
        // Only masks are shown.
        QCOMPARE(line->displayText().size(), field.size());
        for (QChar digit : field)
            QVERIFY(!line->displayText().contains(digit));
    }

    void keypadAndScreenFollowTheLanguageWhileOpen()
    {
        woxPasswordDialog dialog;
        dialog.show();
        woxEngineerWidget screen(1);
        for (const char *language : {"Ru", "Uk"}) {
            woxTranslator::instance()->setLanguage(language);
            const bool ru = QString(language) == "Ru";
            QCOMPARE(dialog.windowTitle(), QString(ru ? "Введите пароль" : "Enter password"));
            QCOMPARE(button(dialog, "enterPushButton")->text(), QString(ru ? "Ввод" : "Enter"));
            QCOMPARE(button(dialog, "cancelPushButton")->text(), QString(ru ? "Отмена" : "Cancel"));
            QCOMPARE(button(dialog, "pushButton7")->text(), QString("7"));
            QCOMPARE(screen.findChild<QTabWidget *>("tabWidget")->tabText(0),
                     QString(ru ? "Настройка и проверка" : "Setup and testing"));
            QCOMPARE(button(screen, "proStopPushButton")->text(), QString(ru ? "Стоп" : "Stop"));
            // The test names keep the language the screen was built in.
            QCOMPARE(testButton(screen, 9)->text(), QString("Check LAN"));
        }
    }

    void levelsKeepPagesAndTests_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("restrictedEnabled");
        QTest::newRow("first code") << 0 << 10 << true;
        QTest::newRow("second code") << 1 << 1 << true;
        QTest::newRow("any other entry") << 3 << 1 << false;
    }

    void levelsKeepPagesAndTests()
    {
        QFETCH(int, level);
        QFETCH(int, pages);
        QFETCH(bool, restrictedEnabled);
        woxEngineerWidget screen(level);
        QTabWidget *tabs = screen.findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->count(), pages);
        QCOMPARE(tabs->tabText(0), QString("Setup and testing"));
        for (int test = 0; test < woxProductionTests::Count; ++test) {
            const bool restricted = test == 0 || test == 16 || test == 20;
            QCOMPARE(testButton(screen, test)->isEnabled(), !restricted || restrictedEnabled);
            QCOMPARE(testButton(screen, test)->text(), woxProductionTests::names().at(test));
        }
        // The rows from the top of the page down.
        const QVector<int> order = {0, 1, 2, 21, 13, 12, 18, 11, 10, 20, 16, 3, 17, 4, 5, 6, 7, 14, 15, 8, 9, 19};
        auto *grid = qobject_cast<QGridLayout *>(screen.findChild<QWidget *>("proFrame")->layout());
        for (int row = 0; row < order.size(); ++row) {
            QCOMPARE(grid->itemAtPosition(row, 0)->widget(), testButton(screen, order.at(row)));
            QCOMPARE(grid->itemAtPosition(row, 2)->widget()->objectName(),
                     QStringLiteral("logPushButton%1").arg(order.at(row), 2, 10, QChar('0')));
        }
        // A locked test's log button still opens its (empty) log.
        for (const char *name : {"logPushButton00", "logPushButton16", "logPushButton20"}) {
            QString shown = "not shown";
            woxModalScript script;
            script.then([&shown](QDialog *dialog) {
                shown = dialog->findChild<QTextBrowser *>()->toPlainText();
                dialog->accept();
            });
            screen.findChild<QPushButton *>(name)->click();
            QCOMPARE(shown, QString());
        }
    }

    void instructionTexts()
    {
        const QStringList instructions = woxProductionTests::instructions();
        QCOMPARE(instructions.size(), 22);
        QCOMPARE(instructions.at(2),
                 QString("Please connect A and B sockets with resistor:\nresistance: 1.0 kOhm ± 10 %,\n"
                         "max. power: 1.4 W or more,\nmax voltage: 37.5 V or more."));
        QCOMPARE(instructions.at(21),
                 QString("Please connect reference voltage source (≤ 12000 mV) to A and B sockets."));
        QCOMPARE(instructions.at(13),
                 QString("Please connect A and B sockets with resistor:\nresistance: 5.0 kOhm ± 10 % or more,\n"
                         "max. power: 50.0 W or more,\nmax voltage: 500.0 V or more."));
        QCOMPARE(instructions.at(18),
                 QString("Please connect A and B sockets with resistor:\nresistance: 30.0 Ohm ± 10 %,\n"
                         "max power: 120.0 W or more.\nmax voltage: 60.0 V or more."));
        QCOMPARE(woxProductionTests::names().at(5), QString("Check Tx∞ and Rx∞ sockets"));
    }

    void notReadyChangesNothing()
    {
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(0);
        testButton(screen, 2)->click();
        QCOMPARE(script.seen, QStringList("woxWarningDialog: " + woxProductionTests::instructions().at(2)
                                          + "\nAre you ready to continue?"));
        QTest::qWait(700);
        QCOMPARE(iconName(screen, 2), QString("question"));
        QVERIFY(frameEnabled(screen));
        QVERIFY(screen.productionLogs().at(2).isEmpty());
    }

    void coreTestPassesOrIsStopped()
    {
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1).answer(1);
        testButton(screen, 2)->click();
        QCOMPARE(iconName(screen, 2), QString("play"));
        QVERIFY(!frameEnabled(screen));
        QTRY_COMPARE_WITH_TIMEOUT(iconName(screen, 2), QString("accept"), 5000);
        QVERIFY(frameEnabled(screen));
        QCOMPARE(screen.productionLogs().at(2),
                 blue("Check A and B sockets and Rx channels for Tx monitoring"));

        testButton(screen, 17)->click();
        QCOMPARE(iconName(screen, 17), QString("play"));
        screen.findChild<QPushButton *>("proStopPushButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(iconName(screen, 17), QString("question"), 5000);
        QVERIFY(frameEnabled(screen));
        QVERIFY(screen.productionLogs().at(17).endsWith(" <br> <font color=red>Canceled by user</font>"));
    }

    void usbAnsweredNo()
    {
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1).answer(0);
        testButton(screen, 8)->click();
        QCOMPARE(script.seen.last(), QString("woxWarningDialog: Did USB drive appear?"));
        QCOMPARE(iconName(screen, 8), QString("close"));
        QCOMPARE(runner->calls.size(), 2);
        QCOMPARE(runner->calls.at(0).program, QString("usb_start"));
        QCOMPARE(runner->calls.at(1).program, QString("usb_stop"));
        QCOMPARE(screen.productionLogs().at(8),
                 QString("<font color=blue>Check USB:</font> <br>  <br> Detecting USB appearance   "
                         "<font color=red>✗</font> <br> "));
        QVERIFY(frameEnabled(screen));
    }

    void lanNeedsMoreThanLoopback()
    {
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1).answer(1);
        testButton(screen, 9)->click();
        QCOMPARE(iconName(screen, 9), QString("close"));
        QCOMPARE(screen.productionLogs().at(9),
                 blue("Check LAN") + "IPv4/IPv6 address: ::1   <font color=red>✗</font> <br> ");
        // A second run replaces the first one's log.
        addresses->addresses.insert(1, QHostAddress("192.0.2.7"));
        testButton(screen, 9)->click();
        QCOMPARE(iconName(screen, 9), QString("accept"));
        QCOMPARE(screen.productionLogs().at(9),
                 blue("Check LAN") + "IPv4/IPv6 address: 192.0.2.7   <font color=blue>✓</font> <br> ");
    }

    void reportsFromTheCore_data()
    {
        QTest::addColumn<quint8>("code");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("tail");
        QTest::newRow("passed") << quint8(0) << true << "accept" << "body";
        QTest::newRow("failed") << quint8(0) << false << "close" << "body";
        QTest::newRow("error") << quint8(5) << true << "close"
                               << "body <br> <font color=red>" + woxCoreError{5, 0}.toString() + "</font>";
        QTest::newRow("cancelled") << quint8(13) << true << "question"
                                   << "body <br> <font color=red>Canceled by user</font>";
    }

    void reportsFromTheCore()
    {
        QFETCH(quint8, code);
        QFETCH(bool, passed);
        QFETCH(QString, icon);
        QFETCH(QString, tail);
        woxCoreDouble core;
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1);
        testButton(screen, 4)->click();
        QCOMPARE(core.kinds(), QList<woxCoreDouble::Kind>({woxCoreDouble::Production}));
        QCOMPARE(core.requests.at(0).production.test, quint8(4));
        woxCoreReportProduction answer = report(4, code);
        answer.passed = passed;
        answer.text1 = "body";
        core.deliver(answer);
        QCOMPARE(iconName(screen, 4), icon);
        QCOMPARE(screen.productionLogs().at(4), blue("Check M and N sockets") + tail);
        QVERIFY(frameEnabled(screen));
    }

    void reportForAnUnknownTestIsIgnored()
    {
        woxCoreDouble core;
        woxDiagnosticCapture diagnostics;
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1);
        testButton(screen, 3)->click();
        QVERIFY(!frameEnabled(screen));
        core.deliver(report(22));
        QCOMPARE(diagnostics.lines(), QStringList("woxEngineerWidget error: 22"));
        QVERIFY(frameEnabled(screen));
        for (const QString &log : screen.productionLogs())
            QVERIFY(log.isEmpty());
        QCOMPARE(iconName(screen, 3), QString("play"));
    }

    void closingAsksToSaveTheLog_data()
    {
        QTest::addColumn<bool>("logged");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no log asks nothing") << false << 0 << true;
        QTest::newRow("cancel") << true << int(woxWarningDialog::CancelResult) << false;
        QTest::newRow("no") << true << 0 << true;
    }

    void closingAsksToSaveTheLog()
    {
        QFETCH(bool, logged);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        woxCoreDouble core;
        woxEngineerWidget screen(1);
        QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
        if (logged)
            core.deliver(report(5));
        woxModalScript script;
        script.answer(answer);
        QCOMPARE(screen.close(), closes);
        QCOMPARE(script.seen, logged ? QStringList("woxWarningDialog: Save log?") : QStringList());
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QVERIFY(!QFile::exists(logPath()));
        QCOMPARE(screen.productionLogs().at(5).isEmpty(), !logged);
        if (!logged)
            QCOMPARE(core.kinds(), QList<woxCoreDouble::Kind>({woxCoreDouble::Stop}));
    }

    void savedLogHoldsEveryReportedTest()
    {
        woxCoreDouble core;
        addresses->addresses.append(QHostAddress("192.0.2.7"));
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        const QByteArray expected =
            "<html>\n<head>\n</head>\n<body>\nSat Mar 9 2024 07:05:00 <br> 7 (wox_0) <br>  <br> "
            "<font color=blue>Check A and B sockets and Rx channels for Tx monitoring:</font> <br>  <br>  "
            "<br> <font color=blue>Check LAN:</font> <br>  <br> IPv4/IPv6 address: 192.0.2.7   "
            "<font color=blue>\xE2\x9C\x93</font> <br>  <br> \n</body>\n</html>";
        QCOMPARE(expected.size(), 309);
        for (int visit = 0; visit < 2; ++visit) {
            woxEngineerWidget screen(0);
            QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
            woxModalScript script;
            script.answer(1).answer(1);
            if (visit == 0)
                core.deliver(report(2));
            testButton(screen, 9)->click();
            QVERIFY(screen.close());
            QCOMPARE(closed.count(), 1);
            QFile file(logPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            if (visit == 0) {
                QCOMPARE(bytes, expected);
            } else {
                // Only this visit's test is left.
                QVERIFY(!bytes.contains("Check A and B"));
                QVERIFY(bytes.contains("Check LAN"));
            }
        }
        QCOMPARE(runner->calls.last().program, QString("/bin/sync"));
    }

    void anUnwritableLogKeepsTheScreen()
    {
        woxCoreDouble core;
        // A file where the system folder should be: no one, root included,
        // can create the log there.
        QDir(systemDir).removeRecursively();
        QFile blocker(QDir::cleanPath(systemDir));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        woxEngineerWidget screen(0);
        QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
        core.deliver(report(7));
        woxModalScript script;
        script.answer(1).answer(1).answer(0);
        QVERIFY(!screen.close());
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Save log?",
                                           "woxWarningDialog: Can not write data to file"}));
        QCOMPARE(closed.count(), 0);
        QVERIFY(!screen.productionLogs().at(7).isEmpty());
        // The engineer may still leave without the log.
        QVERIFY(screen.close());
        QCOMPARE(closed.count(), 1);
        QFile::remove(QDir::cleanPath(systemDir));
    }

    void switchAndCalibrationAnswers_data()
    {
        QTest::addColumn<bool>("calibration");
        QTest::addColumn<quint8>("code");
        QTest::addColumn<QStringList>("shown");
        const QString canceled = "woxWarningDialog: Canceled by user";
        QTest::newRow("switch success") << false << quint8(0) << QStringList();
        QTest::newRow("switch error") << false << quint8(13) << QStringList(canceled);
        QTest::newRow("calibration success") << true << quint8(0) << QStringList("woxWarningDialog: Success");
        QTest::newRow("calibration error") << true << quint8(13) << QStringList(canceled);
    }

    void switchAndCalibrationAnswers()
    {
        QFETCH(bool, calibration);
        QFETCH(quint8, code);
        QFETCH(QStringList, shown);
        woxCoreDouble core;
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1);
        if (calibration) {
            woxCoreReportCalibrate answer;
            answer.error.code = code;
            core.deliver(answer);
        } else {
            woxCoreReportSwAux answer;
            answer.error.code = code;
            core.deliver(answer);
        }
        QCOMPARE(script.seen, shown);
    }

    void samplesFromTheEmulatedCore()
    {
        woxEngineerWidget screen(0);
        screen.findChild<QSpinBox *>("rxSamplesToRunSpinBox")->setValue(100);
        button(screen, "rxMsrGetPushButton")->click();
        QTextEdit *samples = screen.findChild<QTextEdit *>("rxSamplesTextEdit");
        QTRY_VERIFY(!samples->toPlainText().isEmpty());
        QCOMPARE(samples->toPlainText(), QString("5.5700\n").repeated(100));
    }

    void pingStartsNothing()
    {
        woxEngineerWidget screen(0);
        woxReportRecorder recorder(woxCore::instance());
        button(screen, "miscPingPushButton")->click();
        QTRY_COMPARE(screen.findChild<QLabel *>("miscPingLabel")->text(), QString("OK"));
        QTest::qWait(100);
        QCOMPARE(recorder.names, QStringList("RxStress"));
        QCOMPARE(screen.findChild<QLabel *>("stressRxStatusLabel")->text(), QString("N/A"));
        QVERIFY(answersASensorRead());
    }

    void stressRunsEndOnEveryStop_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::newRow("receiver stop") << "rxStopPushButton";
        QTest::newRow("production stop") << "proStopPushButton";
        QTest::newRow("panic") << "miscPanicPushButton";
        QTest::newRow("closing") << "";
    }

    void stressRunsEndOnEveryStop()
    {
        QFETCH(QString, stop);
        // Panic's stop frames go to the port this build never opens.
        woxDiagnosticCapture diagnostics;
        auto *screen = new woxEngineerWidget(0);
        woxReportRecorder recorder(woxCore::instance());
        button(*screen, "stressRxStartPushButton")->click();
        QTRY_VERIFY(recorder.names.count("RxStress") >= 5);
        if (stop.isEmpty())
            QVERIFY(screen->close());
        else
            button(*screen, stop)->click();
        const int answered = recorder.names.count("RxStress");
        QTest::qWait(300);
        QVERIFY(recorder.names.count("RxStress") <= answered + 1);
        QVERIFY(answersASensorRead());
        delete screen;
    }

    void soundAlertCancelsACalibration()
    {
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1);
        button(screen, "calibrateCalibratePushButton")->click();
        button(screen, "miscSoundAlertPushButton")->click();
        QTRY_COMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
    }

    void timeAnswerReachesTheComputerClockOnlyThroughTheRunner()
    {
        woxStatusBar statusBar;
        QTRY_COMPARE(runner->calls.size(), 1);   // the status bar's own first read
        woxEngineerWidget screen(0);
        button(screen, "miscTimeGetPushButton")->click();
        QTRY_COMPARE(runner->calls.size(), 2);
        const woxFakeCommandRunner::Call call = runner->calls.last();
        QCOMPARE(call.program, QString("date"));
        QCOMPARE(call.arguments.size(), 2);
        QCOMPARE(call.arguments.at(0), QString("-s"));
        QVERIFY(!call.waited);
    }

    void screenshot()
    {
        woxCoreDouble core;
        woxEngineerWidget screen(0);
        core.deliver(report(2));
        woxCoreReportProduction failed = report(21);
        failed.passed = false;
        core.deliver(failed);
        core.deliver(report(13, 13));
        screen.resize(1018, 520);
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        QVERIFY(screen.grab().save(path + "/engineer-production.png"));
    }

    void openedAndClosedThroughTheSystemMenu()
    {
        woxSystemWidget menu;
        menu.setEngineerOpener(&woxEngineerWidget::openFromKeypad);
        const QList<QToolButton *> buttons = menu.findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 9);
        woxModalScript script;
        script.then([](QDialog *keypad) {
            for (const char *digit : {"5", "8", "0", "3", "1"})
                keypad->findChild<QPushButton *>(QStringLiteral("pushButton") + digit)->click();
            keypad->findChild<QPushButton *>("enterPushButton")->click();
        });
        menu.findChild<QToolButton *>("engineerToolButton")->click();
        QCOMPARE(script.seen, QStringList("woxPasswordDialog"));
        QPointer<woxEngineerWidget> screen = menu.findChild<woxEngineerWidget *>();
        QVERIFY(screen);
        QCOMPARE(screen->findChild<QTabWidget *>("tabWidget")->count(), 10);
        for (QToolButton *button : buttons)
            QVERIFY(button->isHidden());
        screen->findChild<QPushButton *>("proExitPushButton")->click();
        QTRY_VERIFY(screen.isNull());
        for (QToolButton *button : buttons)
            QVERIFY(!button->isHidden());
    }
};

int main(int argc, char *argv[])
{
    // The log header names the day and month the way the system locale does.
    qputenv("LC_ALL", "C");
    QApplication application(argc, argv);
    tst_engineerWidget test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_engineerWidget.moc"
