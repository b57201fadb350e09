#include "woxConstants.h"
#include "woxERTLoader.h"
#include "woxERTTemplateWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxMoveDialog.h"
#include "woxOptionsChoice.h"
#include "woxOptionsWidget.h"
#include "woxScaleDialog.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// Four electrodes 5 m apart on a slope, a row with a remote current electrode.
const QByteArray slope = "# X Y Z\n1 0 0 0\n2 5 0 0.5\n3 10 0 1\n4 15 0 1.5\n"
                         "# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeVarnex(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(varnexDir);
    QFile file(varnexDir + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The screen as the template menu builds it from a file of the varnex folder.
std::unique_ptr<woxERTTemplateWidget> open(const QString &name)
{
    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    if (!woxERTLoader::load(varnexDir + name, &error, &electrodes, &quadripoles))
        qWarning("%s", qPrintable(error));
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

woxModalScript::Step offered(QString *text)
{
    return [text](QDialog *dialog) {
        *text = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text();
        dialog->reject();
    };
}

// Writes fail once a file would pass `bytes`, as on a full card.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved;
};

const QString saveQuestion = QStringLiteral("woxWarningDialog: Do you want to save this template?");
const QString overwriteQuestion =
    QStringLiteral("woxWarningDialog: File exists, do you want to overwrite it?");

} // namespace

class tst_ertTemplateWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(varnexDir).removeRecursively();
        writeVarnex("slope.txt", slope);
    }

    void savesTheWorkedExampleAndAMove()
    {
        woxFakeCommandRunner runner;
        auto screen = open("slope.txt");
        woxModalScript script;
        script.type("copy").then(moveBy(10.0f)).type("moved");
        QVERIFY(screen->onSave());
        QCOMPARE(readAll(varnexDir + "copy.txt"), slope);
        QCOMPARE(slope.size(), 76);
        screen->onMove();
        QCOMPARE(screen->tableWidget->item(1, 1)->text(), QString("15.00"));
        QCOMPARE(screen->tableWidget->item(3, 3)->text(), QString("1.50"));
        QVERIFY(screen->isChanged());
        QVERIFY(screen->onSave());
        const QByteArray moved = "# X Y Z\n1 10 0 0\n2 15 0 0.5\n3 20 0 1\n4 25 0 1.5\n"
                                 "# A B M N\n1 1 4 2 3\n2 0 3 1 2\n";
        QCOMPARE(readAll(varnexDir + "moved.txt"), moved);
        QCOMPARE(moved.size(), 78);
        QVERIFY(!screen->isChanged());
        QCOMPARE(screen->templateFile(), varnexDir + "moved.txt");
        QCOMPARE(runner.calls.size(), 2);
        QCOMPARE(runner.calls.at(1).program, QString("/bin/sync"));
        QCOMPARE(readAll(varnexDir + "slope.txt"), slope);
    }

    void estimateReadsTheFileOnDisk()
    {
        QByteArray text = "# X Y Z\n";
        for (int e = 1; e <= 47; ++e)
            text += QByteArray::number(e) + " " + QByteArray::number(e * 2) + " 0 0\n";
        text += "# A B M N\n";
        int row = 1;
        for (int k = 1; k <= 40; ++k) {
            for (int pair = 2; pair <= 6; pair += 2) {
                text += QByteArray::number(row++) + ' ' + QByteArray::number(k) + ' '
                        + QByteArray::number(k + 1) + ' ' + QByteArray::number(k + pair) + ' '
                        + QByteArray::number(k + pair + 1) + '\n';
            }
        }
        writeVarnex("line.txt", text);
        woxOptionsWidget page;
        woxChooseDurations(page, "500", "500", 1, 5);
        auto screen = open("line.txt");
        const QString expected = "woxWarningDialog: Measurements: <font color = blue>120</font>, "
                                 "runs: <font color = blue>40</font>, duration: <font color = "
                                 "blue>00:01:32</font> ... <font color = blue>00:06:52</font>";
        woxModalScript script;
        script.answer(1).then(moveBy(3.0f)).answer(1);
        screen->onEstimate();
        screen->onMove();
        screen->onEstimate();
        QCOMPARE(script.seen, QStringList({expected, "woxMoveDialog", expected}));
    }

    void refusedOverwriteKeepsTheName()
    {
        woxFakeCommandRunner runner;
        writeVarnex("other.txt", "kept");
        auto screen = open("slope.txt");
        QString second;
        woxModalScript script;
        script.then(moveBy(1.0f)).type("other").answer(0).then(offered(&second));
        screen->onMove();
        QVERIFY(!screen->onSave());
        QVERIFY(!screen->onSave());
        QCOMPARE(script.seen.at(2), overwriteQuestion);
        QCOMPARE(readAll(varnexDir + "other.txt"), QByteArray("kept"));
        QCOMPARE(screen->templateFile(), varnexDir + "slope.txt");
        QCOMPARE(second, QString("slope"));
        QVERIFY(screen->isChanged());
        QVERIFY(runner.calls.isEmpty());
    }

    void failedWriteKeepsTheOldFile()
    {
        woxFakeCommandRunner runner;
        auto screen = open("slope.txt");
        woxModalScript script;
        script.then(moveBy(1.0f)).type("slope").answer(1).answer(1);
        screen->onMove();
        {
            FileSizeLimit full(10);
            QVERIFY(!screen->onSave());
        }
        QCOMPARE(script.seen.mid(2), QStringList({overwriteQuestion,
                                                  "woxWarningDialog: Can not write data to file"}));
        QCOMPARE(readAll(varnexDir + "slope.txt"), slope);
        QCOMPARE(QDir(varnexDir).entryList(QDir::Files), QStringList("slope.txt"));
        QVERIFY(screen->isChanged());
        QCOMPARE(screen->templateFile(), varnexDir + "slope.txt");
        QVERIFY(runner.calls.isEmpty());
    }

    void closeAsksAfterUnitChanges_data()
    {
        QTest::addColumn<bool>("scale");
        QTest::newRow("zero move") << false;
        QTest::newRow("unit scale") << true;
    }

    void closeAsksAfterUnitChanges()
    {
        QFETCH(bool, scale);
        auto screen = open("slope.txt");
        QSignalSpy closed(screen.get(), &woxERTTemplateWidget::sendTemplateClose);
        screen->show();
        woxModalScript script;
        script.then([](QDialog *dialog) { dialog->accept(); });
        scale ? screen->onScale() : screen->onMove();
        QVERIFY(screen->isChanged());
        script.answer(1).cancel();
        QVERIFY(!screen->close());
        QCOMPARE(script.seen.mid(1), QStringList({saveQuestion, "woxKeyboardDialog"}));
        QVERIFY(screen->isVisible());
        QVERIFY(screen->isChanged());
        QCOMPARE(closed.count(), 0);
        script.answer(0);
        QVERIFY(screen->close());
        screen->close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(readAll(varnexDir + "slope.txt"), slope);
    }

    void rowsAndProjections()
    {
        writeVarnex("gaps.txt", "# X Y Z\n5 3 1 -0.3\n1 0 1 0\n2 12.5 1 0\n# A B M N\n1 1 2 5 1\n");
        auto screen = open("gaps.txt");
        QTableWidget *table = screen->tableWidget;
        QCOMPARE(table->rowCount(), 3);
        QStringList numbers;
        for (int row = 0; row < 3; ++row)
            numbers << table->item(row, 0)->text();
        QCOMPARE(numbers, QStringList({"1", "2", "5"}));
        QCOMPARE(table->item(1, 1)->text(), QString("12.50"));
        QCOMPARE(table->item(2, 3)->text(), QString("-0.30"));
        const QList<QwtPlotItem *> curves =
            screen->findChild<QwtPlot *>()->itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(curves.size(), 3);
        const auto xz = static_cast<QwtPlotCurve *>(curves.at(1));
        QCOMPARE(xz->sample(2), QPointF(3.0, double(-0.3f)));
        screen->show();
        struct View { void (woxERTTemplateWidget::*slot)(); QLabel *below; QLabel *left; int curve; };
        const QList<View> views = {{&woxERTTemplateWidget::onXZ, screen->_xLabel, screen->lzLabel, 1},
                                   {&woxERTTemplateWidget::onYZ, screen->_yLabel, screen->lzLabel, 2},
                                   {&woxERTTemplateWidget::onXY, screen->_xLabel, screen->lyLabel, 0}};
        for (const View &view : views) {
            (screen.get()->*view.slot)();
            for (QLabel *label : {screen->_xLabel, screen->_yLabel, screen->lyLabel, screen->lzLabel})
                QCOMPARE(!label->isHidden(), label == view.below || label == view.left);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(curves.at(i)->isVisible(), i == view.curve);
                QCOMPARE(int(static_cast<QwtPlotCurve *>(curves.at(i))->dataSize()), 3);
            }
            QCOMPARE(table->rowCount(), 3);
        }
    }

    void graphicsGrab()
    {
        auto screen = open("slope.txt");
        screen->resize(740, 608);
        screen->tabWidget->setCurrentIndex(1);
        screen->xzRadioButton->setChecked(true);
        screen->onXZ();
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        QDir().mkpath("grabs");
        QVERIFY(screen->grab().save("grabs/varnex-graphics.png"));
    }
};

QTEST_MAIN(tst_ertTemplateWidget)
#include "tst_ertTemplateWidget.moc"
