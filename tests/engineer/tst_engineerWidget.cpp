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
#include "woxSignalWidget.h"
#include "woxWarningDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QToolButton *testButton(const woxEngineerWidget &screen, int test)
{
    return screen.findChild<QToolButton *>(QStringLiteral("proToolButton%1").arg(test, 2, 10, QChar('0')));
}

void click(const QWidget &screen, const QString &name)
{
    screen.findChild<QPushButton *>(name)->click();
}

// The name of the icon a test button shows, told apart by its picture.
QString iconName(const woxEngineerWidget &screen, int test)
{
    const QImage shown = testButton(screen, test)->icon().pixmap(48).toImage();
    for (const char *name : {"question", "play", "accept", "close"})
        if (QIcon(QStringLiteral(":/icons/icons/%1.png").arg(name)).pixmap(48).toImage() == shown)
            return name;
    return "unknown";
}

const QString blue(const char *name)
{
    return QStringLiteral("<font color=blue>%1:</font> <br>  <br> ").arg(name);
}

// Sets each "objectName=value" on the screen's combo box, spin box, slider or check box.
void apply(const QWidget &screen, const QStringList &settings)
{
    for (const QString &setting : settings) {
        QObject *child = screen.findChild<QObject *>(setting.section('=', 0, 0));
        for (const char *property : {"currentIndex", "value", "checked"})
            if (child->metaObject()->indexOfProperty(property) >= 0)
                child->setProperty(property, setting.section('=', 1).toInt());
    }
}

QString line(const char *kind, std::initializer_list<int> values, const QMap<QString, bool> &raised = {})
{
    QStringList texts(kind);
    for (int value : values)
        texts << QString::number(value);
    return (texts + raised.keys(true)).join(' ');
}

// A request as one line: its kind, then its fields in order.
QString fields(const woxCoreDouble::Request &r)
{
    switch (r.kind) {
    case woxCoreDouble::TxAux:
        return line("tx", {r.tx.pulse, r.tx.adjust, r.tx.stop, r.tx.device, r.tx.command, r.tx.duration, r.tx.level});
    case woxCoreDouble::RxAux:
        return line("rx", {r.rx.device, r.rx.samples},
                    {{"start", r.rx.start}, {"reset", r.rx.reset}, {"read", r.rx.read}, {"lowRange", r.rx.lowRange},
                     {"highRange", r.rx.highRange}, {"calibrationInput", r.rx.calibrationInput},
                     {"measurementInput", r.rx.measurementInput}, {"clear", r.rx.clear}});
    case woxCoreDouble::SwAux:
        return line("sw", {r.sw.device, r.sw.enable, r.sw.pairMB, r.sw.electrode},
                    {{"set", r.sw.set}, {"reset", r.sw.reset}, {"ground", r.sw.ground}, {"all", r.sw.all},
                     {"phantom", r.sw.phantom}});
    case woxCoreDouble::Calibrate: return line("calibrate", {r.calibration.samples, r.calibration.restoreDefaults});
    case woxCoreDouble::RxStress: return line("stress", {r.stress.device, r.stress.samples, r.stress.pause});
    case woxCoreDouble::Clock:
        return r.clock.set ? "set " + r.clock.date.toString(Qt::ISODate) + " " + r.clock.time.toString(Qt::ISODate)
                           : "get clock";
    case woxCoreDouble::Production: return line("production", {r.production.test});
    case woxCoreDouble::Sound: return line("sound", {r.sound});
    case woxCoreDouble::ET2D: {
        const woxCoreQuadripole q = r.et2d.quadripoles.value(0);
        return line("et2d", {r.et2d.quadripoles.size(), q.a, q.b, q.m, q.n, q.channel});
    }
    default: return line("kind", {r.kind});
    }
}

// The requests sent since the last look, one line each.
QString sentBy(woxCoreDouble &core)
{
    QStringList lines;
    for (const woxCoreDouble::Request &request : core.take())
        lines << fields(request);
    return lines.join(", ");
}

} // namespace

// The engineer's screen: access levels, the production page and its log, and every device page's requests and answers
// with the instrument stood in for.
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
        QFile::remove(systemDir + "engineer.html");
    }

    void cleanup()
    {
        woxCore::destroy();
        woxGPSManager::destroy();
        woxWarningDialog::closeInstance();
        addresses.reset();
        runner.reset();
    }

    void accessLevels_data()
    {
        QTest::addColumn<QString>("row");   // "digits pages allOpen": the two codes, then the first and one more
        for (const char *row : {"58031 10 1", "39284 1 1", "580312 1 0"})
            QTest::newRow(row) << QString(row);
    }

    void accessLevels()
    {
        QFETCH(QString, row);
        const QStringList v = row.split(' ');
        woxPasswordDialog dialog;
        for (QChar digit : v[0])
            click(dialog, QStringLiteral("pushButton") + digit);
        QTimer::singleShot(0, dialog.findChild<QPushButton *>("enterPushButton"), &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        woxEngineerWidget screen(dialog.accessLevel());
        QCOMPARE(screen.findChild<QTabWidget *>("tabWidget")->count(), v[1].toInt());
        for (int test = 0; test < woxProductionTests::Count; ++test)
            QCOMPARE(testButton(screen, test)->isEnabled(), v[2] == "1" || (test != 0 && test != 16 && test != 20));
    }

    // The report reaches its own test's button and log; one for a test beyond the last is ignored. The page is
    // pictured on the way.
    void productionReport_data()
    {
        QTest::addColumn<int>("test");
        QTest::addColumn<quint8>("code");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("log");
        const QString mn = blue("Check M and N sockets");
        QTest::newRow("passed") << 4 << quint8(0) << true << "accept" << mn + "body";
        QTest::newRow("failed") << 4 << quint8(0) << false << "close" << mn + "body";
        QTest::newRow("error") << 4 << quint8(5) << true << "close"
                               << mn + "body <br> <font color=red>" + woxCoreError{5, 0}.toString() + "</font>";
        QTest::newRow("cancelled") << 4 << quint8(13) << true << "question"
                                   << mn + "body <br> <font color=red>Canceled by user</font>";
        QTest::newRow("last test") << 21 << quint8(0) << false << "close"
                                   << blue(qPrintable(woxProductionTests::names().at(21))) + "body";
        QTest::newRow("beyond the last") << 22 << quint8(0) << true << "play" << "";
    }

    void productionReport()
    {
        QFETCH(int, test);
        QFETCH(quint8, code);
        QFETCH(bool, passed);
        QFETCH(QString, icon);
        QFETCH(QString, log);
        woxCoreDouble core;
        woxDiagnosticCapture diagnostics;
        woxEngineerWidget screen(0);
        woxModalScript script;
        script.answer(1);
        testButton(screen, 4)->click();
        QWidget *frame = screen.findChild<QWidget *>("proFrame");
        QCOMPARE(iconName(screen, 4) + QString::number(frame->isEnabled()), QString("play0"));
        QCOMPARE(sentBy(core), QString("production 4"));
        core.deliver(woxCoreReportProduction{{code, 0}, quint8(test), passed, "body", {}, {}});
        const int shown = test < woxProductionTests::Count ? test : 4;
        QCOMPARE(iconName(screen, shown) + QString::number(frame->isEnabled()), icon + "1");
        QCOMPARE(screen.productionLogs().at(shown), log);
        QCOMPARE(diagnostics.lines().join(""), QString(test == 22 ? "woxEngineerWidget error: 22" : ""));
        screen.resize(1018, 520);
        const QString pictures = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::tempPath());
        QVERIFY(screen.grab().save(pictures + "/engineer-production.png"));
    }

    // A save cut short keeps the screen, the log and the old file; the next one writes it all.
    void closingSavesTheLog()
    {
        woxCoreDouble core;
        addresses->addresses.append(QHostAddress("192.0.2.7"));
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        woxEngineerWidget screen(0);
        QSignalSpy closed(&screen, &woxEngineerWidget::sendEngineerWidgetClose);
        woxModalScript script;
        script.answer(1).answer(1).answer(1).answer(1);
        core.deliver(woxCoreReportProduction{{}, 2, true, "", "", ""});   // an earlier test's line
        testButton(screen, 9)->click();
        QFile file(systemDir + "engineer.html");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        // A full disk, as a file-size limit makes it even for root.
        rlimit saved, small;
        getrlimit(RLIMIT_FSIZE, &saved);
        small = {100, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        QVERIFY(!screen.close());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(script.seen.mid(1), QStringList({"woxWarningDialog: Save log?",
                                                  "woxWarningDialog: Can not write data to file"}));
        QVERIFY(closed.isEmpty() && file.open(QIODevice::ReadOnly) && file.readAll() == "old");
        file.close();
        QVERIFY(screen.close() && closed.count() == 1 && file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("<html>\n<head>\n</head>\n<body>\nSat Mar 9 2024 07:05:00 <br> 7 (wox_0) <br>  <br> "
                            "<font color=blue>Check A and B sockets and Rx channels for Tx monitoring:</font> "
                            "<br>  <br>  <br> <font color=blue>Check LAN:</font> <br>  <br> IPv4/IPv6 address: "
                            "192.0.2.7   <font color=blue>\xE2\x9C\x93</font> <br>  <br> \n</body>\n</html>"));
        QCOMPARE(runner->calls.last().program, QString("/bin/sync"));
    }

    // Stop GPS destroys the fix holder: a later tick asks for the new one. A new quadripole brings back the signal
    // window that its Accept hid.
    void gpsAndSignalWindow()
    {
        woxCoreDouble core;
        woxEngineerWidget screen(0);
        for (const char *slot : {"onStartGPS", "onGPSTimer", "onStopGPS", "onStartGPS", "onGPSTimer"})
            QVERIFY(QMetaObject::invokeMethod(&screen, slot));
        QCOMPARE(screen.findChild<QListWidget *>("miscListWidget")->count(), 1);
        QWidget *window = screen.findChild<woxSignalWidget *>();
        window->hide();
        click(screen, "signalSetQuadripolePushButton");
        QVERIFY(!window->isHidden());
    }

    // "tag|settings|button|requests sent"
    void requests_data()
    {
        QTest::addColumn<QString>("row");
        const QString tx = "txCheckGroundingPowerCheckBox=%1 txDeviceComboBox=%2 txPowerHorizontalSlider=40 "
                           "txDurationHorizontalSlider=%3";
        const QString clock = "miscYearSpinBox=2031 miscMonthSpinBox=%1 miscDaySpinBox=28 miscHourSpinBox=3 "
                              "miscMinuteSpinBox=4 miscSecondSpinBox=5";
        const QStringList rows = {
            "tx adjust, grounding|" + tx.arg(1).arg(1).arg(500) + "|txAdjustPulseSecondPushButton|tx 0 1 0 7 32 0 -1",
            "tx pulse, IntTx|" + tx.arg(0).arg(0).arg(500) + "|txPulseSecondPushButton|tx 1 0 0 7 34 500 0",
            "tx pulse, longest|" + tx.arg(1).arg(1).arg(20000) + "|txPulseFirstPushButton|tx 1 0 0 6 33 15000 0",
            "tx zero pulse|" + tx.arg(0).arg(0).arg(500) + "|txPulseZeroPushButton|tx 1 0 0 6 36 500 40",
            "tx stop, RefTx|" + tx.arg(0).arg(1).arg(500) + "|txStopPushButton|tx 0 0 1 6 0 0 0",
            "rx start 0|rxSamplesToRunSpinBox=77 rxDeviceComboBox=0|rxMsrStartPushButton|rx 8 77 start",
            "rx clear 15|rxSamplesToRunSpinBox=77 rxDeviceComboBox=15|rxMsrClearPushButton|rx 23 0 clear",
            "rx input, all|rxDeviceComboBox=18|rxMsrInputPushButton|rx 255 0 measurementInput",
            "sw set NA 0|swDeviceComboBox=0 swElectrodeSpinBox=5 swApplyCheckBox=0|swSwSetNAPushButton|sw 26 0 0 5 set",
            "sw set MB Tx|swDeviceComboBox=16 swElectrodeSpinBox=-2 swApplyCheckBox=1|swSwSetMBPushButton"
            "|sw 42 1 1 65535 set",
            "sw grounding|swDeviceComboBox=17 swElectrodeSpinBox=63|swGroundingPushButton|sw 0 1 0 63 ground",
            "sw all|swDeviceComboBox=17 swElectrodeSpinBox=9|swAllPushButton|sw 254 1 0 0 all",
            "calibration defaults|calibrateSamplesSpinBox=123|calibrateDefaultPushButton|calibrate 40 1",
            "clock set|" + clock.arg(7) + "|miscTimeSetPushButton|set 2031-07-28 03:04:05",
            "clock set, no month|" + clock.arg(0) + "|miscTimeSetPushButton|set  03:04:05",
            "clock get|" + clock.arg(7) + "|miscTimeGetPushButton|get clock",
            "sound|miscSoundSampleSpinBox=42|miscSoundAlertPushButton|sound 42",
            QStringLiteral("panic||miscPanicPushButton|kind %1").arg(woxCoreDouble::StopAll),
            "et2d||et2dPushButton|et2d 1 0 1 1 0 0"};
        for (const QString &row : rows)
            QTest::newRow(qPrintable(row.section('|', 0, 0))) << row;
    }

    void requests()
    {
        QFETCH(QString, row);
        const QString sent = row.section('|', 3);
        woxCoreDouble core;
        woxEngineerWidget screen(0);
        apply(screen, row.section('|', 1, 1).split(' ', Qt::SkipEmptyParts));
        click(screen, row.section('|', 2, 2));
        QCOMPARE(sentBy(core), sent);
        if (sent != "get clock")
            return;
        // The answer fills the clock's fields in their order.
        core.deliver(woxCoreReportClock{{}, false, QDate(2030, 11, 12), QTime(13, 14, 15)});
        QStringList shown;
        for (const char *field : {"Year", "Month", "Day", "Hour", "Minute", "Second"})
            shown << screen.findChild<QSpinBox *>(QStringLiteral("misc%1SpinBox").arg(field))->text();
        QCOMPARE(shown.join(' '), QString("2030 11 12 13 14 15"));
    }

    // Each answer goes to the run or the ping that asked; after any stop the run's last answer starts nothing more.
    void stressRuns_data()
    {
        QTest::addColumn<QString>("stop");   // none: the screen closes
        for (const char *stop : {"rxStopPushButton", "proStopPushButton", "miscPanicPushButton", ""})
            QTest::newRow(*stop ? stop : "closing") << QString(stop);
    }

    void stressRuns()
    {
        QFETCH(QString, stop);
        woxCoreDouble core;
        woxDiagnosticCapture diagnostics;
        woxEngineerWidget screen(0);
        auto answer = [](const char *text) { return woxCoreReportRxStress{{}, text}; };
        auto label = [&screen](const char *name) { return screen.findChild<QLabel *>(name)->text(); };
        apply(screen, {"stressRxChannelSpinBox=16"});
        click(screen, "stressRxStartPushButton");
        click(screen, "miscPingPushButton");
        QCOMPARE(sentBy(core), QString("stress 24 1 4, stress 0 0 10"));
        core.deliver(answer("OK"));      // the run's: the next run starts
        QCOMPARE(sentBy(core), QString("stress 24 1 4"));
        core.deliver(answer("FAIL"));    // the ping's: shown, starts nothing
        QCOMPARE(label("miscPingLabel") + "|" + label("stressRxStatusLabel") + sentBy(core), QString("FAIL|"));
        if (stop.isEmpty())
            QVERIFY(screen.close());
        else
            click(screen, stop);
        core.take();
        core.deliver(answer("OK"));
        QCOMPARE(label("stressRxStatusLabel"), QString("OK"));
        QVERIFY(core.of(woxCoreDouble::RxStress).isEmpty());
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
