#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSaver.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxUserMessage.h"

#include <QDialog>
#include <QLineEdit>
#include <QScopeGuard>
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
        device.open(QIODevice::WriteOnly);
        QVERIFY(goldenSession().write(device));
        QCOMPARE(device.data(), goldenBytes());
    }

    void measuredSessionSavesBackUnchanged()
    {
        woxSessionFile session = goldenSession();
        session.summary.arrayCounts.clear();
        session.electrodePositions.insert(3, woxElectrodePosition(3.0f, 0.5f, -1.0f));
        session.electrodePositions.insert(1, woxElectrodePosition(1.0f, 0.0f, 0.0f));
        session.units[0].result.decay = {1.0f, 0.5f, 0.25f};
        // No current: an infinite resistivity, still a session.
        woxSessionFixture::measure(&session, 0, -20.0f, 0.0f);
        session.gpsFix.latitude = 55.75f;
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        QVERIFY(session.write(device));
        const QByteArray bytes = device.data();
        QCOMPARE(bytes.size(), 799 - 2 + 2 * 26 + 3 * 8);
        QCOMPARE(bytes.mid(650, 6), woxHex("00 00 00 02  00 03"));   // highest first
        put(workingCopy(), bytes);
        woxSessionDataModel model;
        QSignalSpy sets(&model, &woxSessionDataModel::sendSetInfoUpdate);
        QVERIFY(model.load(workingCopy()));
        QCOMPARE(sets.size(), 1);
        QVERIFY(QFile::remove(workingCopy()));
        woxFakeCommandRunner runner;
        QVERIFY(model.save("any", true));
        QCOMPARE(got(workingCopy()), bytes);
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.first().program, QString("/bin/sync"));
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<Files>("files");
        const QByteArray good = goldenBytes();
        Files cuts;
        for (int length = 0; length < good.size(); ++length)
            cuts << good.left(length);
        QTest::newRow("cut anywhere") << cuts;
        QTest::newRow("template magic") << Files{withWord(good, 0, "88 99 33 66")};
        QTest::newRow("no rows") << Files{good.left(656) + woxHex("00 00 00 00") + good.mid(773)};
        QTest::newRow("NaN spacing") << Files{withWord(good, 4, "7F F8 00 00 00 00 00 00")};
        QTest::newRow("infinite length") << Files{withWord(good, 27, "7F F0 00 00 00 00 00 00")};
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

    void unreadableFilesSayWhy()
    {
        woxDiagnosticCapture diagnostics;
        woxSessionDataModel model;
        woxModalScript script;
        script.answer(1).answer(1).answer(1);
        QVERIFY(!model.load(named("missing")));
        QVERIFY(!model.load("/proc/self/mem"));   // opens, but no read succeeds
        QFile huge(named("huge"));                // too large to be read at all
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize((qint64(1) << 30) + 1));
        huge.close();
        QVERIFY(!model.load(huge.fileName()));
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Can not open file for reading",
                                           "woxWarningDialog: Can not read data from file",
                                           "woxWarningDialog: Session is corrupted"}));
        QCOMPARE(diagnostics.lines().size(), 2);
        QCOMPARE(model.rowCount(), 0);
    }

    void namedCopyAsksFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");      // empty: keyboard cancelled
        QTest::addColumn<QList<int>>("answers"); // to the overwrite question
        QTest::addColumn<bool>("saved");
        QTest::newRow("new name") << "day" << "day" << QList<int>() << true;
        QTest::newRow("overwrite yes") << "old" << "old" << QList<int>{1} << true;
        QTest::newRow("overwrite no") << "old" << "old" << QList<int>{0} << false;
        QTest::newRow("cancelled") << "old" << "" << QList<int>() << false;
        QTest::newRow("from working copy") << lastSessionFileName << "old" << QList<int>{1} << true;
        QTest::newRow("name with a folder") << "old" << "../up" << QList<int>{1} << false;
    }

    void namedCopyAsksFirst()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saved);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        put(named("old"), "previous");
        woxFakeCommandRunner runner;
        woxModalScript script;
        QString offered;
        script.then([&](QDialog *keyboard) {
            QLineEdit *line = keyboard->findChild<QLineEdit *>("lineEdit");
            offered = line->text();
            line->setText(typed);
            keyboard->done(typed.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        });
        for (int answer : answers)
            script.answer(answer);
        QCOMPARE(model.save(name, false), saved);
        QCOMPARE(offered, name == lastSessionFileName ? QString() : name);
        QCOMPARE(script.pending(), 0);
        QCOMPARE(runner.calls.size(), saved ? 1 : 0);
        const bool replaced = typed == "old" && saved;
        QCOMPARE(got(named("old")), replaced ? goldenBytes() : QByteArray("previous"));
        QCOMPARE(QFile::exists(named("day")), typed == "day");
        QVERIFY(!QFile::exists(named("../up")));
    }

    void failedSavesKeepThePreviousFile_data()
    {
        QTest::addColumn<bool>("workingCopy");
        QTest::addColumn<int>("limit");   // bytes the disk takes; 0: no folder at all
        QTest::addColumn<QString>("shown");
        for (int limit : {0, 1, 700, 798}) {
            QTest::newRow(qPrintable(QString("named copy, %1").arg(limit)))
                << false << limit << (limit ? "write data to file" : "open file for writing");
            QTest::newRow(qPrintable(QString("working copy, %1").arg(limit))) << true << limit << "";
        }
    }

    void failedSavesKeepThePreviousFile()
    {
        QFETCH(bool, workingCopy);
        QFETCH(int, limit);
        QFETCH(QString, shown);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        const QString folder = QDir(workingCopy ? systemDir : sessionsDir).absolutePath();
        const QString path = workingCopy ? ::workingCopy() : named("day");
        put(path, "previous");
        if (limit == 0) {   // a plain file where the folder should be: refused even for root
            QVERIFY(QDir(folder).removeRecursively());
            put(folder, "not a folder");
        }
        auto restore = qScopeGuard([&] { QFile::remove(folder); });
        woxDiagnosticCapture diagnostics;
        woxFakeCommandRunner runner;
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessage);
        woxModalScript script;
        if (!workingCopy)
            script.type("day").answer(1).answer(1);
        // The file-size limit cuts the write short, as a full disk would.
        rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = limit ? rlim_t(limit) : old.rlim_cur;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved = model.save("day", workingCopy);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
        QVERIFY(!saved);
        QCOMPARE(script.seen.isEmpty() ? QString() : script.seen.last(),
                 shown.isEmpty() ? shown : "woxWarningDialog: Can not " + shown);
        QCOMPARE(status.size(), workingCopy ? 1 : 0);
        if (workingCopy)
            QCOMPARE(status.first().first().toString(), QString("Can not write data to file"));
        QCOMPARE(diagnostics.lines().size(), 1);
        QVERIFY(runner.calls.isEmpty());
        if (limit > 0)
            QCOMPARE(got(path), QByteArray("previous"));
    }

    void failedCommitKeepsThePreviousFile()
    {
        put(named("day"), "previous");
        const QString moved = QDir::homePath() + "/moved";
        const QString folder = QDir(sessionsDir).absolutePath();
        woxDiagnosticCapture diagnostics;
        woxFakeCommandRunner runner;
        // The folder goes away once the bytes are ready: the new file can no
        // longer take the old one's place.
        const woxFileSaver::Result result = woxFileSaver::save(named("day"), [&](QDataStream &s) {
            goldenSession().write(s);
            QDir().rename(folder, moved);
            put(folder, "not a folder");
        });
        QCOMPARE(result, woxFileSaver::WriteFailed);
        QCOMPARE(got(moved + "/day.woxSession"), QByteArray("previous"));
        QVERIFY(runner.calls.isEmpty());
        QFile::remove(folder);
        QVERIFY(QDir().rename(moved, folder));
    }
};

QTEST_MAIN(tst_sessionFile)
#include "tst_sessionFile.moc"
