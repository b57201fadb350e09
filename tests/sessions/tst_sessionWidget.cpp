#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDataMenuWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionMenuWidget.h"
#include "woxSessionModeDialog.h"
#include "woxSessionWidget.h"
#include "woxSignalWidget.h"
#include "woxSystemWidget.h"
#include "woxTemplateFile.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {

typedef QList<QPair<int, int>> Runs;

// A new session from a one-cell template over a previous session: the answers ("no", "reject", "full",
// "append", "unwritable"), the dialogs seen, the remote electrodes (1: Tx, 2: Rx) and rows of the session made.
struct Road { int type, cables; bool measured, finished; QString answers; QStringList seen; int remotes, rows; };

bool writeTemplate(woxArrayType type, int cables)
{
    woxTemplateFile content;
    content.cables = content.summary.cables = woxCable(cables);
    content.sets << woxMake::templateSet(woxCable(cables), 5.0f, type, {{0, 0}});
    QDir().mkpath(templatesDir);
    QFile file(templatesDir + "line." + templateExtension);
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    return file.open(QIODevice::WriteOnly) && (content.write(stream), stream.status() == QDataStream::Ok);
}

// A working copy of runs of the given lengths, bound on a new screen.
struct Rig
{
    explicit Rig(const QList<int> &runLengths)
        : bound(screen.openFlow(woxSessionFixture::write(woxSessionFixture::session(runLengths)))) {}

    int syncs() const { return runner.calls.size(); }   // nothing else runs a command here
    int selected() const { return screen.sessionTableView->selectionModel()->selectedRows().value(0).row(); }
    bool valid(int row) const { return model()->unitAt(row)->result.valid; }
    woxSessionDataModel *model() const { return static_cast<woxSessionDataModel *>(screen.sessionTableView->model()); }
    // First electrode and size of every run sent since the last look.
    Runs runs()
    {
        Runs sent;
        for (const woxCoreDouble::Request &request : core.take())
            if (request.kind == woxCoreDouble::ET2D)
                sent << qMakePair(int(request.et2d.quadripoles.value(0).a), request.et2d.quadripoles.size());
        return sent;
    }

    woxFakeCommandRunner runner;
    woxCoreDouble core;
    woxSessionWidget screen{nullptr, false};
    bool bound;
};

woxCoreReportET2D report(int results, quint8 error = 0)
{
    woxCoreReportET2D report;
    report.error.code = error;
    for (int i = 0; i < results; ++i)
        report.results << woxMeasureResult{0, 2.0f, 10.0f + i, 0, 0, {}, 0, false, {}};
    return report;
}

QStringList dialogs(const woxCoreReportET2D &sent)
{
    woxModalScript script;
    script.answer(1);
    woxCoreDouble::deliver(sent);
    return script.seen;
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

} // namespace

Q_DECLARE_METATYPE(Road)

class tst_sessionWidget : public QObject
{
    Q_OBJECT

    QStringList messages;
private slots:
    void initTestCase()
    {
        for (auto signal : {&woxUserMessage::sendUserMessage, &woxUserMessage::sendUserMessageForever})
            connect(woxUserMessage::instance(), signal, this, [this](const QString &t) { messages << t; });
        woxSessionWidget::setDelays(60000, 0);
    }

    void init()
    {
        messages.clear();
        for (const QString &dir : {templatesDir, sessionsDir, systemDir})
            QDir(dir).removeRecursively();
    }

    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); woxCore::destroy(); }

    void newSession_data()
    {
        QTest::addColumn<Road>("road");
        const QString warning = "woxWarningDialog: ";
        const QString question = warning + "Previous session was not finished. Start a new session and discard its measurements?";
        const QStringList all = {"woxFileTableDialog", "woxSessionModeDialog", "woxCableConfigDialog"};
        QTest::newRow("unfinished, no") << Road{0, 1, true, false, "no", {question}, 0, 0};
        QTest::newRow("unfinished, yes") << Road{0, 1, true, false, "full", QStringList(question) + all, 0, 29};
        QTest::newRow("finished, pole-pole") << Road{7, 1, true, true, "full", all, 3, 31};
        QTest::newRow("nothing measured, pole-dipole") << Road{5, 1, false, false, "full", all, 1, 30};
        QTest::newRow("append 16 of 64") << Road{0, 2, false, false, "append", all, 0, 16};
        QTest::newRow("table rejected") << Road{0, 1, false, false, "reject", {"woxFileTableDialog"}, 0, 0};
        QTest::newRow("append 16 of 32")
            << Road{0, 1, false, false, "append", all + QStringList(warning + "There are no measurements in session"), 0, 0};
        QTest::newRow("unwritable")
            << Road{0, 1, false, false, "unwritable", all + QStringList(warning + "Can not write data to file"), 0, 0};
    }

    // The working copy is replaced only by a session that opens.
    void newSession()
    {
        QFETCH(Road, road);
        QVERIFY(writeTemplate(woxArrayType(road.type), road.cables));
        woxSessionFile previous = woxSessionFixture::session(2);
        if (road.measured)
            woxSessionFixture::measure(&previous, 0, 10.0f, 2.0f);
        const QString workingCopy = woxSessionFixture::write(previous);
        const QByteArray before = woxSessionFixture::bytes(workingCopy);
        woxSessionCloseFlag::store(road.finished);
        // A directory where the new session would be written: nobody, root included, replaces it.
        QVERIFY(road.answers != "unwritable" || QDir().mkpath(workingCopy + ".new/blocker"));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        if (road.seen.first().contains("not finished"))
            script.answer(road.answers == "no" ? 0 : 1);
        if (road.answers == "reject")
            script.cancel();
        else if (road.answers != "no")
            script.answer(QDialog::Accepted).then([road](QDialog *dialog) {   // the file table, then
                auto *mode = qobject_cast<woxSessionModeDialog *>(dialog);
                mode->appendComboBox->setCurrentText("16");
                (road.answers == "append" ? mode->appendPushButton : mode->fullPushButton)->click();
            }).then([](QDialog *dialog) {
                dialog->findChild<QPushButton *>(QStringLiteral("acceptPushButton"))->click();
            }).answer(1);                                                // a refusal's message
        QCOMPARE(screen.openFlow(QString()), road.rows > 0);
        QCOMPARE(script.seen, road.seen);
        QCOMPARE(woxSessionFixture::bytes(workingCopy) == before, road.rows == 0);
        QDir(workingCopy + ".new").removeRecursively();
        QCOMPARE(QDir(systemDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList(lastSessionFileName));
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        if (road.rows == 0)
            return;
        woxSessionFile session;
        QFile file(workingCopy);
        QVERIFY(file.open(QIODevice::ReadOnly) && session.read(file));
        QCOMPARE(session.units.size(), road.rows);
        QCOMPARE(screen.sessionTableView->model()->rowCount(), road.rows);
        const woxCableConfiguration &cables = session.cableConfiguration;
        QCOMPARE(int(cables.remoteTxPresent) | int(cables.remoteRxPresent) << 1, road.remotes);
        QCOMPARE(cables.wires.size(), 32 * road.cables);
    }

    // Roads that end before a screen is shown give the menu back as it was.
    void menuRefusals()
    {
        woxSessionMenuWidget mainMenu;
        woxDataMenuWidget dataMenu;
        const auto press = [](QWidget *menu, const char *name, int answer) {
            woxModalScript script;
            script.answer(answer);
            menu->findChild<QPushButton *>(name)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const bool back = !menu->findChild<woxSessionWidget *>() && menu->findChild<QPushButton *>(name)->isVisibleTo(menu);
            return back ? script.seen : QStringList("not back");
        };
        const QString warning = "woxWarningDialog: Can not find ";
        QCOMPARE(press(&mainMenu, "openPushButton", 1), QStringList(warning + "previous session"));
        QCOMPARE(press(&mainMenu, "newPushButton", 1), QStringList(warning + "templates\n(" + templatesDir + ")"));
        QDir().mkpath(sessionsDir);
        QCOMPARE(press(&dataMenu, "openPushButton", 1), QStringList(warning + "sessions\n(" + sessionsDir + ")"));
        QVERIFY(QFile::rename(woxSessionFixture::write(woxSessionFixture::session(2)),
                              sessionsDir + "line1." + sessionExtension));
        QCOMPARE(press(&dataMenu, "openPushButton", QDialog::Rejected), QStringList("woxFileTableDialog"));
    }

    // Reports while nothing runs change nothing. Start runs every run in turn, saving at the first advance and
    // then at most every minute; an error or Stop keeps the failed run selected and saves. Finish closes only
    // once nothing would be lost.
    void runsAndFinish()
    {
        {   // a screen deleted while its run goes on leaves the menu free
            Rig gone({1});
            gone.screen.startPushButton->click();
            QVERIFY(activitySet());
        }
        QVERIFY(!activitySet());
        Rig rig({1, 1, 1, 1, 16, 1});
        QVERIFY(rig.bound && woxSessionCloseFlag::value() == 0);
        QCOMPARE(dialogs(report(0, 6)), QStringList());   // another screen's run
        woxCoreDouble::deliver(report(2));
        QVERIFY(!rig.valid(0) && messages.isEmpty() && rig.syncs() == 0);
        QPushButton *start = rig.screen.startPushButton;
        rig.screen.sessionTableView->clearSelection();   // no row: Start and Signals do nothing
        start->click();
        rig.screen.signalsPushButton->click();
        QVERIFY(!start->isChecked() && !activitySet() && rig.core.take().isEmpty()
                && !rig.screen.findChild<woxSignalWidget *>());
        rig.screen.sessionTableView->selectRow(0);
        QTRY_VERIFY(start->isEnabled());
        start->click();
        QVERIFY(activitySet());
        woxCoreDouble::deliver(report(1));
        woxCoreDouble::deliver(report(1));
        QCOMPARE(rig.syncs(), 1);
        QCOMPARE(dialogs(report(1, 6)), QStringList({"woxWarningDialog: External battery is low"}));
        QVERIFY(rig.syncs() == 2 && rig.selected() == 2 && !rig.valid(2) && !start->isChecked() && !activitySet());
        QCOMPARE(rig.runs(), Runs({{0, 1}, {1, 1}, {2, 1}}));
        QTRY_VERIFY(start->isEnabled());
        start->click();                    // the failed run again, then Stop
        start->click();
        QVERIFY(rig.core.kinds().last() == woxCoreDouble::Stop && messages.last().isEmpty());
        QCOMPARE(dialogs(report(0, 13)), QStringList({"woxWarningDialog: Canceled by user"}));
        QVERIFY(rig.syncs() == 3 && rig.runs() == Runs({{2, 1}}));
        QTRY_VERIFY(start->isEnabled());
        start->click();
        start->click();                    // Stop while the run ends well
        woxCoreDouble::deliver(report(1));
        QVERIFY(rig.valid(2) && rig.syncs() == 4 && rig.selected() == 3);
        QTRY_VERIFY(start->isEnabled());
        rig.runs();
        for (int results : {1, 16, 2})     // one result too many at the end
            rig.core.answer(woxCoreDouble::ET2D, report(results));
        woxModalScript script;
        script.answer(1);
        start->click();
        QTRY_COMPARE(script.pending(), 0);
        QCOMPARE(rig.runs(), Runs({{3, 1}, {4, 16}, {20, 1}}));
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: It is all done"}));
        QVERIFY(rig.selected() == 20 && !start->isChecked() && !activitySet());
        QVERIFY(messages.contains(QStringLiteral("Left: 00:00:00")) && messages.last().isEmpty());
        QVERIFY(rig.syncs() == 5 && rig.valid(3) && rig.valid(19) && rig.valid(20));   // within the minute, only the end
        // A named copy that cannot be written keeps the session open, as Cancel does; No closes it.
        QSignalSpy closed(&rig.screen, &woxSessionWidget::sendSessionClose);
        QFile blocker(QDir::cleanPath(sessionsDir));   // no directory to write in, even for root
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        script.answer(1).type("line1").answer(1).answer(woxWarningDialog::CancelResult).answer(0);
        rig.screen.closePushButton->click();
        QCOMPARE(script.seen.last(), QStringLiteral("woxWarningDialog: Can not open file for writing"));
        rig.screen.closePushButton->click();
        QVERIFY(closed.isEmpty() && woxSessionCloseFlag::value() == 0);
        rig.screen.closePushButton->click();
        QVERIFY(closed.count() == 1 && woxSessionCloseFlag::value() == 1 && script.pending() == 0);
        QVERIFY(!rig.screen.openFlow(woxSessionFixture::write(woxSessionFixture::session(1))));   // bound once
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
