#include "woxConstants.h"
#include "woxCore.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxFileTableDataModel.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxPopupMenuAnswer.h"
#include "woxSignalSeries.h"
#include "woxSignalWidget.h"
#include "woxStreamed.h"
#include "woxTemplateMenuWidget.h"
#include "woxTemplateWidget.h"
#include "woxWarningDialog.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

typedef QVector<QPointF> Points;
typedef QList<bool> Flags;
Q_DECLARE_METATYPE(woxQuadripole)

namespace {

const QString groundingQuestion =
    "woxWarningDialog: Grounding is not checked yet, are you sure you want to continue?";
const QString disabledMessage = "woxWarningDialog: This quadripole contains disabled electrode";
const QString saveQuestion = "woxWarningDialog: Do you want to save this template?";

woxQuadripole placed(const QList<int> &e, float x, float depth, woxSpacing spacing = 4)
{
    woxQuadripole q = woxMake::quadripole(e[0], e[1], e[2], e[3], spacing);
    q.x = x;
    q.depth = depth;
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
    QMouseEvent release(QEvent::MouseButtonRelease, position, plot.mapToGlobal(position),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &release);
}

// A dipole-dipole set with grid cells (0, 0) and (1, 2), through the array dialog.
void dipoleCells(woxTemplateWidget &screen)
{
    woxModalScript script;
    script.chooseArray(4);
    for (int s : {0, 1})
        screen.templateModel().onSpacingLevelMainConfig({screen.templateModel().index(s, 2 * s)});
}

// Sample i of series k (1 to 12 in report order) is k * 100 + i * i: every
// series and every sample differs, and the steps between samples grow.
woxCoreReportSignal report(int pulseCode, int pauseCode, int pulseCount, int pauseCount)
{
    woxCoreReportSignal r;
    r.options.pulseCode = quint16(pulseCode);
    r.options.ipEnabled = pauseCode != 0 || pauseCount != 0;
    r.options.pauseCode = quint16(pauseCode);
    QVector<float> *all[] = {&r.pulse1TxVoltage, &r.pulse1TxCurrent, &r.pulse1RxVoltage,
                             &r.pause1TxVoltage, &r.pause1TxCurrent, &r.pause1RxVoltage,
                             &r.pulse2TxVoltage, &r.pulse2TxCurrent, &r.pulse2RxVoltage,
                             &r.pause2TxVoltage, &r.pause2TxCurrent, &r.pause2RxVoltage};
    for (int k = 0; k < 12; ++k)
        for (int i = 0; i < ((k / 3) % 2 == 0 ? pulseCount : pauseCount); ++i)
            all[k]->append(float((k + 1) * 100 + i * i));
    return r;
}

woxSignalPlot &plot(woxSignalWidget &window, const char *frame)
{
    return *window.findChild<QFrame *>(QLatin1String(frame))->findChild<woxSignalPlot *>();
}

Flags buttonsEnabled(const woxSignalWidget &w)
{
    return {w.startPushButton->isEnabled(), w.acceptPushButton->isEnabled(),
            w.badPushButton->isEnabled()};
}

const quint32 templateMagic = 0x88993366u;
const QByteArray varnex = "# X Y Z\n1 0 0 0\n2 5 0 0\n3 10 0 0\n4 15 0 0\n# A B M N\n1 1 4 2 3\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Takes the names the Varnex list offers, then chooses one and accepts.
woxModalScript::Step choose(QStringList *names, const QString &name)
{
    return [=](QDialog *dialog) {
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int row = 0; row < list->count(); ++row)
            names->append(list->item(row)->text());
        names->sort();
        list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
        dialog->accept();
    };
}

} // namespace

// The template screen, its plot, signal window, stored files and their menu.
class tst_templateWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<woxQuadripole>(); }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
    }

    // Lines end 15 ms (pulse) and 10 ms (pause) beyond the samples; without IP
    // pulse 2 starts 20 ms after pulse 1; short series read nothing beyond.
    void timeBase()
    {
        const woxSignalSeries s =
            woxSignalSeries::fromReport(report(2, 2, 3, 2))[woxSignalSeries::InputVoltage];
        QCOMPARE(s.pulse1Line,
                 Points({{0, 0}, {0, 300}, {25, 300}, {45, 301}, {65, 304}, {80, 306.25}}));
        QCOMPARE(s.pause1Line, Points({{100, 599.5}, {110, 600}, {130, 601}, {140, 601.5}}));
        QCOMPARE(s.pause2Line, Points({{260, 1199.5}, {270, 1200}, {290, 1201}, {300, 1201.5}}));
        QCOMPARE(woxSignalSeries::fromReport(report(2, 0, 3, 0))[0].pulse2Line[0], QPointF(100, 0));
        // Codes and sample counts sent; points of the pulse and pause lines.
        const QList<QList<int>> rows = {{2, 2, 0, 0, 0, 0}, {2, 2, 1, 1, 4, 3}, {2, 0, 3, 2, 6, 0},
                                        {1, 1, 5, 5, 5, 3}};
        for (const QList<int> &r : rows) {
            const auto all = woxSignalSeries::fromReport(report(r[0], r[1], r[2], r[3]));
            for (const woxSignalSeries &q : all)
                QCOMPARE(QList<int>({q.pulse1Line.size(), q.pulse2Line.size(), q.pause1Line.size(),
                                     q.pause2Line.size()}), QList<int>({r[4], r[4], r[5], r[5]}));
        }
    }

    // Every open window draws the report (25 %, 153125 mV), Bad waits for
    // one; a stopped job's error clears the curves.
    void measurement()
    {
        QFont font;
        font.setPixelSize(15);
        QApplication::setFont(font);
        woxSignalWidget window;
        auto other = std::make_unique<woxSignalWidget>();
        window.resize(904, 627);
        window.setQuadripole(woxMake::quadripole(0, 3, 1, 2));
        window.startPushButton->click();
        QCOMPARE(buttonsEnabled(window), Flags({false, false, false}));
        QCOMPARE(buttonsEnabled(*other), Flags({true, true, false}));
        QVERIFY(QSignalSpy(woxCore::instance(), &woxCore::sendReportSignal).wait(5000));
        for (woxSignalWidget *w : {&window, other.get()}) {
            QCOMPARE(buttonsEnabled(*w), Flags({true, true, true}));
            QCOMPARE(plot(*w, "txVoltageFrame").curve(woxSignalPlot::Pulse1Samples).sample(2),
                     QPointF(65, 153.125));
            QCOMPARE(plot(*w, "txCurrentFrame").curve(woxSignalPlot::Pulse1Samples).sample(0).y(),
                     double(153125.0f / 1234.567f));
            QCOMPARE(plot(*w, "rxVoltageFrame").curve(woxSignalPlot::Pulse2Samples).sample(2),
                     QPointF(165, double(-46.786f)));
        }
        // WOX_SCREENSHOT=docs/signal-window.png asks for the documentation's picture.
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT");
        window.tabWidget->setCurrentIndex(1);
        if (!path.isEmpty())
            QVERIFY(window.grab().save(path));
        window.startPushButton->click();
        woxModalScript script;   // the other window is disposed of while its message is open
        script.answer(1).then([&other](QDialog *message) { other.reset(); message->done(1); });
        woxCore::instance()->stop();
        QVERIFY(QSignalSpy(woxCore::instance(), &woxCore::sendReportSignal).wait(5000));
        const QString canceled = "woxWarningDialog: Canceled by user";
        QCOMPARE(script.seen, QStringList({canceled, canceled}));
        for (const char *frame : {"txVoltageFrame", "txCurrentFrame", "rxVoltageFrame"})
            for (int c = 0; c < woxSignalPlot::Anchor; ++c)
                QCOMPARE(plot(window, frame).curve(woxSignalPlot::Curve(c)).dataSize(), size_t(0));
        QCOMPARE(buttonsEnabled(window), Flags({true, true, true}));
    }

    // Pick radius, the lower spacing row on a shared spot, rows past the last
    // curve on it, the questions first (grounding while unchecked, disabled
    // 5 and 40), the menu's choices, its pick marker; nothing after a clear.
    void taps_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QList<int>>("electrodes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("choice");   // empty: no menu
        const QList<int> usable({1, 2, 3, 4});
        QTest::newRow("on it, Signals") << QPoint() << 1 << usable << "" << "Signals";
        QTest::newRow("9 px, Cancel") << QPoint(9, 0) << 1 << usable << "" << "Cancel";
        QTest::newRow("11 px") << QPoint(11, 0) << 1 << usable << "" << "";
        QTest::newRow("8, 8 (11.3 px)") << QPoint(8, 8) << 1 << usable << "" << "";
        QTest::newRow("grounding, Yes") << QPoint() << 1 << usable << groundingQuestion << "Cancel";
        QTest::newRow("grounding, No") << QPoint() << 0 << usable << groundingQuestion << "";
        QTest::newRow("disabled N") << QPoint() << 1 << QList<int>({1, 2, 3, 5}) << disabledMessage
                                    << "";
    }

    void taps()
    {
        QFETCH(QPoint, offset);
        QFETCH(int, answer);
        QFETCH(QList<int>, electrodes);
        QFETCH(QString, choice);
        woxTemplatePlot plot;
        plot.setFixedSize(600, 400);
        plot.onPlotUpdate(0, {placed({0, 3, 1, 2}, 0, 0), placed({60, 63, 61, 62}, 300, 60)}, true);
        plot.onPlotUpdate(7, {placed({20, 23, 21, 22}, 150, 30, 7)}, false);
        plot.onPlotUpdate(35, {placed({5, 6, 7, 8}, 300, 0, 35)}, false);
        plot.setDisabledElectrodes({5, 40});
        if (!QByteArray(QTest::currentDataTag()).startsWith("grounding"))
            plot.setGroundingChecked();
        const woxQuadripole quadripole = placed(electrodes, 150, 30);
        plot.onPlotUpdate(4, {quadripole}, true);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        QSignalSpy select(&plot, &woxTemplatePlot::sendQuadripoleSelect);
        woxModalScript script;
        script.answer(answer);
        woxPopupMenuAnswer menu(choice);
        size_t markerWhileOpen = 0;
        menu.whileOpen = [&] { markerWhileOpen = curve(plot, plot.curveCount)->dataSize(); };
        tap(plot, QPointF(150, 30), offset);
        QTEST(script.seen.join(""), "message");
        QCOMPARE(menu.seen, choice.isEmpty() ? QStringList() : QStringList("Signals|Cancel"));
        QCOMPARE(markerWhileOpen, size_t(!choice.isEmpty()));
        QCOMPARE(curve(plot, plot.curveCount)->dataSize(), size_t(0));
        QCOMPARE(select.count(), int(choice == "Signals"));
        if (select.count())
            QCOMPARE(select.at(0).at(0).value<woxQuadripole>(), quadripole);
        QCOMPARE(curve(plot, 29)->sample(0), QPointF(300, 0));
        plot.onPlotClear(true);
        tap(plot, QPointF(150, 30), offset);
        QCOMPARE(menu.seen.size(), int(!choice.isEmpty()));
    }

    // The cable dialog is kept: a cancelled first run leaves the plot asking
    // about grounding; electrodes switched off in it (3, and 40 on cable 2)
    // stop a tap on a quadripole using them; Signals opens the signal window.
    void screenWalk()
    {
        woxFakeCommandRunner runner;
        woxTemplateWidget screen;
        dipoleCells(screen);
        screen.resize(1024, 520);
        screen.tabWidget->setCurrentIndex(2);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        woxTemplatePlot &plot = screen.templatePlot();
        plot.replot();
        QVERIFY(screen.grab().save("template-graphics.png"));   // docs/template-graphics.png
        QDialog *first = nullptr;
        woxModalScript script;
        script.then([&first](QDialog *d) { first = d; d->reject(); }).answer(0);
        screen.onGrounding();
        tap(plot, curve(plot, 0)->sample(0));
        script.then([&first](QDialog *d) {
            QCOMPARE(d, first);
            d->findChild<QPushButton *>("w03PushButton")->click();
            QMetaObject::invokeMethod(d, "onNextCable");
            d->findChild<QPushButton *>("w08PushButton")->click();
            d->done(QDialog::Accepted);
        });
        script.answer(1);
        screen.onGrounding();
        woxPopupMenuAnswer menu("Signals");
        tap(plot, curve(plot, 0)->sample(0));   // electrodes 0 to 3
        QCOMPARE(menu.seen.size(), 0);
        tap(plot, curve(plot, 1)->sample(5));   // no question any more
        QCOMPARE(script.seen, QStringList({"woxCableConfigDialog", groundingQuestion,
                                           "woxCableConfigDialog", disabledMessage}));
        // The signal window takes the tabs' place; Bad greys the quadripole's
        // own cell (spacing 1, level 2), and the window is disposed of.
        QPointer<woxSignalWidget> window = screen.signalWindow();
        QVERIFY(window && screen.tabWidget->isHidden() && screen.addPushButton->isHidden());
        QVERIFY(QMetaObject::invokeMethod(window, "onBad"));
        QVERIFY(!screen.signalWindow() && !screen.tabWidget->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        const woxTemplateDataModel &model = screen.templateModel();
        QCOMPARE(model.index(1, 2).data(Qt::BackgroundRole), QVariant(QColor(Qt::gray)));
        QCOMPARE(model.index(2, 1).data(Qt::BackgroundRole), QVariant());
        // Closing the changed template asks: Cancel, and Yes with the name
        // keyboard cancelled, keep it open and write nothing; No closes it.
        QSignalSpy closed(&screen, &woxTemplateWidget::sendTemplateClose);
        script.seen.clear();
        script.answer(2).answer(1).cancel();
        screen.onClose();
        screen.onClose();
        script.answer(0);
        screen.onClose();
        QCOMPARE(script.seen, QStringList({saveQuestion, saveQuestion, "woxKeyboardDialog",
                                           saveQuestion}));
        QCOMPARE(closed.count(), 1);
        QVERIFY(QDir(templatesDir).entryList(QDir::Files).isEmpty() && runner.calls.isEmpty());
    }

    // Empty folders are named; the Varnex list takes ".txt" files in any case
    // but hidden ones; a malformed file shows the reader's message and a
    // second Open works; an editor takes the buttons' place until it closes.
    void opening()
    {
        writeFile(varnexDir + "c.txt/d.txt", varnex);
        woxTemplateMenuWidget page;
        woxModalScript script;
        script.answer(1).answer(1);
        page.onTemplateLoad();
        page.onERTTemplateLoad();
        QStringList names;
        for (const char *name : {"a.TXT", ".b.txt", "e.text"})
            writeFile(varnexDir + name, varnex);
        writeFile(varnexDir + "bad.txt", "1 0 0 0\n");
        script.then(choose(&names, "bad.txt")).answer(1).then(choose(&names, "a.TXT"));
        page.onERTTemplateLoad();
        page.onERTTemplateLoad();
        QCOMPARE(names, QString("a.TXT a.TXT bad.txt bad.txt").split(' '));
        const QString warning = "woxWarningDialog: ";
        QCOMPARE(script.seen,
                 QStringList({warning + "Can not find templates\n(" + templatesDir + ")",
                              warning + "Can not find templates\n(" + varnexDir + ")",
                              "woxERTTableDialog",
                              warning + "Can not find the beginning of header (# X Y Z)",
                              "woxERTTableDialog"}));
        QCOMPARE(woxERTTableDialog(QStringList()).selectedName(), QString());   // nothing chosen
        QPointer<woxERTTemplateWidget> editor = page.varnexEditor();
        QCOMPARE(editor->templateFile(), varnexDir + "a.TXT");
        QVERIFY(page.newPushButton->isHidden());
        editor->close();
        QVERIFY(!page.varnexEditor() && !page.newPushButton->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
    }

    // Templates are listed with their summary; another magic (a session's)
    // and damaged summaries are left out.
    void listing()
    {
        woxFileSummary summary;
        summary.cableSpacing = 2.5f;
        summary.cables = 1;
        summary.quadripoles = 1234;
        summary.runs = 56;
        for (int type : {3, 15, 5, 17, 17, 11, 21, 21, 21, 21})
            summary.arrayCounts[quint8(type)]++;
        const QByteArray magic = woxStreamed(templateMagic);
        const QByteArray bare = magic + woxStreamed(woxFileSummary());
        writeFile(templatesDir + "line.woxTemplate", magic + woxStreamed(summary));
        writeFile(templatesDir + "s.woxTemplate", woxStreamed(0x33114422u) + woxStreamed(summary));
        writeFile(templatesDir + "short.woxTemplate", bare.left(12));
        // The array count follows magic 4, spacing 8, cables 1, quadripoles 4, runs 4.
        writeFile(templatesDir + "huge.woxTemplate", bare.left(21) + woxStreamed(0x7FFFFFFFu));
        woxFileTableDataModel model(false);
        QCOMPARE(model.rowCount(), 1);
        QStringList cells;
        for (int column = 0; column < 17; ++column)
            cells << model.index(0, column).data().toString();
        // The pole-dipole columns (10, 11) count no reciprocal.
        QCOMPARE(cells, QString("line|1|2.5|1234|56||||1S:1R||1S||2R||||1S:4R").split('|'));
    }
};

QTEST_MAIN(tst_templateWidget)
#include "tst_templateWidget.moc"
