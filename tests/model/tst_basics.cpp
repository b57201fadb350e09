// The small services everything else uses: shared texts, port files, the command runner, names, the stopwatch.
#include "woxCommandRunner.h"
#include "woxConstants.h"
#include "woxDataRoot.h"
#include "woxDiagnostic.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxNames.h"
#include "woxStopwatch.h"
#include "woxTestEnvironment.h"

#include <QtTest>

class tst_basics : public QObject
{
    Q_OBJECT

private slots:
    // Every function starts without port files.
    void init() { woxTestEnvironment::reset(); }

    // {name, value}: the option lists, folders under the data root, serial settings, file words, access codes, update
    // log-in and log marks, as every screen reads them.
    void sharedTexts()
    {
        const QString root = QDir::homePath() + "/wox_0/";
        const QList<QPair<QString, QString>> rows = {
            {pulseDurationList, "80,100,200,300,400,500,600,700,800,900,1000,1200,1400,1600,1800,2000,2500,3000,3500,"
                                "4000"},
            {pauseDurationList, "20,60,80,100,200,300,400,500,600,700,800,900,1000,1200,1400,1600,1800,2000,2500,3000,"
                                "3500,4000"},
            {deviationList, "0.10,0.25,0.50,1.00,2.00,3.00,4.00,5.00,10.0"}, {dataRootName, "wox_0"},
            {templatesDir, root + "templates/"}, {varnexDir, root + "varnex/"}, {sessionsDir, root + "sessions/"},
            {systemDir, root + "system/"}, {tmpDir, root + "tmp/"}, {defaultCorePort, "COM1"},
            {coreSerialSettings, "115200, 8, N, 1, off"}, {defaultGpsPort, "COM2"},
            {gpsSerialSettings, "9600  , 8, N, 1, off"}, {varnexSourceMarker, "ERT/SIGN"},
            {downloadFileName, "download"}, {settingsOrganisation, "wox.Project"},
            {QString::number(lastSessionFileName.size()) + lastSessionFileName.right(2), "31_7"},
            {pseudoDepthResource, ":/system/system/pseudoDepth.base"}, {templateExtension, "woxTemplate"},
            {sessionExtension, "woxSession"}, {releaseExtension, "woxRelease"}, {accessCodeA, "58031"},
            {accessCodeB, "39284"}, {ftpUserName, "woxLogin"}, {ftpPassword, "r57Quorvane"}, {htmlBreak, " <br> "},
            {passedMark, QString("   <font color=blue>") + QChar(0x2713) + "</font> <br> "},
            {failedMark, QString("   <font color=red>") + QChar(0x2717) + "</font> <br> "}, {htmlLessThan, "&lt;"},
            {htmlGreaterThan, "&gt;"}};
        for (const auto &row : rows)
            QCOMPARE(row.first, row.second);
        // The default update host is the whole authority of a download's URL: a host name, no port, nothing more.
        const QUrl url("ftp://" + defaultFtpHost + "/" + dataRootName + "/info.wox");
        QVERIFY2(!url.host().isEmpty() && url.host() == defaultFtpHost && url.port() == -1
                     && url.path() == "/wox_0/info.wox", qPrintable(url.toString()));
    }

    // HOME stands for drive C:; the data root always ends with a slash, read anew each time.
    void dataRoot()
    {
        const QByteArray home = qgetenv("HOME");
        QStringList drives;
        for (const char *value : {"/srv/field", "/srv/field/", "/"}) {
            qputenv("HOME", value);
            drives << woxDataRoot::drive();
        }
        qputenv("HOME", home);
        QCOMPARE(drives.join('|'), QString("/srv/field/|/srv/field/|/"));
    }

    // Each data file is flushed by /bin/sync, waited for at most 30 s; whatever becomes of it, the caller goes on.
    void sync()
    {
        woxFakeCommandRunner runner;
        for (woxCommandResult::Status status :
             {woxCommandResult::Finished, woxCommandResult::TimedOut, woxCommandResult::StartFailed}) {
            runner.next.status = status;
            syncFileSystem();
        }
        QStringList calls;
        for (const woxFakeCommandRunner::Call &call : runner.calls)
            calls << QString("%1(%2) %3 %4").arg(call.program, call.arguments.join(',')).arg(call.timeoutMs)
                         .arg(call.waited);
        QCOMPARE(calls, QVector<QString>(3, "/bin/sync() 30000 1").toList());
    }

    // A port file's first line names the port, blanks removed, a tab kept; no file or a blank line: the default.
    void portFiles()
    {
        QCOMPARE(corePortName() + " " + gpsPortName(), QString("COM1 COM2"));
        QDir().mkpath(systemDir);
        auto write = [](const char *name, const char *line) {
            QFile file(systemDir + name);
            return file.open(QIODevice::WriteOnly) && file.write(line) > 0;
        };
        QVERIFY(write("core.txt", "  COM 3 \nCOM9\n") && write("gps.txt", "\nCOM9\n"));
        QCOMPARE(corePortName() + " " + gpsPortName(), QString("COM3 COM2"));
        QVERIFY(write("core.txt", "COM\t4\r\n") && write("gps.txt", "COM5"));
        QCOMPARE(corePortName() + " " + gpsPortName(), QString("COM\t4 COM5"));
        QVERIFY(write("core.txt", "   \nCOM9\n") && write("gps.txt", " C O M 6 "));
        QCOMPARE(corePortName() + " " + gpsPortName(), QString("COM1 COM6"));
    }

    // Every test runs with a recording runner installed; this asks the real one.
    void realRunner()
    {
        woxCommandRunner real;
        QVERIFY(real.run("sleep", {"30"}, 200).status == woxCommandResult::TimedOut
                && real.run("/nonexistent/program", {}, 1000).status == woxCommandResult::StartFailed);
        const woxCommandResult ok = real.run("sh", {"-c", "echo hi; exit 3"}, 5000);
        QCOMPARE(QString("%1 %2 %3").arg(ok.status).arg(ok.exitCode).arg(QString(ok.output)),
                 QString("%1 3 hi\n").arg(woxCommandResult::Finished));
        // A started command runs on after start(), is killed past its limit and disposed of; so is one never started.
        real.start("sh", {"-c", "sleep 10"}, 300);
        real.start("/nonexistent/program", {}, 300);
        const QList<QProcess *> started = QCoreApplication::instance()->findChildren<QProcess *>();
        QVERIFY(started.size() == 2 && started.first()->state() != QProcess::NotRunning);
        QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess *>().isEmpty(), 5000);
        // Installing none puts the real runner back.
        woxCommandRunner *const recording = woxCommandRunner::instance();
        woxCommandRunner::install(nullptr);
        woxCommandRunner *const restored = woxCommandRunner::instance();
        woxCommandRunner::install(recording);
        QVERIFY(restored && restored != recording && !dynamic_cast<woxFakeCommandRunner *>(restored));
    }

    // Every array code's name, and the devices with names of their own; ± and the Greek letters as characters.
    void names()
    {
        const QString pm = QString(" [") + QChar(0x00B1), a = QChar(0x03B1), b = QChar(0x03B2), g = QChar(0x03B3);
        const QStringList arrays = {"Wenner " + a, "Wenner " + b, "Wenner " + g, "Schlumberger", "Dipole-Dipole",
            "Forward Pole-Dipole", "Backward Pole-Dipole", "Pole-Pole", "Gradient" + pm + "3]", "Gradient" + pm + "5]",
            "Gradient" + pm + "7]", "Gradient" + pm + "9]", "Reciprocal Wenner " + a, "Reciprocal Wenner " + b,
            "Reciprocal Wenner " + g, "Reciprocal Schlumberger", "Reciprocal Dipole-Dipole", "Reciprocal Pole-Pole",
            "Reciprocal Gradient" + pm + "3]", "Reciprocal Gradient" + pm + "5]", "Reciprocal Gradient" + pm + "7]",
            "Reciprocal Gradient" + pm + "9]", "Unknown array", "Unknown array"};
        for (int code = 0; code < arrays.size(); ++code)
            QCOMPARE(arrayTypeName(woxArrayType(code < 23 ? code : 255)), arrays[code]);
        QStringList devices;
        for (int address : {1, 2, 3, 4, 5, 6, 7, 9, 40, 255})
            devices << deviceName(woxAddress(address));
        QCOMPARE(devices.join('|'), QString("Internal battery indicator|External battery indicator|Moisture indicator|"
                                            "Speaker|Real-time clock|Reference voltage unit|Internal transmitter|"
                                            "Input voltage receiver 2|Input voltage receiver 15 switch|"
                                            "Unknown device"));
        // {ax, ay, bx, by, a before b}: plot points go by x alone.
        for (const QVector<double> &row : QList<QVector<double>>{
                 {1, 5, 2, 0, 1}, {2, 0, 1, 5, 0}, {1, 0, 1, 9, 0}, {1, 9, 1, 0, 0}, {-2, 0, -1, 0, 1}}) {
            QVERIFY2(greaterThan({row[0], row[1]}, {row[2], row[3]}) == bool(row[4]),
                     qPrintable(QString::number(row[0])));
        }
    }

    // Diagnostic lines name the class, then the text and any value; file errors and plain lines have their own form.
    void diagnostics()
    {
        woxDiagnosticCapture capture;
        woxDiagnostic::error("woxCoreThread", "delay msec is invalid: ", 40000);
        woxDiagnostic::error("woxSessionDataUnit", "configure cableSpacing == 0");
        woxDiagnostic::fileError("No space left on device");
        woxDiagnostic::line("  frame 01 02");
        QCOMPARE(capture.lines(), QStringList({"woxCoreThread error: delay msec is invalid: 40000",
                                               "woxSessionDataUnit error: configure cableSpacing == 0",
                                               "File error: No space left on device", "  frame 01 02"}));
    }

    void namesAndStopwatch()
    {
        QSet<QString> arrays, devices;
        for (int code = 0; code < 256; ++code) {
            arrays.insert(arrayTypeName(woxArrayType(code)));
            devices.insert(deviceName(woxAddress(code)));
        }
        // A name of its own for each of 22 array codes and 43 addresses, then one for the rest.
        QVERIFY(arrays.size() == 23 && devices.size() == 44 && !arrays.contains(QString()));
        QStringList ends;   // of each range of the bus
        for (int address : {0, 8, 23, 24, 25, 26, 41, 42, 43})
            ends << deviceName(woxAddress(address));
        QCOMPARE(ends.join('|'), QString("Core|Input voltage receiver 1|Input voltage receiver 16|Output voltage "
                                         "receiver (17)|Output current receiver (18)|Input voltage receiver 1 switch|"
                                         "Input voltage receiver 16 switch|Transmitter switch|Unknown device"));
        // Before it starts, a stopwatch answers the time of day.
        woxFakeClock clock(QDateTime(QDate(2026, 1, 2), QTime(0, 1, 2, 3)));
        woxStopwatch watch;
        QCOMPARE(watch.elapsed(), qint64(62003));
        watch.start();
        QVERIFY(watch.isStarted() && watch.elapsed() < 62003);
    }
};

QTEST_GUILESS_MAIN(tst_basics)
#include "tst_basics.moc"
