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

    // The first line of the port file names the port, blanks removed and a
    // tab kept; no file, or a blank first line, gives the default port.
    void portFiles_data()
    {
        QTest::addColumn<QString>("file");   // "gps.txt" or "core.txt"
        QTest::addColumn<QByteArray>("content");   // no file when empty
        QTest::addColumn<QString>("port");
        QTest::newRow("blanks") << "core.txt" << QByteArray("  COM 3 \nCOM9\n") << "COM3";
        QTest::newRow("tab") << "core.txt" << QByteArray("COM\t4\r\n") << "COM\t4";
        QTest::newRow("blank line") << "core.txt" << QByteArray("   \nCOM9\n") << "COM1";
        QTest::newRow("gps blank line") << "gps.txt" << QByteArray("\nCOM9\n") << "COM2";
        QTest::newRow("no core file") << "core.txt" << QByteArray() << "COM1";
        QTest::newRow("no gps file") << "gps.txt" << QByteArray() << "COM2";
    }

    void portFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, port);
        if (!content.isEmpty())
            writePortFile(file, content);
        QCOMPARE(file == "gps.txt" ? gpsPortName() : corePortName(), port);
    }

    void syncRunsOnceWithItsTimeout()
    {
        woxFakeCommandRunner runner;
        syncFileSystem();
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.at(0).program, QString("/bin/sync"));
        QVERIFY(runner.calls.at(0).arguments.isEmpty());
        QCOMPARE(runner.calls.at(0).timeoutMs, 30000);
        // A hung or missing sync is not retried.
        runner.next.status = woxCommandResult::TimedOut;
        syncFileSystem();
        runner.next.status = woxCommandResult::StartFailed;
        syncFileSystem();
        QCOMPARE(runner.calls.size(), 3);
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
