// The fuzz targets replay their corpora, so every sanitized run checks them.
#define LLVMFuzzerTestOneInput fuzzVarnexText
#include "../../fuzz/fuzz_ertloader.cpp"
#undef LLVMFuzzerTestOneInput
#include "../../fuzz/fuzz_templatefile.cpp"
#include "woxAddModifyArrayDialog.h"
#include "woxArrangementDialog.h"
#include "woxBytes.h"
#include "woxConstants.h"
#include "woxCore.h"
#include "woxCoreDouble.h"
#include "woxDiagnosticCapture.h"
#include "woxDurationEstimate.h"
#include "woxERTFormat.h"
#include "woxERTLoader.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSizeLimit.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxFuzzCorpus.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxMoveDialog.h"
#include "woxOptionsWidget.h"
#include "woxPopupMenuAnswer.h"
#include "woxPress.h"
#include "woxSavePicture.h"
#include "woxScaleDialog.h"
#include "woxScreenState.h"
#include "woxSignalWidget.h"
#include "woxStreamed.h"
#include "woxTemplateFile.h"
#include "woxTemplateMenuWidget.h"
#include "woxTemplateTableView.h"
#include "woxTemplateWidget.h"
#include "woxTestEnvironment.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

Q_DECLARE_METATYPE(woxQuadripole)

namespace {

const QString warning = "woxWarningDialog: ";
const QString groundingQuestion = warning + "Grounding is not checked yet, are you sure you want to continue?";
const QString disabledMessage = warning + "This quadripole contains disabled electrode";
const QString saveQuestion = warning + "Do you want to save this template?";
const QString overwriteQuestion = warning + "File exists, do you want to overwrite it?";
const QString number = "<font color = blue>%1</font>";   // the estimates' numbers

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

typedef QMap<woxElectrode, woxElectrodePosition> Electrodes;

// Electrodes as "number x y z" and quadripoles as "a b m n" (0-based, 65535 and 65534 for remotes), joined by '|', so
// a table row states a whole file.
QString describe(const Electrodes &electrodes, const QList<woxQuadripole> &quadripoles)
{
    QStringList parts;
    for (auto e = electrodes.cbegin(); e != electrodes.cend(); ++e)
        parts << QString("%1 %2 %3 %4").arg(e.key()).arg(e->x).arg(e->y).arg(e->z);
    parts << "#";
    for (const woxQuadripole &q : quadripoles) {
        const bool placed = q.spacing || q.level || q.x != 0.0f || q.depth != 0.0f;
        parts << QString("%1 %2 %3 %4%5").arg(q.a).arg(q.b).arg(q.m).arg(q.n).arg(placed ? " placed" : "");
    }
    return parts.join('|');
}

// Reads the text written to the Varnex file `name` (none for a null text); returns the description or "! " and the
// error.
QString load(const QByteArray &content, const QString &name = "read.txt")
{
    if (!content.isNull())
        writeFile(varnexDir + name, content);
    QString error;
    Electrodes electrodes;
    QList<woxQuadripole> quadripoles;
    if (!woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles))
        return "! " + error;
    return error.isEmpty() ? describe(electrodes, quadripoles) : "error set on success";
}

// One grid as the file holds it: 30 rows of 99 cells, each row with its length in front; `selected` lists (row,
// column) cells that are set.
QByteArray gridBytes(const QList<QPoint> &selected = QList<QPoint>())
{
    QByteArray grid = woxHex("00 00 00 1E"), cells(30 * 99, '\0');
    for (const QPoint &p : selected)
        cells[p.x() * 99 + p.y()] = 1;
    for (int row = 0; row < 30; ++row)
        grid += woxHex("00 00 00 63") + cells.mid(row * 99, 99);
    return grid;
}

// Wenner alpha on two cables at 5 m with the first cell of the grid selected: 61 measurements in 61 runs.
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

QString templatePath(const QString &name) { return templatesDir + name + ".woxTemplate"; }

QByteArray patched(int offset, const QByteArray &patch) { return oneSetTemplate().replace(offset, patch.size(), patch); }

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
    model.onSpacingLevelMainConfig({model.index(row, column)});
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

// Four electrodes 5 m apart on a slope, a row with a remote current electrode.
const QByteArray slope = "# X Y Z\n1 0 0 0\n2 5 0 0.5\n3 10 0 1\n4 15 0 1.5\n# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";

// The Varnex screen as the template menu builds it from a file.
std::unique_ptr<woxERTTemplateWidget> openVarnex(const QString &name)
{
    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles);
    return std::make_unique<woxERTTemplateWidget>(varnexDir + name, electrodes, quadripoles);
}

// Points as "x,y x,y ...".
QString points(const QwtPlotCurve &curve)
{
    QStringList shown;
    for (size_t i = 0; i < curve.dataSize(); ++i)
        shown << QString("%1,%2").arg(curve.sample(int(i)).x()).arg(curve.sample(int(i)).y());
    return shown.join(' ');
}

// The Varnex screen's table rows, then the captions shown and the visible curve's points.
QString view(const woxERTTemplateWidget &screen)
{
    QStringList rows, shown;
    for (int row = 0; row < screen.tableWidget->rowCount(); ++row) {
        rows << screen.tableWidget->item(row, 0)->text();
        for (int column = 1; column < 4; ++column)
            rows.last() += " " + screen.tableWidget->item(row, column)->text();
    }
    for (const QLabel *caption : {screen._xLabel, screen._yLabel, screen.lyLabel, screen.lzLabel})
        if (!caption->isHidden())
            shown << caption->objectName();
    for (const QwtPlotItem *item : screen.findChild<QwtPlot *>()->itemList(QwtPlotItem::Rtti_PlotCurve))
        if (item->isVisible())
            shown << points(*static_cast<const QwtPlotCurve *>(item));
    return rows.join('|') + " / " + shown.join(' ');
}

woxQuadripole placed(const QList<int> &e, float x, float depth, woxSpacing spacing = 4)
{
    woxQuadripole q = woxMake::quadripole(e[0], e[1], e[2], e[3], spacing);
    q.x = x, q.depth = depth;
    return q;
}

const QwtPlotCurve *curve(const woxTemplatePlot &plot, int row)
{
    return static_cast<const QwtPlotCurve *>(plot.itemList(QwtPlotItem::Rtti_PlotCurve).at(row));
}

// Taps the plot where (x, depth) is drawn, placed through the canvas maps.
void tap(woxTemplatePlot &plot, const QPointF &at, const QPoint &offset = QPoint())
{
    const QPointF canvasPoint(plot.canvasMap(QwtPlot::xTop).transform(at.x()),
                              plot.canvasMap(QwtPlot::yLeft).transform(at.y()));
    const QPoint position = plot.canvas()->mapTo(&plot, canvasPoint.toPoint()) + offset;
    QMouseEvent release(QEvent::MouseButtonRelease, position, plot.mapToGlobal(position), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &release);
}

// Sample i of series k (1 to 12 in report order) is k * 100 + i * i: every series and every sample differs, and the
// steps between samples grow.
woxCoreReportSignal report(int pulseCode, bool ip, int pauseCode, int pulseCount, int pauseCount, int error = 0)
{
    woxCoreReportSignal r;
    r.error.code = quint8(error);
    r.options.pulseCode = quint16(pulseCode);
    r.options.ipEnabled = ip;
    r.options.pauseCode = quint16(pauseCode);
    QVector<float> *all[] = {&r.pulse1TxVoltage, &r.pulse1TxCurrent, &r.pulse1RxVoltage, &r.pause1TxVoltage,
                             &r.pause1TxCurrent, &r.pause1RxVoltage, &r.pulse2TxVoltage, &r.pulse2TxCurrent,
                             &r.pulse2RxVoltage, &r.pause2TxVoltage, &r.pause2TxCurrent, &r.pause2RxVoltage};
    for (int k = 0; k < 12; ++k)
        for (int i = 0; i < ((k / 3) % 2 == 0 ? pulseCount : pauseCount); ++i)
            all[k]->append(float((k + 1) * 100 + i * i));
    return r;
}

// Curves 0 to `last` of the window's plot in `frame`, joined by " | ".
QString curves(const woxSignalWidget &window, const char *frame, int last = woxSignalPlot::Connector2)
{
    const auto *plot = window.findChild<QFrame *>(QLatin1String(frame))->findChild<woxSignalPlot *>();
    QStringList shown;
    for (int c = 0; c <= last; ++c)
        shown << points(plot->curve(woxSignalPlot::Curve(c)));
    return shown.join(" | ");
}

// woxScreenState without colours and style sheets.
QString plainState(const QWidget *root, const QString &names)
{
    return woxScreenState(root, names).remove(QRegularExpression("\\{[^|]*\\}"));
}

// The point picture a cell of the grid shows.
QImage pointPicture(const QModelIndex &cell) { return cell.data(Qt::DecorationRole).value<QPixmap>().toImage(); }

// Takes the names the Varnex list offers, chooses one (empty: leaves the current one), accepts.
woxModalScript::Step choose(QStringList *names, const QString &name)
{
    return [=](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int row = 0; row < list->count(); ++row)
            names->append(list->item(row)->text());
        if (!name.isEmpty())
            list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
        dialog->accept();
    };
}

// Three sets, the second current once chosen: Wenner alpha at (0, 0) with 61 measurements, Schlumberger at (0, 1)
// and (1, 0) with 59 + 60, dipole-dipole at (1, 2) with 57; the summary counts the three types.
QByteArray threeSetTemplate()
{
    woxTemplateFile content;
    content.summary.arrayCounts = {{0, 1}, {3, 1}, {4, 1}};
    content.sets << woxMake::templateSet(2, 5.0f, 0, {{0, 0}}) << woxMake::templateSet(2, 5.0f, 3, {{0, 1}, {1, 0}})
                 << woxMake::templateSet(2, 5.0f, 4, {{1, 2}});
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_8);
    content.write(out);
    return bytes;
}

// Follows a row's answers: "yes"/"ok" 1, "no" 0, "cancel" 2 (a three-button question), "reject", "accept" (the
// dialog as it opened), "array N" and "type NAME", whose keyboard's offered text is added to what was seen.
void follow(woxModalScript &script, const QStringList &answers)
{
    for (const QString &answer : answers) {
        const QString word = answer.section(' ', 0, 0), argument = answer.section(' ', 1);
        if (word == "yes" || word == "ok" || word == "no" || word == "cancel")
            script.answer(word == "no" ? 0 : word == "cancel" ? 2 : 1);
        else if (word == "reject")
            script.cancel();
        else if (word == "accept")
            script.then([](QDialog *d) { d->accept(); });
        else if (word == "array")
            script.chooseArray(argument.toInt());
        else if (word == "type")
            script.then([&script, argument](QDialog *d) {
                auto *line = d->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
                script.seen.last() += " " + (line ? line->text() : QStringLiteral("lineEdit?"));
                if (line)
                    line->setText(argument);
                d->accept();
            });
        else
            QFAIL(qPrintable("no such answer: " + answer));
    }
}

// The set list with the current entry starred, the current set's cells on the grid as "row,column", the modified
// flag, and the stored templates with their sizes.
QString setState(woxTemplateWidget &screen)
{
    QStringList sets, cells, stored;
    for (int i = 0; i < screen.setComboBox->count(); ++i)
        sets << (i == screen.setComboBox->currentIndex() ? "*" : "") + screen.setComboBox->itemText(i);
    woxTemplateDataModel &model = screen.templateModel();
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            if (model.index(row, column).data(Qt::DecorationRole).isValid())
                cells << QString("%1,%2").arg(row).arg(column);
    for (const QFileInfo &file : QDir(templatesDir).entryInfoList(QDir::Files, QDir::Name))
        stored << QString("%1 %2").arg(file.completeBaseName()).arg(file.size());
    return sets.join('|') + " / " + cells.join(' ') + (model.flagByte() ? " / modified / " : " / unmodified / ")
           + stored.join(", ");
}
} // namespace

// Template files and the model, the template screen, its plot and signal window, the Varnex screen with its move and
// scale dialogs, the stored-file tables and their menu.
class tst_templates : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    woxDiagnosticCapture diagnostics;

private slots:
    void initTestCase() { qRegisterMetaType<woxQuadripole>(), woxTemplateDataModel(); }   // it registers its types

    void init()
    {
        woxTestEnvironment::reset();   // no files, no settings from an earlier function
        for (const QString &dir : {templatesDir, varnexDir})
            QVERIFY(QDir().mkpath(dir));
        runner.calls.clear(), diagnostics.clear();
    }

    void cleanup() { woxCore::destroy(), woxWarningDialog::closeInstance(); }

    void reads_data()   // the description read, or "! " and the message
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        QTest::newRow("worked example") << QByteArray("# X Y Z\n1 0 0 0\n2 5 0 0,5\n3 10 0 1\n4 15 0 1.5\n# A B M N\n"
                                                      "1 1 4 2 3\n2 3 0 1 2\n")
                                        << "1 0 0 0|2 5 0 0.5|3 10 0 1|4 15 0 1.5|#|0 3 1 2|65535 2 0 1";
        // Electrodes 8 and 10 in octal and hexadecimal; remotes in A, B and M, N; any row index, words after N
        // ignored; N missing reads as remote.
        QTest::newRow("separators, bases and remotes")
            << QByteArray("header: #  x  y  z of survey 12\n1 0 0 0\n3\t10,5 \t 0   0,25 trailing words\n010 -2.5 1e1 +3\n"
                          "0x0A 7 8 9\n## a b m n ##\n1 1 3 8 10\n2 0 3 1 8\n3 1 0 0 8\n4 8 10 3 0\n17 3 1 8 10 11 12\n"
                          "6 1 3 8\n") << "1 0 0 0|3 10.5 0 0.25|8 -2.5 10 3|10 7 8 9|#|0 2 7 9|65535 2 0 7|65535 0 65534 7"
                                        "|7 9 65534 2|2 0 7 9|0 2 65534 7";
        QTest::newRow("byte order mark, crlf, rows end at an empty line")
            << QByteArray("\xEF\xBB\xBF# X Y Z\r\n1 0 0 0\r\n2 1 0 0\r\n# A B M N\r\n1 1 2 1 2\r\n\r\n2 1 1 1 1\r\nnot a "
                          "template any more\r\n") << "1 0 0 0|2 1 0 0|#|0 1 0 1";
        QTest::newRow("headers only") << QByteArray("#xyz\n#abmn") << "#";
        const QByteArray head = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        const QByteArray xyz = "# X Y Z\n", abmn = "# A B M N\n";
        const auto row = [](const char *name, const QByteArray &content, const QString &read) {
            QTest::newRow(name) << content << read;
        };
        const QString header = "! Can not find the beginning of header (# X Y Z)";
        const QString unsupported = "! Electrode number %1 is not supported";
        const QString infinite = "! Electrode %1 has a coordinate that is not a finite number";
        const QString equal = "! %1 electrodes have equal positions (row: %2)";
        const QString absent = "! Header does not contain%1 electrode %2 (row: %3)";
        row("empty file", "", header);
        row("header lacks Z", "# X Y\n" + abmn, header);
        row("ends in electrodes", xyz + "1 0 0 0\n", "! Electrodes section contains an empty line");
        row("electrode 64", xyz + "64 0 0 0\n65 0 0 0\n" + abmn, unsupported.arg(65));
        row("65537", xyz + "65537 0 0 0\n" + abmn, unsupported.arg(65537));
        row("beyond 64 bits", xyz + "99999999999999999999999 0 0 0\n" + abmn, unsupported.arg("99999999999999999999999"));
        row("repeated", xyz + "7 0 0 0\n1 0 0 0\n7 1 1 1\n" + abmn, "! Electrode 7 appears more than once");
        row("nan", xyz + "1 0 0 0\n2 nan 0 0\n" + abmn, infinite.arg(2));
        row("beyond float", xyz + "4 0 1e39 0\n" + abmn, infinite.arg(4));
        row("A equals B", head + "1 0 0 2 3\n", equal.arg("A and B").arg(1));
        row("blank line is zeros", head + "1 1 0 1 0\n \n", equal.arg("A and B").arg(2));
        row("M equals N", head + "1 1 2 3 4\n2 1 2 3 3\n", equal.arg("M and N").arg(2));
        row("A missing", head + "1 9 2 3 4\n", absent.arg("").arg(9).arg(1));
        row("B missing", head + "1 1 2 3 4\n1 1 9 3 4\n", absent.arg("").arg(9).arg(2));
        row("N missing", head + "7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 9\n", absent.arg("s").arg(9).arg(4));
        row("A 65537", head + "1 65537 2 3 4\n", absent.arg("").arg(65537).arg(1));
        row("B 65536", head + "1 0 65536 3 4\n", absent.arg("").arg(65536).arg(1));
        row("N -1", head + "1 1 2 3 -1\n", absent.arg("s").arg(-1).arg(1));
    }

    void reads()
    {
        QFETCH(QByteArray, content);
        QTEST(load(content), "read");
    }

    // The text written for a template, remotes included, and read back; coordinates with six significant digits,
    // plain from 0.0001 to 100000. A missing file is also reported on standard error.
    void writtenTextReadsBack()
    {
        Electrodes electrodes;
        electrodes.insert(4, woxElectrodePosition(15.0f, 0.1f, 1.5f));
        electrodes.insert(1, woxElectrodePosition(0.0f, -1e-5f, 1250000.0f));
        electrodes.insert(2, woxElectrodePosition(123.4567f, 0.0001f, 100000.0f));
        const QList<woxQuadripole> rows = {woxMake::quadripole(0, 3, 65534, 1), woxMake::quadripole(65535, 1, 0, 3)};
        const QString text = woxERTFormat::text(electrodes, rows);
        QCOMPARE(text, QString("# X Y Z\n1 0 -1e-05 1.25e+06\n2 123.457 0.0001 100000\n4 15 0.1 1.5\n"
                               "# A B M N\n1 1 4 0 2\n2 0 2 1 4\n"));
        QCOMPARE(load(text.toLatin1()), describe(electrodes, rows));
        QCOMPARE(load(QByteArray(), "absent/file"), QString("! Can not open file for reading"));
        QCOMPARE(diagnostics.lines(), QStringList("File error: No such file or directory"));
    }

    // Clock texts: halves of a second round up, hours count on past 24; the totals are taken in 64 bits (10000 runs
    // of 230583 ms pass 32 bits).
    void estimate()
    {
        using woxDurationEstimate::clockText;
        QCOMPARE(QStringList({clockText(0), clockText(1499), clockText(1500), clockText(140605), clockText(86399499),
                              clockText(86399500), clockText(90000000)}).join(' '),
                 QString("00:00:00 00:00:01 00:00:02 00:02:21 23:59:59 24:00:00 25:00:00"));
        QCOMPARE(woxDurationEstimate::message("M:", 7, "r:", 10000, "d:", 9000, 230583),
                 QString("M: <font color = blue>7</font>, r: <font color = blue>10000</font>, "
                         "d: <font color = blue>25:00:00</font> ... <font color = blue>640:30:30</font>"));
    }

    // A summary with a profile length and two depths is saved byte for byte.
    void goldenBytesAndEightSets()
    {
        woxTemplateDataModel model;
        addCell(model, 0, 0, 0);
        QVERIFY(model.flagByte() && saveAs(model, "plan") && !model.flagByte());
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.at(0).program, QString("/bin/sync"));
        const QByteArray depths = oneSetTemplate().replace(
            27, 12, woxHex("40 73 B0 00 00 00 00 00  00 00 00 02  40 00 00 00 00 00 00 00  40 08 00 00 00 00 00 00"));
        writeFile(templatePath("depths"), depths);
        woxTemplateDataModel back;
        QVERIFY(back.load(templatePath("depths"), true) && saveAs(back, "copy"));
        QCOMPARE(readBytes(templatePath("copy")), depths);
        writeFile(templatePath("untyped"), patched(52, woxHex("FF")));   // a set saved before its type was chosen
        QVERIFY(back.load(templatePath("untyped"), false));
        QCOMPARE(QString("%1 %2 %3").arg(back.numberOfSets()).arg(back.arrayTypeOfSet(0)).arg(back.totalQuadripoles()),
                 QString("1 255 0"));
        // Eight sets are read back, a ninth is refused.
        woxTemplateDataModel eight;
        for (const QList<int> &cell : QList<QList<int>>{{3, 0, 0}, {0, 0, 0}, {3, 1, 0}, {0, 0, 3}, {0, 0, 4}, {0, 0, 5},
                                                        {0, 0, 6}, {0, 0, 7}})
            addCell(eight, cell[0], cell[1], cell[2]);
        QVERIFY(saveAs(eight, "eight"));
        // Array counts, highest type first.
        QCOMPARE(readBytes(templatePath("eight")).mid(21, 12), woxHex("00 00 00 02  03 02  00 06  00 00 00 00"));
        QVERIFY(back.load(templatePath("eight"), false) && back.numberOfSets() == 8);
        woxModalScript script;
        script.answer(1).answer(1);
        QCOMPARE(QList<bool>({back.onSetAdd(), back.onSetClone()}), QList<bool>({false, false}));
        QCOMPARE(script.seen, QStringList({warning + "Can not add one more set", warning + "Can not add one more set"}));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("bad magic") << patched(0, woxHex("89"));
        QTest::newRow("cut in the summary") << oneSetTemplate().left(20);
        QTest::newRow("cut before the sets") << oneSetTemplate().left(52);
        QTest::newRow("cut in a grid") << oneSetTemplate().left(3000);
        QTest::newRow("cut at the end") << oneSetTemplate().chopped(1);
        QTest::newRow("two sets, one there") << patched(48, woxHex("00 00 00 02"));
        QTest::newRow("negative set count") << patched(48, woxHex("FF FF FF FF"));
        QTest::newRow("31 rows") << patched(53, woxHex("00 00 00 1F"));
        QTest::newRow("negative columns") << patched(53 + 3094 + 4, woxHex("FF FF FF FF"));
        QTest::newRow("array type 22") << patched(52, woxHex("16"));
        QTest::newRow("negative spacing") << patched(40, woxStreamed(-5.0));
        QTest::newRow("negative array-type count") << patched(21, woxHex("FF FF FF F0"));
        QTest::newRow("98 columns") << patched(53 + 3094 + 4 + 29 * 103, woxHex("00 00 00 62"));
        QTest::newRow("three cables") << patched(39, woxHex("03"));
        QTest::newRow("set without cables") << patched(6241, woxHex("00"));
        QTest::newRow("zero spacing") << patched(40, woxStreamed(0.0));
        QTest::newRow("set spacing NaN") << patched(6242, woxStreamed(std::numeric_limits<double>::quiet_NaN()));
        QTest::newRow("set spacing beyond float") << patched(6242, woxStreamed(1e300));
        QTest::newRow("huge depth count") << patched(35, woxHex("00 00 10 00"));
    }

    // A refused file leaves the one-cable template already loaded untouched, its set with the 29 measurements of one
    // cable at 2.5 m (the corpus replay refuses a bad magic, nine sets, 29 rows, array type 22 and huge array-type
    // counts).
    void refusedFiles()
    {
        QFETCH(QByteArray, bytes);
        writeFile(templatePath("good"), oneSetTemplate());
        writeFile(templatePath("bad"), bytes);
        woxTemplateDataModel model;
        QVERIFY(model.load(templatePath("good"), false));
        model.setArrangement(1, 2.5f);
        woxModalScript script;
        script.answer(1);
        QVERIFY(!model.load(templatePath("bad"), false));
        QCOMPARE(script.seen, QStringList(warning + "Template is corrupted"));
        QCOMPARE(QString("%1 %2 %3 %4 %5").arg(model.numberOfSets()).arg(model.totalQuadripoles()).arg(model.cables())
                     .arg(double(model.cableSpacing())).arg(model.flagByte()), QString("1 29 1 2.5 1"));
    }

    // No set, an empty set, a "No" to overwriting, a name with a directory and a write that fails part-way save
    // nothing and leave the old file; "Yes" then overwrites.
    void nothingIsLostOnAFailedSave()
    {
        woxTemplateDataModel model;
        QString name = "old";
        QStringList noSet, emptySet, seen;
        QVERIFY(!saveAs(model, "plan", &noSet));
        addCell(model, 0, 0, 0);
        model.onSpacingLevelMainConfig({model.index(0, 0)});   // unselected again
        QVERIFY(!saveAs(model, "plan", &emptySet));
        QCOMPARE(noSet + emptySet, QStringList({warning + "Template is empty", warning + "Template contains an empty set"}));
        model.onSpacingLevelMainConfig({model.index(0, 0)});
        writeFile(templatePath("plan"), "previous");
        woxModalScript no;
        no.type("plan").answer(0);
        QVERIFY(!model.save(name));
        QCOMPARE(no.seen.last() + name, overwriteQuestion + "plan");
        QVERIFY(!saveAs(model, "../outside", &seen, {1}));
        QCOMPARE(seen.last(), warning + "Can not open file for writing");
        QVERIFY(!QFile::exists(templatesDir + "../outside.woxTemplate"));
        // The folder replaced by a plain file while the overwrite question is open: the write cannot open.
        const QString folder = QDir(templatesDir).absolutePath(), moved = folder + ".moved";
        woxModalScript gone;
        gone.type("plan").then([&](QDialog *d) {
            QDir().rename(folder, moved), writeFile(folder, "not a folder"), d->done(1);
        }).answer(1);
        const bool saved = model.save(name);
        QFile::remove(folder), QDir().rename(moved, folder);
        QVERIFY(!saved);
        QCOMPARE(gone.seen.last(), warning + "Can not open file for writing");
        woxWithFileSizeLimit(1000, [&] { QVERIFY(!saveAs(model, "plan", &seen, {1, 1})); });
        QCOMPARE(seen.last() + diagnostics.lines().last(), warning + "Can not write data to fileFile error: File too large");
        QCOMPARE(readBytes(templatePath("plan")), QByteArray("previous"));
        QCOMPARE(QDir(templatesDir).entryList(QDir::Files), QStringList("plan.woxTemplate"));
        QVERIFY(model.flagByte() && runner.calls.isEmpty() && saveAs(model, "plan", &seen, {1}));
        QCOMPARE(readBytes(templatePath("plan")), oneSetTemplate());
    }

    // A stored 0.35 m, held just below the half, still rounds up to 4 dm. Two cables take a set of 6336 measurements,
    // not 6337.
    void arrangementAndMeasurementLimit()
    {
        woxArrangementDialog dialog;
        dialog.setCableSpacing(0.35f);
        QCOMPARE(dialog.cableSpacingHorizontalSlider->value(), 4);
        for (int extra : {45, 44}) {   // rows 0 to 2, row 3 to level 23, and one more cell
            woxTemplateDataModel model;
            woxModalScript script;
            script.chooseArray(4).answer(1);
            QModelIndexList cells({model.index(3, extra)});
            for (int cell = 0; cell < 3 * 99 + 23; ++cell)
                cells << model.index(cell / 99, cell % 99);
            model.onSpacingLevelMainConfig(cells);
            QCOMPARE(model.totalQuadripoles(), 6381 - extra);
            QCOMPARE(model.checkTemplate(), extra == 45);
            QCOMPARE(script.seen.mid(1).join(""), extra == 45 ? "" : warning + "Template contains too many measurements");
        }
    }

    void corpusReplays()
    {
        const woxFuzzCorpus varnex(QFINDTESTDATA("ertcorpus")), templates(QFINDTESTDATA("templatecorpus"));
        QVERIFY(varnex.inputs().size() >= 10 && templates.inputs().size() >= 10);
        // one set, three sets, one cable, no type, no sets, depths, cells beyond 1; counted first, as a replay stops
        // the program at a file it should not have accepted
        QCOMPARE(templates.accepted([](QDataStream &in) { return woxTemplateFile().read(in); }), 7);
        varnex.replay(fuzzVarnexText);
        templates.replay(LLVMFuzzerTestOneInput);
    }

    // The table and the projection shown (captions by name, the visible curve) after each step; the move and scale
    // dialogs' read-outs (every step button, then a Cancel that changes nothing).
    void varnexScreen()
    {
        woxOptionsWidget options;   // runs of 905 to 1305 ms
        const QByteArray gaps = "# X Y Z\n6 12.5 -0.3 2\n1 0 0 0\n2 5 1 0.5\n3 10 2 1\n# A B M N\n1 1 6 2 3\n2 1 6 3 2\n"
                                "3 2 3 1 6\n";   // 3 measurements in 2 runs
        writeFile(varnexDir + "gaps.txt", gaps);
        auto screen = openVarnex("gaps.txt");
        QStringList shown({view(*screen)}), labels;
        for (QRadioButton *projection : {screen->xzRadioButton, screen->yzRadioButton})
            projection->click(), shown << view(*screen).section(" / ", 1);
        const auto read = [&labels](QDialog *d, const QList<const char *> &clicks) {
            for (const char *name : clicks)
                woxPress(d, name);
            labels << d->windowTitle() + d->findChild<QLabel *>("xLabel")->palette().color(QPalette::WindowText).name();
            for (const char *name : {"xLabel", "yLabel", "zLabel"})
                labels.last() += " / " + d->findChild<QLabel *>(name)->text();
        };
        const QList<const char *> all = {"p0_01", "p0_1", "p1", "p10", "p100", "yRadioButton", "m0_01", "m0_1", "m1",
                                         "m10", "m100"};
        woxModalScript script;
        script.then([&](QDialog *d) { read(d, {}), read(d, all), d->reject(); }).then([&](QDialog *d) {
            read(d, {"yRadioButton", "p10", "p10", "m0_1"}), read(d, {"zRadioButton", "p1"}), d->accept();
        });
        script.then([&](QDialog *d) { read(d, {}), read(d, all), d->reject(); });
        script.then([&](QDialog *d) { read(d, {"yRadioButton", "m1", "m1"}), d->accept(); });
        for (QPushButton *button : {screen->movePushButton, screen->movePushButton, screen->scalePushButton})
            button->click(), shown << QString::number(screen->isChanged()) + view(*screen);
        screen->scalePushButton->click();
        screen->xyRadioButton->click();
        shown << view(*screen);
        const QString table = "1 0.00 0.00 0.00|2 5.00 1.00 0.50|3 10.00 2.00 1.00|6 12.50 -0.30 2.00";
        const QString moved = "1 0.00 19.90 1.00|2 5.00 20.90 1.50|3 10.00 21.90 2.00|6 12.50 19.60 3.00 / _yLabel "
                              "lzLabel 19.9,1 20.9,1.5 21.9,2 19.6,3";
        QCOMPARE(shown, QStringList({table + " / _xLabel lyLabel 0,0 5,1 10,2 12.5,-0.3", "_xLabel lzLabel 0,0 5,0.5 10,1 "
                                     "12.5,2", "_yLabel lzLabel 0,0 1,0.5 2,1 -0.3,2", "0" + table + " / _yLabel "
                                     "lzLabel 0,0 1,0.5 2,1 -0.3,2", "1" + moved, "1" + moved, "1 0.00 -19.90 1.00|2 5.00 "
                                     "-20.90 1.50|3 10.00 -21.90 2.00|6 12.50 -19.60 3.00 / _xLabel lyLabel 0,-19.9 "
                                     "5,-20.9 10,-21.9 12.5,-19.6"}));
        QCOMPARE(labels.join(" | ").remove("#0000ff / "),
                 "Move0.00 m / 0.00 m / 0.00 m | Move+111.11 m / -111.11 m / 0.00 m | Move0.00 m / +19.90 m / 0.00 m | "
                 "Move0.00 m / +19.90 m / +1.00 m | Scale* 1.00 / * 1.00 / * 1.00 | Scale* 112.11 / * -110.11 / * 1.00"
                 " | Scale* 1.00 / * -1.00 / * 1.00");
        QCOMPARE(labels.filter("#0000ff / ").size(), 7);   // the read-outs are blue
        // The estimate; closing asks: Cancel keeps the screen; Yes with a name refused at the overwrite question, and
        // a write that fails, keep both files, the name, the unsaved state, and write nothing on standard error (the
        // message is the whole report); No closes it.
        writeFile(varnexDir + "other.txt", "kept");
        script.answer(1).answer(2).answer(1).type("other").answer(0);
        screen->estimatePushButton->click();
        QSignalSpy closed(screen.get(), &woxERTTemplateWidget::sendTemplateClose);
        screen->closePushButton->click();
        screen->closePushButton->click();
        script.type("other").answer(1).answer(1);
        woxWithFileSizeLimit(10, [&] { QVERIFY(!screen->onSave()); });
        QCOMPARE(diagnostics.lines(), QStringList());
        QVERIFY(screen->isChanged() && closed.count() == 0 && screen->templateFile() == varnexDir + "gaps.txt");
        QCOMPARE(readBytes(varnexDir + "other.txt") + readBytes(varnexDir + "gaps.txt"), "kept" + gaps);
        script.answer(0).then([&labels](QDialog *d) { labels << d->findChild<QLineEdit *>("lineEdit")->text(); });
        screen->closePushButton->click();
        QVERIFY(closed.count() == 1 && runner.calls.isEmpty());   // No closes it, writing nothing
        script.type("moved");
        QVERIFY(screen->onSave() && !screen->isChanged());   // the offered name, then the new one
        QCOMPARE(script.seen.mid(4), QStringList({warning + "Measurements: " + number.arg(3) + ", runs: " + number.arg(2)
                                                      + ", duration: " + number.arg("00:00:02") + " ... "
                                                      + number.arg("00:00:03"), saveQuestion, saveQuestion,
                                                  "woxKeyboardDialog", overwriteQuestion, "woxKeyboardDialog",
                                                  overwriteQuestion, warning + "Can not write data to file",
                                                  saveQuestion, "woxKeyboardDialog", "woxKeyboardDialog"}));
        QCOMPARE(readBytes(varnexDir + "moved.txt"), QByteArray("# X Y Z\n1 0 -19.9 1\n2 5 -20.9 1.5\n3 10 -21.9 2\n"
                                                                "6 12.5 -19.6 3\n# A B M N\n1 1 6 2 3\n2 1 6 3 2\n3 2 3 1 6\n"));
        QCOMPARE(screen->templateFile() + labels.last() + QString::number(runner.calls.size()), varnexDir + "moved.txtgaps1");
    }

    // Input voltage, curves 0 to 9. Pulse = code * 20 + 40 ms, pause likewise with IP; samples every 20 ms from 25 ms
    // into a pulse and 30 ms after it; lines close 15 ms (pulse) and 10 ms (pause) beyond the outer samples, on
    // their line. The options' counts are read, never beyond a series.
    void signalCurves_data()
    {
        QTest::addColumn<QList<int>>("codes");   // pulse code, IP, pause code, samples given
        QTest::addColumn<QString>("input");
        QTest::newRow("IP off") << QList<int>({2, 0, 0, 3, 0}) << "25,300 45,301 65,304 | 0,0 0,300 25,300 45,301 "
            "65,304 80,306.25 |  |  | 80,306.25 80,0 100,0 | 125,900 145,901 165,904 | 100,0 100,900 125,900 145,901 "
            "165,904 180,906.25 |  |  | 180,906.25 180,0 200,0";
        QTest::newRow("pause 60 ms") << QList<int>({2, 1, 1, 3, 1}) << "25,300 45,301 65,304 | 0,0 0,300 25,300 "
            "45,301 65,304 80,306.25 | 110,600 | 100,600 110,600 120,600 | 80,306.25 80,0 140,0 | 165,900 185,901 "
            "205,904 | 140,0 140,900 165,900 185,901 205,904 220,906.25 | 250,1200 | 240,1200 250,1200 260,1200 | "
            "220,906.25 220,0 280,0";
        QTest::newRow("more samples than codes") << QList<int>({1, 1, 2, 3, 3}) << "25,300 45,301 | 0,0 0,300 25,300 "
            "45,301 60,301.75 | 90,600 110,601 | 80,599.5 90,600 110,601 120,601.5 | 60,301.75 60,0 140,0 | 165,900 "
            "185,901 | 140,0 140,900 165,900 185,901 200,901.75 | 230,1200 250,1201 | 220,1199.5 230,1200 250,1201 "
            "260,1201.5 | 200,901.75 200,0 280,0";
        QTest::newRow("fewer samples than codes") << QList<int>({2, 1, 2, 1, 1}) << "25,300 | 0,0 0,300 25,300 "
            "40,300 | 110,600 | 100,600 110,600 120,600 | 40,300 40,0 160,0 | 185,900 | 160,0 160,900 185,900 "
            "200,900 | 270,1200 | 260,1200 270,1200 280,1200 | 200,900 200,0 320,0";
    }

    void signalCurves()
    {
        QFETCH(QList<int>, codes);
        woxSignalWidget window;
        woxCoreDouble::deliver(report(codes[0], codes[1], codes[2], codes[3], codes[4]));
        QTEST(curves(window, "rxVoltageFrame"), "input");
    }

    // The header line of the quadripole, the request Start sends, every open window drawing the report (output
    // voltage in volts), Accept's verdict; an error report clears the curves.
    void signalWindow()
    {
        woxCoreDouble core;
        QSignalSpy header(woxUserMessage::instance(), &woxUserMessage::sendUserMessageForever);
        woxSignalWidget window;
        auto other = std::make_unique<woxSignalWidget>();
        QSignalSpy verdicts(&window, &woxSignalWidget::sendSpacingLevelAuxConfig);
        const QString buttons = "startPushButton acceptPushButton badPushButton";
        const QString enabled = "startPushButton:Start | acceptPushButton:Accept | badPushButton:Bad";
        QCOMPARE(plainState(&window, buttons + " _rxVoltageLabel _timeLabel01") + window.tabWidget->tabText(1),
                 "startPushButton:Start | acceptPushButton:Accept | !badPushButton:Bad | _rxVoltageLabel:"
                 "Rx\n\nV\no\nl\nt\na\ng\ne\n\n[mV] | _timeLabel01:T i m e  [msec]Output voltage");
        window.setQuadripole(woxMake::quadripole(65535, 1, 65534, 3));
        window.setQuadripole(woxMake::quadripole(0, 65534, 29, 65535, 3, 7));
        window.startPushButton->click();
        QCOMPARE(woxScreenState(&window, buttons), "!startPushButton:Start | !acceptPushButton:Accept | !badPushButton:Bad");
        QCOMPARE(core.takeLines(), QStringList("Signal q(0 65534 29 65535 13) o(2 0 0 1 3 5 25 80)"));
        core.deliver(report(2, false, 0, 3, 0));
        for (const woxSignalWidget *w : {&window, other.get()})   // volts, milliamperes
            QCOMPARE(woxScreenState(w, buttons) + curves(*w, "txVoltageFrame", 0) + curves(*w, "txCurrentFrame", 0),
                     enabled + "25,0.1 45,0.101 65,0.10425,200 45,201 65,204");
        other->hideBadButton();   // made invisible, not only disabled
        QCOMPARE(woxScreenState(other.get(), "badPushButton"), "~badPushButton:Bad");
        woxModalScript script;   // the other window is disposed of while its message is open
        script.answer(1).then([&other](QDialog *message) { other.reset(); message->done(1); });
        window.resize(904, 627), window.tabWidget->setCurrentIndex(1);
        QVERIFY(woxSavePicture(&window, "signal-window.png"));
        window.startPushButton->click();
        core.deliver(report(2, false, 0, 3, 0, 13));   // Canceled by user
        QCOMPARE(script.seen, QStringList({warning + "Canceled by user", warning + "Canceled by user"}));
        QCOMPARE(curves(window, "txCurrentFrame", woxSignalPlot::Anchor), QString(" |  |  |  |  |  |  |  |  |  | 0,0"));
        QCOMPARE(woxScreenState(&window, buttons), enabled);
        QString pens;   // red pulses, blue pauses, dotted connectors; samples as sticks 1 px wide, lines 2 px
        for (int c = 0; c < woxSignalPlot::Anchor; ++c) {
            const QwtPlotCurve &k = window.findChild<woxSignalPlot *>()->curve(woxSignalPlot::Curve(c));
            const QPen pen = k.pen();
            pens += QString(" %1 %2%3%4").arg(pen.color().name()).arg(pen.widthF()).arg(pen.style()).arg(k.style());
        }
        QCOMPARE(pens, QString(" #ff0000 111 #ff0000 210 #0000ff 111 #0000ff 210 #ff0000 230 #ff0000 111 #ff0000 210"
                               " #0000ff 111 #0000ff 210 #ff0000 230"));
        window.acceptPushButton->click();
        QCOMPARE(QList<QVariantList>(verdicts), QList<QVariantList>({{3, 7, false}}));
        QCOMPARE(header.at(0).at(0).toString() + "|" + header.at(1).at(0).toString() + "|" + header.at(2).at(0).toString(),
                 QString("A: Tx\u221E, B: 2, M: Rx\u221E, N: 4|A: 1, B: Rx\u221E, M: 30, N: Tx\u221E|"));
    }

    // Each tap: the questions first (grounding until a check, a disabled electrode: N = 4), then the menu, with the
    // pick marker shown while it is open, and what was chosen. Picks within 10 px; the lower spacing row wins a
    // shared spot; a row past the last is drawn on it.
    void taps()
    {
        woxTemplatePlot plot;
        plot.setFixedSize(600, 400);
        plot.onPlotUpdate(0, {placed({0, 3, 1, 2}, 0, 0), placed({60, 63, 61, 62}, 300, 60)}, true);
        plot.onPlotUpdate(7, {placed({20, 23, 21, 22}, 150, 30, 7)}, false);
        plot.onPlotUpdate(35, {placed({5, 6, 7, 8}, 300, 0, 35)}, false);
        const woxQuadripole quadripole = placed({1, 2, 3, 4}, 150, 30);
        plot.onPlotUpdate(4, {quadripole}, true);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        // Depth grows downwards, along the top axis; markers by spacing row in cycles of four.
        QVERIFY(plot.canvasMap(QwtPlot::yLeft).transform(0) < plot.canvasMap(QwtPlot::yLeft).transform(60));
        QString markers = QString::number(plot.axisEnabled(QwtPlot::xBottom));
        for (int row = 0; row < 5; ++row)
            markers += QString(", %1 %2 %3").arg(curve(plot, row)->symbol()->style())
                           .arg(curve(plot, row)->symbol()->brush().color().name()).arg(curve(plot, row)->xAxis());
        QCOMPARE(markers, QString("0, 1 #ff0000 3, 2 #00ff00 3, 4 #ff00ff 3, 0 #0000ff 3, 1 #ff0000 3"));
        QCOMPARE(curve(plot, 29)->sample(0), QPointF(300, 0));
        QSignalSpy select(&plot, &woxTemplatePlot::sendQuadripoleSelect);
        QStringList seen;
        const auto tapWith = [&](const QPoint &offset, int answer, const QString &choice) {
            woxModalScript script;
            script.answer(answer);
            woxPopupMenuAnswer menu(choice);
            size_t marker = 0;
            menu.whileOpen = [&] { marker = curve(plot, plot.curveCount)->dataSize(); };
            tap(plot, QPointF(150, 30), offset);
            seen << script.seen.join("") + menu.seen.join("") + QString(" %1%2").arg(marker).arg(select.count())
                        + QString::number(curve(plot, plot.curveCount)->dataSize());
        };
        tapWith(QPoint(), 0, "Signals");
        tapWith(QPoint(), 1, "Cancel");
        plot.setGroundingChecked();
        tapWith(QPoint(9, 0), 1, "Signals");
        tapWith(QPoint(11, 0), 1, "Signals");
        tapWith(QPoint(8, 8), 1, "Signals");   // 11.3 px
        tapWith(QPoint(0, 9), 1, "");          // the menu closed by a tap elsewhere
        tapWith(QPoint(0, -11), 1, "Signals");
        plot.setDisabledElectrodes({4, 40});
        tapWith(QPoint(), 1, "Signals");
        plot.onPlotUpdate(4, {placed({4, 65534, 1, 2}, 150, 30)}, true);   // A disabled
        tapWith(QPoint(), 1, "Signals");
        const woxQuadripole remotes = placed({65535, 65534, 1, 2}, 150, 30);   // never disabled
        plot.onPlotUpdate(4, {remotes}, true);
        tapWith(QPoint(), 1, "Signals");
        plot.onPlotClear(true);
        tapWith(QPoint(), 1, "Signals");
        QCOMPARE(seen, QStringList({groundingQuestion + " 000", groundingQuestion + "Signals|Cancel 100",
                                    "Signals|Cancel 110", " 010", " 010", "Signals|Cancel 110", " 010",
                                    disabledMessage + " 010", disabledMessage + " 010", "Signals|Cancel 120", " 020"}));
        QCOMPARE(select.at(0).at(0).value<woxQuadripole>(), quadripole);
        QCOMPARE(select.at(1).at(0).value<woxQuadripole>(), remotes);
    }

    // Read-outs, the set bar by tab, a grid release that hands over and clears the selection, points, the estimate.
    // The cable dialog is kept: a cancelled first run leaves the plot asking about grounding; electrodes switched off
    // in it (3, and 40 on cable 2) stop a tap on a quadripole using them; Signals opens the signal window.
    void screenWalk()
    {
        woxOptionsWidget options;   // pulse 80 ms, pause 20 ms, 3 to 5 cycles: 905 to 1305 ms a run
        woxTemplateWidget screen;
        const QString labels = "cablesLabel:<font color=blue>%1</font> | electrodesLabel:<font color=blue>%2</font> | "
                               "cableSpacingLabel:<font color=blue>%3</font> m | profileLengthLabel:<font color=blue>"
                               "%4</font> m";
        const QString shown = "cablesLabel electrodesLabel cableSpacingLabel profileLengthLabel setComboBox _currentSetLabel "
                              "addPushButton clonePushButton removePushButton modifyPushButton clearPushButton line";
        QCOMPARE(woxScreenState(&screen, shown), labels.arg(2).arg(64).arg("5.0", "315.0") + " | ~setComboBox: | ~_currentSet"
                 "Label:Current set: | ~addPushButton:Add | ~clonePushButton:Clone | ~removePushButton:Remove | "
                 "~modifyPushButton:Modify | ~clearPushButton:Clear | ~line:");
        QStringList seen;
        const auto record = [&seen](const QString &names) {
            return [&seen, names](QDialog *d) { seen << plainState(d, names); };
        };
        woxModalScript script;
        script.then(record("arrayComboBox")).chooseArray(4).answer(1);
        screen.resize(1024, 520);
        screen.tabWidget->setCurrentIndex(1);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        screen.addPushButton->click();
        auto &grid = *screen.findChild<woxTemplateTableView *>();
        woxTemplateDataModel &model = screen.templateModel();
        QMouseEvent release(QEvent::MouseButtonRelease, QPoint(1, 1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        grid.selectionModel()->select(QItemSelection(model.index(0, 0), model.index(0, 1)), QItemSelectionModel::Select);
        QApplication::sendEvent(grid.viewport(), &release);
        QApplication::sendEvent(grid.viewport(), &release);   // nothing selected any more
        QCOMPARE(woxScreenState(&screen, "setComboBox"), "setComboBox:1/1 Dipole-Dipole [121]");
        screen.estimatePushButton->click();
        model.onSpacingLevelMainConfig({model.index(1, 2)});   // points by spacing row: red, green, purple, blue
        const auto point = [](const char *c) { return QPixmap(QString(":/points/points/%1.png").arg(c)).toImage(); };
        QVERIFY(pointPicture(model.index(0, 0)) == point("red") && pointPicture(model.index(1, 2)) == point("green"));
        QVERIFY(pointPicture(model.index(1, 0)).isNull());
        screen.tabWidget->setCurrentIndex(2);
        woxTemplatePlot &plot = screen.templatePlot();
        plot.replot();
        QVERIFY(woxSavePicture(&screen, "template-graphics.png"));
        QDialog *first = nullptr;
        script.then([&first](QDialog *d) { first = d; d->reject(); }).answer(0);
        screen.groundingPushButton->click();
        tap(plot, curve(plot, 0)->sample(0));
        script.then([&first](QDialog *d) {
            QCOMPARE(d, first);
            woxPress(d, "w03PushButton");
            QMetaObject::invokeMethod(d, "onNextCable");
            woxPress(d, "w08PushButton");
            d->done(QDialog::Accepted);
        });
        script.answer(1);
        screen.groundingPushButton->click();
        woxPopupMenuAnswer menu("Signals");
        tap(plot, curve(plot, 0)->sample(0));   // electrodes 0 to 3
        QCOMPARE(menu.seen.size(), 0);
        tap(plot, curve(plot, 1)->sample(5));   // no question any more
        const QString cable = "woxCableConfigDialog", array = "woxAddModifyArrayDialog";
        QCOMPARE(script.seen, QStringList({array, array, warning + "Measurements: " + number.arg(121) + ", runs: "
                                               + number.arg(61) + ", duration: " + number.arg("00:00:55") + " ... "
                                               + number.arg("00:01:20"), cable, groundingQuestion, cable,
                                           disabledMessage}));
        QCOMPARE(seen, QStringList("arrayComboBox:Wenner \u03B1"));
        // The signal window takes the tabs' place; Bad greys the quadripole's own cell (spacing 1, level 2), and the
        // window is disposed of.
        QPointer<woxSignalWidget> window = screen.signalWindow();
        QVERIFY(window && screen.tabWidget->isHidden() && screen.addPushButton->isHidden());
        QVERIFY(QMetaObject::invokeMethod(window, "onBad"));
        QVERIFY(!screen.signalWindow() && !screen.tabWidget->isHidden() && !screen.addPushButton->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QCOMPARE(model.index(1, 2).data(Qt::BackgroundRole), QVariant(QColor(Qt::gray)));
        QCOMPARE(model.index(2, 1).data(Qt::BackgroundRole), QVariant());
        // The arrangement dialog opens preset from the template, a step down and one cable are taken.
        const QString arrangement = "cablesComboBox cableSpacingHorizontalSlider cableSpacingLabel";
        script.then(record(arrangement)).then([&](QDialog *d) {
            for (const char *step : {"decCableSpacingToolButton", "incCableSpacingToolButton", "decCableSpacingToolButton"})
                woxPress(d, step);
            d->findChild<QComboBox *>("cablesComboBox")->setCurrentIndex(0);
            record(arrangement)(d), d->accept();
        });
        script.then(record(arrangement)).cancel();
        screen.editPushButton->click();
        screen.editPushButton->click();
        screen.tabWidget->setCurrentIndex(0);
        QCOMPARE(woxScreenState(&screen, shown).section(" | ~", 0, 0), labels.arg(1).arg(32).arg("4.9", "151.9"));
        const QString at = "cablesComboBox:%1 | cableSpacingHorizontalSlider:%2 | cableSpacingLabel:%3 <font color=BLACK>"
                           "m</font>", chosen = at.arg(1).arg(49).arg("4.9");
        QCOMPARE(seen.mid(1), QStringList({at.arg(2).arg(50).arg("5.0"), chosen, chosen}));
        // Closing the changed template asks: Cancel, and Yes with the name keyboard cancelled, keep it open and write
        // nothing; No closes it.
        QSignalSpy closed(&screen, &woxTemplateWidget::sendTemplateClose);
        script.seen.clear();
        script.answer(2).answer(1).cancel().answer(0);
        for (int press = 0; press < 3; ++press)
            screen.closePushButton->click();
        QCOMPARE(script.seen, QStringList({saveQuestion, saveQuestion, "woxKeyboardDialog", saveQuestion}));
        QCOMPARE(closed.count(), 1);
        QVERIFY(QDir(templatesDir).entryList(QDir::Files).isEmpty() && runner.calls.isEmpty());
    }

    // From the stored three-set template with its second set chosen, the buttons pressed in turn ("set_N" chooses
    // set N in the list) with the answers given: the set list, the grid, the modified flag and the stored files,
    // whether the screen closed, and every question seen.
    void setEditing_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("seen");
        const QString alpha = QString("Wenner \u03B1 [61]"), plan = "plan 18650", open = " / open";
        const QString three = "1/3 " + alpha + "|*2/3 Schlumberger [119]|3/3 Dipole-Dipole [57] / 0,1 1,0";
        const QString untouched = three + " / unmodified / " + plan + open;
        const QString two = "1/2 " + alpha + "|*2/2 Dipole-Dipole [57] / 1,2 / ";   // the second removed
        const QString remove = warning + "Are you sure you want to remove current set?";
        const QString clear = warning + "Are you sure you want to clear surrent set?";
        const QString array = "woxAddModifyArrayDialog", keyboard = "woxKeyboardDialog plan";
        const auto row = [](const char *name, const QString &buttons, const QString &answers, const QString &shown,
                            const QStringList &seen) {
            QTest::newRow(name) << buttons.split(' ', Qt::SkipEmptyParts) << answers.split(',', Qt::SkipEmptyParts)
                                << shown << seen;
        };
        row("untouched", "", "", untouched, {});
        row("Clone", "clone", "ok", "1/4 " + alpha + "|2/4 Schlumberger [119]|3/4 Dipole-Dipole [57]|*4/4 "
            "Schlumberger [119] / 0,1 1,0 / modified / " + plan + open, {warning + "Set was cloned successfully"});
        row("Remove, Yes", "remove", "yes", two + "modified / " + plan + open, {remove});
        row("Remove, No", "remove", "no", untouched, {remove});
        row("Remove the first", "set_1 remove", "yes", "*1/2 Schlumberger [119]|2/2 Dipole-Dipole [57] / 0,1 1,0 / "
            "modified / " + plan + open, {remove});
        row("Remove the last", "set_3 remove", "yes", "1/2 " + alpha + "|*2/2 Schlumberger [119] / 0,1 1,0 / "
            "modified / " + plan + open, {remove});
        row("Remove all", "remove remove remove", "yes,yes,yes", " /  / modified / " + plan + open,
            {remove, remove, remove});
        row("Clear, Yes", "clear", "yes", "1/3 " + alpha + "|*2/3 Schlumberger [0]|3/3 Dipole-Dipole [57] /  / "
            "modified / " + plan + open, {clear});
        row("Clear, No", "clear", "no", untouched, {clear});
        // A first-row type keeps only the cell of the first spacing row.
        row("Modify to Wenner alpha", "modify", "array 0", "1/3 " + alpha + QString("|*2/3 Wenner \u03B1 [58]|3/3 "
            "Dipole-Dipole [57] / 0,1 / modified / ") + plan + open, {array});
        row("Modify, type kept", "modify", "accept", untouched, {array});
        row("Modify cancelled", "modify", "reject", untouched, {array});
        row("Add", "add", "array 7", three.section(" / ", 0, 0).replace("*", "").replace("/3", "/4") + "|*4/4 "
            "Pole-Pole [0] /  / modified / " + plan + open, {array});
        row("Add, first type offered", "add", "accept", three.section(" / ", 0, 0).replace("*", "").replace("/3", "/4")
            + QString("|*4/4 Wenner \u03B1 [0] /  / modified / ") + plan + open, {array});
        row("Add cancelled", "add", "reject", untouched, {array});
        // Save offers the stored name; a refused overwrite keeps the old file and the flag.
        row("Save under a new name", "remove save", "yes,type copy", two + "unmodified / copy 12450, " + plan + open,
            {remove, keyboard});
        row("Save over it", "remove save", "yes,type plan,yes", two + "unmodified / plan 12450" + open,
            {remove, keyboard, overwriteQuestion});
        row("Save, overwrite refused", "remove save", "yes,type plan,no", two + "modified / " + plan + open,
            {remove, keyboard, overwriteQuestion});
        row("Save an empty set", "clear save", "yes,ok", three.section(" / ", 0, 0).replace("[119]", "[0]")
            + " /  / modified / " + plan + open, {clear, warning + "Template contains an empty set"});
        // Closing asks only about unsaved changes; only a finished save or No closes a changed template.
        row("Close unchanged", "close", "", three + " / unmodified / " + plan + " / closed", {});
        row("Close, Cancel", "remove close", "yes,cancel", two + "modified / " + plan + open, {remove, saveQuestion});
        row("Close, No", "remove close", "yes,no", two + "modified / " + plan + " / closed", {remove, saveQuestion});
        row("Close, Yes, keyboard cancelled", "remove close", "yes,yes,reject", two + "modified / " + plan + open,
            {remove, saveQuestion, "woxKeyboardDialog"});
        row("Close, Yes, a new name", "remove close", "yes,yes,type other", two + "unmodified / other 12450, " + plan
            + " / closed", {remove, saveQuestion, keyboard});
        row("Close, Yes, overwrite refused", "remove close", "yes,yes,type plan,no", two + "modified / " + plan + open,
            {remove, saveQuestion, keyboard, overwriteQuestion});
        row("Close, Yes, overwritten", "remove close", "yes,yes,type plan,yes", two + "unmodified / plan 12450 / closed",
            {remove, saveQuestion, keyboard, overwriteQuestion});
        row("Close, Yes, an empty set", "clear close", "yes,yes,ok", three.section(" / ", 0, 0).replace("[119]", "[0]")
            + " /  / modified / " + plan + open, {clear, saveQuestion, warning + "Template contains an empty set"});
    }

    void setEditing()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, answers);
        writeFile(templatePath("plan"), threeSetTemplate());
        woxTemplateWidget screen;
        QVERIFY(screen.loadFile(templatePath("plan")));
        screen.setComboBox->setCurrentIndex(1);
        QSignalSpy closed(&screen, &woxTemplateWidget::sendTemplateClose);
        woxModalScript script;
        follow(script, answers);
        for (const QString &button : buttons) {
            if (button.startsWith("set_")) {
                screen.setComboBox->setCurrentIndex(button.mid(4).toInt() - 1);
                continue;
            }
            screen.tabWidget->setCurrentIndex(button == "save" || button == "close" ? 0 : 2);   // General or Graphics
            auto *pressed = screen.findChild<QAbstractButton *>(button + "PushButton");
            QVERIFY2(pressed && pressed->isVisibleTo(&screen), qPrintable(button));
            pressed->click();
        }
        QTEST(setState(screen) + (closed.isEmpty() ? " / open" : " / closed"), "shown");
        QTEST(script.seen, "seen");
    }

    // The estimate refuses a set over the measurement limit with the limit's message alone; without an options
    // page both durations are nil.
    void screenEstimate_data()
    {
        QTest::addColumn<int>("extra");   // the last cell of a dipole-dipole set, as in the limit check; -1: none
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("over the limit") << 44 << QStringList(warning + "Template contains too many measurements");
        QTest::newRow("no options page") << -1 << QStringList(warning + "Measurements: " + number.arg(61) + ", runs: "
                                                              + number.arg(61) + ", duration: " + number.arg("00:00:00")
                                                              + " ... " + number.arg("00:00:00"));
    }

    void screenEstimate()
    {
        QFETCH(int, extra);
        woxTemplateWidget screen;
        woxTemplateDataModel &model = screen.templateModel();
        QModelIndexList cells({model.index(0, 0)});
        if (extra >= 0) {
            cells = {model.index(3, extra)};
            for (int cell = 0; cell < 3 * 99 + 23; ++cell)
                cells << model.index(cell / 99, cell % 99);
        }
        woxModalScript script;
        script.chooseArray(extra < 0 ? 0 : 4);
        model.onSpacingLevelMainConfig(cells);
        script.seen.clear();
        script.answer(1);
        screen.estimatePushButton->click();
        QTEST(script.seen, "seen");
    }

    // The grid: numbered headers, a point by spacing row in cycles of four, a grey cell for each AUX mark and none
    // for a mark outside the grid; the plot gets one curve per spacing row and only a clear when nothing is left.
    void gridAndPlotSignals()
    {
        woxTemplateDataModel model, other;
        woxModalScript script;   // no cell of this grid asks nothing; the first cell asks for the array
        script.cancel();
        model.onSpacingLevelMainConfig({QModelIndex(), other.index(0, 0)});
        model.onSpacingLevelMainConfig({model.index(0, 0)});
        QVERIFY(script.seen == QStringList("woxAddModifyArrayDialog") && model.numberOfSets() == 0 && !model.flagByte());
        QCOMPARE(QString::number(model.arrayTypeOfSet(7)) + " " + QString::number(model.rowCount())
                     + QString::number(model.columnCount()),
                 QString("255 3099"));   // no set: no read outside
        QStringList headers;
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
            headers << model.headerData(0, o).toString() + model.headerData(98, o).toString()
                           + QString::number(model.headerData(5, o, Qt::TextAlignmentRole).toInt())
                           + QString::number(model.headerData(5, o, Qt::ToolTipRole).isValid());
        QCOMPARE(headers, QStringList({"199" + QString::number(Qt::AlignCenter) + "0",
                                       "199" + QString::number(Qt::AlignCenter) + "0"}));
        QStringList plot;
        connect(&model, &woxTemplateDataModel::sendPlotClear, this,
                [&plot](bool replot) { plot << QString("clear %1").arg(replot); });
        connect(&model, &woxTemplateDataModel::sendPlotUpdate, this,
                [&plot](woxSpacing spacing, QList<woxQuadripole> list, bool replot) {
                    plot << QString("update %1 %2 %3").arg(spacing).arg(list.size()).arg(replot);
                });
        addCell(model, 4, 2, 0);   // dipole-dipole: 57 at spacing 3, 61 and 60 at spacing 1
        plot.clear();
        model.onSpacingLevelMainConfig({model.index(0, 0), model.index(0, 1)});
        model.onSpacingLevelMainConfig({model.index(2, 0), model.index(0, 0), model.index(0, 1)});
        QCOMPARE(plot, QStringList({"clear 0", "update 0 121 0", "update 2 57 1", "clear 1"}));
        model.onSpacingLevelMainConfig({model.index(4, 0), model.index(5, 0)});
        const auto point = [](const char *c) { return QPixmap(QString(":/points/points/%1.png").arg(c)).toImage(); };
        QVERIFY(pointPicture(model.index(4, 0)) == point("red") && pointPicture(model.index(5, 0)) == point("green"));
        QString marks;
        for (const QList<int> &mark : QList<QList<int>>{{5, 0, 1}, {4, 0, 1}, {4, 0, 0}, {30, 0, 1}, {0, 99, 1}})
            model.onSpacingLevelAuxConfig(woxSpacing(mark[0]), woxLevel(mark[1]), mark[2]);
        for (const QModelIndex &cell : {model.index(5, 0), model.index(4, 0), model.index(29, 0), model.index(0, 98)})
            marks += cell.data(Qt::BackgroundRole) == QVariant(QColor(Qt::gray)) ? "g" : "-";
        QCOMPARE(marks, QString("g---"));
    }

    // The arrangement read-outs; an unchanged arrangement leaves the flag down; one cable keeps the cells that still
    // fit (Wenner alpha level 10 needs 31 electrodes) and a new spacing drops the AUX marks.
    void arrangementChange()
    {
        woxTemplateDataModel model;
        QLabel cables, electrodes, spacing, length;
        model.setInfoLabels(&cables, &electrodes, &spacing, &length);
        const auto shown = [&] {
            return QStringList({cables.text(), electrodes.text(), spacing.text(), length.text()}).join(' ')
                   .remove("<font color=blue>").remove("</font>") + QString(" %1 %2 %3").arg(model.totalQuadripoles())
                   .arg(model.flagByte()).arg(model.sets().value(0).auxGrid().value(0).value(0));
        };
        model.setArrangement(2, 5.0f);
        QCOMPARE(shown(), QString("2 64 5.0 m 315.0 m 0 0 0"));
        addCell(model, 0, 0, 0);
        model.onSpacingLevelMainConfig({model.index(0, 9)});
        model.onSpacingLevelAuxConfig(0, 0, true);
        QCOMPARE(shown(), QString("2 64 5.0 m 315.0 m 95 1 1"));   // 61 + 34
        model.setArrangement(1, 2.5f);
        QCOMPARE(shown(), QString("1 32 2.5 m 77.5 m 31 1 0"));    // 29 + 2
        QSignalSpy arrangement(&model, &woxTemplateDataModel::sendArrangementUpdate);
        QVERIFY(model.load(QString(), false) && arrangement.count() == 1 && model.numberOfSets() == 1);
        QCOMPARE(arrangement.at(0), QVariantList({QVariant::fromValue(woxCable(1)), QVariant::fromValue(2.5f)}));
    }

    // A load keeps the current set inside the shorter list; a missing file is named on standard error.
    void loadIntoAnEditedModel()
    {
        writeFile(templatePath("plan"), oneSetTemplate());
        woxTemplateDataModel model;
        QComboBox combo;
        model.setSetCombo(&combo);
        for (int type : {3, 4, 5})
            addCell(model, type, 0, 0);
        model.onCurrentSetChange(0);
        model.onCurrentSetChange(17);   // past the last: the last
        QCOMPARE(combo.currentText(), QString("3/3 Forward Pole-Dipole [62]"));
        QVERIFY(model.load(templatePath("plan"), false));
        QCOMPARE(combo.currentText() + QString::number(combo.count()), QString("1/1 Wenner \u03B1 [61]1"));
        QVERIFY(model.index(0, 0).data(Qt::DecorationRole).isValid() && !model.flagByte());
        woxModalScript script;
        script.answer(1);
        QVERIFY(!model.load(templatePath("absent"), false));
        QCOMPARE(script.seen, QStringList(warning + "Can not open file for reading"));
        QCOMPARE(diagnostics.lines(), QStringList("File error: No such file or directory"));
        QCOMPARE(model.numberOfSets(), 1);
    }

    // Array cells through the table: direct count "S", reciprocal "R"; the pole-dipole columns count no reciprocal.
    void fileTableArrayCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("typeCounts");   // type, count pairs
        QTest::addColumn<QString>("cell");
        QTest::newRow("direct zero") << 5 << QList<int>{0, 0} << "0S";
        QTest::newRow("direct two") << 9 << QList<int>{4, 2} << "2S";
        QTest::newRow("reciprocal only") << 12 << QList<int>{17, 3} << "3R";
        QTest::newRow("Wenner gamma both") << 7 << QList<int>{2, 1, 14, 2} << "1S:2R";
        QTest::newRow("other types") << 6 << QList<int>{0, 1, 12, 1} << "";
        QTest::newRow("FPD") << 10 << QList<int>{5, 1, 17, 2} << "1S";
        QTest::newRow("BPD") << 11 << QList<int>{18, 2} << "";
        QTest::newRow("G3") << 13 << QList<int>{8, 3, 18, 1} << "3S:1R";
        QTest::newRow("before arrays") << 4 << QList<int>{0, 1} << "0";
    }

    void fileTableArrayCells()
    {
        QFETCH(int, column);
        QFETCH(QList<int>, typeCounts);
        woxFileSummary summary;
        for (int i = 0; i + 1 < typeCounts.size(); i += 2)
            summary.arrayCounts.insert(quint8(typeCounts.at(i)), quint8(typeCounts.at(i + 1)));
        writeFile(templatePath("t"), woxStreamed(0x88993366u) + woxStreamed(summary));
        woxFileTableDataModel model(false);
        QVERIFY2(model.rowCount() == 1, "one row");
        QTEST(model.index(0, column).data().toString(), "cell");
    }

    // What is listed (names in order) for files given as "name:kind"; kinds: a template or session head, a foreign
    // magic, a negative array count, a damaged depth count, an empty file, a directory.
    void fileTableListing_data()
    {
        QTest::addColumn<bool>("session");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("listed");
        QTest::newRow("suffix twice") << false << QStringList({"a.woxTemplate.woxTemplate:template"}) << "a";
        QTest::newRow("foreign magic, other suffix, directory")
            << false << QStringList({"x.woxTemplate:foreign", "plain.txt:template", "dir.woxTemplate:dir",
                                     "k.woxTemplate:template"}) << "k";
        QTest::newRow("damaged counts, empty file")
            << false << QStringList({"n.woxTemplate:negative", "d.woxTemplate:depths", "e.woxTemplate:empty",
                                     "k.woxTemplate:template"}) << "k";
        QTest::newRow("sessions") << true << QStringList({"run.woxSession:session", "t.woxSession:template",
                                                          "k.woxTemplate:template"}) << "Session: run";
        QTest::newRow("no sessions folder") << true << QStringList() << "empty";
    }

    void fileTableListing()
    {
        QFETCH(bool, session);
        QFETCH(QStringList, files);
        woxFileSummary depths;
        depths.setDepths = {1.5f};
        const QByteArray bare = woxStreamed(0x88993366u) + woxStreamed(woxFileSummary());
        // The array count follows magic 4, spacing 8, cables 1, quadripoles 4, runs 4; the depth count 12 later.
        const QMap<QString, QByteArray> kinds = {
            {"template", bare}, {"session", woxStreamed(0x33114422u) + woxStreamed(depths)},
            {"foreign", woxStreamed(0x12345678u) + woxStreamed(depths)},
            {"negative", QByteArray(bare).replace(21, 4, woxHex("FF FF FF FF"))},
            {"depths", QByteArray(bare).replace(33, 4, woxHex("FF FF FF F0"))}, {"empty", QByteArray("")}};
        for (const QString &file : files) {
            const QString name = file.section(':', 0, 0), kind = file.section(':', 1);
            const QString dir = name.endsWith(".woxSession") ? sessionsDir : templatesDir;
            if (kind == "dir")
                QVERIFY(QDir().mkpath(dir + name));
            else
                writeFile(dir + name, kinds.value(kind));
        }
        woxFileTableDataModel model(session);
        QStringList listed;
        for (int row = 0; row < model.rowCount(); ++row)
            listed << model.index(row, 0).data().toString();
        QTEST(model.isEmpty() ? QString("empty")
                              : (session ? model.headerData(0, Qt::Horizontal).toString() + ": " : QString())
                                    + listed.join(' '),
              "listed");
    }

    // The file table opens on row 0 and names the current row's file, none without one.
    void fileDialogsSelect()
    {
        for (const char *name : {"one", "two"})
            writeFile(templatePath(name), woxStreamed(0x88993366u) + woxStreamed(woxFileSummary()));
        woxFileTableDataModel model(false);
        woxFileTableDialog dialog(&model);
        auto *view = dialog.findChild<QTableView *>("fileTableView");
        QVERIFY2(view, "fileTableView");
        QStringList names({dialog.selectedName()});
        view->setCurrentIndex(model.index(1, 7));
        names << dialog.selectedName();
        view->setCurrentIndex(QModelIndex());
        names << dialog.selectedName();
        QCOMPARE(names, QStringList({model.index(0, 0).data().toString(), model.index(1, 0).data().toString(), ""}));
        QCOMPARE(QVariantList({model.index(0, 0).data(Qt::TextAlignmentRole), model.index(0, 3).data(Qt::TextAlignmentRole),
                               model.headerData(17, Qt::Horizontal), model.headerData(0, Qt::Vertical)}),
                 QVariantList({int(Qt::AlignLeft), int(Qt::AlignHCenter | Qt::AlignVCenter), QVariant(), QVariant()}));
    }

    // The slider stands in decimetres, nearest, halves upwards, from 1 to 100 whatever the stored spacing; the step
    // buttons stop there too. Read-out: slider, spacing taken, label, cables taken.
    void arrangementDialog_data()
    {
        QTest::addColumn<bool>("preset");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<int>("cables");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, bool preset, float spacing, int cables, const QString &steps,
                            const QString &shown) {
            QTest::newRow(name) << preset << spacing << cables << steps.split(' ', Qt::SkipEmptyParts) << shown;
        };
        const QString m = " <font color=BLACK>m</font>";
        row("nothing preset", false, 0, 2, "", "0 0 x m 2");
        row("5 m", true, 5.0f, 2, "", "50 5 5.0" + m + " 2");
        row("0.25 m", true, 0.25f, 1, "", "3 0.3 0.3" + m + " 1");
        row("half up", true, 0.15f, 1, "", "2 0.2 0.2" + m + " 1");
        row("4.45 m", true, 4.45f, 1, "", "45 4.5 4.5" + m + " 1");
        row("9.95 m", true, 9.95f, 1, "", "100 10 10.0" + m + " 1");
        row("beyond the scale", true, 25.0f, 1, "", "100 10 10.0" + m + " 1");
        row("NaN", true, std::numeric_limits<float>::quiet_NaN(), 2, "", "1 0.1 0.1" + m + " 2");
        row("infinite", true, std::numeric_limits<float>::infinity(), 2, "", "100 10 10.0" + m + " 2");
        row("negative", true, -3.0f, 2, "", "1 0.1 0.1" + m + " 2");
        row("down at 0.1 m", true, 0.1f, 2, "decCableSpacingToolButton", "1 0.1 0.1" + m + " 2");
        row("up at 10 m, then down", true, 10.0f, 2, "incCableSpacingToolButton decCableSpacingToolButton",
            "99 9.9 9.9" + m + " 2");
        row("slider to 0", true, 2.0f, 2, "0", "1 0.1 0.1" + m + " 2");
    }

    void arrangementDialog()
    {
        QFETCH(bool, preset);
        QFETCH(float, spacing);
        QFETCH(int, cables);
        QFETCH(QStringList, steps);
        woxArrangementDialog dialog;
        QCOMPARE(dialog.cablesComboBox->count(), 2);
        dialog.setCables(woxCable(cables));
        if (preset)
            dialog.setCableSpacing(spacing);
        for (const QString &step : steps) {
            if (step == "0") {
                dialog.cableSpacingHorizontalSlider->setValue(0);
                continue;
            }
            auto *button = dialog.findChild<QAbstractButton *>(step);
            QVERIFY2(button, qPrintable(step));
            button->click();
        }
        QTEST(QString("%1 %2 %3 %4").arg(dialog.cableSpacingHorizontalSlider->value()).arg(double(dialog.cableSpacing()))
                  .arg(dialog.cableSpacingLabel->text()).arg(dialog.cables()), "shown");
    }

    // The texts of the template screen and of the dialogs it opens.
    void screenTexts_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("texts");   // the window title, then the named widgets' ('~': on another tab)
        QTest::newRow("template screen") << "template" << "editPushButton groundingPushButton estimatePushButton "
            "savePushButton closePushButton _cablesLabel _electrodesLabel _cableSpacingLabel _profileLengthLabel "
            "_centerLabel _levelLabel _spacingLabel _depthLabel" << " | editPushButton:Edit arrangement | "
            "groundingPushButton:Check grounding | estimatePushButton:Estimate duration | savePushButton:Save template | "
            "closePushButton:Close template | _cablesLabel:Cables: | _electrodesLabel:Electrodes: | _cableSpacingLabel:"
            "Cable spacing: | _profileLengthLabel:Profile length: | ~_centerLabel:M e a s u r e m e n t  c e n t e r  [m] | "
            "~_levelLabel:L e v e l | ~_spacingLabel:S\np\na\nc\ni\nn\ng\n   | ~_depthLabel:P\ns\ne\nu\nd\no\n\nd\ne"
            "\np\nt\nh\n\n[m] | General Setup Graphics Arrangement Actions";
        QTest::newRow("arrangement dialog") << "arrangement" << "_cablesLabel _cableSpacingLabel acceptPushButton "
            "cancelPushButton" << "Edit arrangement | _cablesLabel:Cables: | _cableSpacingLabel:Cable spacing: | "
            "acceptPushButton:Accept | cancelPushButton:Cancel";
        QTest::newRow("array dialog") << "array" << "arrayLabel acceptPushButton cancelPushButton"
                                      << "Add / modify array | arrayLabel:Array: | acceptPushButton:Accept | "
                                         "cancelPushButton:Cancel";
    }

    void screenTexts()
    {
        QFETCH(QString, screen);
        QFETCH(QString, names);
        std::unique_ptr<QWidget> shown;
        if (screen == "template")
            shown = std::make_unique<woxTemplateWidget>();
        else if (screen == "arrangement")
            shown = std::make_unique<woxArrangementDialog>();
        else
            shown = std::make_unique<woxAddModifyArrayDialog>();
        QString texts = (screen == "template" ? QString() : shown->windowTitle()) + " | " + plainState(shown.get(), names);
        if (auto *template_ = qobject_cast<woxTemplateWidget *>(shown.get()))
            texts += QString(" | %1 %2 %3 %4 %5").arg(template_->tabWidget->tabText(0), template_->tabWidget->tabText(1),
                                                      template_->tabWidget->tabText(2),
                                                      template_->arrangementGroupBox->title(),
                                                      template_->actionsGroupBox->title());
        QTEST(texts, "texts");
    }

    // The array dialog lists the 22 types in code order with the first current.
    void arrayDialog()
    {
        woxAddModifyArrayDialog dialog;
        QCOMPARE(QString("%1 %2|%3|%4|%5|%6").arg(dialog.arrayComboBox->count()).arg(dialog.arrayType())
                     .arg(dialog.arrayComboBox->itemText(0), dialog.arrayComboBox->itemText(9),
                          dialog.arrayComboBox->itemText(16), dialog.arrayComboBox->itemText(21)),
                 QString("22 0|Wenner \u03B1|Gradient [\u00B15]|Reciprocal Dipole-Dipole|Reciprocal Gradient [\u00B19]"));
    }

    // The move and scale dialogs' read-outs and the values taken, after the steps on the X axis ("go": the step slot
    // called from outside a step button).
    void stepDialogs_data()
    {
        QTest::addColumn<bool>("scale");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("move, fresh") << false << QStringList() << "0.00 m / 0.00 m / 0.00 m: 0 0 0";
        // The float sum of three tenths up and down stays just above nought.
        QTest::newRow("move, residue") << false << QStringList({"p0_1", "p0_1", "p0_1", "m0_1", "m0_1", "m0_1"})
                                       << "+0.00 m / 0.00 m / 0.00 m";
        QTest::newRow("move, down") << false << QStringList({"m100", "m0_01"}) << "-100.01 m / 0.00 m / 0.00 m: "
                                                                                   "-100.01 0 0";
        QTest::newRow("move, a step from no button") << false << QStringList("go") << "0.00 m / 0.00 m / 0.00 m: 0 0 0";
        QTest::newRow("scale, fresh") << true << QStringList() << "* 1.00 / * 1.00 / * 1.00: 1 1 1";
        QTest::newRow("scale, a tenth up") << true << QStringList("p0_1") << "* 1.10 / * 1.00 / * 1.00: 1.1 1 1";
        QTest::newRow("scale, to nought") << true << QStringList("m1") << "* 0.00 / * 1.00 / * 1.00: 0 1 1";
    }

    void stepDialogs()
    {
        QFETCH(bool, scale);
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        std::unique_ptr<QDialog> dialog(scale ? static_cast<QDialog *>(new woxScaleDialog)
                                              : static_cast<QDialog *>(new woxMoveDialog));
        for (const QString &step : steps) {
            auto *button = dialog->findChild<QAbstractButton *>(step);
            QVERIFY2(button || step == "go", qPrintable(step));
            if (button)
                button->click();
            else
                QVERIFY(QMetaObject::invokeMethod(dialog.get(), "go"));
        }
        QStringList labels;
        for (const char *name : {"xLabel", "yLabel", "zLabel"}) {
            auto *label = dialog->findChild<QLabel *>(name);
            QVERIFY2(label, name);
            labels << label->text();
        }
        float x = 0, y = 0, z = 0;
        scale ? static_cast<woxScaleDialog *>(dialog.get())->factors(x, y, z)
              : static_cast<woxMoveDialog *>(dialog.get())->offsets(x, y, z);
        const QString values = QString(": %1 %2 %3").arg(double(x)).arg(double(y)).arg(double(z));
        QCOMPARE(labels.join(" / ") + (shown.contains(':') ? values : QString()), shown);
        if (!shown.contains(':'))
            QVERIFY(x > 0.0f && x < 1e-6f);
    }

    // A signal window closed from itself is disposed of and gives the set bar back, again and again; one left open
    // goes with the screen.
    void signalWindowsComeAndGo()
    {
        woxTemplateWidget screen;
        screen.tabWidget->setCurrentIndex(1);
        for (int round = 0; round < 3; ++round) {
            screen.onSignalWidgetOpen(woxQuadripole());
            QPointer<woxSignalWidget> window = screen.signalWindow();
            QVERIFY2(window && !screen.addPushButton->isVisibleTo(&screen), "signal window");
            window->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window.isNull() && !screen.signalWindow() && screen.addPushButton->isVisibleTo(&screen));
        }
        screen.onSignalWidgetOpen(woxQuadripole());
    }

    // Empty folders are named. Templates are listed with their summary, no other magic, no damaged summary; the table
    // opens on row 0, whose template cannot be read. Varnex: ".txt" in any case, no hidden files, name order, the
    // first current; a malformed file's message, then a second Open works; an editor takes the buttons' place, and
    // an open that ends in a message leaves the menu as it was.
    void menu()
    {
        woxTemplateMenuWidget page;
        const QString buttons = "newPushButton openPushButton openERTPushButton";
        const QString shown = "%1newPushButton:New template | %1openPushButton:Open template | "
                              "%1openERTPushButton:Open Varnex template %2";
        const auto state = [&page, &buttons] {   // the buttons and the page's margins
            const QMargins m = page.verticalLayout->contentsMargins();
            return woxScreenState(&page, buttons) + QString(" %1 %2 %3 %4").arg(m.left()).arg(m.top()).arg(m.right())
                                                        .arg(m.bottom());
        };
        QStringList refused;   // the menu after each open that ends in a message
        woxModalScript script;
        script.answer(1).answer(1);
        page.openPushButton->click();
        page.openERTPushButton->click();
        refused << state();
        woxFileSummary summary;
        summary.cableSpacing = 2.5f, summary.cables = 1, summary.quadripoles = 1234, summary.runs = 56;
        for (int type : {3, 15, 5, 17, 17, 11, 21, 21, 21, 21, 13})
            summary.arrayCounts[quint8(type)]++;
        const QByteArray magic = woxStreamed(0x88993366u), bare = magic + woxStreamed(woxFileSummary());
        writeFile(templatesDir + "line.woxTemplate", magic + woxStreamed(summary));
        writeFile(templatesDir + "s.woxTemplate", woxStreamed(0x33114422u) + woxStreamed(summary));
        writeFile(templatesDir + "short.woxTemplate", bare.left(12));
        // The array count follows magic 4, spacing 8, cables 1, quadripoles 4, runs 4.
        writeFile(templatesDir + "huge.woxTemplate", bare.left(21) + woxStreamed(0x7FFFFFFFu));
        woxFileTableDataModel model(false);
        QStringList cells, names;
        for (int column = 0; column < 17; ++column)   // one row; the pole-dipole columns count no reciprocal
            cells << model.headerData(column, Qt::Horizontal).toString() + ":" + model.index(0, column).data().toString();
        QCOMPARE(QString::number(model.rowCount()) + " " + cells.join('|'),
                 QString("1 Template:line|Cbl:1|CS[m]:2.5|Qdps:1234|Runs:56|W\u03B1:|W\u03B2:1R|W\u03B3:|Sch:1S:1R|DD:|"
                         "FPD:1S|BPD:|PP:2R|G3:|G5:|G7:|G9:1S:4R"));
        script.then([&names](QDialog *d) { names << static_cast<woxFileTableDialog *>(d)->selectedName(), d->accept(); });
        script.answer(1);
        page.openPushButton->click();
        refused << state();
        writeFile(templatePath("plan"), oneSetTemplate());   // row 1 reads: opened under its name, closed unasked
        script.then([](QDialog *d) { d->findChild<QTableView *>()->selectRow(1), d->accept(); });
        for (QPushButton *open : {page.openPushButton, page.newPushButton}) {
            open->click();
            names << page.templateEditor()->templateName() + QString::number(page.newPushButton->isHidden());
            page.templateEditor()->closePushButton->click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        page.newPushButton->click();
        page.onTemplateCreate();   // one editor at a time
        QCOMPARE(page.findChildren<woxTemplateWidget *>().size(), 1);
        page.templateEditor()->closePushButton->click();
        for (const char *name : {"c.txt/d.txt", "a.TXT", ".b.txt", "e.text"})
            writeFile(varnexDir + name, slope);
        writeFile(varnexDir + "bad.txt", "1 0 0 0\n");
        script.then(choose(&names, "bad.txt")).answer(1).then(choose(&names, ""));
        page.openERTPushButton->click();
        refused << state();
        page.openERTPushButton->click();
        const QString idle = shown.arg("", "20 20 20 20");
        QCOMPARE(refused, QStringList({idle, idle, idle}));
        QCOMPARE(names, QString("line plan1 1 a.TXT bad.txt a.TXT bad.txt").split(' '));
        QCOMPARE(script.seen, QStringList({warning + "Can not find templates\n(" + templatesDir + ")",
                                           warning + "Can not find templates\n(" + varnexDir + ")", "woxFileTableDialog",
                                           warning + "Template is corrupted", "woxFileTableDialog", "woxERTTableDialog",
                                           warning + "Can not find the beginning of header (# X Y Z)",
                                           "woxERTTableDialog"}));
        QCOMPARE(woxERTTableDialog(QStringList()).selectedName(), QString());   // nothing chosen
        QPointer<woxERTTemplateWidget> editor = page.varnexEditor();
        QCOMPARE(editor->templateFile(), varnexDir + "a.TXT");
        QCOMPARE(state(), shown.arg("~", "0 0 0 0"));   // the editor fills the page
        editor->close();
        QCOMPARE(state(), idle);
        QVERIFY(!page.varnexEditor() && !page.templateEditor());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
    }
};

QTEST_MAIN(tst_templates)
#include "tst_templates.moc"
