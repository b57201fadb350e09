#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxUserMessage.h"

#include <QDialog>
#include <QLineEdit>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

typedef QList<QByteArray> Files;

// One unmeasured dipole-dipole row (0, 1, 2, 3) on channel 2 at x 7.5, depth 2.5.
woxSessionFile goldenSession()
{
    woxSessionFile session = woxSessionFixture::session(1);
    woxChannelQuadripole record;
    record.setQuadripole(woxMake::quadripole(0, 1, 2, 3));
    record.x = 7.5f;
    record.depth = 2.5f;
    record.sets = 1;
    record.channel = 2;
    record.chained = false;
    session.units[0] = woxSessionDataUnit();
    session.units[0].configure(5.0f, record);
    return session;
}

QByteArray goldenBytes()
{
    return woxHex("33 11 44 22"                                   // 0 magic
                  "40 14 00 00 00 00 00 00  02  00 00 00 01"      // 4 summary
                  "00 00 00 01  00 00 00 01  04 01"
                  "40 73 B0 00 00 00 00 00  00 00 00 01  40 04 00 00 00 00 00 00"
                  "00 00 00 01  04 00 01"                         // 47 set list
                  "00 00 00 40"                                   // 54 cable configuration
                  + QString("BF F0 00 00 00 00 00 00 01 ").repeated(64)
                  + "00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00 00"
                  "00 00 00 00"                                   // 652 positions
                  "00 00 00 01"                                   // 656 rows
                  "40 1E 00 00 00 00 00 00  40 04 00 00 00 00 00 00"
                  "40 57 8F DB A0 00 00 00  00 00 00 00 00 00 00 00"
                  "01 00 01  00 00 00 01 00 02 00 03 02"
                  + QString("00 ").repeated(32) + "00 00 00 00"
                  + QString("00 ").repeated(17) + "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19"
                  "00 00" + QString("00 ").repeated(16) + "00 25 68 59  00 00 00 00"); // 773 GPS
}

QByteArray withWord(QByteArray bytes, int offset, const char *hex)
{
    const QByteArray word = woxHex(hex);
    return bytes.replace(offset, word.size(), word);
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray got(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString workingCopy()
{
    return systemDir + lastSessionFileName;
}

QString named(const QString &name)
{
    return sessionsDir + name + ".woxSession";
}

} // namespace

class tst_sessionFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(sessionsDir).removeRecursively();
        QDir().mkpath(sessionsDir);
        QDir().mkpath(systemDir);
    }

    void goldenSessionIs799Bytes()
    {
        QCOMPARE(goldenBytes().size(), 799);
        QBuffer device;
        QVERIFY(device.open(QIODevice::WriteOnly) && goldenSession().write(device));
        QCOMPARE(device.data(), goldenBytes());
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<Files>("files");
        const QByteArray good = goldenBytes();
        Files cuts;
        for (int length = 0; length < good.size(); ++length)
            cuts << good.left(length);
        QTest::newRow("cut anywhere") << cuts;
        QTest::newRow("NaN spacing") << Files{withWord(good, 4, "7F F8 00 00 00 00 00 00")};
        // Array types, set depths, set list, wires, positions, rows, the row's decay.
        for (int at : {21, 35, 47, 54, 652, 656, 736})
            QTest::newRow(qPrintable(QString("count at %1").arg(at)))
                << Files{withWord(good, at, "7F FF FF FF"), withWord(good, at, "FF FF FF FF"),
                         withWord(good, at, "80 00 00 00")};
    }

    void damagedFilesAreRefused()
    {
        QFETCH(Files, files);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        QSignalSpy sets(&model, &woxSessionDataModel::sendSetInfoUpdate);
        for (const QByteArray &bytes : files) {
            put(workingCopy(), bytes);
            woxModalScript script;
            script.answer(1);
            QVERIFY(!model.load(workingCopy()));
            QCOMPARE(script.seen, QStringList("woxWarningDialog: Session is corrupted"));
        }
        QVERIFY(sets.isEmpty());
        woxFakeCommandRunner runner;
        QVERIFY(model.save(QString(), true));
        QCOMPARE(got(workingCopy()), goldenBytes());
    }

    void namedCopyAsksFirst_data()
    {
        QTest::addColumn<QString>("typed");      // empty: keyboard cancelled
        QTest::addColumn<QList<int>>("answers"); // to the overwrite question
        QTest::addColumn<bool>("saved");
        QTest::newRow("new name") << "day" << QList<int>() << true;
        QTest::newRow("overwrite no") << "old" << QList<int>{0} << false;
        QTest::newRow("cancelled") << "" << QList<int>() << false;
        QTest::newRow("name with a folder") << "../up" << QList<int>{1} << false;
    }

    void namedCopyAsksFirst()
    {
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saved);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        put(named("old"), "previous");
        woxFakeCommandRunner runner;
        woxModalScript script;
        script.then([&](QDialog *keyboard) {
            keyboard->findChild<QLineEdit *>("lineEdit")->setText(typed);
            keyboard->done(typed.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        });
        for (int answer : answers)
            script.answer(answer);
        QCOMPARE(model.save("old", false), saved);
        QCOMPARE(script.pending(), 0);
        QCOMPARE(runner.calls.size(), saved ? 1 : 0);
        QCOMPARE(got(named("old")), QByteArray("previous"));
        QCOMPARE(QFile::exists(named("day")), typed == "day");
        QVERIFY(!QFile::exists(named("../up")));
    }

    // The file-size limit cuts the write short, as a full disk would.
    void failedSavesKeepThePreviousFile_data()
    {
        QTest::addColumn<bool>("workingCopy");
        QTest::newRow("named copy") << false;
        QTest::newRow("working copy") << true;
    }

    void failedSavesKeepThePreviousFile()
    {
        QFETCH(bool, workingCopy);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        const QString path = workingCopy ? ::workingCopy() : named("day");
        put(path, "previous");
        woxDiagnosticCapture diagnostics;
        woxFakeCommandRunner runner;
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessage);
        woxModalScript script;
        if (!workingCopy)
            script.type("day").answer(1).answer(1);
        rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 798;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = model.save("day", workingCopy);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!saved);
        QCOMPARE(script.seen.isEmpty() ? QString() : script.seen.last(),
                 workingCopy ? QString() : "woxWarningDialog: Can not write data to file");
        QCOMPARE(status.size(), workingCopy ? 1 : 0);
        QCOMPARE(diagnostics.lines().size(), 1);
        QVERIFY(runner.calls.isEmpty());
        QCOMPARE(got(path), QByteArray("previous"));
    }
};

QTEST_MAIN(tst_sessionFile)
#include "tst_sessionFile.moc"
