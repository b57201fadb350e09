#include "woxConstants.h"
#include "woxCore.h"
#include "woxCoreDouble.h"
#include "woxDiagnosticCapture.h"
#include "woxERTFormat.h"
#include "woxERTLoader.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSizeLimit.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxPress.h"
#include "woxScreenState.h"
#include "woxSignalSeries.h"
#include "woxSignalWidget.h"
#include "woxTemplateDataModel.h"
#include "woxTestEnvironment.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSettings>
#include <QtTest>

namespace {

const QString warning = "woxWarningDialog: ";
const QString saveQuestion = warning + "Do you want to save this template?";
const QString overwriteQuestion = warning + "File exists, do you want to overwrite it?";

// Four electrodes 5 m apart on a slope, a row with a remote current electrode; the writer gives back these very
// bytes. `moved` is the same template 10 m further along x.
const QByteArray slope = "# X Y Z\n1 0 0 0\n2 5 0 0.5\n3 10 0 1\n4 15 0 1.5\n# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";
const QByteArray moved = "# X Y Z\n1 10 0 0\n2 15 0 0.5\n3 20 0 1\n4 25 0 1.5\n# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), qPrintable(path));
}

typedef QMap<woxElectrode, woxElectrodePosition> Electrodes;

// The Varnex file `name` read: electrodes "n x y z", '#', quadripoles "a b m n" (0-based, 65535 and 65534 the
// remotes), joined by '|'; or "! " and the message.
QString load(const QString &name)
{
    QString error;
    Electrodes electrodes;
    QList<woxQuadripole> quadripoles;
    if (!woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles))
        return "! " + error;
    QStringList parts;
    for (auto e = electrodes.cbegin(); e != electrodes.cend(); ++e)
        parts << QString("%1 %2 %3 %4").arg(e.key()).arg(e->x).arg(e->y).arg(e->z);
    parts << "#";
    for (const woxQuadripole &q : quadripoles)
        parts << QString("%1 %2 %3 %4").arg(q.a).arg(q.b).arg(q.m).arg(q.n);
    return error.isEmpty() ? parts.join('|') : "error set on success";
}

// The Varnex folder as "name=what" for each file: "slope", "moved" or "other" by content.
QString disk()
{
    QStringList files;
    for (const QString &name : QDir(varnexDir).entryList(QDir::Files, QDir::Name)) {
        QFile file(varnexDir + name);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        files << name + "=" + (bytes == slope ? "slope" : bytes == moved ? "moved" : "other");
    }
    return files.join(' ');
}

// The Varnex screen as the template menu builds it from a file.
std::unique_ptr<woxERTTemplateWidget> openVarnex(const QString &name)
{
    QString error;
    Electrodes electrodes;
    QList<woxQuadripole> quadripoles;
    woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles);
    return std::make_unique<woxERTTemplateWidget>(varnexDir + name, electrodes, quadripoles);
}

// Clicks the dialog's named buttons, then accepts it.
woxModalScript::Step clickAndAccept(const QStringList &buttons)
{
    return [buttons](QDialog *dialog) {
        for (const QString &name : buttons) {
            if (!woxPress(dialog, name))
                return;
        }
        dialog->accept();
    };
}

QString estimate(int measurements, int runs, const QString &shortest, const QString &longest)
{
    const QString number = "<font color = blue>%1</font>";
    return warning + "Measurements: " + number.arg(measurements) + ", runs: " + number.arg(runs) + ", duration: "
           + number.arg(shortest) + " ... " + number.arg(longest);
}

// Sample i of series k (1 to 12 in report order) is k * 100 + i * i.
woxCoreReportSignal report(const QList<int> &codes)
{
    woxCoreReportSignal r;
    r.options.pulseCode = quint16(codes[0]);
    r.options.ipEnabled = codes[1];
    r.options.pauseCode = quint16(codes[2]);
    QVector<float> *all[] = {&r.pulse1TxVoltage, &r.pulse1TxCurrent, &r.pulse1RxVoltage, &r.pause1TxVoltage,
                             &r.pause1TxCurrent, &r.pause1RxVoltage, &r.pulse2TxVoltage, &r.pulse2TxCurrent,
                             &r.pulse2RxVoltage, &r.pause2TxVoltage, &r.pause2TxCurrent, &r.pause2RxVoltage};
    for (int k = 0; k < 12; ++k)
        for (int i = 0; i < ((k / 3) % 2 == 0 ? codes[3] : codes[4]); ++i)
            all[k]->append(float((k + 1) * 100 + i * i));
    return r;
}

QString points(const QVector<QPointF> &series)
{
    QStringList shown;
    for (const QPointF &p : series)
        shown << QString("%1,%2").arg(p.x()).arg(p.y());
    return shown.join(' ');
}

QSettings optionsStore() { return QSettings(settingsOrganisation, "woxOptionsWidget"); }

} // namespace

// Varnex text templates: reading, writing, their screen's close question and estimate, the file list; the signal
// window's series, header and verdicts.
class tst_varnex : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    woxDiagnosticCapture diagnostics;

private slots:
    void init()
    {
        woxTestEnvironment::reset();
        QVERIFY(QDir().mkpath(varnexDir));
        runner.calls.clear(), diagnostics.clear();
    }

    void cleanup() { woxCore::destroy(), woxWarningDialog::closeInstance(), optionsStore().clear(); }

    void reads_data()   // what is read, or "! " and the message
    {
        QTest::addColumn<QByteArray>("content");   // null: the path is the Varnex folder itself
        QTest::addColumn<QString>("read");
        const QByteArray xyz = "# X Y Z\n", abmn = "# A B M N\n";
        const QByteArray head = xyz + "1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n" + abmn;
        const QString electrodes = "1 0 0 0|2 1 0 0|3 2 0 0|4 3 0 0|#|";
        const QString header = "! Can not find the beginning of header (# X Y Z)";
        const auto row = [](const char *name, const QByteArray &content, const QString &read) {
            QTest::newRow(name) << content << read;
        };
        row("a folder", QByteArray(), "! Can not open file for reading");
        row("empty first line", "\n" + xyz + abmn, header);
        row("empty electrode line", xyz + "1 0 0 0\n\n" + abmn, "! Electrodes section contains an empty line");
        row("comment as electrode", xyz + "survey of the slope\n" + abmn, "! Electrode number 0 is not supported");
        row("-1", xyz + "-1 0 0 0\n" + abmn, "! Electrode number -1 is not supported");
        row("hexadecimal 65", xyz + "0x41 0 0 0\n" + abmn, "! Electrode number 65 is not supported");
        row("-inf", xyz + "3 0 0 -inf\n" + abmn, "! Electrode 3 has a coordinate that is not a finite number");
        row("a b m n in a comment end the electrodes", xyz + "1 0 0 0\n# note: a, b, m and n follow\n1 1 0 1 0\n",
            "1 0 0 0|#|65535 0 65534 0");
        row("remote B and remote N", head + "2 1 0 3 4\n5 1 2 0 4\n", electrodes + "65535 0 2 3|0 1 65534 3");
        row("repeats and shared electrodes pass", head + "1 1 2 1 2\n1 1 2 1 2\n", electrodes + "0 1 0 1|0 1 0 1");
        row("A equals B before M missing", head + "1 2 2 9 3\n", "! A and B electrodes have equal positions (row: 1)");
        row("M not a number", head + "1 1 2 x 4\n", "! M and N electrodes have equal positions (row: 1)");
        row("M missing", head + "1 1 2 3 4\n1 1 2 3 4\n1 1 2 9 4\n", "! Header does not contain electrode 9 (row: 3)");
        row("row error after crlf", "# X Y Z\r\n1 0 0 0\r\n# A B M N\r\n1 1 1 0 1\r\n",
            "! A and B electrodes have equal positions (row: 1)");
    }

    // Only a file that cannot be opened is also reported on standard error.
    void reads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        if (!content.isNull())
            writeFile(varnexDir + "read.txt", content);
        QCOMPARE(load(content.isNull() ? QString() : "read.txt"), read);
        QCOMPARE(diagnostics.lines().size(), content.isNull() ? 1 : 0);
    }

    void coordinates_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("12.5") << 12.5f << "12.5";
        QTest::newRow("negative") << -2.25f << "-2.25";
        QTest::newRow("six digits, plain") << 654321.0f << "654321";
        QTest::newRow("seven digits round") << 1234567.0f << "1.23457e+06";
        QTest::newRow("a million") << 1000000.0f << "1e+06";
        QTest::newRow("small, plain") << 0.000123456f << "0.000123456";
        QTest::newRow("small negative") << -0.00001f << "-1e-05";
    }

    void coordinates()
    {
        QFETCH(float, value);
        QTEST(woxERTFormat::coordinate(value), "text");
    }

    // The worked example with a remote potential electrode in N written as M; an empty template is its two
    // headers; electrode 64 and every remote read back.
    void writtenText()
    {
        Electrodes electrodes;
        for (int e = 4; e >= 1; --e)
            electrodes.insert(woxElectrode(e), woxElectrodePosition(5.0f * (e - 1), 0.0f, 0.5f * (e - 1)));
        const QList<woxQuadripole> rows = {woxMake::quadripole(0, 3, 1, 2), woxMake::quadripole(65535, 2, 0, 1),
                                           woxMake::quadripole(2, 0, 65534, 3)};
        QCOMPARE(woxERTFormat::text(electrodes, rows), QString(slope) + "3 3 1 0 4\n");
        QCOMPARE(woxERTFormat::text({}, {}), QString("# X Y Z\n# A B M N\n"));
        electrodes = {{1, woxElectrodePosition(123.4567f, -0.00001f, 1250000.0f)},
                      {64, woxElectrodePosition(0.1f, 2, -3.5f)}};
        const QString text = woxERTFormat::text(electrodes, {woxMake::quadripole(65535, 63, 65534, 0),
                                                             woxMake::quadripole(0, 63, 0, 63)});
        QCOMPARE(text, QString("# X Y Z\n1 123.457 -1e-05 1.25e+06\n64 0.1 2 -3.5\n"
                               "# A B M N\n1 0 64 0 1\n2 1 64 1 64\n"));
        writeFile(varnexDir + "back.txt", text.toLatin1());
        QCOMPARE(load("back.txt"), QString("1 123.457 -1e-05 1.25e+06|64 0.1 2 -3.5|#|65535 63 65534 0|0 63 0 63"));
    }

    // The Varnex screen opens on its table, the XY view chosen, with its texts.
    void screenTexts()
    {
        writeFile(varnexDir + "slope.txt", slope);
        auto screen = openVarnex("slope.txt");
        QStringList texts({screen->tabWidget->tabText(0), screen->tabWidget->tabText(1),
                           QString::number(screen->tabWidget->currentIndex())});
        for (int column = 0; column < screen->tableWidget->columnCount(); ++column)
            texts << screen->tableWidget->horizontalHeaderItem(column)->text();
        QCOMPARE(texts.join('|'), QString("Table|Graphics|0|Electrode|X [m]|Y [m]|Z [m]"));
        QCOMPARE(woxScreenState(screen.get(), "movePushButton scalePushButton estimatePushButton savePushButton "
                                              "closePushButton xyRadioButton xzRadioButton yzRadioButton"),
                 QString("movePushButton:Move | scalePushButton:Scale | estimatePushButton:Estimate duration | "
                         "savePushButton:Save template | closePushButton:Close template | ~xyRadioButton:XY* | "
                         "~xzRadioButton:XZ | ~yzRadioButton:YZ"));
    }

    void closeAnswers_data()
    {
        QTest::addColumn<QString>("edit");      // "move" 10 m along x (writes then fail "on a full card"), a "zero
                                                // move", a "unit scale"
        QTest::addColumn<QString>("answers");   // digits answer, "-" cancels, "=" keeps the offered name, else typed
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("after");     // closed, changed, visible, syncs, the file named: the folder
        const QString keyboard = "woxKeyboardDialog", kept = " slope.txt: slope.txt=slope";
        const auto row = [](const char *name, const QString &edit, const QString &answers, const QStringList &seen,
                            const QString &after) { QTest::newRow(name) << edit << answers << seen << after; };
        row("unchanged: closes unasked", "", "", {}, "1 0 0 0" + kept);
        row("Cancel keeps it open", "move", "2", {saveQuestion}, "0 1 1 0" + kept);
        row("No closes, writing nothing", "move", "0", {saveQuestion}, "1 1 0 0" + kept);
        row("Yes, keyboard cancelled", "move", "1 -", {saveQuestion, keyboard}, "0 1 1 0" + kept);
        row("Yes, a new name", "move", "1 moved", {saveQuestion, keyboard},
            "1 0 0 1 moved.txt: moved.txt=moved slope.txt=slope");
        row("Yes, the offered name overwritten", "move", "1 = 1", {saveQuestion, keyboard, overwriteQuestion},
            "1 0 0 1 slope.txt: slope.txt=moved");
        row("Yes, overwrite refused", "move", "1 slope 0", {saveQuestion, keyboard, overwriteQuestion},
            "0 1 1 0" + kept);
        row("Yes, a name that cannot be opened", "move", "1 no/such 1",
            {saveQuestion, keyboard, warning + "Can not open file for writing"}, "0 1 1 0" + kept);
        row("Yes, the write fails", "move on a full card", "1 slope 1 1",
            {saveQuestion, keyboard, overwriteQuestion, warning + "Can not write data to file"}, "0 1 1 0" + kept);
        row("a zero move asks", "zero move", "0", {saveQuestion}, "1 1 0 0" + kept);
        row("a unit scale asks", "unit scale", "2", {saveQuestion}, "0 1 1 0" + kept);
    }

    // Closing the Varnex screen: what is asked, whether it closes (announced once, however often closed), and
    // what the folder then holds.
    void closeAnswers()
    {
        QFETCH(QString, edit);
        QFETCH(QString, answers);
        const bool full = edit.endsWith("full card");
        writeFile(varnexDir + "slope.txt", slope);
        auto screen = openVarnex("slope.txt");
        screen->show();
        QSignalSpy closed(screen.get(), &woxERTTemplateWidget::sendTemplateClose);
        woxModalScript script;
        if (!edit.isEmpty()) {
            script.then(clickAndAccept(edit.startsWith("move") ? QStringList("p10") : QStringList()));
            (edit == "unit scale" ? screen->scalePushButton : screen->movePushButton)->click();
            script.seen.clear();
        }
        for (const QString &answer : answers.split(' ', Qt::SkipEmptyParts)) {
            if (answer == "-")
                script.cancel();
            else if (answer == "=")
                script.then([](QDialog *keyboard) { keyboard->accept(); });
            else if (answer[0].isDigit())
                script.answer(answer.toInt());
            else
                script.type(answer);
        }
        if (full)
            woxWithFileSizeLimit(10, [&] { screen->closePushButton->click(); });
        else
            screen->closePushButton->click();
        if (closed.count() == 1)
            screen->close();   // already closed: neither asked nor announced again
        QTEST(script.seen, "seen");
        QTEST(QString("%1 %2 %3 %4 %5: ").arg(closed.count()).arg(screen->isChanged()).arg(screen->isVisible())
                  .arg(runner.calls.size()).arg(QFileInfo(screen->templateFile()).fileName()) + disk(), "after");
        for (const woxFakeCommandRunner::Call &call : runner.calls)
            QCOMPARE(call.program + " " + call.arguments.join(' '), QString("/bin/sync "));
    }

    void estimateReadsTheFile_data()
    {
        QTest::addColumn<QString>("change");   // what happens after the screen opened
        QTest::addColumn<QStringList>("seen");
        const QString worked = estimate(120, 40, "00:01:32", "00:06:52"), none = estimate(0, 0, "00:00:00", "00:00:00");
        QTest::newRow("worked example") << "" << QStringList{worked};
        QTest::newRow("moved on screen only") << "move" << QStringList{"woxMoveDialog", worked};
        QTest::newRow("file gone") << "remove" << QStringList{warning + "Can not open file for reading", none};
        QTest::newRow("file now malformed")
            << "damage" << QStringList{warning + "Header does not contains electrode 9 (row: 2)", none};
    }

    // 120 measurements in 40 runs of 2305 to 10305 ms (pulse and pause 500 ms, 1 to 5 cycles); a file the reader
    // refuses leaves nothing of itself to estimate.
    void estimateReadsTheFile()
    {
        QFETCH(QString, change);
        QByteArray text = "# X Y Z\n";
        for (int e = 1; e <= 47; ++e)
            text += QByteArray::number(e) + " " + QByteArray::number(e * 2) + " 0 0\n";
        text += "# A B M N\n";
        for (int k = 1, row = 1; k <= 40; ++k)
            for (int pair = 2; pair <= 6; pair += 2)
                text += QString("%1 %2 %3 %4 %5\n").arg(row++).arg(k).arg(k + 1).arg(k + pair).arg(k + pair + 1)
                            .toLatin1();
        writeFile(varnexDir + "line.txt", text);
        woxOptionsWidget options;
        options.pulseDurationComboBox->setCurrentText("500");
        options.pauseDurationComboBox->setCurrentText("500");
        options.maxStackingSlider->setValue(5);
        options.minStackingSlider->setValue(1);
        int shortest = 0, longest = 0;
        woxOptionsWidget::measurementDuration(&shortest, &longest);
        QCOMPARE(QList<int>({shortest, longest}), QList<int>({2305, 10305}));
        auto screen = openVarnex("line.txt");
        woxModalScript script;
        if (change == "move")
            script.then(clickAndAccept({"p1"})), screen->movePushButton->click();
        else if (change == "remove")
            QVERIFY(QFile::remove(varnexDir + "line.txt"));
        else if (change == "damage")
            writeFile(varnexDir + "line.txt", "# X Y Z\n1 0 0 0\n2 1 0 0\n# A B M N\n1 1 2 1 2\n2 1 2 1 9\n");
        script.answer(1).answer(1);
        screen->estimatePushButton->click();
        QTEST(script.seen, "seen");
        QCOMPARE(diagnostics.lines().size(), change == "remove" ? 1 : 0);
    }

    // Names as given, the first current, the name taken the current one; Accept and Cancel end the dialog so.
    void fileList()
    {
        woxERTTableDialog dialog({"b.txt", "a.TXT", "c.txt"});
        auto *list = dialog.findChild<QListWidget *>("listWidget");
        QVERIFY2(list, "listWidget");
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        names << dialog.selectedName();
        list->setCurrentRow(2);
        QCOMPARE(names.join(' ') + " " + dialog.selectedName(), QString("b.txt a.TXT c.txt b.txt c.txt"));
        QCOMPARE(dialog.size(), QSize(1024, 600));
        QCOMPARE(woxScreenState(&dialog, "acceptPushButton cancelPushButton"),
                 QString("acceptPushButton:Accept | cancelPushButton:Cancel"));
        QList<int> results;
        for (const char *name : {"cancelPushButton", "acceptPushButton"}) {
            auto *button = dialog.findChild<QPushButton *>(name);
            QVERIFY2(button, name);
            dialog.setResult(-1), button->click(), results << dialog.result();
        }
        QCOMPARE(results, QList<int>({QDialog::Rejected, QDialog::Accepted}));
    }

    void series_data()
    {
        QTest::addColumn<QList<int>>("codes");   // pulse code, IP, pause code, samples given per pulse and pause
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("series");     // the eight series, pulse 1 samples first
        QTest::newRow("output voltage in volts, one pause sample")
            << QList<int>{1, 1, 1, 2, 1} << int(woxSignalSeries::OutputVoltage)
            << "25,0.1 45,0.101 | 0,0 0,0.1 25,0.1 45,0.101 60,0.10175 | 90,0.4 | 80,0.4 90,0.4 100,0.4 | "
               "145,0.7 165,0.701 | 120,0 120,0.7 145,0.7 165,0.701 180,0.70175 | 210,1 | 200,1 210,1 220,1";
        QTest::newRow("output current, three pause samples")
            << QList<int>{1, 1, 3, 2, 3} << int(woxSignalSeries::OutputCurrent)
            << "25,200 45,201 | 0,0 0,200 25,200 45,201 60,201.75 | 90,500 110,501 130,504 | 80,499.5 90,500 110,501 "
               "130,504 140,505.5 | 185,800 205,801 | 160,0 160,800 185,800 205,801 220,801.75 | 250,1100 270,1101 "
               "290,1104 | 240,1099.5 250,1100 270,1101 290,1104 300,1105.5";
        QTest::newRow("input voltage, empty series") << QList<int>{2, 1, 2, 0, 0} << int(woxSignalSeries::InputVoltage)
                                                     << QString(" | ").repeated(7);
        QTest::newRow("IP with pause code 0") << QList<int>{0, 1, 0, 1, 2} << int(woxSignalSeries::InputVoltage)
            << "25,300 | 0,0 0,300 25,300 40,300 |  |  | 105,900 | 80,0 80,900 105,900 120,900 |  | ";
        QTest::newRow("IP off, pause samples sent") << QList<int>{1, 0, 2, 2, 2} << int(woxSignalSeries::InputVoltage)
            << "25,300 45,301 | 0,0 0,300 25,300 45,301 60,301.75 |  |  | 105,900 125,901 | 80,0 80,900 105,900 "
               "125,901 140,901.75 |  | ";
    }

    void series()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, quantity);
        const QVector<woxSignalSeries> all = woxSignalSeries::fromReport(report(codes));
        QCOMPARE(all.size(), 3);
        const woxSignalSeries &s = all[quantity];
        QTEST(QStringList({points(s.pulse1Samples), points(s.pulse1Line), points(s.pause1Samples), points(s.pause1Line),
                           points(s.pulse2Samples), points(s.pulse2Line), points(s.pause2Samples),
                           points(s.pause2Line)}).join(" | "), "series");
    }

    // Through (x0, 10) and (x1, 30); -1 where the points do not allow it.
    void extrapolation_data()
    {
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("x1");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("forward");
        QTest::addColumn<float>("backward");
        QTest::newRow("after the last") << 0.0 << 20.0 << 30.0f << 40.0f << -1.0f;
        QTest::newRow("before the first") << 10.0 << 30.0 << 5.0f << -1.0f << 5.0f;
        QTest::newRow("on the last") << 0.0 << 20.0 << 20.0f << -1.0f << -1.0f;
        QTest::newRow("on the first") << 0.0 << 20.0 << 0.0f << -1.0f << -1.0f;
        QTest::newRow("equal x, after") << 20.0 << 20.0 << 30.0f << -1.0f << -1.0f;
        QTest::newRow("equal x, before") << 20.0 << 20.0 << 10.0f << -1.0f << -1.0f;
        QTest::newRow("decreasing x, after") << 20.0 << 0.0 << 30.0f << -1.0f << -1.0f;
        QTest::newRow("decreasing x, before") << 20.0 << 0.0 << -10.0f << -1.0f << -1.0f;
    }

    void extrapolation()
    {
        QFETCH(double, x0);
        QFETCH(double, x1);
        QFETCH(float, x);
        QTEST(woxSignalSeries::extrapolateForward(x0, 10, x1, 30, x), "forward");
        QTEST(woxSignalSeries::extrapolateBackward(x0, 10, x1, 30, x), "backward");
    }

    void header_data()
    {
        QTest::addColumn<QList<int>>("abmn");
        QTest::addColumn<QString>("header");
        QTest::newRow("numbers from 1") << QList<int>{0, 1, 2, 63} << "A: 1, B: 2, M: 3, N: 64";
        QTest::newRow("remote B and N") << QList<int>{0, 65534, 62, 65535} << "A: 1, B: Rx\u221E, M: 63, N: Tx\u221E";
        // A remote electrode in the other pair's place is only a number.
        QTest::newRow("swapped remotes") << QList<int>{65534, 65535, 65535, 65534}
                                         << "A: 65535, B: 65536, M: 65536, N: 65535";
    }

    // The header stays in the status line while the window is open; closing clears it and is announced.
    void header()
    {
        QFETCH(QList<int>, abmn);
        QFETCH(QString, header);
        QSignalSpy status(woxUserMessage::instance(), &woxUserMessage::sendUserMessageForever);
        woxSignalWidget window;
        QSignalSpy closed(&window, &woxSignalWidget::sendSignalWidgetClose);
        window.setQuadripole(woxMake::quadripole(abmn[0], abmn[1], abmn[2], abmn[3]));
        window.close();
        QStringList shown;
        for (const QVariantList &message : status)
            shown << message.at(0).toString();
        QCOMPARE(shown, QStringList({header, ""}));
        QCOMPARE(closed.count(), 1);
    }

    void verdict_data()
    {
        QTest::addColumn<bool>("bad");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<QString>("buttons");   // when the verdict is given
        QTest::newRow("Accept at once") << false << false << false
                                        << "startPushButton:Start | acceptPushButton:Accept | !badPushButton:Bad";
        QTest::newRow("Bad after a report") << true << true << false
                                            << "startPushButton:Start | acceptPushButton:Accept | badPushButton:Bad";
        QTest::newRow("Accept, Bad hidden") << false << true << true
                                            << "startPushButton:Start | acceptPushButton:Accept | ~badPushButton:Bad";
    }

    // Each verdict carries the quadripole's cell to the template's AUX grid and closes the window; Bad needs a
    // report first and a hidden Bad stays hidden.
    void verdict()
    {
        QFETCH(bool, bad);
        QFETCH(bool, measured);
        QFETCH(bool, hidden);
        woxTemplateDataModel model;
        {
            woxModalScript script;
            script.chooseArray(0);
            QVERIFY(model.onSetAdd());
        }
        model.onSpacingLevelAuxConfig(3, 9, !bad);
        woxSignalWidget window;
        window.setQuadripole(woxMake::quadripole(4, 5, 6, 7, 3, 9));
        QSignalSpy closed(&window, &woxSignalWidget::sendSignalWidgetClose);
        connect(&window, &woxSignalWidget::sendSpacingLevelAuxConfig, &model,
                &woxTemplateDataModel::onSpacingLevelAuxConfig);
        if (hidden)
            window.hideBadButton();
        if (measured)
            woxCoreDouble::deliver(woxCoreReportSignal());
        QTEST(woxScreenState(&window, "startPushButton acceptPushButton badPushButton"), "buttons");
        (bad ? window.badPushButton : window.acceptPushButton)->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(model.sets().at(0).auxGrid().at(3).at(9), bad);
        QVERIFY(!model.sets().at(0).auxGrid().at(9).at(3));
    }
};

QTEST_MAIN(tst_varnex)
#include "tst_varnex.moc"
