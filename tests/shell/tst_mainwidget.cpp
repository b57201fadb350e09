#include "woxCore.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGuiStyle.h"
#include "woxMainWidget.h"
#include "woxModalScript.h"
#include "woxStatusBar.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

class tst_mainwidget : public QObject
{
    Q_OBJECT

    // The status bar sets the computer's clock on every clock report.
    woxFakeCommandRunner runner;
    woxFakeClock clock{QDateTime(QDate(2013, 1, 1), QTime(0, 0))};

private slots:
    // What a close event would have done, for cases that do not close.
    void cleanup() { woxCore::destroy(); woxUserMessage::destroy(); woxWarningDialog::closeInstance(); }

    // First, so the clock report it waits for is the first of the run: one dated 2013 is not early and raises
    // no warning. With WOX_SCREENSHOT set (e.g. docs/main-window.png) the window is dressed as main() dresses
    // it and its picture is written there.
    void firstClockReportFillsTheBar()
    {
        const QString screenshot = qEnvironmentVariable("WOX_SCREENSHOT");
        if (!screenshot.isEmpty()) {
            QFont font;
            font.setPixelSize(15);
            QApplication::setFont(font);
            QApplication::setStyle(new woxGuiStyle());
        }
        woxModalScript noDialog;
        woxMainWidget window;
        window.setWindowTitle("T-Orb");
        window.show();
        woxStatusBar *bar = window.findChild<woxStatusBar *>();
        QTRY_VERIFY_WITH_TIMEOUT(!bar->intBatVoltageLabel->text().isEmpty(), 10000);
        QCOMPARE(noDialog.seen, QStringList());
        QCOMPARE(runner.calls.last().arguments, QStringList({"-s", "2013-1-1 0:0:0"}));
        if (!screenshot.isEmpty())
            QVERIFY(window.grab().save(screenshot));
    }

    // The system menu's Engineer button runs the keypad: the code typed decides the engineer screen that opens.
    void keypadEntryDecidesTheScreen_data()
    {
        QTest::addColumn<QString>("typed");   // null: Cancel
        QTest::addColumn<int>("pages");       // 0: nothing opens; negative: locked tests enabled
        QTest::newRow("cancel") << QString() << 0;
        QTest::newRow("nothing typed") << QString("") << 1;
        QTest::newRow("first code") << QString("58031") << -10;
    }

    void keypadEntryDecidesTheScreen()
    {
        QFETCH(QString, typed);
        QFETCH(int, pages);
        woxMainWidget window;
        auto *menu = window.findChild<woxSystemWidget *>();
        woxModalScript script;
        script.then([typed](QDialog *keypad) {
            for (QChar digit : typed)
                keypad->findChild<QPushButton *>(QStringLiteral("pushButton") + digit)->click();
            keypad->findChild<QPushButton *>(typed.isNull() ? "cancelPushButton" : "enterPushButton")->click();
        });
        menu->engineerToolButton->click();
        QCOMPARE(script.seen, QStringList("woxPasswordDialog"));
        QPointer<woxEngineerWidget> screen = menu->findChild<woxEngineerWidget *>();
        QCOMPARE(screen.isNull(), pages == 0);
        if (!screen)
            return;
        QCOMPARE(screen->findChild<QTabWidget *>("tabWidget")->count(), qAbs(pages));
        QCOMPARE(screen->findChild<QToolButton *>("proToolButton00")->isEnabled(), pages < 0);
        screen->close();
        QVERIFY(!menu->exitToolButton->isHidden());
        QTRY_VERIFY(screen.isNull());
    }

    // A transmitter job runs for a second; the close must cancel it and wait for the worker before the core is
    // deleted (a thread object deleted while running would abort the program here).
    void closingDuringAJobCancelsIt()
    {
        woxMainWidget window;
        window.show();
        QPointer<woxCore> core(woxCore::instance());
        QSignalSpy txReports(core.data(), &woxCore::sendReportTxAux);
        core->txAux(woxTxRequest());
        QVERIFY(window.close() && core.isNull() && txReports.isEmpty());
        // The bar outlives the core: a poll tick must not build a new one.
        window.findChild<woxStatusBar *>()->onSensorTimeout();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(tst_mainwidget)
#include "tst_mainwidget.moc"
