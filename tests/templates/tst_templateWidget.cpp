#include "woxConstants.h"
#include "woxCore.h"
#include "woxCoreDouble.h"
#include "woxERTTableDialog.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxFileTableDataModel.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxPopupMenuAnswer.h"
#include "woxScreenState.h"
#include "woxSignalSeries.h"
#include "woxSignalWidget.h"
#include "woxStreamed.h"
#include "woxTemplateMenuWidget.h"
#include "woxTemplateTableView.h"
#include "woxTemplateWidget.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>
#include <qwt_symbol.h>

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
woxCoreReportSignal report(int pulseCode, bool ip, int pauseCode, int pulseCount, int pauseCount)
{
    woxCoreReportSignal r;
    r.options.pulseCode = quint16(pulseCode);
    r.options.ipEnabled = ip;
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

// A curve's points as "x,y x,y ...".
QString points(const QwtPlotCurve &curve)
{
    QStringList shown;
    for (size_t i = 0; i < curve.dataSize(); ++i)
        shown << QString("%1,%2").arg(curve.sample(int(i)).x()).arg(curve.sample(int(i)).y());
    return shown.join(' ');
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
    QStringList parts = woxScreenState(root, names).split(" | ");
    for (QString &part : parts)
        part = part.section('{', 0, 0);
    return parts.join(" | ");
}

// Which of the grid's point pictures a cell shows.
QString pointPicture(const QVariant &decoration)
{
    for (const char *name : {"red", "green", "purple", "blue"})
        if (decoration.value<QPixmap>().toImage() == QPixmap(QString(":/points/points/%1.png").arg(name)).toImage())
            return name;
    return decoration.isValid() ? "other" : "";
}

const quint32 templateMagic = 0x88993366u;
const QByteArray varnex = "# X Y Z\n1 0 0 0\n2 5 0 0\n3 10 0 0\n4 15 0 0\n# A B M N\n1 1 4 2 3\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Takes the names the Varnex list offers, then chooses one (empty: leaves the
// current one) and accepts.
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

} // namespace

// The template screen, its plot, signal window, stored files and their menu.
class tst_templateWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<woxQuadripole>();
        qRegisterMetaType<woxSpacing>("woxSpacing");
        qRegisterMetaType<woxLevel>("woxLevel");
    }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
    }

    // Report times, in ms: pulse = code * 20 + 40, pause likewise with IP; samples every 20 ms
    // from 25 ms into a pulse and 30 ms after it; a pulse line closes 15 ms after its last
    // sample, a pause line 10 ms beyond either end, on the line through the outer two samples.
    // Input voltage, curves 0 to 9; the options' counts are read, never beyond a series.
    void signalCurves_data()
    {
        QTest::addColumn<QList<int>>("codes");   // pulse code, IP, pause code, samples given
        QTest::addColumn<QString>("input");
        QTest::newRow("IP off") << QList<int>({2, 0, 0, 3, 0})
            << "25,300 45,301 65,304 | 0,0 0,300 25,300 45,301 65,304 80,306.25 |  |  | 80,306.25 80,0 100,0"
               " | 125,900 145,901 165,904 | 100,0 100,900 125,900 145,901 165,904 180,906.25 |  |  "
               "| 180,906.25 180,0 200,0";
        QTest::newRow("pause 60 ms") << QList<int>({2, 1, 1, 3, 1})
            << "25,300 45,301 65,304 | 0,0 0,300 25,300 45,301 65,304 80,306.25 | 110,600 "
               "| 100,600 110,600 120,600 | 80,306.25 80,0 140,0 | 165,900 185,901 205,904 "
               "| 140,0 140,900 165,900 185,901 205,904 220,906.25 | 250,1200 | 240,1200 250,1200 260,1200 "
               "| 220,906.25 220,0 280,0";
        QTest::newRow("more samples than codes") << QList<int>({1, 1, 2, 3, 3})
            << "25,300 45,301 | 0,0 0,300 25,300 45,301 60,301.75 | 90,600 110,601 "
               "| 80,599.5 90,600 110,601 120,601.5 | 60,301.75 60,0 140,0 | 165,900 185,901 "
               "| 140,0 140,900 165,900 185,901 200,901.75 | 230,1200 250,1201 "
               "| 220,1199.5 230,1200 250,1201 260,1201.5 | 200,901.75 200,0 280,0";
        QTest::newRow("fewer samples than codes") << QList<int>({2, 1, 2, 1, 1})
            << "25,300 | 0,0 0,300 25,300 40,300 | 110,600 | 100,600 110,600 120,600 | 40,300 40,0 160,0 "
               "| 185,900 | 160,0 160,900 185,900 200,900 | 270,1200 | 260,1200 270,1200 280,1200 "
               "| 200,900 200,0 320,0";
        QTest::newRow("no samples") << QList<int>({2, 1, 2, 0, 0}) << " |  |  |  |  |  |  |  |  | ";
    }

    void signalCurves()
    {
        QFETCH(QList<int>, codes);
        woxCoreDouble core;
        woxSignalWidget window;
        core.deliver(report(codes[0], codes[1], codes[2], codes[3], codes[4]));
        QTEST(curves(window, "rxVoltageFrame"), "input");
    }

    // The header line of the quadripole, the request Start sends, every open window drawing
    // the report (output voltage in volts), the verdicts; an error report clears the curves.
    void signalWindow()
    {
        woxCoreDouble core;
        QSignalSpy header(woxUserMessage::instance(), &woxUserMessage::sendUserMessageForever);
        woxSignalWidget window;
        auto other = std::make_unique<woxSignalWidget>();
        QSignalSpy verdicts(&window, &woxSignalWidget::sendSpacingLevelAuxConfig);
        QSignalSpy closed(&window, &woxSignalWidget::sendSignalWidgetClose);
        const QString buttons = "startPushButton acceptPushButton badPushButton";
        QCOMPARE(plainState(&window, buttons + " _rxVoltageLabel _timeLabel01"),
                 "startPushButton:Start | acceptPushButton:Accept | !badPushButton:Bad"
                 " | _rxVoltageLabel:Rx\n\nV\no\nl\nt\na\ng\ne\n\n[mV] | _timeLabel01:T i m e  [msec]");
        QStringList tabs;
        for (int t = 0; t < 3; ++t)
            tabs << window.tabWidget->tabText(t);
        QCOMPARE(tabs.join('|'), QString("Input voltage|Output voltage|Output current"));
        window.setQuadripole(woxMake::quadripole(65535, 1, 65534, 3));
        window.setQuadripole(woxMake::quadripole(0, 65534, 20, 65535, 3, 7));
        window.startPushButton->click();
        QCOMPARE(woxScreenState(&window, buttons),
                 "!startPushButton:Start | !acceptPushButton:Accept | !badPushButton:Bad");
        QCOMPARE(core.takeLines(), QStringList("Signal q(0 65534 20 65535 4) o(2 0 0 1 3 5 25 80)"));
        core.deliver(report(2, false, 0, 3, 0));
        for (const woxSignalWidget *w : {&window, other.get()}) {
            QCOMPARE(woxScreenState(w, buttons), "startPushButton:Start | acceptPushButton:Accept | badPushButton:Bad");
            QCOMPARE(curves(*w, "txVoltageFrame", 0), QString("25,0.1 45,0.101 65,0.104"));
            QCOMPARE(curves(*w, "txCurrentFrame", 0), QString("25,200 45,201 65,204"));
        }
        // WOX_SCREENSHOT=docs/signal-window.png asks for the documentation's picture.
        const QString path = qEnvironmentVariable("WOX_SCREENSHOT");
        window.resize(904, 627);
        window.tabWidget->setCurrentIndex(1);
        if (!path.isEmpty())
            QVERIFY(window.grab().save(path));
        woxModalScript script;   // the other window is disposed of while its message is open
        script.answer(1).then([&other](QDialog *message) { other.reset(); message->done(1); });
        woxCoreReportSignal canceled = report(2, false, 0, 3, 0);
        canceled.error.code = 13;
        core.deliver(canceled);
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Canceled by user", "woxWarningDialog: Canceled by user"}));
        QCOMPARE(curves(window, "txCurrentFrame"), QString(" |  |  |  |  |  |  |  |  | "));
        QCOMPARE(curves(window, "rxVoltageFrame", woxSignalPlot::Anchor).right(5), QString("| 0,0"));
        QCOMPARE(woxScreenState(&window, buttons), "startPushButton:Start | acceptPushButton:Accept | badPushButton:Bad");
        window.acceptPushButton->click();
        woxSignalWidget bad;
        QSignalSpy badVerdict(&bad, &woxSignalWidget::sendSpacingLevelAuxConfig);
        bad.setQuadripole(woxMake::quadripole(1, 2, 3, 4, 9, 0));
        core.deliver(report(2, false, 0, 3, 0));
        bad.badPushButton->click();
        QCOMPARE(QList<QVariantList>(verdicts) + QList<QVariantList>(badVerdict),
                 QList<QVariantList>({{3, 7, false}, {9, 0, true}}));
        QCOMPARE(closed.count(), 1);
        QStringList headers;
        for (const QVariantList &h : header)
            headers << h.at(0).toString();
        QCOMPARE(headers, QString("A: Tx\u221E, B: 2, M: Rx\u221E, N: 4|A: 1, B: Rx\u221E, M: 21, N: Tx\u221E||"
                                  "A: 2, B: 3, M: 4, N: 5|").split('|'));
    }

    // The arrangement read-outs, the set bar by tab, the array and arrangement dialogs as they
    // open, a grid release that hands over and clears the selection, the points, the estimate.
    void templateScreen()
    {
        woxOptionsWidget options;   // pulse 80 ms, pause 20 ms, 3 to 5 cycles: 905 to 1305 ms a run
        woxTemplateWidget screen;
        const QString shown = "cablesLabel electrodesLabel cableSpacingLabel profileLengthLabel setComboBox";
        const QString blue = "<font color=blue>%1</font>";
        QCOMPARE(woxScreenState(&screen, shown + " addPushButton"),
                 QString("cablesLabel:%1 | electrodesLabel:%2 | cableSpacingLabel:%3 m | profileLengthLabel:%4 m"
                         " | ~setComboBox: | ~addPushButton:Add")
                     .arg(blue.arg(2), blue.arg(64), blue.arg("5.0"), blue.arg("315.0")));
        QStringList seen;
        const auto record = [&seen](const QString &names) {
            return [&seen, names](QDialog *d) { seen << plainState(d, names); };
        };
        woxModalScript script;
        script.then(record("arrayComboBox")).chooseArray(4);
        screen.tabWidget->setCurrentIndex(2);
        screen.addPushButton->click();
        auto &grid = *screen.findChild<woxTemplateTableView *>();
        QMouseEvent release(QEvent::MouseButtonRelease, QPoint(1, 1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        grid.selectionModel()->select(screen.templateModel().index(0, 0), QItemSelectionModel::Select);
        QApplication::sendEvent(grid.viewport(), &release);
        QApplication::sendEvent(grid.viewport(), &release);   // nothing selected any more
        QCOMPARE(woxScreenState(&screen, "setComboBox addPushButton"),
                 QString("setComboBox:1/1 Dipole-Dipole [61] | addPushButton:Add"));
        script.answer(1);
        screen.estimatePushButton->click();
        const QString arrangement = "cablesComboBox cableSpacingHorizontalSlider cableSpacingLabel";
        script.then(record(arrangement)).then([&](QDialog *d) {
            d->findChild<QAbstractButton *>("decCableSpacingToolButton")->click();
            d->findChild<QComboBox *>("cablesComboBox")->setCurrentIndex(0);
            record(arrangement)(d);
            d->accept();
        });
        screen.editPushButton->click();
        script.then(record(arrangement)).cancel();
        screen.editPushButton->click();
        screen.tabWidget->setCurrentIndex(0);
        QCOMPARE(woxScreenState(&screen, shown),
                 QString("cablesLabel:%1 | electrodesLabel:%2 | cableSpacingLabel:%3 m | profileLengthLabel:%4 m"
                         " | ~setComboBox:1/1 Dipole-Dipole [29]")
                     .arg(blue.arg(1), blue.arg(32), blue.arg("4.9"), blue.arg("151.9")));
        const QString metres = "%1 <font color=BLACK>m</font>";
        QCOMPARE(seen, QStringList({"arrayComboBox:Wenner \u03B1",
                                    "cablesComboBox:2 | cableSpacingHorizontalSlider:50 | cableSpacingLabel:"
                                        + metres.arg("5.0"),
                                    "cablesComboBox:1 | cableSpacingHorizontalSlider:49 | cableSpacingLabel:"
                                        + metres.arg("4.9"),
                                    "cablesComboBox:1 | cableSpacingHorizontalSlider:49 | cableSpacingLabel:"
                                        + metres.arg("4.9")}));
        const QString number = "<font color = blue>%1</font>", array = "woxAddModifyArrayDialog";
        const QString edit = "woxArrangementDialog";   // each dialog once per step
        QCOMPARE(script.seen, QStringList({array, array, "woxWarningDialog: Measurements: " + number.arg(61)
                                               + ", runs: " + number.arg(61) + ", duration: " + number.arg("00:00:55")
                                               + " ... " + number.arg("00:01:20"), edit, edit, edit, edit}));
        // Points by spacing row: red, green, purple, blue, then red again.
        screen.templateModel().onSpacingLevelMainConfig({screen.templateModel().index(5, 0)});
        QStringList pictures;
        for (int row : {0, 5, 1})
            pictures << pointPicture(screen.templateModel().index(row, 0).data(Qt::DecorationRole));
        QCOMPARE(pictures.join(' '), QString("red green "));
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
        // Depth grows downwards, along the top axis; markers by spacing row in cycles of four.
        QVERIFY(plot.canvasMap(QwtPlot::yLeft).transform(0) < plot.canvasMap(QwtPlot::yLeft).transform(60));
        QStringList markers;
        for (int row = 0; row < 5; ++row) {
            const QwtSymbol *symbol = curve(plot, row)->symbol();
            markers << QString("%1 %2 %3").arg(symbol->style()).arg(symbol->brush().color().name())
                           .arg(curve(plot, row)->xAxis() == QwtPlot::xTop && !plot.axisEnabled(QwtPlot::xBottom));
        }
        QCOMPARE(markers.join(", "), QString("1 #ff0000 1, 2 #00ff00 1, 4 #ff00ff 1, 0 #0000ff 1, 1 #ff0000 1"));
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
        script.then(choose(&names, "bad.txt")).answer(1).then(choose(&names, ""));
        page.onERTTemplateLoad();
        page.onERTTemplateLoad();
        QCOMPARE(names, QString("a.TXT bad.txt a.TXT bad.txt").split(' '));   // name order, the first current
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
        const QString buttons = "newPushButton openPushButton openERTPushButton";
        QCOMPARE(woxScreenState(&page, buttons), "~newPushButton:New template | ~openPushButton:Open template"
                                                 " | ~openERTPushButton:Open Varnex template");
        QCOMPARE(page.verticalLayout->contentsMargins(), QMargins());   // the editor fills the page
        editor->close();
        QCOMPARE(woxScreenState(&page, buttons), "newPushButton:New template | openPushButton:Open template"
                                                 " | openERTPushButton:Open Varnex template");
        QCOMPARE(page.verticalLayout->contentsMargins(), QMargins(20, 20, 20, 20));
        QVERIFY(!page.varnexEditor());
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
