#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSaver.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSessionDataModel.h"
#include "woxSessionFile.h"
#include "woxUserMessage.h"

#include <QDialog>
#include <QLineEdit>
#include <QtTest>

#include <csignal>
#include <cmath>
#include <sys/resource.h>

namespace {

const QString corrupted = QStringLiteral("woxWarningDialog: Session is corrupted");

// Spacing 5, two cables, one dipole-dipole quadripole in one run, never
// measured: the smallest session the generator writes for one set.
woxSessionFile goldenSession()
{
    woxSessionFile session;
    session.summary.quadripoles = 1;
    session.summary.runs = 1;
    session.summary.arrayCounts.insert(4, 1);
    session.summary.profileLength = 315.0f;
    session.summary.setDepths << 2.5f;
    session.sets << woxSetInfo(4, 1);
    session.cableConfiguration = woxMake::allWiresEnabled(2);
    woxChannelQuadripole record;
    record.setQuadripole(woxMake::quadripole(0, 1, 2, 3));
    record.x = 7.5f;
    record.depth = 2.5f;
    record.sets = 1;
    record.channel = 2;
    record.chained = false;
    record.marked = true;
    woxSessionDataUnit row;
    row.configure(5.0f, record);
    session.units << row;
    return session;
}

QByteArray goldenBytes()
{
    QString wires;
    for (int i = 0; i < 64; ++i)
        wires += "BF F0 00 00 00 00 00 00 01 ";
    return woxHex("33 11 44 22"                                   // 0 magic
                  "40 14 00 00 00 00 00 00  02  00 00 00 01"      // 4 summary
                  "00 00 00 01  00 00 00 01  04 01"
                  "40 73 B0 00 00 00 00 00  00 00 00 01  40 04 00 00 00 00 00 00"
                  "00 00 00 01  04 00 01"                         // 47 set list
                  "00 00 00 40" + wires                           // 54 cable configuration
                  + "00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00 00"
                  "00 00 00 00"                                   // 652 positions
                  "00 00 00 01"                                   // 656 rows
                  "40 1E 00 00 00 00 00 00  40 04 00 00 00 00 00 00"
                  "40 57 8F DB A0 00 00 00  00 00 00 00 00 00 00 00"
                  "01 00 01  00 00 00 01 00 02 00 03 02"
                  "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                  "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                  "00 00 00 00"
                  "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00"
                  "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19"
                  "00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00" // 773 GPS
                  "00 25 68 59  00 00 00 00");
}

QByteArray withWord(QByteArray bytes, int offset, const char *hex)
{
    const QByteArray word = woxHex(hex);
    bytes.replace(offset, word.size(), word);
    return bytes;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString workingCopyPath()
{
    return systemDir + lastSessionFileName;
}

QString namedPath(const QString &name)
{
    return sessionsDir + name + ".woxSession";
}

// A model holding the golden session.
void loadGolden(woxSessionDataModel &model)
{
    writeBytes(workingCopyPath(), goldenBytes());
    QVERIFY(model.load(workingCopyPath()));
    QCOMPARE(model.rowCount(), 1);
}

// Makes writes of the process fail beyond `bytes`, as a full disk would, even for root.
class woxFileSizeLimit
{
public:
    explicit woxFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = bytes;
        handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~woxFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }

private:
    rlimit old;
    void (*handler)(int);
};

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
        const QByteArray bytes = goldenBytes();
        QCOMPARE(bytes.size(), 799);
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        QVERIFY(goldenSession().write(device));
        QCOMPARE(device.data(), bytes);
    }

    void measuredSessionSavesBackUnchanged()
    {
        woxSessionFile session = goldenSession();
        session.summary.arrayCounts.clear();
        session.electrodePositions.insert(3, woxElectrodePosition(3.0f, 0.5f, -1.0f));
        session.electrodePositions.insert(1, woxElectrodePosition(1.0f, 0.0f, 0.0f));
        session.units.first().result.valid = true;
        session.units.first().result.decay = {1.0f, 0.5f, 0.25f};
        session.units.first().result.rxVoltage = -20.0f;
        // A zero current leaves an infinite resistivity: still a session.
        session.units.first().computeResistivity();
        QVERIFY(std::isinf(session.units.first().resistivity));
        session.gpsFix.valid = true;
        session.gpsFix.latitude = 55.75f;
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        QVERIFY(session.write(device));
        const QByteArray bytes = device.data();
        QCOMPARE(bytes.size(), 799 - 2 + 2 * 26 + 3 * 8);
        QCOMPARE(bytes.mid(650, 6), woxHex("00 00 00 02  00 03"));   // highest first
        writeBytes(workingCopyPath(), bytes);
        woxSessionDataModel model;
        QSignalSpy sets(&model, &woxSessionDataModel::sendSetInfoUpdate);
        QVERIFY(model.load(workingCopyPath()));
        QCOMPARE(sets.size(), 1);
        QVERIFY(QFile::remove(workingCopyPath()));
        woxFakeCommandRunner runner;
        QVERIFY(model.save("any", true));
        QCOMPARE(readBytes(workingCopyPath()), bytes);
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.first().program, QString("/bin/sync"));
        woxSessionFile back;
        QFile file(workingCopyPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(back.read(file));
        QCOMPARE(back.electrodePositions.keys(), QList<woxElectrode>({1, 3}));
        QCOMPARE(back.units.first().result.decay.size(), 3);
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QList<QByteArray>>("files");
        const QByteArray good = goldenBytes();
        QList<QByteArray> cuts;
        for (int length = 0; length < good.size(); ++length)
            cuts << good.left(length);
        QTest::newRow("cut anywhere") << cuts;
        QTest::newRow("template magic") << QList<QByteArray>{withWord(good, 0, "88 99 33 66")};
        QTest::newRow("no rows")
            << QList<QByteArray>{good.left(656) + woxHex("00 00 00 00") + good.mid(773)};
        QTest::newRow("NaN spacing") << QList<QByteArray>{withWord(good, 4, "7F F8 00 00 00 00 00 00")};
        QTest::newRow("infinite length")
            << QList<QByteArray>{withWord(good, 27, "7F F0 00 00 00 00 00 00")};
        // Every count from the file: array types, set depths, set list,
        // wires, positions, rows, the row's decay.
        for (int offset : {21, 35, 47, 54, 652, 656, 736}) {
            QTest::newRow(qPrintable(QString("count at %1").arg(offset)))
                << QList<QByteArray>{withWord(good, offset, "7F FF FF FF"),
                                     withWord(good, offset, "FF FF FF FF"),
                                     withWord(good, offset, "80 00 00 00")};
        }
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QList<QByteArray>, files);
        woxSessionDataModel model;
        loadGolden(model);
        QSignalSpy sets(&model, &woxSessionDataModel::sendSetInfoUpdate);
        for (const QByteArray &bytes : files) {
            writeBytes(workingCopyPath(), bytes);
            woxModalScript script;
            script.answer(1);
            QVERIFY(!model.load(workingCopyPath()));
            QCOMPARE(script.seen, QStringList(corrupted));
        }
        QVERIFY(sets.isEmpty());
        woxFakeCommandRunner runner;
        QVERIFY(model.save(QString(), true));
        QCOMPARE(readBytes(workingCopyPath()), goldenBytes());
    }

    void unreadableFilesSayWhy()
    {
        woxDiagnosticCapture diagnostics;
        woxSessionDataModel model;
        woxModalScript script;
        script.answer(1).answer(1);
        QVERIFY(!model.load(sessionsDir + "missing.woxSession"));
        // Opens, but every read fails.
        QVERIFY(!model.load("/proc/self/mem"));
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Can not open file for reading",
                                           "woxWarningDialog: Can not read data from file"}));
        QCOMPARE(diagnostics.lines().size(), 2);
        QVERIFY(diagnostics.lines().last().startsWith("File error: "));
        QCOMPARE(model.rowCount(), 0);
    }

    void namedCopyAsksFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");      // empty: keyboard cancelled
        QTest::addColumn<QList<int>>("answers"); // overwrite question
        QTest::addColumn<bool>("saved");
        QTest::newRow("new name") << "day" << "day" << QList<int>() << true;
        QTest::newRow("overwrite yes") << "old" << "old" << QList<int>{1} << true;
        QTest::newRow("overwrite no") << "old" << "old" << QList<int>{0} << false;
        QTest::newRow("cancelled") << "old" << "" << QList<int>() << false;
        QTest::newRow("from working copy") << lastSessionFileName << "old" << QList<int>{1} << true;
    }

    void namedCopyAsksFirst()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saved);
        woxSessionDataModel model;
        loadGolden(model);
        writeBytes(namedPath("old"), "previous");
        woxFakeCommandRunner runner;
        woxModalScript script;
        QString offered;
        script.then([&](QDialog *keyboard) {
            offered = keyboard->findChild<QLineEdit *>("lineEdit")->text();
            keyboard->findChild<QLineEdit *>("lineEdit")->setText(typed);
            keyboard->done(typed.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
        });
        for (int answer : answers)
            script.answer(answer);
        QCOMPARE(model.save(name, false), saved);
        QCOMPARE(offered, name == lastSessionFileName ? QString() : name);
        QCOMPARE(script.pending(), 0);
        QCOMPARE(runner.calls.size(), saved ? 1 : 0);
        QCOMPARE(readBytes(namedPath("old")), typed == "old" && saved ? goldenBytes()
                                                                      : QByteArray("previous"));
        QCOMPARE(QFile::exists(namedPath("day")), typed == "day");
    }

    void failedSavesKeepThePreviousFile_data()
    {
        QTest::addColumn<bool>("toLastSession");
        QTest::addColumn<int>("limit");         // bytes the disk takes; 0 no folder
        QTest::addColumn<QString>("dialog");
        for (bool last : {false, true}) {
            const char *kind = last ? "working copy" : "named copy";
            const QString write = last ? QString() : "woxWarningDialog: Can not write data to file";
            QTest::newRow(qPrintable(QString("%1, no folder").arg(kind)))
                << last << 0 << (last ? QString() : "woxWarningDialog: Can not open file for writing");
            for (int limit : {1, 700, 798})
                QTest::newRow(qPrintable(QString("%1, full after %2").arg(kind).arg(limit)))
                    << last << limit << write;
        }
    }

    void failedSavesKeepThePreviousFile()
    {
        QFETCH(bool, toLastSession);
        QFETCH(int, limit);
        QFETCH(QString, dialog);
        woxSessionDataModel model;
        loadGolden(model);
        const QString folder = toLastSession ? systemDir : sessionsDir;
        const QString path = toLastSession ? workingCopyPath() : namedPath("day");
        writeBytes(path, "previous");
        if (limit == 0) {
            // A plain file where the folder should be: refused even for root.
            QVERIFY(QDir(folder).removeRecursively());
            writeBytes(QDir(folder).absolutePath(), "not a folder");
        }
        woxDiagnosticCapture diagnostics;
        woxFakeCommandRunner runner;
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessage);
        woxModalScript script;
        if (!toLastSession)
            script.type("day").answer(1).answer(1);
        bool saved = true;
        {
            woxFileSizeLimit disk(rlim_t(limit > 0 ? limit : RLIM_INFINITY));
            saved = model.save("day", toLastSession);
        }
        QVERIFY(!saved);
        QCOMPARE(script.seen.isEmpty() ? QString() : script.seen.last(),
                 toLastSession ? QString() : dialog);
        QCOMPARE(status.size(), toLastSession ? 1 : 0);
        if (toLastSession)
            QCOMPARE(status.first().first().toString(), QString("Can not write data to file"));
        QCOMPARE(diagnostics.lines().size(), 1);
        QVERIFY(diagnostics.lines().first().startsWith("File error: "));
        QVERIFY(runner.calls.isEmpty());
        if (limit > 0)
            QCOMPARE(readBytes(path), QByteArray("previous"));
        QFile::remove(QDir(folder).absolutePath());
    }

    void failedCommitKeepsThePreviousFile()
    {
        const QString path = namedPath("day");
        writeBytes(path, "previous");
        const QString moved = QDir::homePath() + "/moved";
        woxDiagnosticCapture diagnostics;
        woxFakeCommandRunner runner;
        // The folder goes away after every byte was written: the new file
        // can no longer take the old one's place.
        const woxFileSaver::Result result = woxFileSaver::save(path, [&](QDataStream &stream) {
            QVERIFY(goldenSession().write(*stream.device()));
            QVERIFY(QDir().rename(QDir(sessionsDir).absolutePath(), moved));
            writeBytes(QDir(sessionsDir).absolutePath(), "not a folder");
        });
        QCOMPARE(result, woxFileSaver::WriteFailed);
        QCOMPARE(readBytes(moved + "/day.woxSession"), QByteArray("previous"));
        QVERIFY(runner.calls.isEmpty());
        QFile::remove(QDir(sessionsDir).absolutePath());
        QVERIFY(QDir().rename(moved, QDir(sessionsDir).absolutePath()));
    }
};

QTEST_MAIN(tst_sessionFile)
#include "tst_sessionFile.moc"
