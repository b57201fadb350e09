#include "woxCableConfigDialog.h"
#include "woxConstants.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxOptionsChoice.h"
#include "woxOptionsWidget.h"
#include "woxPopupMenuAnswer.h"
#include "woxSignalWidget.h"
#include "woxTemplateWidget.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_map.h>

namespace {

const QString groundingQuestion = QStringLiteral(
    "woxWarningDialog: Grounding is not checked yet, are you sure you want to continue?");
const QString disabledMessage =
    QStringLiteral("woxWarningDialog: This quadripole contains disabled electrode");
const QString saveQuestion = QStringLiteral("woxWarningDialog: Do you want to save this template?");

void selectCells(woxTemplateWidget &screen, const QList<QPoint> &rowColumns)
{
    QModelIndexList cells;
    for (const QPoint &p : rowColumns)
        cells.append(screen.templateModel().index(p.x(), p.y()));
    screen.templateModel().onSpacingLevelMainConfig(cells);
}

// A Wenner alpha set with grid cell (0, 0), through the array dialog.
void wennerCell(woxTemplateWidget &screen)
{
    woxModalScript script;
    script.chooseArray(0);
    selectCells(screen, {{0, 0}});
}

// Shows the screen on its Graphics tab so that the plot has its maps.
void showGraphics(woxTemplateWidget &screen)
{
    screen.resize(1024, 520);
    screen.tabWidget->setCurrentIndex(2);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.templatePlot().replot();
}

// Taps marker `sample` of spacing row 0 on the plot.
void tapMarker(woxTemplateWidget &screen, int sample)
{
    woxTemplatePlot &plot = screen.templatePlot();
    const auto curve = static_cast<QwtPlotCurve *>(plot.itemList(QwtPlotItem::Rtti_PlotCurve).at(0));
    const QPointF point = curve->sample(sample);
    const QPoint canvasPoint(qRound(plot.canvasMap(QwtPlot::xTop).transform(point.x())),
                             qRound(plot.canvasMap(QwtPlot::yLeft).transform(point.y())));
    const QPoint position = plot.canvas()->mapTo(&plot, canvasPoint);
    QMouseEvent release(QEvent::MouseButtonRelease, position, plot.mapToGlobal(position),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &release);
}

void clickWire(QDialog *dialog, int cell)
{
    const QString name = QStringLiteral("w%1PushButton").arg(cell, 2, 10, QLatin1Char('0'));
    dialog->findChild<QPushButton *>(name)->click();
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_templateWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(templatesDir).removeRecursively();
        QDir().mkpath(templatesDir);
    }

    void estimate_data()
    {
        QTest::addColumn<bool>("options");
        QTest::addColumn<QString>("times");
        QTest::newRow("options page") << true << "00:02:21|00:10:29";
        QTest::newRow("no options page") << false << "00:00:00|00:00:00";
    }

    void estimate()
    {
        QFETCH(bool, options);
        QFETCH(QString, times);
        std::unique_ptr<woxOptionsWidget> page(options ? new woxOptionsWidget : nullptr);
        if (page)
            woxChooseDurations(*page, "500", "500", 1, 5);
        woxTemplateWidget screen;
        wennerCell(screen);
        woxModalScript script;
        script.answer(1);
        screen.onEstimate();
        const QStringList t = times.split('|');
        QCOMPARE(script.seen, QStringList(QString("woxWarningDialog: Measurements: <font color = "
                                                  "blue>61</font>, runs: <font color = blue>61</font>, "
                                                  "duration: <font color = blue>%1</font> ... <font "
                                                  "color = blue>%2</font>")
                                              .arg(t.at(0), t.at(1))));
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QList<int>>("answers");   // -1: cancel the keyboard
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<int>("closes");
        QTest::newRow("unchanged") << QList<int>() << QStringList() << 1;
        QTest::newRow("Cancel") << QList<int>{2} << QStringList{saveQuestion} << 0;
        QTest::newRow("Yes, keyboard Cancel") << QList<int>{1, -1}
                                              << QStringList{saveQuestion, "woxKeyboardDialog"} << 0;
        QTest::newRow("No") << QList<int>{0} << QStringList{saveQuestion} << 1;
    }

    void closeQuestion()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, seen);
        QFETCH(int, closes);
        woxFakeCommandRunner runner;
        woxTemplateWidget screen;
        if (!answers.isEmpty())
            wennerCell(screen);
        QSignalSpy closed(&screen, &woxTemplateWidget::sendTemplateClose);
        woxModalScript script;
        for (int answer : answers)
            answer < 0 ? script.cancel() : script.answer(answer);
        screen.onClose();
        QCOMPARE(script.seen, seen);
        QCOMPARE(closed.count(), closes);
        QCOMPARE(screen.templateModel().flagByte(), !answers.isEmpty());
        QVERIFY(QDir(templatesDir).entryList(QDir::Files).isEmpty());
        QVERIFY(runner.calls.isEmpty());
    }

    void groundingCheck()
    {
        woxTemplateWidget screen;
        wennerCell(screen);
        showGraphics(screen);
        QDialog *first = nullptr;
        {
            // Cancelled at the first press: the plot still asks.
            woxModalScript script;
            script.then([&first](QDialog *d) { first = d; d->reject(); }).answer(0);
            screen.onGrounding();
            tapMarker(screen, 0);
            QCOMPARE(script.seen, QStringList({"woxCableConfigDialog", groundingQuestion}));
        }
        {
            woxModalScript script;
            script.then([](QDialog *d) {
                clickWire(d, 3);
                QMetaObject::invokeMethod(d, "onNextCable");
                clickWire(d, 8);   // electrode 40 on the second cable
                d->done(QDialog::Accepted);
            });
            script.answer(1);
            screen.onGrounding();
            woxPopupMenuAnswer menu;
            tapMarker(screen, 0);    // electrodes 0 to 3
            QCOMPARE(script.seen, QStringList({"woxCableConfigDialog", disabledMessage}));
            QCOMPARE(menu.seen.size(), 0);
            tapMarker(screen, 20);   // electrodes 20 to 23: no question any more
            QCOMPARE(menu.seen.size(), 1);
        }
        woxModalScript script;
        QDialog *second = nullptr;
        QSet<woxElectrode> kept;
        script.then([&](QDialog *d) {
            second = d;
            kept = static_cast<woxCableConfigDialog *>(d)->configuration().disabledElectrodes();
            d->reject();
        });
        screen.onGrounding();
        QCOMPARE(second, first);
        QCOMPARE(kept, QSet<woxElectrode>({3, 40}));
    }

    void badInTheSignalWindowGreysTheCell()
    {
        woxTemplateWidget screen;
        wennerCell(screen);
        screen.show();
        woxQuadripole picked;
        picked.spacing = 0;
        picked.level = 0;
        screen.onSignalWidgetOpen(picked);
        woxSignalWidget *window = screen.signalWindow();
        QVERIFY(window);
        QVERIFY(screen.tabWidget->isHidden());
        QVERIFY(screen.addPushButton->isHidden());
        QPointer<woxSignalWidget> watch(window);
        QVERIFY(QMetaObject::invokeMethod(window, "onBad"));
        QVERIFY(!screen.signalWindow());
        QVERIFY(!screen.tabWidget->isHidden());
        deleteLaterNow();
        QVERIFY(watch.isNull());
        const QModelIndex cell = screen.templateModel().index(0, 0);
        QCOMPARE(qvariant_cast<QColor>(cell.data(Qt::BackgroundRole)), QColor(Qt::gray));
    }

    void grabs()
    {
        woxTemplateWidget screen;
        {
            woxModalScript script;
            script.chooseArray(4);
            QList<QPoint> cells;
            for (int row = 0; row < 6; ++row) {
                for (int column = 0; column < 6; column += 1 + row % 2)
                    cells.append(QPoint(row, column));
            }
            selectCells(screen, cells);
            script.chooseArray(0);
            screen.templateModel().onSetAdd();
            selectCells(screen, {{0, 0}});
        }
        screen.setComboBox->setCurrentIndex(0);
        showGraphics(screen);
        QDir().mkpath("grabs");
        QVERIFY(screen.grab().save("grabs/template-graphics.png"));
        screen.tabWidget->setCurrentIndex(1);
        QVERIFY(screen.grab().save("grabs/template-setup.png"));
    }
};

QTEST_MAIN(tst_templateWidget)
#include "tst_templateWidget.moc"
