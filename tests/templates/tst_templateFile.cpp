// The fuzz target replays the corpus, so every sanitized run checks it.
#include "../../fuzz/fuzz_templatefile.cpp"
#include "woxArrangementDialog.h"
#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxERTLoader.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxFuzzCorpus.h"
#include "woxModalScript.h"
#include "woxMoveDialog.h"
#include "woxOptionsWidget.h"
#include "woxScaleDialog.h"
#include "woxStreamed.h"
#include "woxTemplateDataModel.h"

#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <csignal>
#include <sys/resource.h>

namespace {

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
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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

// Saves under the name; `answers` follow the keyboard (overwrite, errors).
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

// The Varnex screen's table rows, then the captions shown and the visible curve's points.
QString view(const woxERTTemplateWidget &screen)
{
    QStringList rows;
    for (int row = 0; row < screen.tableWidget->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells << screen.tableWidget->item(row, column)->text();
        rows << cells.join(' ');
    }
    QStringList shown;
    for (const QLabel *caption : {screen._xLabel, screen._yLabel, screen.lyLabel, screen.lzLabel})
        if (!caption->isHidden())
            shown << caption->objectName();
    for (const QwtPlotItem *item : screen.findChild<QwtPlot *>()->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const auto *curve = static_cast<const QwtPlotCurve *>(item);
        for (size_t i = 0; curve->isVisible() && i < curve->dataSize(); ++i)
            shown << QString("%1,%2").arg(curve->sample(int(i)).x()).arg(curve->sample(int(i)).y());
    }
    return rows.join('|') + " / " + shown.join(' ');
}

QByteArray patched(int offset, const QByteArray &patch)
{
    return oneSetTemplate().replace(offset, patch.size(), patch);
}

// Writes fail once a file would pass `bytes`, as on a full card, even for root.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit = {bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, handler); }
    void (*handler)(int);
    rlimit saved;
};

const QString saveQuestion = "woxWarningDialog: Do you want to save this template?";

// Four electrodes 5 m apart on a slope, a row with a remote current electrode.
const QByteArray slope = "# X Y Z\n1 0 0 0\n2 5 0 0.5\n3 10 0 1\n4 15 0 1.5\n"
                         "# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";

// The Varnex screen as the template menu builds it from a file.
std::unique_ptr<woxERTTemplateWidget> openVarnex(const QString &name)
{
    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles);
    return std::unique_ptr<woxERTTemplateWidget>(
        new woxERTTemplateWidget(varnexDir + name, electrodes, quadripoles));
}

woxModalScript::Step moveBy(float x)
{
    return [x](QDialog *dialog) {
        static_cast<woxMoveDialog *>(dialog)->update(x);
        dialog->accept();
    };
}

} // namespace

class tst_templateFile : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    woxDiagnosticCapture diagnostics;

private slots:
    void init()
    {
        for (const QString &dir : {templatesDir, varnexDir}) {
            QDir(dir).removeRecursively();
            QVERIFY(QDir().mkpath(dir));
        }
        writeBytes(varnexDir + "slope.txt", slope);
        runner.calls.clear();
        diagnostics.clear();
    }

    void goldenBytesAndRoundTrip()
    {
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        QVERIFY(saveAs(model, "plan"));
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
        QCOMPARE(runner.calls.size(), 1);   // sync
        // A summary with a profile length and two depths is saved byte for byte.
        const QByteArray depths = oneSetTemplate().replace(
            27, 12, woxHex("40 73 B0 00 00 00 00 00  00 00 00 02"
                           "40 00 00 00 00 00 00 00  40 08 00 00 00 00 00 00"));
        writeBytes(templatePath("depths"), depths);
        woxTemplateDataModel back;
        QVERIFY(back.load(templatePath("depths"), true));
        QVERIFY(saveAs(back, "copy"));
        QCOMPARE(readBytes(templatePath("copy")), depths);
    }

    void eightSetsReadBackAndANinthIsRefused()
    {
        woxTemplateDataModel model;
        addCell(model, 3, 0, 0);
        addCell(model, 0, 0, 0);
        addCell(model, 3, 1, 0);
        for (int set = 3; set < 8; ++set)
            addCell(model, 0, 0, set);
        QVERIFY(saveAs(model, "eight"));
        // Array counts, highest type first.
        QCOMPARE(readBytes(templatePath("eight")).mid(21, 12),
                 woxHex("00 00 00 02  03 02  00 06  00 00 00 00"));
        woxTemplateDataModel back;
        QVERIFY(back.load(templatePath("eight"), false));
        QCOMPARE(back.numberOfSets(), 8);
        woxModalScript script;
        script.answer(1).answer(1);
        QCOMPARE(QList<bool>({back.onSetAdd(), back.onSetClone()}), QList<bool>({false, false}));
        const QString moreSets("woxWarningDialog: Can not add one more set");
        QCOMPARE(script.seen, QStringList({moreSets, moreSets}));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = oneSetTemplate();
        QTest::newRow("bad magic") << patched(0, woxHex("89"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut at the end") << good.left(good.size() - 1);
        QTest::newRow("nine sets") << patched(48, woxHex("00 00 00 09"));
        QTest::newRow("31 rows") << patched(53, woxHex("00 00 00 1F"));
        QTest::newRow("98 columns") << patched(53 + 3094 + 4 + 29 * 103, woxHex("00 00 00 62"));
        QTest::newRow("array type 22") << patched(52, woxHex("16"));
        QTest::newRow("three cables") << patched(39, woxHex("03"));
        QTest::newRow("set without cables") << patched(6241, woxHex("00"));
        QTest::newRow("zero spacing") << patched(40, woxStreamed(0.0));
        QTest::newRow("set spacing NaN")
            << patched(6242, woxStreamed(std::numeric_limits<double>::quiet_NaN()));
        QTest::newRow("set spacing beyond float") << patched(6242, woxStreamed(1e300));
        QTest::newRow("huge array-type count") << patched(21, woxHex("7F FF FF FF"));
        QTest::newRow("huge depth count") << patched(35, woxHex("00 00 10 00"));
    }

    // A refused file leaves the one-cable template already loaded untouched.
    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        writeBytes(templatePath("good"), oneSetTemplate());
        writeBytes(templatePath("bad"), bytes);
        woxTemplateDataModel model;
        QVERIFY(model.load(templatePath("good"), false));
        model.setArrangement(1, 2.5f);
        woxModalScript script;
        script.answer(1);
        QVERIFY(!model.load(templatePath("bad"), false));
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Template is corrupted"));
        QVERIFY(model.numberOfSets() == 1 && model.cables() == 1 && model.cableSpacing() == 2.5f);
        QVERIFY(model.flagByte());
    }

    // No set, an empty set, a "No" to overwriting, a name with a directory and a write that
    // fails part-way save nothing and leave the old file; "Yes" then overwrites.
    void nothingIsLostOnAFailedSave()
    {
        woxTemplateDataModel model;
        QString name = "old";
        QStringList noSet, emptySet;
        QVERIFY(!saveAs(model, "plan", &noSet));
        addCell(model, 0, 0, 0);
        model.onSpacingLevelMainConfig(QModelIndexList() << model.index(0, 0));   // unselected again
        QVERIFY(!saveAs(model, "plan", &emptySet));
        QCOMPARE(noSet + emptySet, QStringList({"woxWarningDialog: Template is empty",
                                                "woxWarningDialog: Template contains an empty set"}));
        model.onSpacingLevelMainConfig(QModelIndexList() << model.index(0, 0));
        writeBytes(templatePath("plan"), "previous");
        woxModalScript no;
        no.type("plan").answer(0);
        QVERIFY(!model.save(name));
        QCOMPARE(no.seen.last(), QString("woxWarningDialog: File exists, do you want to overwrite it?"));
        QCOMPARE(name, QString("plan"));
        QStringList seen;
        QVERIFY(!saveAs(model, "../outside", &seen, {1}));
        QCOMPARE(seen.last(), QString("woxWarningDialog: Can not open file for writing"));
        QVERIFY(!QFile::exists(templatesDir + "../outside.woxTemplate"));
        {
            FileSizeLimit full(1000);
            QVERIFY(!saveAs(model, "plan", &seen, {1, 1}));
        }
        QCOMPARE(seen.last(), QString("woxWarningDialog: Can not write data to file"));
        QCOMPARE(diagnostics.lines().last(), QString("File error: File too large"));
        QCOMPARE(readBytes(templatePath("plan")), QByteArray("previous"));
        QCOMPARE(QDir(templatesDir).entryList(QDir::Files), QStringList("plan.woxTemplate"));
        QVERIFY(model.flagByte());
        QVERIFY(runner.calls.isEmpty());
        QVERIFY(saveAs(model, "plan", &seen, {1}));
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
    }

    // A refused overwrite and a failed write keep both files, the old name
    // and the unsaved state; the text is then saved as read, and moved 10 m,
    // and the screen takes the new name.
    void varnexTakesANameOnlyAfterASuccessfulSave()
    {
        writeBytes(varnexDir + "other.txt", "kept");
        auto screen = openVarnex("slope.txt");
        woxModalScript script;
        script.then(moveBy(1.0f)).type("other").answer(0).type("other").answer(1).answer(1);
        screen->onMove();
        QVERIFY(!screen->onSave());
        QCOMPARE(screen->templateFile(), varnexDir + "slope.txt");
        {
            FileSizeLimit full(10);
            QVERIFY(!screen->onSave());
        }
        QCOMPARE(script.seen.last(), QString("woxWarningDialog: Can not write data to file"));
        QCOMPARE(diagnostics.lines(), QStringList());   // the message is the whole report
        QCOMPARE(readBytes(varnexDir + "other.txt"), QByteArray("kept"));
        QCOMPARE(readBytes(varnexDir + "slope.txt"), slope);
        QVERIFY(screen->isChanged());
        QCOMPARE(screen->templateFile(), varnexDir + "slope.txt");
        QVERIFY(runner.calls.isEmpty());
        screen = openVarnex("slope.txt");
        script.type("copy").then(moveBy(10.0f)).type("moved");
        QVERIFY(screen->onSave());
        QCOMPARE(readBytes(varnexDir + "copy.txt"), slope);
        screen->onMove();
        QVERIFY(screen->onSave());
        QCOMPARE(readBytes(varnexDir + "moved.txt"),
                 QByteArray("# X Y Z\n1 10 0 0\n2 15 0 0.5\n3 20 0 1\n4 25 0 1.5\n"
                            "# A B M N\n1 1 4 2 3\n2 0 3 1 2\n"));
        QVERIFY(!screen->isChanged());
        QCOMPARE(screen->templateFile(), varnexDir + "moved.txt");
        QCOMPARE(runner.calls.size(), 2);
    }

    // The table and the projection shown (captions by name, the visible curve) after each
    // step; the move and scale dialogs' read-outs; the estimate reads the file; Cancel keeps
    // the changed screen open, No closes it and writes nothing.
    void varnexScreen()
    {
        woxOptionsWidget options;   // runs of 905 to 1305 ms
        writeBytes(varnexDir + "gaps.txt", "# X Y Z\n6 12.5 -0.3 2\n1 0 0 0\n2 5 1 0.5\n3 10 2 1\n"
                                           "# A B M N\n1 1 6 2 3\n2 1 6 3 2\n");
        auto screen = openVarnex("gaps.txt");
        QStringList shown({view(*screen)}), labels;
        for (QRadioButton *projection : {screen->xzRadioButton, screen->yzRadioButton}) {
            projection->click();
            shown << view(*screen).section(" / ", 1);
        }
        const auto read = [&labels](QDialog *d, const QList<const char *> &clicks) {
            for (const char *name : clicks)
                d->findChild<QAbstractButton *>(name)->click();
            QStringList texts;
            for (const char *name : {"xLabel", "yLabel", "zLabel"})
                texts << d->findChild<QLabel *>(name)->text();
            labels << texts.join(" / ");
        };
        woxModalScript script;
        script.then([&](QDialog *d) {
            read(d, {});
            read(d, {"yRadioButton", "p10", "p10", "m0_1"});
            read(d, {"zRadioButton", "p1"});
            d->accept();
        });
        script.then([&](QDialog *d) { read(d, {"yRadioButton", "m1", "m1"}), d->accept(); });
        screen->movePushButton->click();
        QVERIFY(screen->isChanged());
        shown << view(*screen);
        screen->scalePushButton->click();
        screen->xyRadioButton->click();
        shown << view(*screen);
        QCOMPARE(shown, QStringList({"1 0.00 0.00 0.00|2 5.00 1.00 0.50|3 10.00 2.00 1.00|6 12.50 -0.30 2.00"
                                     " / _xLabel lyLabel 0,0 5,1 10,2 12.5,-0.3",
                                     "_xLabel lzLabel 0,0 5,0.5 10,1 12.5,2", "_yLabel lzLabel 0,0 1,0.5 2,1 -0.3,2",
                                     "1 0.00 19.90 1.00|2 5.00 20.90 1.50|3 10.00 21.90 2.00|6 12.50 19.60 3.00"
                                     " / _yLabel lzLabel 19.9,1 20.9,1.5 21.9,2 19.6,3",
                                     "1 0.00 -19.90 1.00|2 5.00 -20.90 1.50|3 10.00 -21.90 2.00|6 12.50 -19.60 3.00"
                                     " / _xLabel lyLabel 0,-19.9 5,-20.9 10,-21.9 12.5,-19.6"}));
        QCOMPARE(labels, QStringList({"0.00 m / 0.00 m / 0.00 m", "0.00 m / +19.90 m / 0.00 m",
                                      "0.00 m / +19.90 m / +1.00 m", "* 1.00 / * -1.00 / * 1.00"}));
        const QString number = "<font color = blue>%1</font>";
        script.answer(1).answer(2).answer(0);
        screen->estimatePushButton->click();
        QSignalSpy closed(screen.get(), &woxERTTemplateWidget::sendTemplateClose);
        screen->closePushButton->click();
        QCOMPARE(closed.count(), 0);
        screen->closePushButton->click();
        QCOMPARE(script.seen.mid(2), QStringList({"woxWarningDialog: Measurements: " + number.arg(2) + ", runs: "
                                                      + number.arg(1) + ", duration: " + number.arg("00:00:01")
                                                      + " ... " + number.arg("00:00:01"),
                                                  saveQuestion, saveQuestion}));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(QDir(varnexDir).entryList(QDir::Files), QStringList({"gaps.txt", "slope.txt"}));
        QVERIFY(runner.calls.isEmpty());
    }

    // Every step button, on X and on Y; the read-outs in blue.
    void stepDialogs()
    {
        woxMoveDialog move;
        woxScaleDialog scale;
        QStringList labels;
        for (QDialog *d : {static_cast<QDialog *>(&move), static_cast<QDialog *>(&scale)}) {
            for (const char *name : {"p0_01", "p0_1", "p1", "p10", "p100", "yRadioButton", "m0_01", "m0_1", "m1",
                                     "m10", "m100"})
                d->findChild<QAbstractButton *>(name)->click();
            for (const char *name : {"xLabel", "yLabel", "zLabel"}) {
                const QLabel *label = d->findChild<QLabel *>(name);
                labels << label->text() + label->palette().color(QPalette::WindowText).name();
            }
        }
        QCOMPARE(labels.join(" / "), QString("+111.11 m#0000ff / -111.11 m#0000ff / 0.00 m#0000ff / "
                                             "* 112.11#0000ff / * -110.11#0000ff / * 1.00#0000ff"));
        QCOMPARE(move.windowTitle() + scale.windowTitle(), QString("MoveScale"));
    }

    // A stored 0.35 m, held just below the half, still rounds up to 4 dm.
    // Two cables take a set of 6336 measurements, not 6337.
    void arrangementAndMeasurementLimit()
    {
        woxArrangementDialog dialog;
        dialog.setCableSpacing(0.35f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 4);
        for (int extra : {45, 44}) {   // rows 0 to 2, row 3 to level 23, and one more cell
            woxTemplateDataModel model;
            woxModalScript script;
            script.chooseArray(4).answer(1);
            QVERIFY(model.onSetAdd());
            QModelIndexList cells({model.index(3, extra)});
            for (int cell = 0; cell < 3 * 99 + 23; ++cell)
                cells << model.index(cell / 99, cell % 99);
            model.onSpacingLevelMainConfig(cells);
            QCOMPARE(model.totalQuadripoles(), 6381 - extra);
            QCOMPARE(model.checkTemplate(), extra == 45);
            QCOMPARE(script.seen.mid(1), extra == 45 ? QStringList() : QStringList(
                "woxWarningDialog: Template contains too many measurements"));
        }
    }

    void fuzzCorpusReplays()
    {
        const woxFuzzCorpus corpus(QFINDTESTDATA("templatecorpus"));
        QVERIFY(corpus.inputs().size() >= 10);
        corpus.replay(LLVMFuzzerTestOneInput);
        // one set, three sets, one cable, no type, no sets, depths, cells beyond 1
        QCOMPARE(corpus.accepted([](QDataStream &in) { return woxTemplateFile().read(in); }), 7);
    }
};

QTEST_MAIN(tst_templateFile)
#include "tst_templateFile.moc"
