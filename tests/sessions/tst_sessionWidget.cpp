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
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {
// A new session from a one-cell template over an old one: answers ("reject", "full", "append", "unwritable"),
// dialogs seen, remote electrodes (1: Tx, 2: Rx) and rows of the session made.
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
// The MAIN menu hosting the working copy, reopened, with an options page at its defaults.
struct Rig
{
    explicit Rig(const woxSessionFile &session)
    {
        woxSessionFixture::write(session), menu.openPushButton->click();
        screen = menu.findChild<woxSessionWidget *>();
    }
    QTimer *timer(const char *name) const { return screen->findChild<QTimer *>(name); }
    woxOptionsWidget options;
    woxFakeCommandRunner runner;   // one sync per save of the working copy
    woxCoreDouble core;
    woxSessionMenuWidget menu;
    QPointer<woxSessionWidget> screen;
    QMap<QString, int> periods;   // of the timers seen running
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
    return (script.answer(0), system.onExit(), script.seen.value(0).contains(QLatin1String("Stop all activities")));
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
} // namespace

Q_DECLARE_METATYPE(Road)
class tst_sessionWidget : public QObject
{
    Q_OBJECT
    QStringList messages;   // the status line's texts: for a while, or held
private slots:
    void initTestCase()
    {
        woxUserMessage *line = woxUserMessage::instance();
        connect(line, &woxUserMessage::sendUserMessage, this, [this](const QString &t) { messages << "status '" + t + "'"; });
        connect(line, &woxUserMessage::sendUserMessageForever, this, [this](const QString &t) { messages << "held '" + t + "'"; });
    }
    void init() { for (const QString &dir : {templatesDir, sessionsDir, systemDir}) QDir(dir).removeRecursively(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); woxCore::destroy(); }
    void newSession_data()
    {
        QTest::addColumn<Road>("road");
        const QStringList all = {"woxFileTableDialog", "woxSessionModeDialog", "woxCableConfigDialog"};
        const QString warning = "woxWarningDialog: ", none = warning + "There are no measurements in session";
        QTest::newRow("dipole-dipole") << Road{0, 1, "full", all, 0, 29};
        QTest::newRow("pole-pole") << Road{7, 1, "full", all, 3, 31};
        QTest::newRow("pole-dipole") << Road{5, 1, "full", all, 1, 30};
        QTest::newRow("append 16 of 64") << Road{0, 2, "append", all, 0, 16};
        QTest::newRow("table rejected") << Road{0, 1, "reject", {"woxFileTableDialog"}, 0, 0};
        QTest::newRow("append 16 of 32") << Road{0, 1, "append", all + QStringList(none), 0, 0};
        QTest::newRow("unwritable") << Road{0, 1, "unwritable", all + QStringList(warning + "Can not write data to file"), 0, 0};
    }
    // The working copy is replaced only by a session that opens. The mode dialog offers 32, 16 and 8, 32 first.
    void newSession()
    {
        QFETCH(Road, road);
        QVERIFY(writeTemplate(woxArrayType(road.type), road.cables));
        const QString workingCopy = woxSessionFixture::write(woxSessionFixture::session(2));
        const QByteArray before = woxSessionFixture::bytes(workingCopy);
        QVERIFY(road.answers != "unwritable" || QDir().mkpath(workingCopy + ".new/blocker"));   // not even root replaces it
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        QString segments;
        road.answers == "reject" ? script.cancel() : script.answer(QDialog::Accepted).then([&](QDialog *dialog) {
            QComboBox *box = qobject_cast<woxSessionModeDialog *>(dialog)->appendComboBox;
            for (int i = 0; i < box->count(); ++i)
                segments += box->itemText(i) + (i + 1 < box->count() ? " " : ", " + box->currentText());
            box->setCurrentText("16");
            dialog->findChild<QPushButton *>(road.answers == "append" ? "appendPushButton" : "fullPushButton")->click();
        }).then([](QDialog *cables) { cables->findChild<QPushButton *>("acceptPushButton")->click(); }).answer(1);
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
        const int rows = road.rows ? screen.sessionTableView->model()->rowCount() : 0;
        QCOMPARE(QString("%1 %2 %3 %4").arg(session.units.size()).arg(rows)
                     .arg(int(cables.remoteTxPresent) | int(cables.remoteRxPresent) << 1).arg(cables.wires.size()),
                 QString("%1 %1 %2 %3").arg(road.rows).arg(road.remotes).arg(road.rows ? 32 * road.cables : 0));
    }
    // Roads ending before a screen shows give the menu back as it was. DATA hosts a screen view-only, buttons hidden,
    // no margin, Finish closing at once; a Varnex session has no graphics and shows the resistance. MAIN blinks once
    // a second while the last session bound was not finished.
    void menus()
    {
        woxOptionsWidget options;
        woxDataMenuWidget data;
        woxSessionMenuWidget main;
        main.findChild<QTimer *>("blinkTimer")->stop();   // its blink would step the one looked at below
        const auto press = [](QWidget *menu, const char *name, int answer) {
            woxModalScript script;
            (script.answer(answer), menu->findChild<QPushButton *>(name)->click());
            return page(menu, name) + " | " + script.seen.join(" | ");
        };
        const QString missing = " | margin 20 | %1 | woxWarningDialog: Can not find %2";
        const QString templates = "templates\n(" + templatesDir + ")", sessions = "sessions\n(" + sessionsDir + ")";
        QCOMPARE(press(&main, "openPushButton", 1), "open:Open previous session" + missing.arg("folderTwo", "previous session"));
        QCOMPARE(press(&main, "newPushButton", 1), "new:Start new session" + missing.arg("folderTwo", templates));
        QDir().mkpath(sessionsDir);
        QCOMPARE(press(&data, "openPushButton", 1), "open:Open session" + missing.arg("book.02", sessions));
        woxSessionFile varnex = woxSessionFixture::session(1);   // made from a Varnex text: no array types
        varnex.summary.arrayCounts.clear();
        QVERIFY(QFile::rename(woxSessionFixture::write(varnex), sessionsDir + "line1." + sessionExtension));
        QCOMPARE(press(&data, "openPushButton", 0), "open:Open session | margin 20 | book.02 | woxFileTableDialog");
        const QString opened = press(&data, "openPushButton", 1);
        QCOMPARE(opened + page(&data, "startPushButton signalsPushButton closePushButton"),
                 "~open:Open session | margin 0 | book.02 | woxFileTableDialog"
                 "~start:Start | ~signals:Signals | close:Finish | margin 0 | book.02");
        woxSessionWidget *screen = data.findChild<woxSessionWidget *>();
        QCOMPARE(screen->xDepthLabel->text() + "|" + screen->xResistivitylabel->text() + "|" + screen->yDepthLabel->text(),
                 QString::fromUtf8("P s e u d o  d e p t h  [m]|A p p a r e n t  r e s i s t i v i t y [Ω⋅m]|"
                                   "P\ns\ne\nu\nd\no\n\nd\ne\np\nt\nh\n\n[m]"));
        QCOMPARE(QString("%1%2 ").arg(screen->mainTabWidget->isTabEnabled(0)).arg(screen->mainTabWidget->isTabEnabled(1))
                     + screen->sessionTableView->model()->headerData(12, Qt::Horizontal).toString(),
                 QString::fromUtf8("10 R [Ω]"));
        woxModalScript none;
        screen->closePushButton->click();
        QCOMPARE(page(&data, "openPushButton") + none.seen.join(""), "open:Open session | margin 20 | book.02");
        woxSessionMenuWidget blinking;   // the session viewed was not finished
        QTimer *blink = blinking.findChild<QTimer *>("blinkTimer");
        QString blinks = QString("%1 %2").arg(blink->isActive()).arg(blink->interval());
        for (int i = 0; i < 2; ++i)
            QMetaObject::invokeMethod(&blinking, "onAuxTimeout"), blinks += page(&blinking, "");
        QCOMPARE(blinks, "1 1000 | margin 20 | folderThree | margin 20 | folderTwo");
    }
    // MAIN hosts the screen over its buttons, not blinking. Start runs every run in turn, saving at the first advance,
    // then at most once a period; an error or Stop keeps the failed run selected and saves; the end selects the last
    // row. Go to works only while idle. Each display and mode shows its plot, captions, slider; the pseudo-section
    // takes the session's spacing. An unwritable named copy keeps the session open, as Cancel does; No gives the menu
    // and the pause choice back.
    void runFlow()
    {
        {   // a screen deleted while its run goes on leaves the menu free
            Rig gone(woxSessionFixture::session(1));
            gone.screen->startPushButton->click();
            QVERIFY(activitySet());
        }
        QVERIFY(!activitySet());
        woxSessionFile session = woxSessionFixture::session({1, 1, 1, 1, 16, 1});
        session.summary.cableSpacing = 10.0f;
        Rig rig(session);
        QVERIFY(!rig.screen->openFlow(woxSessionFixture::write(woxSessionFixture::session(1))));   // bound once
        const char *menu = "newPushButton ertPushButton openPushButton";
        QCOMPARE(page(&rig.menu, menu) + (rig.menu.findChild<QTimer *>("blinkTimer")->isActive() ? " | blinks" : ""),
                 "~new:Start new session | ~ert:Start new Varnex session | ~open:Open previous session | margin 0 | folderTwo");
        QFile blocker(QDir::cleanPath(sessionsDir));   // no directory for a named copy, even for root
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString idle = "start:Start | signals:Signals | close:Finish | row ", locked = " | tab 0 | pause locked";
        const QString cooling = "!" + idle, running = "start:Start* | !signals:Signals | !close:Finish | row ";
        const QString busy = " | tab 0 | busy | pause locked", saving = " | autoSaveTimer 30000";
        const QString cool = " | startEnableTimer 1500", left = " | status 'Left: hh:mm:ss'";
        const QString stopped = locked + cool + saving + " | status '' | Stop";
        const QString failed = locked + cool + saving + " | saved 1 | woxWarningDialog: ";
        const QString shows = idle + "7 | tab 1 | pause locked" + saving + " | shows ";
        const QString curves = "curves soundingCenterFrame ", section = "section -5..55 xCenterLabel ";
        const QString question = saving + " | woxWarningDialog: Do you want to save current session?";
        const QString back = "new:Start new session | ert:Start new Varnex session | open:Open previous session | margin 20";
        const QStringList steps = {
            "report 2=" + idle + "0 | tab 0",   // another screen's run
            "row -1=" + idle + "-1 | tab 0", "start=" + cooling + "-1 | tab 0" + cool,
            "signals=" + cooling + "-1 | tab 0" + cool, "row 0=" + cooling + "0 | tab 0" + cool,
            "cool=" + idle + "0 | tab 0", "start=" + running + "0" + busy + " | " + et2d(0, 0),
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
            "!report 2=" + cooling + "20" + locked + cool + saving + " | saved 1 | status 'Left: 00:00:00' | held ''"
                " | woxWarningDialog: It is all done",
            "cool=" + idle + "20" + locked + saving, "goto 7=" + idle + "7" + locked + saving,
            "signals=~start:Start | ~signals:Signals | ~close:Finish | row 7 | tabs hidden | pause locked" + saving
                + " | held 'A: 8, B: 9, M: 10, N: 11' | !~badPushButton:Bad"
                  " | Signal q(7 8 9 10 9) o(2 0 0 1 3 5 25 80)",
            "unsignals=" + idle + "7" + locked + saving + " | held ''", "translate=" + idle + "7" + locked + saving + " | 1 set",
            "display 1 0=" + shows + curves + "xDepthLabel yResistivitylabel Measurement center:",
            "display 1 1=" + shows + curves + "xDepthLabel yChargeabilityLabel Measurement center:",
            "display 2 1=" + shows + curves + "xCenterLabel yChargeabilityLabel Pseudo depth:",
            "display 2 0=" + shows + curves + "xCenterLabel yResistivitylabel Pseudo depth:",
            "display 0 0=" + shows + section + "xResistivitylabel yDepthLabel Pseudo depth:",
            "display 0 1=" + shows + section + "xChargeabilityLabel yDepthLabel Pseudo depth:",
            "finish 1 line1 1=" + idle + "7" + locked + question
                + " | woxKeyboardDialog | woxWarningDialog: Can not open file for writing",
            "finish 2=" + idle + "7" + locked + question,
            "finish 0=" + back + " | folderTwo" + question.mid(saving.size())};
        for (const QString &step : steps)
            QCOMPARE(step.section('=', 0, 0) + "=" + this->step(rig, step.section('=', 0, 0)), step);
        QVERIFY(rig.options.pauseDurationComboBox->isEnabled());
    }

private:
    // Does one step of the run flow; tells the buttons, selected row, tab shown, activity and pause locks, timers
    // running, saves, status texts (times as hh:mm:ss unless the step starts with '!'), signal window, graphics shown,
    // dialogs and requests to the core; the menu's page once it hosts no screen.
    QString step(Rig &rig, QString action)
    {
        const bool exact = action.startsWith('!');
        const QStringList word = action.remove('!').split(' ') << "0" << "0";
        const int n = word[1].toInt(), m = word[2].toInt();
        messages.clear(), rig.runner.calls.clear();
        woxModalScript script;
        for (const QString &answer : word[0] == "finish" ? word.mid(1, word.size() - 3) : QStringList("1"))
            answer[0].isDigit() ? script.answer(answer.toInt()) : script.type(answer);
        woxSessionWidget &screen = *rig.screen;
        auto *section = screen.findChild<woxPseudoSectionPlot *>();
        const auto window = [&screen] { return screen.findChild<woxSignalWidget *>(); };
        const QMap<QString, std::function<void()>> actions{
            {"start", [&] { screen.startPushButton->click(); }},
            {"report", [&] { woxCoreDouble::deliver(report(n, m)); }},
            {"wait", [&] { QThread::msleep(1000), woxCoreDouble::deliver(report(n, m)); }},   // all runs counted show
            {"cool", [&] { rig.timer("startEnableTimer")->start(0); QTRY_VERIFY(screen.startPushButton->isEnabled()); }},
            {"expire", [&] { rig.timer("autoSaveTimer")->stop(); }},
            {"row", [&] { n < 0 ? screen.sessionTableView->clearSelection() : screen.sessionTableView->selectRow(n); }},
            {"goto", [&] { screen.mainTabWidget->setCurrentIndex(1), emit section->sendRowSelection(n); }},
            {"signals", [&] { screen.signalsPushButton->click(), window() ? window()->startPushButton->click() : void(); }},
            {"unsignals", [&] { window()->close(); }},
            {"display", [&] { screen.displayComboBox->setCurrentIndex(n), screen.modeComboBox->setCurrentIndex(m),
                              screen.mainTabWidget->setCurrentIndex(1); }},
            {"finish", [&] { screen.closePushButton->click(); }},
            {"translate", [&] { emit woxTranslator::instance()->sendTranslate(); }}};
        actions[word[0]]();
        if (QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete), !rig.screen)
            return (QStringList(page(&rig.menu, "newPushButton ertPushButton openPushButton")) + script.seen).join(" | ");
        const QwtScaleDiv centres = section->axisScaleDiv(QwtPlot::xTop);
        QString shown = section->isVisibleTo(&screen) ? "shows section " + QString("%1..%2").arg(centres.lowerBound())
                            .arg(centres.upperBound()) : "shows curves";
        for (const QString &name : QString("soundingCenterFrame xCenterLabel xDepthLabel xResistivitylabel "
                                           "xChargeabilityLabel yDepthLabel yResistivitylabel yChargeabilityLabel").split(' '))
            shown += screen.findChild<QWidget *>(name)->isVisibleTo(&screen) ? " " + name : "";
        const QString tab = screen.mainTabWidget->isVisibleTo(&screen)
                                ? "tab " + QString::number(screen.mainTabWidget->currentIndex()) : "tabs hidden";
        screen.mainTabWidget->setCurrentIndex(0);
        const int row = screen.sessionTableView->selectionModel()->selectedRows().value(0).row();
        QStringList state;
        for (const char *name : {"startEnableTimer", "autoSaveTimer"}) {   // held off for an hour once seen: no step
            QTimer *timer = rig.timer(name);                               // waits on the clock; the period shows on
            if (timer->isActive() && timer->interval() != 3600000)
                rig.periods[name] = timer->interval(), timer->start(3600000);
            state << (timer->isActive() ? name + QString(" %1").arg(rig.periods[name]) : "");
        }
        state = QStringList{woxScreenState(&screen, "startPushButton signalsPushButton closePushButton").remove("PushButton"),
                            "row " + QString::number(row), tab, activitySet() ? "busy" : "",
                            rig.options.pauseDurationComboBox->isEnabled() ? "" : "pause locked"} + state;
        state << (rig.runner.calls.isEmpty() ? "" : QString("saved %1").arg(rig.runner.calls.size()));
        for (QString text : messages)
            state << (exact ? text : text.replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "hh:mm:ss"));
        state << (word[0] == "translate" ? QString("%1 set").arg(screen.currentSetComboBox->count()) : "")
              << (window() ? woxScreenState(window(), "badPushButton") : "")
              << (word[0] == "display" ? shown + " " + screen.msrCenterDepthHeaderLabel->text() : "");
        state.removeAll(QString());
        return (state + script.seen + rig.core.takeLines()).join(" | ");
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
