#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxStreamed.h"
#include "woxTemplateDataModel.h"
#include "woxTemplateFile.h"

#include <QDialog>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString corrupted = QStringLiteral("woxWarningDialog: Template is corrupted");

// One grid as the file holds it: 30 rows of 99 cells, each row with its
// length in front; `selected` lists (row, column) cells that are set.
QByteArray gridBytes(const QList<QPoint> &selected = QList<QPoint>())
{
    QByteArray grid = woxHex("00 00 00 1E");
    for (int row = 0; row < 30; ++row) {
        QByteArray cells(99, '\0');
        for (const QPoint &p : selected) {
            if (p.x() == row)
                cells[p.y()] = 1;
        }
        grid += woxHex("00 00 00 63") + cells;
    }
    return grid;
}

// Wenner alpha on two cables at 5 m with the first cell of the grid selected:
// 61 measurements in 61 runs.
QByteArray oneSetTemplate()
{
    return woxHex("88 99 33 66"                  // magic
                  "40 14 00 00 00 00 00 00"      // summary: spacing 5.0
                  "02"                           //   cables
                  "00 00 00 3D"                  //   quadripoles 61
                  "00 00 00 3D"                  //   runs 61
                  "00 00 00 01  00 01"           //   one array type: Wenner alpha, 1 set
                  "00 00 00 00 00 00 00 00"      //   profile length
                  "00 00 00 00"                  //   no set depths
                  "02"                           // cables
                  "40 14 00 00 00 00 00 00"      // spacing 5.0
                  "00 00 00 01"                  // one set
                  "00")                          // set: Wenner alpha
           + gridBytes({QPoint(0, 0)})            // MAIN
           + gridBytes()                          // AUX
           + woxHex("02  40 14 00 00 00 00 00 00"); // set cables and spacing
}

QString templatePath(const QString &name)
{
    return templatesDir + name + ".woxTemplate";
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

void addCell(woxTemplateDataModel &model, int type, int row, int column)
{
    woxModalScript script;
    script.chooseArray(type);
    QVERIFY(model.onSetAdd());
    model.onSpacingLevelMainConfig(QModelIndexList() << model.index(row, column));
}

// Saves under the name; `answers` follow the keyboard (overwrite question,
// error messages).
bool saveAs(woxTemplateDataModel &model, const QString &name, QStringList *seen = nullptr,
            const QList<int> &answers = QList<int>())
{
    woxModalScript script;
    script.type(name);
    for (int answer : answers)
        script.answer(answer);
    QString current = QStringLiteral("old");
    const bool saved = model.save(current);
    if (seen)
        *seen = script.seen;
    return saved && current == name;
}

// Loads the bytes into a model that already holds a one-set, one-cable
// template and checks they are refused without touching it.
void expectRefused(const QByteArray &bytes)
{
    writeBytes(templatePath("good"), oneSetTemplate());
    writeBytes(templatePath("bad"), bytes);
    woxTemplateDataModel model;
    QVERIFY(model.load(templatePath("good"), false));
    model.setArrangement(1, 2.5f);
    woxModalScript script;
    script.answer(1);
    QVERIFY(!model.load(templatePath("bad"), false));
    QCOMPARE(script.seen, QStringList(corrupted));
    QCOMPARE(model.numberOfSets(), 1);
    QCOMPARE(model.cables(), woxCable(1));
    QCOMPARE(model.cableSpacing(), 2.5f);
    QCOMPARE(model.totalQuadripoles(), 29);
    QVERIFY(model.flagByte());
}

// The one-set file with `hex` written over it at `offset`.
QByteArray patched(int offset, const char *hex)
{
    const QByteArray patch = woxHex(hex);
    return oneSetTemplate().replace(offset, patch.size(), patch);
}

QByteArray patchedDouble(int offset, double value)
{
    return oneSetTemplate().replace(offset, 8, woxStreamed(value));
}

} // namespace

class tst_templateFile : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    woxDiagnosticCapture diagnostics;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(templatesDir));
    }

    void init()
    {
        QDir templates(templatesDir);
        for (const QString &name : templates.entryList(QDir::Files))
            templates.remove(name);
        runner.calls.clear();
        diagnostics.clear();
    }

    void goldenOneSetTemplate()
    {
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        QVERIFY(model.flagByte());
        QVERIFY(saveAs(model, "plan"));
        QVERIFY(!model.flagByte());
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.at(0).program, QString("/bin/sync"));
    }

    // What is loaded is saved again byte for byte: a plain file and one whose
    // summary holds a profile length and two depths; a set saved before its
    // type was chosen reads back as such.
    void loadThenSaveGivesTheSameBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("quadripoles");
        QTest::newRow("one set") << oneSetTemplate() << 61;
        QTest::newRow("length and depths")
            << oneSetTemplate().replace(27, 12, woxHex("40 73 B0 00 00 00 00 00  00 00 00 02"
                                                       "40 00 00 00 00 00 00 00"
                                                       "40 08 00 00 00 00 00 00"))
            << 61;
        QTest::newRow("no type") << patched(52, "FF") << 0;
    }

    void loadThenSaveGivesTheSameBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, quadripoles);
        writeBytes(templatePath("plan"), bytes);
        woxTemplateDataModel model;
        QVERIFY(model.load(templatePath("plan"), true));
        QVERIFY(!model.flagByte());
        QCOMPARE(model.numberOfSets(), 1);
        QCOMPARE(model.totalQuadripoles(), quadripoles);
        if (quadripoles == 0)
            return;   // nothing to measure: refused as empty, not saved
        QVERIFY(saveAs(model, "copy"));
        QCOMPARE(readBytes(templatePath("copy")), bytes);
    }

    void arrayCountsHighestTypeFirstAndEightSetsReadBack()
    {
        woxTemplateDataModel model;
        addCell(model, 3, 0, 0);
        addCell(model, 0, 0, 0);
        addCell(model, 3, 1, 0);
        QVERIFY(saveAs(model, "three"));
        const QByteArray bytes = readBytes(templatePath("three"));
        QCOMPARE(bytes.size(), 4 + 33 + 2 * 2 + 1 + 8 + 4 + 3 * 6198);
        QCOMPARE(bytes.mid(21, 10), woxHex("00 00 00 02  03 02  00 01  00 00"));
        for (int set = 3; set < 8; ++set)
            addCell(model, 0, 0, set);
        QVERIFY(saveAs(model, "eight"));
        woxTemplateDataModel back;
        QVERIFY(back.load(templatePath("eight"), false));
        QCOMPARE(back.numberOfSets(), 8);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = oneSetTemplate();
        QTest::newRow("bad magic") << patched(0, "89");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut in summary") << good.left(20);
        QTest::newRow("cut before sets") << good.left(52);
        QTest::newRow("cut in grid") << good.left(3000);
        QTest::newRow("cut at the end") << good.left(good.size() - 1);
        for (const char *count : {"7F FF FF FF", "FF FF FF FF", "00 00 00 09", "00 00 00 02"})
            QTest::addRow("set count %s", count) << patched(48, count);
        QTest::newRow("31 rows") << patched(53, "00 00 00 1F");
        QTest::newRow("huge row count") << patched(53, "7F FF FF FF");
        QTest::newRow("98 columns") << patched(53 + 3094 + 4 + 29 * 103, "00 00 00 62");
        QTest::newRow("negative columns") << patched(53 + 3094 + 4, "FF FF FF FF");
        QTest::newRow("array type 22") << patched(52, "16");
        QTest::newRow("three cables") << patched(39, "03");
        QTest::newRow("set without cables") << patched(6241, "00");
        QTest::newRow("zero spacing") << patchedDouble(40, 0.0);
        QTest::newRow("negative spacing") << patchedDouble(40, -5.0);
        QTest::newRow("set spacing NaN")
            << patchedDouble(6242, std::numeric_limits<double>::quiet_NaN());
        QTest::newRow("set spacing beyond float") << patchedDouble(6242, 1e300);
        QTest::newRow("huge array-type count") << patched(21, "7F FF FF FF");
        QTest::newRow("negative array-type count") << patched(21, "FF FF FF F0");
        QTest::newRow("huge depth count") << patched(35, "00 00 10 00");
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        expectRefused(bytes);
    }

    void loadKeepsTheCurrentSetInsideTheList()
    {
        writeBytes(templatePath("plan"), oneSetTemplate());
        woxTemplateDataModel model;
        for (int type : {3, 4, 5}) {
            woxModalScript script;
            script.chooseArray(type);
            QVERIFY(model.onSetAdd());
        }
        QVERIFY(model.load(templatePath("plan"), false));
        QVERIFY(model.data(model.index(0, 0), Qt::DecorationRole).isValid());
    }

    void missingFileCannotBeOpened()
    {
        woxTemplateDataModel model;
        woxModalScript script;
        script.answer(1);
        QVERIFY(!model.load(templatePath("absent"), false));
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Can not open file for reading"));
        QCOMPARE(diagnostics.lines(), QStringList("File error: No such file or directory"));
    }

    // An empty template is refused before the keyboard; a cancelled keyboard
    // or a "No" to overwriting saves nothing and leaves the template unsaved.
    void nothingIsSavedWithoutConsent()
    {
        woxTemplateDataModel model;
        QString name = "old";
        woxModalScript empty;
        empty.answer(1);
        QVERIFY(!model.save(name));
        QCOMPARE(empty.seen, QStringList("woxWarningDialog: Template is empty"));
        addCell(model, 0, 0, 0);
        woxModalScript cancel;
        cancel.cancel();
        QVERIFY(!model.save(name));
        QCOMPARE(name, QString("old"));

        writeBytes(templatePath("plan"), "previous");
        QStringList seen;
        QVERIFY(!saveAs(model, "plan", &seen, {0}));
        QCOMPARE(seen, QStringList({"woxKeyboardDialog",
                                    "woxWarningDialog: File exists, do you want to overwrite it?"}));
        QCOMPARE(readBytes(templatePath("plan")), QByteArray("previous"));
        QVERIFY(model.flagByte());
        QVERIFY(runner.calls.isEmpty());
        woxModalScript no;
        no.type("plan").answer(0);
        QVERIFY(!model.save(name));
        QCOMPARE(name, QString("plan"));   // the typed name stays
        QVERIFY(saveAs(model, "plan", &seen, {1}));
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
    }

    void interruptedWriteKeepsTheOldFile()
    {
        writeBytes(templatePath("plan"), "previous");
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        // The file-size limit makes the write fail part-way, as a full disk
        // would, even for root.
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        struct rlimit small = old;
        small.rlim_cur = 1000;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QStringList seen;
        const bool saved = saveAs(model, "plan", &seen, {1, 1});
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QCOMPARE(seen.last(), QString("woxWarningDialog: Can not write data to file"));
        QCOMPARE(readBytes(templatePath("plan")), QByteArray("previous"));
        QCOMPARE(QDir(templatesDir).entryList(QDir::Files), QStringList("plan.woxTemplate"));
        QVERIFY(model.flagByte());
        QCOMPARE(diagnostics.lines(), QStringList("File error: File too large"));
        QVERIFY(runner.calls.isEmpty());
    }

    void vanishedDirectoryKeepsTheOldFile()
    {
        writeBytes(templatePath("plan"), "previous");
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        // While the overwrite question is open the templates directory is
        // moved away and a plain file takes its place.
        const QString moved = QDir::homePath() + "/moved";
        woxModalScript script;
        script.type("plan")
            .then([&](QDialog *dialog) {
                QDir().rename(QDir(templatesDir).absolutePath(), moved);
                writeBytes(QDir(templatesDir).absolutePath(), "not a directory");
                dialog->done(1);
            })
            .answer(1);
        QString name;
        const bool saved = model.save(name);
        QFile::remove(QDir(templatesDir).absolutePath());
        QDir().rename(moved, QDir(templatesDir).absolutePath());
        QVERIFY(!saved);
        QCOMPARE(script.seen.last(), QString("woxWarningDialog: Can not open file for writing"));
        QCOMPARE(readBytes(templatePath("plan")), QByteArray("previous"));
    }

    void nameWithADirectoryIsRefused()
    {
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        QStringList seen;
        QVERIFY(!saveAs(model, "../outside", &seen, {1}));
        QCOMPARE(seen.last(), QString("woxWarningDialog: Can not open file for writing"));
        QVERIFY(!QFile::exists(templatesDir + "../outside.woxTemplate"));
    }
};

QTEST_MAIN(tst_templateFile)
#include "tst_templateFile.moc"
