#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDataMenuWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSManager.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxPress.h"
#include "woxPseudoSectionPlot.h"
#include "woxScreenState.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionFixture.h"
#include "woxSessionMenuWidget.h"
#include "woxSessionModeDialog.h"
#include "woxSessionWidget.h"
#include "woxSignalWidget.h"
#include "woxSoundingCurvePlot.h"
#include "woxSystemWidget.h"
#include "woxTemplateFile.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QtTest>

namespace {
// A new session from a one-cell template over an old one: answers ("reject", "full", "append", "unwritable", "no",
// "varnex no"), dialogs seen, remote electrodes (1: Tx, 2: Rx) and rows of the session made; the clean-close flag
// stored before, and whether the old session holds a measured row.
struct Road { int type, cables; QString answers; QStringList seen; int remotes, rows; int flag = 1; bool measured = false; };
const QString unfinished = "woxWarningDialog: Previous session was not finished. Start a new session and discard its "
                           "measurements?";
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
    woxFakeClock clock{QDateTime(QDate(2026, 3, 1), QTime(10, 0))};   // runs take what a step says
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
    void init()
    {
        woxTestEnvironment::reset();
        messages.clear();
    }
    void cleanup()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        woxCore::destroy(), woxGPSManager::destroy(), woxTranslator::destroy();
    }
    void newSession_data()
    {
        QTest::addColumn<Road>("road");
        const QStringList all = {"woxFileTableDialog", "woxSessionModeDialog", "woxCableConfigDialog"};
        const QString warning = "woxWarningDialog: ", none = warning + "There are no measurements in session";
        QTest::newRow("dipole-dipole over a finished one") << Road{0, 1, "full", all, 0, 29, 1, true};
        QTest::newRow("pole-pole") << Road{7, 1, "full", all, 3, 31};
        QTest::newRow("reciprocal pole-pole") << Road{17, 1, "full", all, 3, 31};
        QTest::newRow("pole-dipole over an unmeasured one") << Road{5, 1, "full", all, 1, 30, 0};
        QTest::newRow("backward pole-dipole") << Road{6, 1, "full", all, 1, 30};
        QTest::newRow("unfinished, discarded") << Road{0, 1, "full", QStringList(unfinished) + all, 0, 29, 0, true};
        QTest::newRow("unfinished, kept") << Road{0, 1, "no", {unfinished}, 0, 0, 0, true};
        QTest::newRow("unfinished, Varnex kept") << Road{0, 1, "varnex no", {unfinished}, 0, 0, 0, true};
        QTest::newRow("append 16 of 64") << Road{0, 2, "append", all, 0, 16};
        QTest::newRow("table rejected") << Road{0, 1, "reject", {"woxFileTableDialog"}, 0, 0};
        QTest::newRow("append 16 of 32") << Road{0, 1, "append", all + QStringList(none), 0, 0};
        QTest::newRow("unwritable") << Road{0, 1, "unwritable", all + QStringList(warning + "Can not write data to file"), 0, 0};
    }
    // The working copy is replaced only by a session that opens; measurements of an unfinished one only once the
    // operator gives them up. The mode dialog offers 32, 16 and 8, 32 first. The flag goes to 0 on opening only.
    void newSession()
    {
        QFETCH(Road, road);
        QVERIFY(writeTemplate(woxArrayType(road.type), road.cables));
        woxSessionFile previous = woxSessionFixture::session(2);
        if (road.measured)
            woxSessionFixture::measure(&previous, 0, 10.0f, 2.0f);
        woxSessionCloseFlag::store(road.flag);
        const QString workingCopy = woxSessionFixture::write(previous);
        const QByteArray before = woxSessionFixture::bytes(workingCopy);
        QVERIFY(road.answers != "unwritable" || QDir().mkpath(workingCopy + ".new/blocker"));   // not even root replaces it
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        QString segments;
        if (road.seen.value(0) == unfinished)
            script.answer(road.answers.endsWith("no") ? 0 : 1);
        road.answers == "reject" ? script.cancel() : script.answer(QDialog::Accepted).then([&](QDialog *dialog) {
            QComboBox *box = qobject_cast<woxSessionModeDialog *>(dialog)->appendComboBox;
            for (int i = 0; i < box->count(); ++i)
                segments += box->itemText(i) + (i + 1 < box->count() ? " " : ", " + box->currentText());
            box->setCurrentText("16");
            woxPress(dialog, road.answers == "append" ? "appendPushButton" : "fullPushButton");
        }).then([](QDialog *cables) { woxPress(cables, "acceptPushButton"); }).answer(1);
        QCOMPARE(screen.openFlow(road.answers == "varnex no" ? QString(varnexSourceMarker) : QString()), road.rows > 0);
        QCOMPARE(woxSessionCloseFlag::value() * 10 + woxSessionCloseFlag::mainValue(), road.rows ? 0 : road.flag * 11);
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
    // no margin, Finish closing at once and leaving the pause as MAIN's session holds it; a Varnex session has no
    // graphics and shows the resistance. MAIN blinks once a second while the last session bound was not finished.
    void menus()
    {
        woxSessionCloseFlag::store(1);
        woxOptionsWidget options;
        woxDataMenuWidget data;
        woxSessionMenuWidget main;
        main.findChild<QTimer *>("blinkTimer")->stop();   // its blink would step the one looked at below
        const auto press = [](QWidget *menu, const char *name, int answer) {
            woxModalScript script;
            (script.answer(answer), woxPress(menu, name));
            return page(menu, name) + " | " + script.seen.join(" | ");
        };
        const QString missing = " | margin 20 | %1 | woxWarningDialog: Can not find %2";
        const QString templates = "templates\n(" + templatesDir + ")", sessions = "sessions\n(" + sessionsDir + ")";
        QCOMPARE(press(&main, "openPushButton", 1), "open:Open previous session" + missing.arg("folderTwo", "previous session"));
        QCOMPARE(press(&main, "newPushButton", 1), "new:Start new session" + missing.arg("folderTwo", templates));
        QCOMPARE(press(&data, "openPushButton", 1), "open:Open session" + missing.arg("book.02", sessions));   // no folder
        QDir().mkpath(sessionsDir);
        QCOMPARE(press(&data, "openPushButton", 1), "open:Open session" + missing.arg("book.02", sessions));   // empty
        woxSessionFile varnex = woxSessionFixture::session(1);   // made from a Varnex text: no array types
        varnex.summary.arrayCounts.clear();
        woxSessionFixture::measure(&varnex, 0, 10.0f, 2.0f);   // with a pause the page lacks: viewing asks nothing
        varnex.units[0].result.options.ipEnabled = true, varnex.units[0].result.options.pauseCode = 999;
        QVERIFY(QFile::rename(woxSessionFixture::write(varnex), sessionsDir + "line1." + sessionExtension));
        QCOMPARE(press(&data, "openPushButton", 0), "open:Open session | margin 20 | book.02 | woxFileTableDialog");
        const QString opened = press(&data, "openPushButton", 1);
        QCOMPARE(QString("flags %1 %2").arg(woxSessionCloseFlag::value()).arg(woxSessionCloseFlag::mainValue()), "flags 0 1");
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
        woxOptionsWidget::setPauseDisabled(true);   // as a session measuring in MAIN holds it
        screen->closePushButton->click();
        const QString pause = options.pauseDurationComboBox->isEnabled() ? " | pause free" : "";
        QCOMPARE(page(&data, "openPushButton") + none.seen.join("") + pause, "open:Open session | margin 20 | book.02");
        woxSessionMenuWidget blinking;   // the session viewed was not finished
        QTimer *blink = blinking.findChild<QTimer *>("blinkTimer");
        QString blinks = QString("%1 %2").arg(blink->isActive()).arg(blink->interval());
        for (int i = 0; i < 2; ++i)
            QMetaObject::invokeMethod(&blinking, "onAuxTimeout"), blinks += page(&blinking, "");
        QCOMPARE(blinks, "1 1000 | margin 20 | folderThree | margin 20 | folderTwo");
    }
    void finish_data()
    {
        QTest::addColumn<int>("flag");   // stored before MAIN starts; -1: none
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("result");
        const QString question = " | woxWarningDialog: Do you want to save current session?", keyboard = " | woxKeyboardDialog";
        const QString overwrite = keyboard + " | woxWarningDialog: File exists, do you want to overwrite it?";
        const QString closed = "closed, blinks 0 folderTwo | flags 1 1 |", open = "open | flags 0 0 | old:previous";
        QTest::newRow("no") << 0 << "0" << "blinks 1 folderTwo | " + closed + " old:previous" + question;
        QTest::newRow("escape") << -1 << "escape" << "blinks 0 folderTwo | " + closed + " old:previous" + question;
        QTest::newRow("cancel") << 1 << "2" << "blinks 0 folderTwo | " + open + question;
        QTest::newRow("yes, name cancelled") << 0 << "1 cancel" << "blinks 1 folderTwo | " + open + question + keyboard;
        QTest::newRow("yes, named") << 0 << "1 day" << "blinks 1 folderTwo | " + closed + " day:session old:previous" + question + keyboard;
        QTest::newRow("yes, overwrite refused") << 0 << "1 old 0" << "blinks 1 folderTwo | " + open + question + overwrite;
        QTest::newRow("yes, overwritten") << 0 << "1 old 1"
            << "blinks 1 folderTwo | " + closed + " old:session" + question + overwrite;
    }
    // "Open previous session" reopens the working copy with its measurements, the blink off while it is hosted.
    // Finish: No, Escape or a named copy written end the session cleanly; Cancel, a cancelled name or a refused
    // overwrite keep it open and unfinished. The working copy stays as it was.
    void finish()
    {
        QFETCH(int, flag);
        QFETCH(QString, answers);
        if (flag >= 0)
            woxSessionCloseFlag::store(flag);
        woxSessionFile session = woxSessionFixture::session(2);
        woxSessionFixture::measure(&session, 1, 10.0f, 2.0f);
        const QString workingCopy = woxSessionFixture::write(session);
        const QByteArray before = woxSessionFixture::bytes(workingCopy);
        QVERIFY(QDir().mkpath(sessionsDir));
        QFile old(sessionsDir + "old." + sessionExtension);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("previous") == 8);
        old.close();
        woxOptionsWidget options;
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionMenuWidget menu;
        const auto blink = [&menu] {
            return QString("blinks %1").arg(menu.findChild<QTimer *>("blinkTimer")->isActive()) + page(&menu, "").section('|', 2);
        };
        QString result = blink() + " | ";
        menu.openPushButton->click();
        QPointer<woxSessionWidget> screen = menu.findChild<woxSessionWidget *>();
        QVERIFY2(screen, "woxSessionWidget");
        QCOMPARE(blink() + " " + screen->sessionTableView->model()->index(1, 12).data().toString(), "blinks 0 folderTwo 50.0");
        woxModalScript script;
        for (const QString &answer : answers.split(' '))
            answer == "escape" ? void(script.then([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); }))
            : answer[0].isDigit() ? void(script.answer(answer.toInt()))
            : answer == "cancel" ? void(script.cancel()) : void(script.type(answer));
        screen->closePushButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        result += screen ? "open" : "closed, " + blink();
        result += QString(" | flags %1 %2 |").arg(woxSessionCloseFlag::value()).arg(woxSessionCloseFlag::mainValue());
        for (const QString &name : QDir(sessionsDir).entryList(QDir::Files)) {
            const QByteArray bytes = woxSessionFixture::bytes(sessionsDir + name);
            result += " " + QFileInfo(name).baseName() + (bytes == before ? ":session" : bytes == "previous" ? ":previous" : ":?");
        }
        QTEST(result + (script.seen.isEmpty() ? "" : " | " + script.seen.join(" | ")), "result");
        QCOMPARE(woxSessionFixture::bytes(workingCopy), before);
    }
    void modeDialog_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("segment");
        QTest::addColumn<int>("start");   // of the generator
        QTest::newRow("full") << "fullPushButton" << 2 << 0;
        QTest::newRow("append 32") << "appendPushButton" << 0 << 32;
        QTest::newRow("append 16") << "appendPushButton" << 1 << 48;
        QTest::newRow("append 8") << "appendPushButton" << 2 << 56;
        QTest::newRow("escape") << "" << -1 << 32;
    }
    // A fixed 450 x 230 dialog without title-bar buttons, 32 shown first; Escape appends the segment shown.
    void modeDialog()
    {
        QFETCH(QString, press);
        QFETCH(int, segment);
        woxSessionModeDialog dialog;
        QString shown;
        woxModalScript script;
        script.then([&](QDialog *) {
            shown = QString("%1 %2x%3 %4").arg(dialog.appendComboBox->currentText()).arg(dialog.width()).arg(dialog.height())
                        .arg(int(dialog.windowFlags()), 0, 16);
            dialog.appendComboBox->setCurrentIndex(qMax(segment, 0));
            press.isEmpty() ? QTest::keyClick(&dialog, Qt::Key_Escape) : void(woxPress(&dialog, press));
        });
        const int result = dialog.exec();
        QCOMPARE(shown, QString("32 450x230 2001003"));
        QCOMPARE(result, int(press == "fullPushButton"));
        QTEST(int(dialog.segmentStart(result)), "start");
    }
    // MAIN hosts the screen over its buttons, not blinking, and asks the GPS every 5 s until it has a full fix. Start
    // runs every run in turn, saving at the first advance, then at most once a period; the time left follows the
    // run's own time, not a clock set meanwhile; an error or Stop keeps the failed run selected and saves; the end
    // selects the last row. Go to works only while idle. Each display and mode, chosen by its text in English and
    // Russian, shows its plot, captions, slider; the pseudo-section takes the session's spacing. An unwritable named
    // copy keeps the session open, as Cancel does; No gives the menu and the pause choice back.
    void runFlow()
    {
        QPointer<QTimer> poll;   // of the GPS
        {   // a screen deleted while its run goes on leaves the menu free, and takes its pending poll along
            Rig gone(woxSessionFixture::session(1));
            gone.screen->startPushButton->click();
            poll = gone.screen->sessionTableView->model()->findChild<QTimer *>();
            QVERIFY(activitySet() && poll && poll->isActive());
        }
        QVERIFY(!activitySet() && !poll);
        woxSessionFile session = woxSessionFixture::session({1, 1, 1, 1, 16, 1});
        session.summary.cableSpacing = 10.0f;
        Rig rig(session);
        QVERIFY(poll = rig.screen->sessionTableView->model()->findChild<QTimer *>());
        QString polls = QString("%1 %2 %3").arg(poll->isActive()).arg(poll->isSingleShot()).arg(poll->interval());
        for (bool full : {false, true, true}) {   // a fix, then a full one taken: the poll ends
            woxGPSFix fix;
            fix.valid = true, fix.highQuality = full;
            woxGPSManager::instance()->setFix(fix);
            poll->stop(), QMetaObject::invokeMethod(poll, "timeout"), polls += QString(" %1").arg(poll->isActive());
        }
        QCOMPARE(polls, QString("1 1 5000 1 1 0"));
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
        const QString ru = "start:Старт | signals:Сигналы | close:Завершить | row ", ruShows = ru + shows.mid(idle.size());
        const QString curves = "curves soundingCenterFrame ", section = "section -5..55 xCenterLabel ";
        const QString question = saving + " | woxWarningDialog: Do you want to save current session?";
        const QString back = "new:Start new session | ert:Start new Varnex session | open:Open previous session | margin 20";
        const QStringList steps = {
            "report 2=" + idle + "0 | tab 0", "report 0 6=" + idle + "0 | tab 0",   // another screen's runs
            "row -1=" + idle + "-1 | tab 0", "start=" + cooling + "-1 | tab 0" + cool,
            "signals=" + cooling + "-1 | tab 0" + cool, "row 0=" + cooling + "0 | tab 0" + cool,
            "cool=" + idle + "0 | tab 0", "start=" + running + "0" + busy + " | " + et2d(0, 0),
            "!wait 1500 1=" + running + "1" + busy + saving + " | saved 1 | status 'Left: 00:00:06' | " + et2d(1, 1),
            "!wait 28800000 1=" + running + "2" + busy + saving + " | status 'Left: too long' | " + et2d(2, 2),
            "report 1 6=" + cooling + "2" + failed + "External battery is low", "cool=" + idle + "2" + locked + saving,
            "start=" + running + "2" + busy + saving + " | " + et2d(2, 2),
            "goto 5=" + running + "2 | tab 1 | busy | pause locked" + saving, "start=" + cooling + "2" + stopped,
            "report 0 13=" + cooling + "2" + failed + "Canceled by user", "cool=" + idle + "2" + locked + saving,
            "start=" + running + "2" + busy + saving + " | " + et2d(2, 2), "start=" + cooling + "2" + stopped,
            "report 1=" + cooling + "3" + locked + cool + saving + " | saved 1" + left,   // ended well after Stop
            "cool=" + idle + "3" + locked + saving, "start=" + running + "3" + busy + saving + " | " + et2d(3, 3),
            "!wait 45296000 1=" + running + "4" + busy + saving + " | status 'Left: 12:34:56' | " + et2d(4, 19),
            "expire=" + running + "4" + busy,   // a run cut short goes on from its first row without a result
            "!date 1000 10=" + running + "14" + busy + saving + " | saved 1 | status 'Left: 00:00:01' | " + et2d(14, 19),
            "!wait 1000 6=" + running + "20" + busy + saving + " | status 'Left: 00:00:00' | " + et2d(20, 20),
            "!report 2=" + cooling + "20" + locked + cool + saving + " | saved 1 | status 'Left: 00:00:00' | held ''"
                " | woxWarningDialog: It is all done",
            "cool=" + idle + "20" + locked + saving, "goto 7=" + idle + "7" + locked + saving,
            "signals=~start:Start | ~signals:Signals | ~close:Finish | row 7 | tabs hidden | pause locked" + saving
                + " | held 'A: 8, B: 9, M: 10, N: 11' | !~badPushButton:Bad"
                  " | Signal q(7 8 9 10 9) o(2 0 0 1 3 5 25 80)",
            "unsignals=" + idle + "7" + locked + saving + " | held ''",
            "display 1 0=" + shows + curves + "xDepthLabel yResistivitylabel Measurement center:",
            "display 1 1=" + shows + curves + "xDepthLabel yChargeabilityLabel Measurement center:",
            "display 2 1=" + shows + curves + "xCenterLabel yChargeabilityLabel Pseudo depth:",
            "display 2 0=" + shows + curves + "xCenterLabel yResistivitylabel Pseudo depth:",
            "display 0 0=" + shows + section + "xResistivitylabel yDepthLabel Pseudo depth:",
            "display 0 1=" + shows + section + "xChargeabilityLabel yDepthLabel Pseudo depth:",
            "language Ru=" + ru + "7" + locked + saving + " | 1 set",
            "display 1 0=" + ruShows + curves + "xDepthLabel yResistivitylabel Центр измерения:",
            "display 2 1=" + ruShows + curves + "xCenterLabel yChargeabilityLabel Псевдоглубина:",
            "display 0 0=" + ruShows + section + "xResistivitylabel yDepthLabel Псевдоглубина:",
            "language Uk=" + idle + "7" + locked + saving + " | 1 set",
            "finish 1 line1 1=" + idle + "7" + locked + question
                + " | woxKeyboardDialog | woxWarningDialog: Can not open file for writing",
            "finish 2=" + idle + "7" + locked + question,
            "finish 0=" + back + " | folderTwo" + question.mid(saving.size())};
        for (const QString &step : steps)
            QCOMPARE(step.section('=', 0, 0) + "=" + this->step(rig, step.section('=', 0, 0)), step);
        QVERIFY(rig.options.pauseDurationComboBox->isEnabled());
    }

private:
    // Does one step of the run flow ("date": the time of day set an hour on, then as "wait"); tells the buttons,
    // selected row, tab shown, activity and pause locks, timers running, saves, status texts (times as hh:mm:ss unless
    // the step starts with '!'), signal window, graphics shown, dialogs and requests to the core; the menu's page once
    // it hosts no screen.
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
        auto *curves = screen.findChild<woxSoundingCurvePlot *>();
        if (!section || !curves)
            return "no plots";
        const auto window = [&screen] { return screen.findChild<woxSignalWidget *>(); };
        const QStringList menus = {"Pseudo section", "Sounding curves", "Profile curves", "Resistivity", "Chargeability",
                                   "Псевдоразрез", "Кривые зондирования", "Кривые профилирования", "Сопротивление",
                                   "Поляризуемость"};   // as the operator reads them
        const QMap<QString, std::function<void()>> actions{
            {"start", [&] { screen.startPushButton->click(); }},
            {"report", [&] { woxCoreDouble::deliver(report(n, m)); }},
            {"wait", [&] { rig.clock.current = rig.clock.current.addMSecs(n), woxCoreDouble::deliver(report(m)); }},
            {"date", [&] { rig.clock.setTimeOfDay(rig.clock.current.addSecs(3600));
                           rig.clock.current = rig.clock.current.addMSecs(n), woxCoreDouble::deliver(report(m)); }},
            {"cool", [&] { rig.timer("startEnableTimer")->start(0); QTRY_VERIFY(screen.startPushButton->isEnabled()); }},
            {"expire", [&] { rig.timer("autoSaveTimer")->stop(); }},
            {"row", [&] { n < 0 ? screen.sessionTableView->clearSelection() : screen.sessionTableView->selectRow(n); }},
            {"goto", [&] { screen.mainTabWidget->setCurrentIndex(1), emit section->sendRowSelection(n); }},
            {"signals", [&] { screen.signalsPushButton->click(), window() ? window()->startPushButton->click() : void(); }},
            {"unsignals", [&] { window()->close(); }},
            {"display", [&] { const int ru = woxTranslator::instance()->language() == "Ru" ? 5 : 0;
                              screen.displayComboBox->setCurrentText(menus[ru + n]);
                              screen.modeComboBox->setCurrentText(menus[ru + 3 + m]), screen.mainTabWidget->setCurrentIndex(1); }},
            {"finish", [&] { screen.closePushButton->click(); }},
            {"language", [&] { woxTranslator::instance()->setLanguage(word[1]); }}};
        actions[word[0]]();
        if (QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete), !rig.screen)
            return (QStringList(page(&rig.menu, "newPushButton ertPushButton openPushButton")) + script.seen).join(" | ");
        const QwtScaleDiv centres = section->axisScaleDiv(QwtPlot::xTop);
        QString shown = "shows" + (section->isVisibleTo(&screen) ? QString(" section %1..%2").arg(centres.lowerBound())
                            .arg(centres.upperBound()) : "") + (curves->isVisibleTo(&screen) ? " curves" : "");
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
        state << (word[0] == "language" ? QString("%1 set").arg(screen.currentSetComboBox->count()) : "")
              << (window() ? woxScreenState(window(), "badPushButton") : "")
              << (word[0] == "display" ? shown + " " + screen.msrCenterDepthHeaderLabel->text() : "");
        state.removeAll(QString());
        return (state + script.seen + rig.core.takeLines()).join(" | ");
    }
};

QTEST_MAIN(tst_sessionWidget)
#include "tst_sessionWidget.moc"
