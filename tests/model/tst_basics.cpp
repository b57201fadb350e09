// The small services everything else uses: port files, the command runner, names, the stopwatch.
#include "woxCommandRunner.h"
#include "woxConstants.h"
#include "woxFakeClock.h"
#include "woxNames.h"
#include "woxStopwatch.h"

#include <QtTest>

class tst_basics : public QObject
{
    Q_OBJECT

private slots:
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
