#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionWidget.h"
#include "woxSystemWidget.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {

typedef QList<int> Ints;

// A working copy of runs of the given lengths, bound on a new screen.
struct Rig
{
    explicit Rig(const Ints &lengths, bool viewOnly = false,
                 const std::function<void(woxSessionFile &)> &edit = nullptr)
        : screen(nullptr, viewOnly)
    {
        int rows = 0;
        for (int length : lengths)
            rows += length;
        woxSessionFile session = woxSessionFixture::session(rows);
        for (int row = 0, run = 0; run < lengths.size(); ++run) {
            for (int i = 0; i < lengths.at(run); ++i, ++row)
                session.units[row].chained = i + 1 < lengths.at(run);
        }
        if (edit)
            edit(session);
        QDir().mkpath(systemDir);
        QFile file(systemDir + lastSessionFileName);
        bound = file.open(QIODevice::WriteOnly) && session.write(file) && (file.close(), true)
                && screen.openFlow(file.fileName());
    }

    int syncs() const
    {
        int count = 0;
        for (const woxFakeCommandRunner::Call &call : runner.calls)
            count += call.program == QLatin1String("/bin/sync");
        return count;
    }

    int selected() const
    {
        const QModelIndexList rows = screen.sessionTableView->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    bool valid(int row)
    {
        auto *model = qobject_cast<woxSessionDataModel *>(screen.sessionTableView->model());
        return model->unitAt(row)->result.valid;
    }

    // First electrode and size of every run sent.
    QList<QPair<int, int>> runs() const
    {
        QList<QPair<int, int>> sent;
        for (const woxCoreDouble::Request &request : core.of(woxCoreDouble::ET2D))
            sent << qMakePair(int(request.et2d.quadripoles.value(0).a),
                              request.et2d.quadripoles.size());
        return sent;
    }

    woxFakeCommandRunner runner;
    woxCoreDouble core;
    woxSessionWidget screen;
    bool bound = false;
};

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

QStringList dialogs(const woxCoreReportET2D &sent)
{
    woxModalScript script;
    script.answer(1);
    woxCoreDouble::deliver(sent);
    return script.seen;
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
        for (auto signal : {&woxUserMessage::sendUserMessage, &woxUserMessage::sendUserMessageForever})
            connect(woxUserMessage::instance(), signal, this, [this](const QString &t) { messages << t; });
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
        woxSessionWidget::setDelays(60000, 60000);
        Rig rig({2, 16, 1});
        QVERIFY(rig.bound);
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        for (int results : {2, 16, 1})
            rig.core.answer(woxCoreDouble::ET2D, report(results));
        bool startOffered = true;
        woxModalScript script;
        script.then([&](QDialog *dialog) {
            startOffered = rig.screen.startPushButton->isEnabled() || rig.screen.startPushButton->isChecked();
            dialog->done(1);
        });
        rig.screen.startPushButton->click();
        QVERIFY(activitySet());
        QTRY_COMPARE(script.pending(), 0);
        QCOMPARE(rig.runs(), (QList<QPair<int, int>>{{0, 2}, {2, 16}, {18, 1}}));
        QCOMPARE(rig.selected(), 18);
        QVERIFY(!startOffered);
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: It is all done"}));
        QVERIFY(messages.contains(QStringLiteral("Left: 00:00:00")));
        QCOMPARE(messages.last(), QString());
        QCOMPARE(rig.syncs(), 2);   // first advance, then the end
        QVERIFY(!activitySet());
        QVERIFY(rig.valid(0) && rig.valid(17) && rig.valid(18));
    }

    void autosaveAndErrors()
    {
        Rig rig({1, 1, 1, 1, 1, 1});
        QPushButton *start = rig.screen.startPushButton;
        start->click();
        woxCoreDouble::deliver(report(1));
        QCOMPARE(rig.syncs(), 1);          // the first continuing advance
        woxCoreDouble::deliver(report(1));
        woxCoreDouble::deliver(report(1));
        QCOMPARE(rig.syncs(), 1);          // within the throttle

        QCOMPARE(dialogs(report(1, 6)), QStringList({"woxWarningDialog: External battery is low"}));
        QCOMPARE(rig.syncs(), 2);
        QCOMPARE(rig.selected(), 3);
        QVERIFY(!rig.valid(3) && !start->isChecked());
        QTRY_VERIFY(start->isEnabled());

        rig.core.take();
        start->click();                    // the failed run again, then Stop
        start->click();
        QCOMPARE(rig.runs(), (QList<QPair<int, int>>{{3, 1}}));
        QCOMPARE(rig.core.kinds().last(), woxCoreDouble::Stop);
        QCOMPARE(messages.last(), QString());
        QCOMPARE(dialogs(report(0, 13)), QStringList({"woxWarningDialog: Canceled by user"}));
        QCOMPARE(rig.syncs(), 3);
        QVERIFY(!rig.valid(3));

        QTRY_VERIFY(start->isEnabled());
        start->click();
        start->click();                    // Stop while the run ends well
        woxCoreDouble::deliver(report(1));
        QVERIFY(rig.valid(3));
        QCOMPARE(rig.syncs(), 4);
        QCOMPARE(rig.selected(), 4);
    }

    void foreignReportsChangeNothing()
    {
        Rig rig({16, 1});
        woxCoreDouble::deliver(report(2));     // another screen's run
        QCOMPARE(dialogs(report(0, 6)), QStringList());
        QVERIFY(!rig.valid(0) && messages.isEmpty() && rig.syncs() == 0);
    }

    void finish_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no") << "no" << true;
        QTest::newRow("cancel") << "cancel" << false;
        QTest::newRow("named") << "yes" << true;
        QTest::newRow("unwritable") << "unwritable" << false;
    }

    void finish()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        const QString named = sessionsDir + "line1." + sessionExtension;
        QDir(sessionsDir).removeRecursively();
        Rig rig({1});
        QSignalSpy closed(&rig.screen, &woxSessionWidget::sendSessionClose);
        woxModalScript script;
        if (answer == "no")
            script.answer(0);
        else if (answer == "cancel")
            script.answer(woxWarningDialog::CancelResult);
        else
            script.answer(1).type(QStringLiteral("line1"));
        QFile blocker(QDir::cleanPath(sessionsDir));   // no directory to write in, even for root
        if (answer == "unwritable") {
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            script.answer(1);
        } else {
            QDir().mkpath(sessionsDir);
        }
        rig.screen.closePushButton->click();
        blocker.remove();
        QCOMPARE(script.pending(), 0);
        QCOMPARE(closed.count(), closes ? 1 : 0);
        QCOMPARE(woxSessionCloseFlag::value(), closes ? 1 : 0);
        QCOMPARE(QFile::exists(named), answer == "yes");
        if (answer == "unwritable")
            QVERIFY(script.seen.last().endsWith("Can not open file for writing"));
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
