#include "woxCore.h"
#include "woxDiagnosticCapture.h"
#include "woxEngineerWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSManager.h"
#include "woxModalScript.h"
#include "woxReportRecorder.h"
#include "woxStatusBar.h"
#include "woxWarningDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

// The device pages against the real emulated core: what the worker answers
// reaches the page, and no button leaves the worker in an endless chain.
class tst_engineerCore : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;

    static void click(QWidget *screen, const QString &name)
    {
        screen->findChild<QPushButton *>(name)->click();
    }

    // The core is idle when a sensor read, which a busy core skips, is answered.
    static bool answersASensorRead()
    {
        woxReportRecorder recorder(woxCore::instance());
        woxCore::instance()->readSensors(0);
        return QTest::qWaitFor([&recorder] { return recorder.names.contains("Sensor"); }, 2000);
    }

private slots:
    void cleanup()
    {
        woxCore::destroy();
        woxGPSManager::destroy();
        woxWarningDialog::closeInstance();
    }

    void samplesFromTheEmulatedCore()
    {
        woxEngineerWidget screen(0);
        screen.findChild<QSpinBox *>("rxSamplesToRunSpinBox")->setValue(100);
        click(&screen, "rxMsrGetPushButton");
        QTextEdit *samples = screen.findChild<QTextEdit *>("rxSamplesTextEdit");
        QTRY_VERIFY(!samples->toPlainText().isEmpty());
        QCOMPARE(samples->toPlainText(), QString("5.5700\n").repeated(100));
    }

    void pingStartsNothing()
    {
        woxEngineerWidget screen(0);
        woxReportRecorder recorder(woxCore::instance());
        click(&screen, "miscPingPushButton");
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
        click(screen, "stressRxStartPushButton");
        QTRY_VERIFY(recorder.names.count("RxStress") >= 5);
        if (stop.isEmpty())
            QVERIFY(screen->close());
        else
            click(screen, stop);
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
        click(&screen, "calibrateCalibratePushButton");
        click(&screen, "miscSoundAlertPushButton");
        QTRY_COMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
    }

    void timeAnswerReachesTheComputerClockOnlyThroughTheRunner()
    {
        woxStatusBar statusBar;
        QTRY_COMPARE(runner.calls.size(), 1);   // the status bar's own first read
        woxEngineerWidget screen(0);
        click(&screen, "miscTimeGetPushButton");
        QTRY_COMPARE(runner.calls.size(), 2);
        const woxFakeCommandRunner::Call call = runner.calls.last();
        QCOMPARE(call.program, QString("date"));
        QCOMPARE(call.arguments.size(), 2);
        QCOMPARE(call.arguments.at(0), QString("-s"));
        QVERIFY(!call.waited);
    }
};

QTEST_MAIN(tst_engineerCore)
#include "tst_engineerCore.moc"
