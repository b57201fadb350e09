#include "woxConstants.h"
#include "woxFakeCommandRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

class tst_constants : public QObject
{
    Q_OBJECT

private:
    void writePortFile(const QString &name, const QByteArray &content)
    {
        QDir().mkpath(systemDir);
        QFile file(systemDir + name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private slots:
    void cleanup()
    {
        QDir(QDir::homePath() + "/wox_0").removeRecursively();
    }

    void foldersLiveUnderTheHomeDirectory()
    {
        const QString root = QDir::homePath() + "/wox_0";
        QCOMPARE(templatesDir, root + "/templates/");
        QCOMPARE(varnexDir, root + "/varnex/");
        QCOMPARE(sessionsDir, root + "/sessions/");
        QCOMPARE(systemDir, root + "/system/");
        QCOMPARE(tmpDir, root + "/tmp/");
    }

    void composedConstants()
    {
        QCOMPARE(lastSessionFileName.size(), 31);   // 32-character template, "%1" -> "7"
        QVERIFY(lastSessionFileName.endsWith('7'));
        QCOMPARE(passedMark, QString("   <font color=blue>") + QChar(0x2713) + "</font> <br> ");
        QCOMPARE(failedMark, QString("   <font color=red>") + QChar(0x2717) + "</font> <br> ");
        QCOMPARE(gpsSerialSettings, QString("9600  , 8, N, 1, off"));
        QCOMPARE(pulseDurationList.split(',').size(), 20);
        QCOMPARE(pauseDurationList.split(',').size(), 22);
        QCOMPARE(deviationList.split(',').last(), QString("10.0"));
        QVERIFY(defaultFtpHost.endsWith(".invalid"));
    }

    void portFileBlanksAreRemoved()
    {
        writePortFile("core.txt", "  COM 3 \nCOM9\n");
        QCOMPARE(corePortName(), QString("COM3"));
    }

    void emptyFirstLineGivesTheDefault()
    {
        writePortFile("core.txt", "   \nCOM9\n");
        QCOMPARE(corePortName(), QString("COM1"));
        writePortFile("gps.txt", "\nCOM9\n");
        QCOMPARE(gpsPortName(), QString("COM2"));
    }

    void tabIsKept()
    {
        writePortFile("core.txt", "COM\t4\r\n");
        QCOMPARE(corePortName(), QString("COM\t4"));
    }

    void missingFileGivesTheDefault()
    {
        QCOMPARE(corePortName(), QString("COM1"));
        QCOMPARE(gpsPortName(), QString("COM2"));
    }

    void syncRunsOnceWithItsTimeout()
    {
        woxFakeCommandRunner runner;
        syncFileSystem();
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.at(0).program, QString("/bin/sync"));
        QVERIFY(runner.calls.at(0).arguments.isEmpty());
        QCOMPARE(runner.calls.at(0).timeoutMs, 30000);
    }

    void syncReturnsOnTimeoutAndStartFailure()
    {
        woxFakeCommandRunner runner;
        runner.next.status = woxCommandResult::TimedOut;
        syncFileSystem();
        runner.next.status = woxCommandResult::StartFailed;
        syncFileSystem();
        QCOMPARE(runner.calls.size(), 2);
    }

    void realRunnerEndsAHungCommand()
    {
        // Every test runs with a recording runner installed; this one asks
        // the real one directly.
        woxCommandRunner real;
        const woxCommandResult hung =
            real.run("sleep", QStringList() << "30", 200);
        QCOMPARE(hung.status, woxCommandResult::TimedOut);
        const woxCommandResult missing =
            real.run("/nonexistent/program", QStringList(), 1000);
        QCOMPARE(missing.status, woxCommandResult::StartFailed);
        const woxCommandResult ok =
            real.run("sh", QStringList() << "-c" << "echo hi; exit 3", 5000);
        QCOMPARE(ok.status, woxCommandResult::Finished);
        QCOMPARE(ok.exitCode, 3);
        QCOMPARE(ok.output, QByteArray("hi\n"));
    }

    // A started command runs on after start() returns, is killed past its
    // limit and disposed of; so is one that never starts.
    void realRunnerStartsWithoutWaiting()
    {
        woxCommandRunner real;
        real.start("sh", {"-c", "sleep 10"}, 300);
        real.start("/nonexistent/program", QStringList(), 300);
        const QList<QProcess *> started = QCoreApplication::instance()->findChildren<QProcess *>();
        QCOMPARE(started.size(), 2);
        QVERIFY(started.first()->state() != QProcess::NotRunning);
        QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess *>().isEmpty(), 5000);
    }
};

QTEST_GUILESS_MAIN(tst_constants)
#include "tst_constants.moc"
