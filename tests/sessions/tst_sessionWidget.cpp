#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxPseudoSectionPlot.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionWidget.h"
#include "woxSignalWidget.h"
#include "woxSoundingCurvePlot.h"
#include "woxSystemWidget.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {

QString workingCopy()
{
    return systemDir + lastSessionFileName;
}

bool writeSession(const woxSessionFile &session, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && session.write(file);
}

// Runs of the given lengths, one after another.
woxSessionFile runs(const QList<int> &lengths)
{
    int rows = 0;
    for (int length : lengths)
        rows += length;
    woxSessionFile session = woxSessionFixture::session(rows, 1);
    int row = 0;
    for (int length : lengths) {
        for (int i = 0; i < length; ++i, ++row)
            session.units[row].chained = i + 1 < length;
    }
    return session;
}

woxCoreReportET2D report(int results, quint8 error = 0)
{
    woxCoreReportET2D report;
    report.error.code = error;
    for (int i = 0; i < results; ++i) {
        woxMeasureResult result;
        result.rxVoltage = 10.0f + i;
        result.txCurrent = 2.0f;
        report.results << result;
    }
    return report;
}

// The system menu refuses Exit exactly while the activity flag is set.
bool activitySet()
{
    woxSystemWidget system;
    woxModalScript script;
    script.answer(0);
    system.onExit();
    return script.seen.value(0).contains(QLatin1String("Stop all activities"));
}

int syncs(const woxFakeCommandRunner &runner)
{
    int count = 0;
    for (const woxFakeCommandRunner::Call &call : runner.calls)
        count += call.program == QLatin1String("/bin/sync");
    return count;
}

woxSessionDataModel *modelOf(woxSessionWidget &screen)
{
    return qobject_cast<woxSessionDataModel *>(screen.sessionTableView->model());
}

int selected(woxSessionWidget &screen)
{
    const QModelIndexList rows = screen.sessionTableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QList<int> firstElectrodes(const QList<woxCoreDouble::Request> &requests)
{
    QList<int> first;
    for (const woxCoreDouble::Request &request : requests)
        first << request.et2d.quadripoles.value(0).a;
    return first;
}

QList<int> sizes(const QList<woxCoreDouble::Request> &requests)
{
    QList<int> sizes;
    for (const woxCoreDouble::Request &request : requests)
        sizes << request.et2d.quadripoles.size();
    return sizes;
}

} // namespace

class tst_sessionWidget : public QObject
{
    Q_OBJECT

private:
    QStringList messages;

private slots:
    void initTestCase()
    {
        connect(woxUserMessage::instance(), &woxUserMessage::sendUserMessage, this,
                [this](const QString &text) { messages << text; });
        connect(woxUserMessage::instance(), &woxUserMessage::sendUserMessageForever, this,
                [this](const QString &text) { messages << text; });
    }

    void init()
    {
        messages.clear();
        woxSessionCloseFlag::store(1);
        woxSessionWidget::setDelays(60000, 0);
    }

    void cleanup()
    {
        woxCore::destroy();
    }

    void runControl()
    {
        QVERIFY(writeSession(runs({2, 16, 1}), workingCopy()));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        core.answer(woxCoreDouble::ET2D, report(2));
        core.answer(woxCoreDouble::ET2D, report(16));
        core.answer(woxCoreDouble::ET2D, report(1));
        woxSessionWidget::setDelays(60000, 60000);
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        bool startOffered = true;
        woxModalScript script;
        script.then([&](QDialog *dialog) {
            startOffered = screen.startPushButton->isEnabled() || screen.startPushButton->isChecked();
            dialog->done(1);
        });
        screen.startPushButton->click();
        QVERIFY(activitySet());
        QTRY_COMPARE(script.pending(), 0);
        const QList<woxCoreDouble::Request> sent = core.of(woxCoreDouble::ET2D);
        QCOMPARE(firstElectrodes(sent), QList<int>({0, 2, 18}));
        QCOMPARE(sizes(sent), QList<int>({2, 16, 1}));
        QCOMPARE(selected(screen), 18);
        QVERIFY(!startOffered);
        QVERIFY(!screen.startPushButton->isChecked());
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: It is all done"}));
        QVERIFY(messages.contains(QStringLiteral("Left: 00:00:00")));
        QCOMPARE(messages.last(), QString());
        QCOMPARE(syncs(runner), 2);   // first advance, then the end
        QVERIFY(!activitySet());
        for (int row = 0; row < 19; ++row)
            QVERIFY(modelOf(screen)->unitAt(row)->result.valid);
    }

    void autosaveAndErrors()
    {
        QVERIFY(writeSession(runs({1, 1, 1, 1, 1, 1, 1}), workingCopy()));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget::setDelays(300, 0);
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        screen.startPushButton->click();
        woxCoreDouble::deliver(report(1));
        QCOMPARE(syncs(runner), 1);          // the first continuing advance
        woxCoreDouble::deliver(report(1));
        QCOMPARE(syncs(runner), 1);          // within the throttle
        QTest::qWait(400);
        woxCoreDouble::deliver(report(1));
        QCOMPARE(syncs(runner), 2);          // after it
        QCOMPARE(selected(screen), 3);

        {
            woxModalScript script;
            script.answer(1);
            woxCoreDouble::deliver(report(1, 6));
            QCOMPARE(script.seen, QStringList({"woxWarningDialog: External battery is low"}));
        }
        QCOMPARE(syncs(runner), 3);
        QCOMPARE(selected(screen), 3);
        QVERIFY(!modelOf(screen)->unitAt(3)->result.valid);
        QVERIFY(!screen.startPushButton->isChecked());
        QTRY_VERIFY(screen.startPushButton->isEnabled());

        core.take();
        screen.startPushButton->click();     // the failed run again
        QCOMPARE(firstElectrodes(core.of(woxCoreDouble::ET2D)), QList<int>({3}));
        screen.startPushButton->click();     // Stop
        QCOMPARE(core.kinds().last(), woxCoreDouble::Stop);
        QCOMPARE(messages.last(), QString());
        {
            woxModalScript script;
            script.answer(1);
            woxCoreDouble::deliver(report(0, 13));
            QCOMPARE(script.seen, QStringList({"woxWarningDialog: Canceled by user"}));
        }
        QCOMPARE(syncs(runner), 4);
        QVERIFY(!modelOf(screen)->unitAt(3)->result.valid);

        QTRY_VERIFY(screen.startPushButton->isEnabled());
        screen.startPushButton->click();
        screen.startPushButton->click();     // Stop while the run ends well
        woxCoreDouble::deliver(report(1));
        QVERIFY(modelOf(screen)->unitAt(3)->result.valid);
        QCOMPARE(syncs(runner), 5);
        QCOMPARE(selected(screen), 4);
    }

    void partialRun()
    {
        QVERIFY(writeSession(runs({16, 1}), workingCopy()));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        screen.startPushButton->click();
        woxCoreDouble::deliver(report(10));
        const QList<woxCoreDouble::Request> sent = core.of(woxCoreDouble::ET2D);
        QCOMPARE(firstElectrodes(sent), QList<int>({0, 10}));
        QCOMPARE(sizes(sent), QList<int>({16, 6}));
        QVERIFY(modelOf(screen)->unitAt(9)->result.valid);
        QVERIFY(!modelOf(screen)->unitAt(10)->result.valid);
    }

    void foreignReports()
    {
        QVERIFY(writeSession(runs({2, 1}), workingCopy()));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        woxModalScript script;
        woxCoreDouble::deliver(report(2));
        woxCoreDouble::deliver(report(0, 6));
        QCOMPARE(syncs(runner), 0);
        QCOMPARE(selected(screen), 0);
        QVERIFY(!modelOf(screen)->unitAt(0)->result.valid);
        QVERIFY(script.seen.isEmpty());
        QVERIFY(messages.isEmpty());
    }

    void startWithoutRow()
    {
        QVERIFY(writeSession(runs({1}), workingCopy()));
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        screen.sessionTableView->clearSelection();
        screen.startPushButton->click();
        QCOMPARE(core.of(woxCoreDouble::ET2D).size(), 0);
        QVERIFY(!screen.startPushButton->isChecked());
        QVERIFY(screen.closePushButton->isEnabled());
        QVERIFY(!activitySet());
    }

    void finish_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("named");
        QTest::newRow("no") << "no" << true << 1 << false;
        QTest::newRow("escape") << "escape" << true << 1 << false;
        QTest::newRow("cancel") << "cancel" << false << 0 << false;
        QTest::newRow("keyboard cancelled") << "yes-cancel" << false << 0 << false;
        QTest::newRow("named") << "yes" << true << 1 << true;
        QTest::newRow("unwritable") << "yes-unwritable" << false << 0 << false;
    }

    void finish()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        QFETCH(int, flag);
        QFETCH(bool, named);
        QVERIFY(writeSession(runs({1}), workingCopy()));
        QDir(sessionsDir).removeRecursively();
        QDir().mkpath(sessionsDir);
        woxFakeCommandRunner runner;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        QSignalSpy closed(&screen, &woxSessionWidget::sendSessionClose);
        woxModalScript script;
        if (answer == QLatin1String("no"))
            script.answer(0);
        else if (answer == QLatin1String("escape"))
            script.then([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        else if (answer == QLatin1String("cancel"))
            script.answer(woxWarningDialog::CancelResult);
        else if (answer == QLatin1String("yes-cancel"))
            script.answer(1).cancel();
        else
            script.answer(1).type(QStringLiteral("line1"));
        if (answer == QLatin1String("yes-unwritable")) {
            // A plain file where the directory should be: no user may write
            // below it, root included.
            QDir(sessionsDir).removeRecursively();
            QFile blocker(QDir::cleanPath(sessionsDir));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            script.answer(1);
        }
        screen.closePushButton->click();
        if (answer == QLatin1String("yes-unwritable"))
            QFile::remove(QDir::cleanPath(sessionsDir));
        QCOMPARE(script.pending(), 0);
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(woxSessionCloseFlag::value(), flag);
        QCOMPARE(QFile::exists(sessionsDir + "line1." + sessionExtension), named);
        if (answer == QLatin1String("yes-unwritable"))
            QVERIFY(script.seen.last().contains(QLatin1String("Can not open file for writing")));
    }

    void viewOnly()
    {
        woxSessionFile session = runs({1, 1});
        woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
        session.units[0].result.options.ipEnabled = true;
        session.units[0].result.options.pauseCode = 48;
        const QString path = sessionsDir + "stored." + sessionExtension;
        QVERIFY(writeSession(session, path));
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, true);
        woxModalScript script;
        QVERIFY(screen.openFlow(path));
        QVERIFY(script.seen.isEmpty());
        QVERIFY(screen.startPushButton->isHidden());
        QVERIFY(screen.signalsPushButton->isHidden());
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        QSignalSpy closed(&screen, &woxSessionWidget::sendSessionClose);
        screen.closePushButton->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(script.seen.isEmpty());
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        woxCoreDouble::deliver(report(1));
        QVERIFY(core.requests.isEmpty());
    }

    void varnexSession()
    {
        woxSessionFile session = runs({1, 1});
        session.summary.arrayCounts.clear();
        QVERIFY(writeSession(session, workingCopy()));
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        QVERIFY(!screen.mainTabWidget->isTabEnabled(1));
        QVERIFY(modelOf(screen)->headerData(12, Qt::Horizontal).toString().startsWith("R ["));
    }

    void switchPlot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("section resistivity") << 0 << 0 << "pseudo xCenter xResistivity yDepth";
        QTest::newRow("section chargeability") << 0 << 1 << "pseudo xCenter xChargeability yDepth";
        QTest::newRow("sounding resistivity") << 1 << 0 << "curves xDepth yResistivity slider";
        QTest::newRow("sounding chargeability") << 1 << 1 << "curves xDepth yChargeability slider";
        QTest::newRow("profile resistivity") << 2 << 0 << "curves xCenter yResistivity slider";
        QTest::newRow("profile chargeability") << 2 << 1 << "curves xCenter yChargeability slider";
    }

    void switchPlot()
    {
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QVERIFY(writeSession(runs({1, 1}), workingCopy()));
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        screen.mainTabWidget->setCurrentIndex(1);
        screen.show();
        screen.displayComboBox->setCurrentIndex(kind);
        screen.modeComboBox->setCurrentIndex(mode);
        QStringList visible;
        const QList<QPair<QString, QWidget *>> parts = {
            {"pseudo", screen.findChild<woxPseudoSectionPlot *>()},
            {"curves", screen.findChild<woxSoundingCurvePlot *>()},
            {"xCenter", screen.xCenterLabel}, {"xDepth", screen.xDepthLabel},
            {"xResistivity", screen.xResistivitylabel},
            {"xChargeability", screen.xChargeabilityLabel}, {"yDepth", screen.yDepthLabel},
            {"yResistivity", screen.yResistivitylabel},
            {"yChargeability", screen.yChargeabilityLabel}, {"slider", screen.soundingCenterFrame}};
        for (const auto &part : parts) {
            if (part.second->isVisible())
                visible << part.first;
        }
        QCOMPARE(visible.join(QLatin1Char(' ')), shown);
        QCOMPARE(int(modelOf(screen)->currentPlotKind()), kind);
        QCOMPARE(int(modelOf(screen)->currentMode()), mode);
    }

    void goToAndLanguage()
    {
        QVERIFY(writeSession(runs({1, 1, 1}), workingCopy()));
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        woxPseudoSectionPlot *plot = screen.findChild<woxPseudoSectionPlot *>();
        screen.mainTabWidget->setCurrentIndex(1);
        screen.startPushButton->click();
        emit plot->sendRowSelection(2);
        QCOMPARE(selected(screen), 0);
        QCOMPARE(screen.mainTabWidget->currentIndex(), 1);
        screen.startPushButton->click();
        emit plot->sendRowSelection(2);
        QCOMPARE(selected(screen), 2);
        QCOMPARE(screen.mainTabWidget->currentIndex(), 0);

        screen.currentSetComboBox->addItem(QStringLiteral("stale"));
        emit woxTranslator::instance()->sendTranslate();
        QCOMPARE(screen.currentSetComboBox->count(), 1);
        QCOMPARE(screen.currentSetComboBox->currentIndex(), 0);
    }

    void signalWindow()
    {
        QVERIFY(writeSession(runs({1, 1, 1}), workingCopy()));
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        QVERIFY(screen.openFlow(workingCopy()));
        screen.show();
        screen.sessionTableView->selectRow(2);
        screen.signalsPushButton->click();
        QPointer<woxSignalWidget> window = screen.findChild<woxSignalWidget *>();
        QVERIFY(window);
        QVERIFY(screen.mainTabWidget->isHidden());
        QVERIFY(window->badPushButton->isHidden());
        // Row 2 stands on electrodes 2 to 5, shown 1-based.
        QCOMPARE(messages.last(), QStringLiteral("A: 3, B: 4, M: 5, N: 6"));
        window->acceptPushButton->click();
        QTRY_VERIFY(!window);
        QVERIFY(!screen.mainTabWidget->isHidden());
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
