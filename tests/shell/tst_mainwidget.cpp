#include "woxConstants.h"
#include "woxCore.h"
#include "woxEngineerWidget.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxGuiStyle.h"
#include "woxMainWidget.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxFreshStart.h"
#include "woxPress.h"
#include "woxSavePicture.h"
#include "woxSessionFixture.h"
#include "woxSessionWidget.h"
#include "woxStatusBar.h"
#include "woxTranslator.h"
#include "woxUpdateWidget.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

#include <QSignalSpy>
#include <QtTest>

class tst_mainwidget : public QObject
{
    Q_OBJECT

    // The status bar sets the computer's clock on every clock report: never the real one here.
    woxFakeCommandRunner runner;
    woxFakeClock clock{QDateTime(QDate(2013, 1, 1), QTime(0, 0))};

private slots:
    void init() { QVERIFY2(woxFreshStart::reset(), "a private environment"); }

    // What a close event would have done, for cases that do not close.
    void cleanup() { woxCore::destroy(); woxUserMessage::destroy(); woxWarningDialog::closeInstance(); }

    // Dressed as main() dresses the application: 15-pixel font, the program's style.
    void initTestCase()
    {
        QApplication::setFont([] { QFont font; font.setPixelSize(15); return font; }());
        QApplication::setStyle(new woxGuiStyle());
    }

    // First, so its clock report (2013, not early: no warning) is the run's first. Tabs with pages and pictures in
    // the language shown, user messages below, the keypad behind Engineer. A Yes to Exit closes the window and
    // cancels a running job, waiting for it before the core goes (else the program would abort here).
    void windowShowsAndExits()
    {
        woxModalScript script;
        woxMainWidget window;
        window.show();
        woxStatusBar *bar = window.findChild<woxStatusBar *>();
        QVERIFY2(bar, "woxStatusBar");
        QTRY_VERIFY_WITH_TIMEOUT(!bar->intBatVoltageLabel->text().isEmpty(), 10000);
        QVERIFY(woxSavePicture(&window, "main-window.png"));
        window.tabWidget->setCurrentIndex(1);
        QVERIFY(woxSavePicture(&window, "options.png"));
        const auto tabs = [tabs = window.tabWidget] {
            QString shown;
            const QStringList icons = {"brickwall", "spanner", "cubes", "book", "chip"};
            for (int i = 0; i < tabs->count(); ++i) {
                const QImage icon = QIcon(":/icons/icons/" + icons.value(i) + ".png").pixmap(32).toImage();
                const QWidget *page = tabs->widget(i)->findChild<QWidget *>();
                shown += tabs->tabText(i) + (tabs->tabIcon(i).pixmap(32).toImage() == icon ? ":" : ":?")
                         + (page ? page->metaObject()->className() : "none") + " ";
            }
            return shown;
        };
        QCOMPARE(tabs(), "MAIN:woxSessionMenuWidget OPTIONS:woxOptionsWidget TEMPLATES:woxTemplateMenuWidget "
                         "DATA:woxDataMenuWidget SYSTEM:woxSystemWidget ");
        woxTranslator::instance()->setLanguage("Ru");
        QVERIFY(tabs().startsWith("ГЛАВНАЯ:woxSessionMenuWidget НАСТРОЙКИ:woxOptionsWidget ШАБЛОНЫ:"));
        window.tabWidget->setCurrentIndex(4);
        QVERIFY(woxSavePicture(&window, "system-menu-ru.png"));
        woxTranslator::instance()->setLanguage("Uk");
        woxUserMessage::instance()->message("Left: 00:00:03");
        QTimer *messageTimer = bar->findChild<QTimer *>("messageTimer");
        QVERIFY2(messageTimer, "messageTimer");
        QVERIFY(window.verticalLayout->indexOf(bar) == 1 && bar->statusLabel->text() == "Left: 00:00:03"
                && messageTimer->isActive());   // a timed message clears itself
        woxUserMessage::instance()->messageForever("Measuring");
        QCOMPARE(bar->statusLabel->text(), QString("Measuring"));
        QVERIFY(window.minimumSize() == QSize(1024, 600) && window.maximumSize() == QSize(1024, 600));
        auto *menu = window.findChild<woxSystemWidget *>();
        QVERIFY2(menu, "woxSystemWidget");
        script.then([](QDialog *keypad) {   // the first code opens all ten pages in the menu's place
            for (const char *key : {"pushButton5", "pushButton8", "pushButton0", "pushButton3", "pushButton1",
                                       "enterPushButton"})
                if (!woxPress(keypad, key))
                    return;
        });
        menu->engineerToolButton->click();
        QPointer<woxEngineerWidget> engineer = menu->findChild<woxEngineerWidget *>();
        const QTabWidget *pages = engineer ? engineer->findChild<QTabWidget *>() : nullptr;
        QVERIFY(pages && pages->count() == 10 && menu->exitToolButton->isHidden());
        engineer->close();
        QTRY_VERIFY(engineer.isNull() && !menu->exitToolButton->isHidden());
        QPointer<woxCore> core(woxCore::instance());
        QSignalSpy txReports(core.data(), &woxCore::sendReportTxAux);
        script.answer(0).answer(1);
        menu->exitToolButton->click();
        QVERIFY(window.isVisible());
        core->txAux(woxTxRequest());   // runs for a second
        menu->exitToolButton->click();
        const QString asked = "woxWarningDialog: Are you sure you want to exit?";
        QCOMPARE(script.seen, QStringList({"woxPasswordDialog", asked, asked}));
        QVERIFY(!window.isVisible() && core.isNull() && txReports.isEmpty());
        bar->onSensorTimeout();   // the bar outlives the core: a poll tick must not use it
    }

    // The stored language applies as the window is built (an unknown code leaves English); the data folders are
    // made, and what is already in them stays.
    void startsInStoredLanguageWithItsFolders_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("tabs");
        QTest::newRow("none") << QString() << "MAIN OPTIONS TEMPLATES DATA SYSTEM";
        QTest::newRow("Ru") << "Ru" << "ГЛАВНАЯ НАСТРОЙКИ ШАБЛОНЫ ДАННЫЕ СИСТЕМА";
        QTest::newRow("unknown") << "Xx" << "MAIN OPTIONS TEMPLATES DATA SYSTEM";
    }

    void startsInStoredLanguageWithItsFolders()
    {
        QFETCH(QString, stored);
        if (!stored.isNull())
            QSettings(settingsOrganisation, "woxTranslator").setValue("language", stored);
        QFile kept(templatesDir + "kept.woxTemplate");
        QVERIFY(QDir().mkpath(templatesDir) && kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();
        woxMainWidget window;
        QStringList tabs;
        for (int i = 0; i < window.tabWidget->count(); ++i)
            tabs << window.tabWidget->tabText(i);
        QTEST(tabs.join(' '), "tabs");
        for (const QString &folder : {varnexDir, templatesDir, sessionsDir, systemDir, tmpDir})
            QVERIFY2(QDir(folder).exists(), qPrintable(folder));
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "kept");
    }

    // The Engineer button of SYSTEM with the opener the window installs: what the keypad grants decides the pages
    // and whether the locked production tests may run; the menu's buttons and margin give way to the screen and
    // come back when it closes.
    void engineerEntry_data()
    {
        QTest::addColumn<QString>("typed");   // null: Cancel
        QTest::addColumn<QString>("expected");
        QTest::newRow("cancel") << QString() << "0 pages, tests -, margin 6, exit shown";
        QTest::newRow("nothing typed") << "" << "1 pages, tests off, margin 0, exit hidden | margin 6, exit shown";
        QTest::newRow("first code") << "58031" << "10 pages, tests on, margin 0, exit hidden | margin 6, exit shown";
        QTest::newRow("second code") << "39284" << "1 pages, tests on, margin 0, exit hidden | margin 6, exit shown";
        QTest::newRow("a digit more") << "580311" << "1 pages, tests off, margin 0, exit hidden | margin 6, exit shown";
    }

    void engineerEntry()
    {
        QFETCH(QString, typed);
        woxModalScript script;
        woxMainWidget window;
        auto *menu = window.findChild<woxSystemWidget *>();
        QVERIFY2(menu, "woxSystemWidget");
        script.then([typed](QDialog *keypad) {
            QStringList names = {"cancelPushButton"};
            if (!typed.isNull()) {
                names = QStringList("enterPushButton");
                for (QChar digit : typed)
                    names.insert(names.size() - 1, "pushButton" + QString(digit));
            }
            for (const QString &name : names)
                if (!woxPress(keypad, name))
                    return;
        });
        menu->engineerToolButton->click();
        QCOMPARE(script.seen, QStringList("woxPasswordDialog"));
        QPointer<woxEngineerWidget> engineer = menu->findChild<woxEngineerWidget *>();
        const auto menuState = [menu] {
            return QString("margin %1, exit %2").arg(menu->verticalLayout->contentsMargins().left())
                .arg(menu->exitToolButton->isHidden() ? "hidden" : "shown");
        };
        const QAbstractButton *lockedTest = engineer ? engineer->findChild<QAbstractButton *>("proToolButton00") : nullptr;
        const QTabWidget *pages = engineer ? engineer->findChild<QTabWidget *>("tabWidget") : nullptr;
        QVERIFY2(!engineer || (pages && lockedTest), "tabWidget, proToolButton00");
        QString shown = QString("%1 pages, tests %2, ").arg(pages ? pages->count() : 0)
                            .arg(!lockedTest ? "-" : lockedTest->isEnabled() ? "on" : "off") + menuState();
        if (engineer) {
            engineer->close();
            QTRY_VERIFY(engineer.isNull());
            shown += " | " + menuState();
        }
        QTEST(shown, "expected");
    }

    // Every way the window closes shuts the program down alike: the options stored, the core, the user messages
    // and the shared message dialog gone. The update screen's hand-over closes the main window itself and then
    // ends the event loop; a second close runs the same again on nothing.
    void everyWayOutShutsDown_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("loopEnded");
        for (const char *way : {"Exit", "power off", "update hand-over", "closed twice"})
            QTest::newRow(way) << QString(way) << int(QByteArray(way) == "update hand-over");
    }

    void everyWayOutShutsDown()
    {
        QFETCH(QString, way);
        QFETCH(int, loopEnded);
        woxModalScript script;
        woxMainWidget window;
        window.show();
        auto *menu = window.findChild<woxSystemWidget *>();
        QVERIFY2(menu, "woxSystemWidget");
        script.answer(1);
        woxWarningDialog::showOk("made");
        QPointer<woxCore> core(woxCore::instance());
        QPointer<woxUserMessage> messages(woxUserMessage::instance());
        QVERIFY(core && messages && woxWarningDialog::existingInstance());
        if (way == "Exit") {
            script.answer(1);
            menu->exitToolButton->click();
        } else if (way == "power off") {
            emit menu->sendPowerOff();
        } else if (way == "update hand-over") {
            menu->updateToolButton->click();
            auto *update = menu->findChild<woxUpdateWidget *>();
            QVERIFY2(update, "woxUpdateWidget");
            QVERIFY(QMetaObject::invokeMethod(update, "onRestartTimeout"));   // its 3 s are over
        } else {
            window.close();
            window.show();
            window.close();
        }
        QEventLoop loop;   // an ended application loop turns every loop away at once
        QTimer::singleShot(0, &loop, [&loop] { loop.exit(0); });
        const bool ended = loop.exec() == -1;
        if (ended) {   // cleared by one more turn of the application loop, for the cases after
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QCoreApplication::exec();
        }
        QCOMPARE(QString("visible %1, options %2, core %3, messages %4, dialog %5, loop ended %6")
                     .arg(window.isVisible()).arg(QSettings(settingsOrganisation, "woxOptionsWidget").allKeys().size())
                     .arg(!core.isNull()).arg(!messages.isNull()).arg(woxWarningDialog::existingInstance() != nullptr)
                     .arg(ended),
                 QString("visible 0, options 6, core 0, messages 0, dialog 0, loop ended %1").arg(loopEnded));
    }

    // The largest session (8 sets of 6,336 rows) reopened in MAIN shows every header and text whole, in both
    // languages. Its last rows hold the widest texts: a five-digit row number, remote electrodes, electrode 64,
    // channel 16, 500 V, the largest resistivity and shown quality, N / A, NaN; the last arrives as a result.
    void sessionTableShowsWholeTexts()
    {
        woxSessionFile session = woxSessionFixture::session(8 * 6336, 16);
        QList<woxSessionDataUnit> &units = session.units;
        const int last = units.size() - 1;
        units[last].quadripole = woxMake::coreQuadripole(65535, 63, 65534, 63, 15);
        units[last].k = 7.48e6f;   // dipole-dipole, n = 61 at 10 m: the largest factor
        QVERIFY(!woxSessionFixture::write(session).isEmpty());
        woxModalScript script;
        woxMainWidget window;
        window.show();
        QVERIFY2(woxPress(window.findChild<woxSessionMenuWidget *>(), "openPushButton"), "openPushButton");
        auto *screen = window.findChild<woxSessionWidget *>();
        QVERIFY(screen && script.seen.isEmpty());
        QAbstractItemView *table = screen->sessionTableView;
        auto *model = qobject_cast<woxSessionDataModel *>(table->model());
        woxCoreReportET2D report;   // the last run's results, the last at 500 V and 20 mA: 12,342,000 ohm-metres
        for (int row = 0; row < 14; ++row)
            report.results << woxMeasureResult{-153125.0f, 69.357f, 10.03f + row % 7, 0.5f, 4.2074f, {}, 0.0005f,
                                               true, {}};
        report.results << woxMeasureResult{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, {}, 200.5f, true, {}}   // NaN, N / A
                       << woxMeasureResult{-500000.0f, 20.0f, -33.0f, 33.0f, -5.0f, {}, 200.0f, true, {}};
        QVERIFY(model->measureSet(last - 15));
        script.answer(1);   // "It is all done"
        model->setResult(report);
        for (const char *language : {"", "Ru", "Uk"}) {   // first as the results left it
            if (*language)
                woxTranslator::instance()->setLanguage(language);
            QCoreApplication::sendPostedEvents();
            table->scrollToBottom();   // the last rows, and a thousand above them: what a column's measure takes in
            QHeaderView *header = screen->sessionTableView->horizontalHeader();
            QStringList cut;
            for (int c = 0; c < 14; ++c) {   // index columns no wider than their texts, no column narrower
                const int need = qMax(header->sectionSizeHint(c), table->sizeHintForColumn(c));
                if (need > header->sectionSize(c) || (c < 6 && need < header->sectionSize(c)))
                    cut << header->model()->headerData(c, Qt::Horizontal).toString();
            }
            QCOMPARE(cut.join(" | "), QString());
            QCOMPARE(header->length(), table->viewport()->width());   // filled, nothing past the edge
        }
        QCOMPARE(script.seen, QStringList("woxWarningDialog: It is all done"));
        QVERIFY(woxSavePicture(screen, "session-table.png"));
    }
};

QTEST_MAIN(tst_mainwidget)
#include "tst_mainwidget.moc"
