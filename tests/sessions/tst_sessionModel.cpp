#include "woxBytes.h"
#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSaver.h"
#include "woxFileSizeLimit.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionProgress.h"
#include "woxTestEnvironment.h"
#include "woxUserMessage.h"
#include "woxWorkingCopy.h"

#include <QtTest>
#include <climits>
#include <csignal>
#include <functional>

typedef QVector<QPointF> Points; typedef QVector<quint32> Rows; typedef QVector<float> Values;

namespace {
// The fixture's row moved to channel 2 at x 7.5, k of dipole-dipole at 5 m (30 pi); good(): its hand-written bytes.
woxSessionFile goldenSession()
{
    woxSessionFile session = woxSessionFixture::session(1);
    session.units[0].quadripole.channel = 2, session.units[0].x = 7.5f, session.units[0].k = float(30.0 * M_PI);
    return session;
}
QByteArray good() { return woxSessionFixture::bytes(QFINDTESTDATA("../model/sessioncorpus/golden.woxSession")); }
QByteArray withWord(QByteArray bytes, int at, const char *hex) { return bytes.replace(at, woxHex(hex).size(), woxHex(hex)); }
void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
// A save to the working copy or as typed ("" cancels the keyboard), the answers after; disk full; last dialog.
struct Save { bool toWorkingCopy; QString typed; QList<int> answers; bool diskFull; QString lastDialog; };
} // namespace

Q_DECLARE_METATYPE(Save)
class tst_sessionModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }   // past the file-size limit writes fail instead
    void init()
    {
        woxTestEnvironment::reset();
        QDir().mkpath(sessionsDir);
    }
    // Damaged files (cut, NaN spacing, infinite length, a template's magic, no rows, counts out of range, past 1 GiB,
    // unreadable) are refused; the model keeps its own.
    void damagedFiles()
    {
        QCOMPARE(woxSessionFixture::bytes(woxSessionFixture::write(goldenSession())), good());
        QString hex;   // the same bytes written out by hand, '#' starting a comment
        for (const QString &line : QString(woxSessionFixture::bytes(QFINDTESTDATA("golden-session.hex"))).split('\n'))
            hex += line.section('#', 0, 0);
        QCOMPARE(good(), woxHex(hex));
        QList<QByteArray> damaged{withWord(good(), 4, "7F F8 00 00 00 00 00 00"), withWord(good(), 27, "7F F0 00 00 00 00 00 00"),
                                  withWord(good(), 0, "88 99 33 66"), good().left(656) + woxHex("00 00 00 00") + good().mid(773)};
        for (int length = 0; length < good().size(); ++length)
            damaged << good().left(length);
        for (int at : {21, 35, 47, 54, 652, 656, 736})   // array types, set depths and list, wires, positions, rows, decay
            for (const char *count : {"7F FF FF FF", "FF FF FF FF", "80 00 00 00"})
                damaged << withWord(good(), at, count);
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        QSignalSpy sets(&model, &woxSessionDataModel::sendSetInfoUpdate);
        for (const QByteArray &bytes : damaged) {
            put(woxWorkingCopy::path(), bytes);
            woxModalScript script;
            script.answer(1);
            QVERIFY2(!model.load(woxWorkingCopy::path()), bytes.toHex().constData());
            QCOMPARE(script.seen, QStringList("woxWarningDialog: Session is corrupted"));
        }
        put(woxWorkingCopy::path(), good());
        QVERIFY(QFile::resize(woxWorkingCopy::path(), (qint64(1) << 30) + 1));
        woxModalScript script;
        script.answer(1).answer(1);
        QVERIFY(!model.load(woxWorkingCopy::path()) && !model.load("/proc/self/mem"));   // its first read fails
        QCOMPARE(script.seen.last(), QString("woxWarningDialog: Can not read data from file"));
        QVERIFY(sets.isEmpty());
        woxFakeCommandRunner runner;
        QVERIFY(model.save(QString(), true));
        QCOMPARE(woxSessionFixture::bytes(woxWorkingCopy::path()), good());
    }
    void saves_data()
    {
        QTest::addColumn<Save>("save");
        const QString warning = "woxWarningDialog: ", no = warning + "Can not ";
        QTest::newRow("new name") << Save{false, "day", {}, false, "woxKeyboardDialog"};
        QTest::newRow("overwrite no") << Save{false, "old", {0}, false, warning + "File exists, do you want to overwrite it?"};
        QTest::newRow("cancelled") << Save{false, "", {}, false, "woxKeyboardDialog"};
        QTest::newRow("name with a folder") << Save{false, "../up", {1}, false, no + "open file for writing"};
        QTest::newRow("named, disk full") << Save{false, "old", {1, 1}, true, no + "write data to file"};
        QTest::newRow("working copy, disk full") << Save{true, "", {}, true, ""};
    }
    // The previous file stays whole unless the new one is written whole (the size limit acts as a full disk).
    void saves()
    {
        QFETCH(Save, save);
        const bool saved = save.typed == "day";
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, goldenSession()));
        put(woxWorkingCopy::path(), "previous");
        put(sessionsDir + "old.woxSession", "previous");
        woxFakeCommandRunner runner;
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessage);
        woxModalScript script;
        if (!save.toWorkingCopy)
            save.typed.isEmpty() ? script.cancel() : script.type(save.typed);
        for (int answer : save.answers)
            script.answer(answer);
        bool result = false;
        const auto write = [&] { result = model.save("old", save.toWorkingCopy); };
        save.diskFull ? woxWithFileSizeLimit(798, write) : write();
        QCOMPARE(result, saved);
        QCOMPARE(QString::number(script.pending()) + " " + script.seen.value(script.seen.size() - 1), "0 " + save.lastDialog);
        QCOMPARE(QString("%1 status, %2 sync").arg(status.size()).arg(runner.calls.size()),
                 QString("%1 status, %2 sync").arg(save.toWorkingCopy).arg(saved));
        const auto bytes = [](const QString &name) { return woxSessionFixture::bytes(sessionsDir + name + ".woxSession"); };
        QCOMPARE(woxSessionFixture::bytes(woxWorkingCopy::path()) + bytes("old") + bytes("day") + bytes("../up"),
                 QByteArray("previousprevious") + (saved ? good() : QByteArray()));
    }
    // A new file that can no longer take the old one's place (its folder gone once the bytes are ready) is a failed
    // write, told as saves() shows for a full disk: the old file stays whole and nothing is synced.
    void commitRefused()
    {
        const QString folder = QDir(sessionsDir).absolutePath(), moved = folder + ".moved";
        put(folder + "/old.woxSession", "previous");
        woxFakeCommandRunner runner;
        const woxFileSaver::Result result = woxFileSaver::save(folder + "/old.woxSession", [&](QDataStream &stream) {
            stream << quint32(1);
            QVERIFY(QDir().rename(folder, moved));
            put(folder, "not a folder");   // not even root writes into it
        });
        QCOMPARE(QString("%1 %2 ").arg(result == woxFileSaver::WriteFailed).arg(runner.calls.size())
                     + woxSessionFixture::bytes(moved + "/old.woxSession"), QString("1 0 previous"));
    }
    // Values show unsigned in their formats, remote electrodes as such, a quality above 200 % as none; an unmeasured
    // row shows its quadripole only. Colours tell the run (column 0), current, potential, channel and results.
    void cells()
    {
        woxSessionFile session = woxSessionFixture::session({1, 1, 1, 1});
        session.units[0].quadripole = {65535, 0, 65534, 5, 4};
        for (int row = 0; row < 4; ++row) {
            session.units[row].resistivity = -4.4f;
            session.units[row].result = {-840.0f, -250.0f, -12.3f, -3.2f, -1.5f, {}, QVector<float>{200, 200.5, -1}.value(row), row < 3, {}};
        }
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        const auto colour = [&model](int row, int column) {
            return qvariant_cast<QBrush>(model.index(row, column).data(Qt::BackgroundRole)).color().name(QColor::HexArgb);
        };
        QString cells, colours = colour(1, 0), headers = model.index(3, 13).data(Qt::TextAlignmentRole).toString();
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column <= model.columnCount(); ++column)
                cells += model.index(row, column).data().toString() + (column == model.columnCount() ? "\n" : "|");
        for (int column = 0; column < model.columnCount(); ++column)
            colours += " " + colour(0, column), headers += "|" + model.headerData(column, Qt::Horizontal).toString();
        QCOMPARE(cells, QString::fromUtf8("1|Tx∞|1|Rx∞|6|5|250.0|0.8|0.2|12.3|1.5|3.2|4.4|200.000|\n2|2|3|4|5|2|250.0|0.8|0.2|"
                                          "12.3|1.5|3.2|4.4|N / A|\n3|3|4|5|6|3|250.0|0.8|0.2|12.3|1.5|3.2|4.4|-1.000|\n"
                                          "4|4|5|6|7|4|||||||||\n"));
        QCOMPARE(colours, QString("#ffaaaaff #ffff7f00 #3fff7f3f #3fff7f3f #3f7fff7f #3f7fff7f #5fffff7f #3fff7f3f "
                                  "#3fff7f3f #3fff7f3f #3f7fff7f #3f7fff7f #3f7fff7f #3f7f7fff #3f7f7fff"));
        QCOMPARE(headers, QString::fromUtf8("130|#|A|B|M|N|Rx|Tx.I [mA]|Tx.U [V]|Tx.P [W]|Rx.U [mV]|Rx.S [mV]|M [mV/V]|ρ [Ω⋅m]|Q [%]"));
    }
    // A run goes out up to its last chained row, and at the table's end, with the options page's settings; a row
    // outside the table sends nothing. A result's resistivity is computed; deleting a row keeps its values.
    void runs()
    {
        woxOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText("200");
        woxCoreDouble core;
        woxSessionDataModel model;
        woxSessionFile session = woxSessionFixture::session(26, 16);
        session.units.last().chained = true;   // damaged: the run would go on past the table
        QVERIFY(woxSessionFixture::load(model, session));
        QVERIFY(!model.measureSet(26) && !model.measureSet(-1) && model.measureSet(14) && model.measureSet(25));
        QCOMPARE(core.takeLines(), QStringList({"ET2D q(14 15 16 17 14) q(15 16 17 18 15) o(2 1 8 1 3 5 25 80)",
                                                "ET2D q(25 26 27 28 9) o(2 1 8 1 3 5 25 80)"}));
        model.measureSet(14);
        woxCoreReportET2D report;
        report.results << woxMeasureResult{0, 4.0f, -20.0f, 0, 0, {}, 0, false, {}};
        model.setResult(report);
        QVERIFY(model.unitAt(14)->resistivity == 50.0f && model.unitAt(14)->result.valid && !model.unitAt(15)->result.valid);
        for (int row : {14, 26, -1})
            model.onRowDelete(row);
        QVERIFY(!model.unitAt(14)->result.valid && model.unitAt(14)->resistivity == 50.0f && model.index(14, 12).data().isNull());
        // Measured with a pause the page does not have: the session closes.
        session.units[0].result.valid = session.units[0].result.options.ipEnabled = true;
        session.units[0].result.options.pauseCode = 999;
        QVERIFY(woxSessionFixture::load(model, session));
        woxModalScript script;
        script.answer(1).answer(1);
        QVERIFY(!model.checkIpOptions());
        QCOMPARE(script.seen.last(), QString("woxWarningDialog: IP options of this session can not be restored"));
    }
    void ipOptions_data()
    {
        QTest::addColumn<int>("stored");   // pause code kept with row 2's result, IP on; -1: not measured; -2: IP off
        QTest::addColumn<int>("answer");   // to the question, when asked
        QTest::addColumn<QString>("result");   // opens | the page's pause, locked or free | dialogs
        const QString ask = " | woxWarningDialog: IP options were changed since last session. Change back?";
        QTest::newRow("nothing measured") << -1 << 1 << "1 | 60 free";
        QTest::newRow("same pause") << 1 << 1 << "1 | 60 locked";
        QTest::newRow("refused") << 8 << 0 << "0 | 60 locked" + ask;
        QTest::newRow("restored") << 8 << 1 << "1 | 200 locked" + ask;
        QTest::newRow("measured without IP") << -2 << 1 << "1 | 20 locked" + ask;
        QTest::newRow("no such pause") << 4 << 1
            << "0 | 60 locked" + ask + " | woxWarningDialog: IP options of this session can not be restored";
    }
    // A session measured with another pause opens only with that pause set back on the page, which stays locked.
    void ipOptions()
    {
        QFETCH(int, stored);
        QFETCH(int, answer);
        woxOptionsWidget options;
        options.pauseDurationComboBox->setCurrentText("60");
        woxSessionFile session = woxSessionFixture::session(3);
        session.units[2].result.options.ipEnabled = stored != -2;
        session.units[2].result.options.pauseCode = quint16(qMax(stored, 0));
        session.units[2].result.valid = stored != -1;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        woxModalScript script;
        script.answer(answer).answer(1);
        const bool opens = model.checkIpOptions();
        QTEST(QString("%1 | %2 %3").arg(opens).arg(options.pauseDurationComboBox->currentText())
                  .arg(options.pauseDurationComboBox->isEnabled() ? "free" : "locked")
                  + (script.seen.isEmpty() ? "" : " | " + script.seen.join(" | ")), "result");
    }
    // Each plot kind's and mode's series for the set shown, the rows at the slider sorted; the slider's value, range
    // and texts, its positions outliving a change of kind.
    void series()
    {
        woxSessionFile session = woxSessionFixture::session(4);
        const float rows[4][5] = {{0, 2.5f, 10, -3, 1}, {5, 2.5f, 99, 1, 1}, {7.5f, 5, 20, 4, 3}, {9.5f, 2.5f, 40, 8, 2}};
        for (int i = 0; i < 4; ++i) {   // centre, depth, resistivity, chargeability, sets; row 1 not measured
            woxSessionDataUnit &unit = session.units[i];
            unit.x = rows[i][0], unit.y = rows[i][1], unit.resistivity = rows[i][2], unit.sets = qint8(rows[i][4]);
            unit.result.chargeability = rows[i][3], unit.result.valid = i != 1;
        }
        session.sets << woxSetInfo(4, 2), session.summary.setDepths = {2.5f, 5.0f}, session.summary.profileLength = 20;
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        QStringList log;
        const auto points = [&log](const char *kind, const Points &xy, const Values &f = {}, const Rows &idx = {}) {
            QString s = kind;
            for (int i = 0; i < xy.size(); ++i)
                s += QString(" (%1,%2)").arg(xy[i].x()).arg(xy[i].y()) + (f.isEmpty() ? "" : "=" + QString::number(f[i]));
            for (int i = 0; i < idx.size(); ++i)
                s += (i ? " " : " rows ") + QString::number(idx[i]);
            log << s;
        };
        connect(&model, QOverload<Points, Values, Rows>::of(&woxSessionDataModel::sendPlotUpdate),
                [&](const Points &xy, const Values &f, const Rows &idx) { points("S", xy, f, idx); });
        connect(&model, QOverload<Points, Rows>::of(&woxSessionDataModel::sendPlotUpdate),
                [&](const Points &xy, const Rows &idx) { points("C", xy, {}, idx); });
        connect(&model, QOverload<Points>::of(&woxSessionDataModel::sendPlotUpdate), [&](const Points &xy) { points("L", xy); });
        QLabel value, header("XXX:"), unit;
        QSlider slider;
        model.setMsrCenterDepthValueLabel(&value), model.setMsrCenterDepthHeaderLabel(&header);
        model.setMsrCenterDepthDimensionLabel(&unit), model.setMsrCenterDepthWidget(&slider);
        const QString centre = " Measurement center: m", depth = " Pseudo depth: m";
        const QList<QPair<std::function<void()>, QString>> steps = {
            {[&] { model.updatePlots(); }, "S (0,2.5)=10 (7.5,5)=20 rows 0 2 | 0/99 <font color=blue>0.0</font> XXX: m"},
            {[&] { model.setMode(1); }, "S (0,2.5)=3 (7.5,5)=4 rows 0 2 | 0/99 0.0 XXX: m"},
            {[&] { model.setPlotKind(1); }, "C (2.5,3) (5,4) rows 0 2 ; L (2.5,3) | 0/200 0.0" + centre},
            {[&] { slider.setValue(75); }, "L (5,4) | 75/200 7.5" + centre},
            {[&] { model.onCurrentSetChange(1); }, "C (5,4) (2.5,8) rows 2 3 ; L (2.5,8) (5,4) | 75/200 7.5" + centre},
            {[&] { model.setPlotKind(2); }, "L ; C (7.5,4) (9.5,8) rows 2 3 ; L | 0/50 0.0" + depth},
            {[&] { slider.setValue(25); }, "L (9.5,8) | 25/50 2.5" + depth},
            {[&] { model.onCurrentSetChange(9); }, "C (7.5,4) (9.5,8) rows 2 3 ; L (9.5,8) | 25/50 2.5" + depth},
            {[&] { model.onCurrentSetChange(0); }, "C (0,3) (7.5,4) rows 0 2 ; L (0,3) | 25/25 2.5" + depth},
            {[&] { model.setMode(0); }, "C (0,10) (7.5,20) rows 0 2 ; L (0,10) | 25/25 2.5" + depth},
            {[&] { model.onRowDelete(0); }, "C (7.5,20) rows 2 ; L | 25/25 2.5" + depth},
            {[&] { model.setPlotKind(0); }, "S (7.5,5)=20 rows 2 | 25/25 2.5" + depth},
            {[&] { model.setPlotKind(1); }, "L (5,20) ; C (5,20) rows 2 ; L (5,20) | 75/200 7.5" + centre}};
        for (int i = 0; i < steps.size(); ++i) {
            log.clear();
            steps[i].first();
            const QString shown = i ? value.text().remove("<font color=blue>").remove("</font>") : value.text();
            QCOMPARE(QString("%1: %2 | %3/%4 %5 %6 %7").arg(i).arg(log.join(" ; ")).arg(slider.value()).arg(slider.maximum())
                         .arg(shown, header.text(), unit.text()), QString("%1: %2").arg(i).arg(steps[i].second));
        }
    }
    // The slider in tenths: a set without its depth in a damaged file has none, a line too long stops at the
    // slider's end, 0.7 m stays 7 across plot kinds, and a negative spacing still gives a window.
    void slider()
    {
        woxSessionFile session = woxSessionFixture::session(3);
        woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
        session.summary.cableSpacing = -5.0f, session.summary.profileLength = 1e12f, session.summary.setDepths.clear();
        woxSessionDataModel model;
        QVERIFY(woxSessionFixture::load(model, session));
        QSlider slider;
        model.setMsrCenterDepthWidget(&slider);
        { QLabel gone; model.setMsrCenterDepthValueLabel(&gone); }
        int points = -1;
        connect(&model, QOverload<Points>::of(&woxSessionDataModel::sendPlotUpdate), [&points](const Points &line) { points = line.size(); });
        model.setPlotKind(1);
        QCOMPARE(slider.maximum(), INT_MAX);
        slider.setValue(7);
        model.setPlotKind(2);
        QCOMPARE(slider.maximum(), 0);
        model.setPlotKind(1);
        QCOMPARE(slider.value(), 7);
        slider.setValue(0);
        QCOMPARE(points, 1);
    }
    // Runs after each row, and the time left: whole seconds, "too long" from a day on, never negative.
    void progress()
    {
        QCOMPARE(woxSessionProgress::runsLeft({true, true, false, true, false, false}), QVector<int>({2, 2, 2, 1, 1, 0}));
        QCOMPARE(woxSessionProgress::runsLeft({false, true, true}), QVector<int>({0, -1, -1}));   // open tail
        QCOMPARE(woxSessionProgress::runsLeft({}), QVector<int>());
        QStringList texts;
        for (auto c : {std::make_pair(600LL, 5), {600, -1}, {86399000, 1}, {86400000, 1}, {INT_MAX, INT_MIN},
                       {86399996, 1}, {LLONG_MAX, 3}, {INT_MAX, INT_MAX}})   // single precision rounds the sixth up
            texts << woxSessionProgress::timeLeftText(c.first, c.second);
        QCOMPARE(texts.join(", "), QString("Left: 00:00:03, Left: 00:00:00, Left: 23:59:59, Left: too long, Left: 00:00:00, "
                                           "Left: too long, Left: too long, Left: too long"));
    }
};

QTEST_MAIN(tst_sessionModel)
#include "tst_sessionModel.moc"
