#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDataMenuWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxPseudoSectionPlot.h"
#include "woxScreenState.h"
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

// A new session from a one-cell template over a previous session: the answers ("reject", "full", "append",
// "unwritable"), the dialogs seen, the remote electrodes (1: Tx, 2: Rx) and rows of the session made.
struct Road { int type, cables; QString answers; QStringList seen; int remotes, rows; };

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

// A working copy bound on a new screen, with an options page at its defaults.
struct Rig
{
    explicit Rig(const woxSessionFile &session) : bound(screen.openFlow(woxSessionFixture::write(session))) {}
    QTimer *timer(const char *name) const { return screen.findChild<QTimer *>(name); }
    woxOptionsWidget options;
    woxFakeCommandRunner runner;   // one sync per save of the working copy
    woxCoreDouble core;
    woxSessionWidget screen{nullptr, false};
    bool bound;
};

// The request for rows `first` .. `last` of the fixture, with the options page's defaults.
QString et2d(int first, int last)
{
    QString line = "ET2D ";
    for (int i = first; i <= last; ++i)
        line += QString("q(%1 %2 %3 %4 %5) ").arg(i % 60).arg(i % 60 + 1).arg(i % 60 + 2).arg(i % 60 + 3).arg(i % 16);
    return line + "o(2 0 0 1 3 5 25 80)";
}

woxCoreReportET2D report(int results, int error = 0)
{
    woxCoreReportET2D report;
    report.error.code = quint8(error);
    report.results = QVector<woxMeasureResult>(results, {0, 2.0f, 10.0f, 0, 0, {}, 0, false, {}}).toList();
    return report;
}

bool activitySet()   // the system menu refuses Exit exactly while the activity flag is set
{
    woxSystemWidget system;
    woxModalScript script;
    script.answer(0);
    system.onExit();
    return script.seen.value(0).contains(QLatin1String("Stop all activities"));
}

// A menu page: the named buttons, the margin, the open button's picture.
QString page(QWidget *menu, const char *names)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QImage icon = menu->findChild<QPushButton *>("openPushButton")->icon().pixmap(32).toImage();
    QString picture = "?";
    for (const char *name : {"folderTwo", "folderThree", "book.02"})
        picture = QIcon(QString(":/icons/icons/%1.png").arg(name)).pixmap(32).toImage() == icon ? name : picture;
    return woxScreenState(menu, names).remove("PushButton")
           + QString(" | margin %1 | %2").arg(menu->layout()->contentsMargins().top()).arg(picture);
}

const QStringList captions = QString("xCenterLabel xDepthLabel xResistivitylabel xChargeabilityLabel yDepthLabel "
                                     "yResistivitylabel yChargeabilityLabel").split(' ');

} // namespace

Q_DECLARE_METATYPE(Road)

class tst_sessionWidget : public QObject
{
    Q_OBJECT

    QStringList messages;   // the status line's texts
private slots:
    void initTestCase()
    {
        for (auto signal : {&woxUserMessage::sendUserMessage, &woxUserMessage::sendUserMessageForever})
            connect(woxUserMessage::instance(), signal, this, [this](const QString &t) { messages << t; });
    }
    void init() { QDir(templatesDir).removeRecursively(), QDir(sessionsDir).removeRecursively(), QDir(systemDir).removeRecursively(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); woxCore::destroy(); }

    void newSession_data()
    {
        QTest::addColumn<Road>("road");
        const QString warning = "woxWarningDialog: ";
        const QStringList all = {"woxFileTableDialog", "woxSessionModeDialog", "woxCableConfigDialog"};
        QTest::newRow("dipole-dipole") << Road{0, 1, "full", all, 0, 29};
        QTest::newRow("pole-pole") << Road{7, 1, "full", all, 3, 31};
        QTest::newRow("pole-dipole") << Road{5, 1, "full", all, 1, 30};
        QTest::newRow("append 16 of 64") << Road{0, 2, "append", all, 0, 16};
        QTest::newRow("table rejected") << Road{0, 1, "reject", {"woxFileTableDialog"}, 0, 0};
        QTest::newRow("append 16 of 32") << Road{0, 1, "append", all + QStringList(warning + "There are no measurements in session"), 0, 0};
        QTest::newRow("unwritable") << Road{0, 1, "unwritable", all + QStringList(warning + "Can not write data to file"), 0, 0};
    }

    // The working copy is replaced only by a session that opens. The mode dialog offers 32, 16 and 8, 32 first.
    void newSession()
    {
        QFETCH(Road, road);
        QVERIFY(writeTemplate(woxArrayType(road.type), road.cables));
        const QString workingCopy = woxSessionFixture::write(woxSessionFixture::session(2));
        const QByteArray before = woxSessionFixture::bytes(workingCopy);
        // A directory where the new session would be written: nobody, root included, replaces it.
        QVERIFY(road.answers != "unwritable" || QDir().mkpath(workingCopy + ".new/blocker"));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        QString segments;
        if (road.answers == "reject")
            script.cancel();
        else
            script.answer(QDialog::Accepted).then([road, &segments](QDialog *dialog) {   // the file table, then
                QComboBox *box = qobject_cast<woxSessionModeDialog *>(dialog)->appendComboBox;
                for (int i = 0; i < box->count(); ++i)
                    segments += box->itemText(i) + (i + 1 < box->count() ? " " : ", " + box->currentText());
                box->setCurrentText("16");
                dialog->findChild<QPushButton *>(road.answers == "append" ? "appendPushButton" : "fullPushButton")->click();
            }).then([](QDialog *dialog) {
                dialog->findChild<QPushButton *>(QStringLiteral("acceptPushButton"))->click();
            }).answer(1);                                                // a refusal's message
        QCOMPARE(screen.openFlow(QString()), road.rows > 0);
        QCOMPARE(script.seen, road.seen);
        QCOMPARE(segments, QString(road.seen.contains("woxSessionModeDialog") ? "32 16 8, 32" : ""));
        QCOMPARE(woxSessionFixture::bytes(workingCopy) == before, road.rows == 0);
        QDir(workingCopy + ".new").removeRecursively();
        QCOMPARE(QDir(systemDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList(lastSessionFileName));
        woxSessionFile session;
        QFile file(workingCopy);
        QVERIFY(road.rows == 0 || (file.open(QIODevice::ReadOnly) && session.read(file)));
        const woxCableConfiguration &cables = session.cableConfiguration;
        QCOMPARE(QString("%1 %2 %3 %4").arg(session.units.size()).arg(road.rows ? screen.sessionTableView->model()->rowCount() : 0)
                     .arg(int(cables.remoteTxPresent) | int(cables.remoteRxPresent) << 1).arg(cables.wires.size()),
                 QString("%1 %1 %2 %3").arg(road.rows).arg(road.remotes).arg(road.rows ? 32 * road.cables : 0));
    }

    // Roads that end before a screen is shown give a menu back as it was. A hosted screen hides its menu's buttons
    // and takes the whole page; DATA hosts it view-only, Finish closing it at once. The MAIN menu blinks once a
    // second while the last session bound was not finished, and frees the pause choice when its screen closes.
    void menus()
    {
        woxOptionsWidget options;
        woxCoreDouble core;
        woxFakeCommandRunner runner;
        woxDataMenuWidget data;
        auto main = std::make_unique<woxSessionMenuWidget>();
        const auto press = [](QWidget *menu, const char *name, int answer) {
            woxModalScript script;
            script.answer(answer);
            menu->findChild<QPushButton *>(name)->click();
            return page(menu, name) + " | " + script.seen.join(" | ");
        };
        const QString missing = " | margin 20 | %1 | woxWarningDialog: Can not find %2";
        QCOMPARE(press(main.get(), "openPushButton", 1), "open:Open previous session" + missing.arg("folderTwo", "previous session"));
        QCOMPARE(press(main.get(), "newPushButton", 1),
                 "new:Start new session" + missing.arg("folderTwo", "templates\n(" + templatesDir + ")"));
        QDir().mkpath(sessionsDir);
        QCOMPARE(press(&data, "openPushButton", 1), "open:Open session" + missing.arg("book.02", "sessions\n(" + sessionsDir + ")"));
        QVERIFY(QFile::rename(woxSessionFixture::write(woxSessionFixture::session(2)), sessionsDir + "line1." + sessionExtension));
        QCOMPARE(press(&data, "openPushButton", 0), "open:Open session | margin 20 | book.02 | woxFileTableDialog");
        QCOMPARE(press(&data, "openPushButton", 1), "~open:Open session | margin 0 | book.02 | woxFileTableDialog");
        QCOMPARE(page(&data, "startPushButton signalsPushButton closePushButton"),
                 "~start:Start | ~signals:Signals | close:Finish | margin 0 | book.02");
        woxModalScript none;
        data.findChild<woxSessionWidget *>()->closePushButton->click();
        QCOMPARE(page(&data, "openPushButton") + none.seen.join(""), "open:Open session | margin 20 | book.02");
        main = std::make_unique<woxSessionMenuWidget>();   // the session viewed was not finished
        QTimer *blink = main->findChild<QTimer *>("blinkTimer");
        QVERIFY(blink->isActive() && blink->interval() == 1000);
        QString blinks;
        for (int i = 0; i < 2; ++i)
            QMetaObject::invokeMethod(main.get(), "onAuxTimeout"), blinks += page(main.get(), "");
        QCOMPARE(blinks, " | margin 20 | folderThree | margin 20 | folderTwo");
        woxSessionFile varnex = woxSessionFixture::session(1);   // made from a Varnex text: no array types
        varnex.summary.arrayCounts.clear();
        QVERIFY(!woxSessionFixture::write(varnex).isEmpty());
        main->openPushButton->click();
        const char *buttons = "newPushButton ertPushButton openPushButton";
        QCOMPARE(page(main.get(), buttons) + QString(" | blink %1").arg(blink->isActive()),
                 "~new:Start new session | ~ert:Start new Varnex session | ~open:Open previous session | margin 0 | folderTwo"
                 " | blink 0");
        woxSessionWidget *screen = main->findChild<woxSessionWidget *>();
        QCOMPARE(QString("%1%2 ").arg(screen->mainTabWidget->isTabEnabled(0)).arg(screen->mainTabWidget->isTabEnabled(1))
                     + screen->sessionTableView->model()->headerData(12, Qt::Horizontal).toString(), QString::fromUtf8("10 R [Ω]"));
        woxModalScript script;
        script.answer(1).answer(0);
        screen->startPushButton->click();   // locks the pause choice, then Stop
        screen->startPushButton->click();
        woxCoreDouble::deliver(report(0, 13));
        screen->closePushButton->click();
        QCOMPARE(page(main.get(), buttons) + QString(" | blink %1 | pause %2").arg(blink->isActive())
                                                  .arg(options.pauseDurationComboBox->isEnabled()),
                 "new:Start new session | ert:Start new Varnex session | open:Open previous session | margin 20 | folderTwo"
                 " | blink 0 | pause 1");
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Canceled by user",
                                           "woxWarningDialog: Do you want to save current session?"}));
    }

    // Start runs every run in turn, saving at the first advance and then at most once per period; an error or Stop
    // keeps the failed run selected and saves; the end selects the last row. Go to works only while idle. Each
    // display and mode shows its plot, captions and slider; the pseudo-section takes the session's spacing.
    void runFlow()
    {
        {   // a screen deleted while its run goes on leaves the menu free
            Rig gone(woxSessionFixture::session(1));
            gone.screen.startPushButton->click();
            QVERIFY(activitySet());
        }
        QVERIFY(!activitySet());
        woxSessionFile session = woxSessionFixture::session({1, 1, 1, 1, 16, 1});
        session.summary.cableSpacing = 10.0f;
        Rig rig(session);
        QVERIFY(rig.bound);
        const QString idle = "start:Start | signals:Signals | close:Finish | row ", locked = " | tab 0 | pause locked";
        const QString cooling = "!" + idle, running = "start:Start* | !signals:Signals | !close:Finish | row ";
        const QString busy = " | tab 0 | busy | pause locked", saving = " | autoSaveTimer 30000";
        const QString cool = " | startEnableTimer 1500", left = " | status 'Left: hh:mm:ss'";
        const QString stopped = locked + cool + saving + " | status '' | Stop";
        const QString failed = locked + cool + saving + " | saved 1 | woxWarningDialog: ";
        const QString shows = idle + "7 | tab 1 | pause locked" + saving + " | shows ";
        const QString curves = "curves soundingCenterFrame ", section = "section -5..55 xCenterLabel ";
        const QStringList steps = {
            "report 2=" + idle + "0 | tab 0",   // another screen's run
            "row -1=" + idle + "-1 | tab 0", "start=" + cooling + "-1 | tab 0" + cool,
            "signals=" + cooling + "-1 | tab 0" + cool, "row 0=" + cooling + "0 | tab 0" + cool, "cool=" + idle + "0 | tab 0",
            "start=" + running + "0" + busy + " | " + et2d(0, 0),
            "report 1=" + running + "1" + busy + saving + " | saved 1" + left + " | " + et2d(1, 1),
            "report 1=" + running + "2" + busy + saving + left + " | " + et2d(2, 2),
            "report 1 6=" + cooling + "2" + failed + "External battery is low", "cool=" + idle + "2" + locked + saving,
            "start=" + running + "2" + busy + saving + " | " + et2d(2, 2),
            "goto 5=" + running + "2 | tab 1 | busy | pause locked" + saving, "start=" + cooling + "2" + stopped,
            "report 0 13=" + cooling + "2" + failed + "Canceled by user", "cool=" + idle + "2" + locked + saving,
            "start=" + running + "2" + busy + saving + " | " + et2d(2, 2), "start=" + cooling + "2" + stopped,
            "report 1=" + cooling + "3" + locked + cool + saving + " | saved 1" + left,   // ended well after Stop
            "cool=" + idle + "3" + locked + saving, "start=" + running + "3" + busy + saving + " | " + et2d(3, 3),
            "report 1=" + running + "4" + busy + saving + left + " | " + et2d(4, 19), "expire=" + running + "4" + busy,
            "!wait 16=" + running + "20" + busy + saving + " | saved 1 | status 'Left: 00:00:00' | " + et2d(20, 20),
            "!report 2=" + cooling + "20" + locked + cool + saving + " | saved 1 | status 'Left: 00:00:00' | status ''"
                " | woxWarningDialog: It is all done",
            "cool=" + idle + "20" + locked + saving, "goto 7=" + idle + "7" + locked + saving,
            "signals=~start:Start | ~signals:Signals | ~close:Finish | row 7 | tabs hidden | pause locked" + saving
                + " | status 'A: 8, B: 9, M: 10, N: 11' | !~badPushButton:Bad | Signal q(7 8 9 10 9) o(2 0 0 1 3 5 25 80)",
            "unsignals=" + idle + "7" + locked + saving + " | status ''",
            "display 1 0=" + shows + curves + "xDepthLabel yResistivitylabel Measurement center:",
            "display 1 1=" + shows + curves + "xDepthLabel yChargeabilityLabel Measurement center:",
            "display 2 1=" + shows + curves + "xCenterLabel yChargeabilityLabel Pseudo depth:",
            "display 2 0=" + shows + curves + "xCenterLabel yResistivitylabel Pseudo depth:",
            "display 0 0=" + shows + section + "xResistivitylabel yDepthLabel Pseudo depth:",
            "display 0 1=" + shows + section + "xChargeabilityLabel yDepthLabel Pseudo depth:"};
        for (const QString &step : steps)
            QCOMPARE(step.section('=', 0, 0) + "=" + this->step(rig, step.section('=', 0, 0)), step);
        QString texts, measured;
        for (const QString &name : captions)
            texts += rig.screen.findChild<QLabel *>(name)->text() + "|";
        QCOMPARE(texts, QString::fromUtf8(
            "M e a s u r e m e n t  c e n t e r  [m]|P s e u d o  d e p t h  [m]|A p p a r e n t  r e s i s t i v i t y [Ω⋅m]"
            "|A p p a r e n t  c h a r g e a b i l i t y  [mV/V]|P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]|A\np\np\na\nr\ne\nn"
            "\nt\n\nr\ne\ns\ni\ns\nt\ni\nv\ni\nt\ny\n\n[Ω⋅m]|A\np\np\na\nr\ne\nn\nt\n\nc\nh\na\nr\ng\ne\na\nb\ni\nl\ni\nt\ny"
            "\n\n[mV/V]|"));
        for (int row = 0; row < rig.screen.sessionTableView->model()->rowCount(); ++row)
            measured += rig.screen.sessionTableView->model()->index(row, 9).data().isNull() ? '-' : 'm';
        QCOMPARE(measured, QString(21, 'm'));
        // A named copy that cannot be written keeps the session open, as Cancel does; No closes it.
        QSignalSpy closed(&rig.screen, &woxSessionWidget::sendSessionClose);
        QFile blocker(QDir::cleanPath(sessionsDir));   // no directory to write in, even for root
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        woxModalScript script;
        script.answer(1).type("line1").answer(1).answer(woxWarningDialog::CancelResult);
        rig.screen.closePushButton->click();
        rig.screen.closePushButton->click();
        QVERIFY(closed.isEmpty());
        script.answer(0);
        rig.screen.closePushButton->click();
        const QString question = "woxWarningDialog: Do you want to save current session?";
        QCOMPARE(script.seen, QStringList({question, "woxKeyboardDialog", "woxWarningDialog: Can not open file for writing",
                                           question, question}));
        QCOMPARE(closed.count(), 1);
        QVERIFY(!rig.screen.openFlow(woxSessionFixture::write(woxSessionFixture::session(1))));   // bound once
    }

private:
    // Does one step of the run flow; tells the buttons, the selected row, the tab shown, the activity and pause locks,
    // the timers running with their periods, the saves, the status texts (times as hh:mm:ss unless the step starts
    // with '!'), the signal window, the graphics shown, the dialogs and the requests to the core.
    QString step(Rig &rig, QString action)
    {
        const bool exact = action.startsWith('!');
        const QString verb = action.remove('!').section(' ', 0, 0);
        const int n = action.section(' ', 1, 1).toInt(), m = action.section(' ', 2, 2).toInt();
        messages.clear();
        rig.runner.calls.clear();
        woxModalScript script;
        script.answer(1);
        woxSessionWidget &screen = rig.screen;
        auto *section = screen.findChild<woxPseudoSectionPlot *>();
        if (verb == "start")
            screen.startPushButton->click();
        if (verb == "wait")
            QThread::msleep(1000);   // a run of a second: every run counted shows in the time left
        if (verb == "report" || verb == "wait")
            woxCoreDouble::deliver(report(n, m));
        if (verb == "cool")
            rig.timer("startEnableTimer")->start(0), (void)QTest::qWaitFor([&rig]() { return !rig.timer("startEnableTimer")->isActive(); });
        if (verb == "expire")
            rig.timer("autoSaveTimer")->stop();
        if (verb == "row")
            n < 0 ? screen.sessionTableView->clearSelection() : screen.sessionTableView->selectRow(n);
        if (verb == "goto")
            screen.mainTabWidget->setCurrentIndex(1), emit section->sendRowSelection(n);
        if (verb == "signals" && (screen.signalsPushButton->click(), screen.findChild<woxSignalWidget *>()))
            screen.findChild<woxSignalWidget *>()->startPushButton->click();
        if (verb == "unsignals")
            screen.findChild<woxSignalWidget *>()->close();
        if (verb == "display")
            screen.displayComboBox->setCurrentIndex(n), screen.modeComboBox->setCurrentIndex(m), screen.mainTabWidget->setCurrentIndex(1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QString shown = section->isVisibleTo(&screen) ? QString("shows section %1..%2").arg(section->axisScaleDiv(QwtPlot::xTop)
                            .lowerBound()).arg(section->axisScaleDiv(QwtPlot::xTop).upperBound()) : "shows curves";
        for (const QString &name : QStringList("soundingCenterFrame") + captions)
            shown += screen.findChild<QWidget *>(name)->isVisibleTo(&screen) ? " " + name : "";
        const bool tabShown = screen.mainTabWidget->isVisibleTo(&screen);
        const QString tab = tabShown ? "tab " + QString::number(screen.mainTabWidget->currentIndex()) : "tabs hidden";
        screen.mainTabWidget->setCurrentIndex(0);
        QStringList state{woxScreenState(&screen, "startPushButton signalsPushButton closePushButton").remove("PushButton"),
                          "row " + QString::number(screen.sessionTableView->selectionModel()->selectedRows().value(0).row()), tab};
        if (activitySet())
            state << "busy";
        if (!rig.options.pauseDurationComboBox->isEnabled())
            state << "pause locked";
        for (const char *name : {"startEnableTimer", "autoSaveTimer"})
            if (rig.timer(name)->isActive())
                state << name + QString(" %1").arg(rig.timer(name)->interval());
        if (!rig.runner.calls.isEmpty())
            state << QString("saved %1").arg(rig.runner.calls.size());
        for (QString text : messages)
            state << "status '" + (exact ? text : text.replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "hh:mm:ss")) + "'";
        if (auto *window = screen.findChild<woxSignalWidget *>())
            state << woxScreenState(window, "badPushButton");
        if (verb == "display")
            state << shown + " " + screen.msrCenterDepthHeaderLabel->text();
        return (state + script.seen + rig.core.takeLines()).join(" | ");
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
