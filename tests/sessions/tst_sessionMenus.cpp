#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxDataMenuWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxModalScript.h"
#include "woxOptionsWidget.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionFixture.h"
#include "woxSessionMenuWidget.h"
#include "woxSessionWidget.h"

#include <QDialog>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

bool writeSession(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && woxSessionFixture::session(2).write(file);
}

bool shows(QPushButton *button, const QString &picture)
{
    const QImage expected = QImage(QStringLiteral(":/icons/icons/") + picture + ".png")
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage shown = button->icon().pixmap(expected.size()).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    return shown == expected;
}

QPushButton *button(QWidget *menu, const char *name)
{
    return menu->findChild<QPushButton *>(QLatin1String(name));
}

// Deletes what the menus handed to deleteLater().
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_sessionMenus : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings(settingsOrganisation, QStringLiteral("woxSessionMenuWidget")).clear();
        QFile::remove(systemDir + lastSessionFileName);
        QDir(sessionsDir).removeRecursively();
        QDir(templatesDir).removeRecursively();
    }

    void cleanup()
    {
        settle();
        woxCore::destroy();
    }

    // Runs first: the process-wide toggle starts false, so the first image
    // after a start is folderThree.
    void blink()
    {
        woxSessionCloseFlag::store(0);
        QVERIFY(writeSession(systemDir + lastSessionFileName));
        woxSessionMenuWidget menu;
        QPushButton *open = button(&menu, "openPushButton");
        QVERIFY(shows(open, "folderTwo"));
        QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderThree"), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderTwo"), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderThree"), 3000);

        open->click();                       // the working copy opens
        QVERIFY(open->isHidden());
        QVERIFY(shows(open, "folderTwo"));
        QTest::qWait(1200);
        QVERIFY(shows(open, "folderTwo"));
    }

    void noBlinkWhenClosedCleanly_data()
    {
        QTest::addColumn<int>("flag");
        QTest::newRow("absent") << -1;
        QTest::newRow("clean") << 1;
    }

    void noBlinkWhenClosedCleanly()
    {
        QFETCH(int, flag);
        if (flag >= 0)
            woxSessionCloseFlag::store(flag);
        woxSessionMenuWidget menu;
        QTest::qWait(1200);
        QVERIFY(shows(button(&menu, "openPushButton"), "folderTwo"));
    }

    void messages_data()
    {
        QTest::addColumn<bool>("data");
        QTest::addColumn<bool>("sessionsDirectory");
        QTest::addColumn<QString>("message");
        QTest::newRow("no working copy") << false << true << "Can not find previous session";
        QTest::newRow("no sessions directory")
            << true << false << QString("Can not find sessions\n(" + sessionsDir + ")");
        QTest::newRow("no sessions") << true << true
                                     << QString("Can not find sessions\n(" + sessionsDir + ")");
    }

    void messages()
    {
        QFETCH(bool, data);
        QFETCH(bool, sessionsDirectory);
        QFETCH(QString, message);
        if (sessionsDirectory)
            QDir().mkpath(sessionsDir);
        woxSessionMenuWidget mainMenu;
        woxDataMenuWidget dataMenu;
        woxModalScript script;
        script.answer(1);
        button(data ? static_cast<QWidget *>(&dataMenu) : &mainMenu, "openPushButton")->click();
        QCOMPARE(script.seen, QStringList("woxWarningDialog: " + message));
        QVERIFY(!mainMenu.findChild<woxSessionWidget *>());
        QVERIFY(!dataMenu.findChild<woxSessionWidget *>());
    }

    void dataCancelled()
    {
        QVERIFY(writeSession(sessionsDir + "line1." + sessionExtension));
        woxDataMenuWidget menu;
        woxModalScript script;
        script.cancel();
        button(&menu, "openPushButton")->click();
        QCOMPARE(script.seen, QStringList("woxFileTableDialog"));
        QVERIFY(!menu.findChild<woxSessionWidget *>());
        QVERIFY(!button(&menu, "openPushButton")->isHidden());
    }

    void failedOpenGivesButtonsBack()
    {
        woxSessionMenuWidget menu;
        woxModalScript script;
        script.answer(1);
        button(&menu, "newPushButton")->click();
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Can not find templates\n("
                                          + templatesDir + ")"));
        settle();
        QVERIFY(!menu.findChild<woxSessionWidget *>());
        QVERIFY(!button(&menu, "newPushButton")->isHidden());
    }

    void bothPagesAndThePause()
    {
        QVERIFY(writeSession(systemDir + lastSessionFileName));
        QVERIFY(writeSession(sessionsDir + "line1." + sessionExtension));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxOptionsWidget options;
        QWidget *pause = options.findChild<QWidget *>(QStringLiteral("pauseDurationComboBox"));
        woxSessionMenuWidget mainMenu;
        woxDataMenuWidget dataMenu;
        button(&mainMenu, "openPushButton")->click();
        {
            woxModalScript script;
            script.answer(QDialog::Accepted);
            button(&dataMenu, "openPushButton")->click();
        }
        woxSessionWidget *measured = mainMenu.findChild<woxSessionWidget *>();
        woxSessionWidget *viewed = dataMenu.findChild<woxSessionWidget *>();
        QVERIFY(measured && viewed);
        QVERIFY(!measured->startPushButton->isHidden());
        QVERIFY(viewed->startPushButton->isHidden());
        QVERIFY(button(&mainMenu, "newPushButton")->isHidden());
        QVERIFY(button(&dataMenu, "openPushButton")->isHidden());

        woxOptionsWidget::setPauseDisabled(true);
        viewed->closePushButton->click();
        settle();
        QVERIFY(!dataMenu.findChild<woxSessionWidget *>());
        QVERIFY(!button(&dataMenu, "openPushButton")->isHidden());
        QVERIFY(!pause->isEnabled());
        {
            woxModalScript script;
            script.answer(0);
            measured->closePushButton->click();
        }
        settle();
        QVERIFY(!mainMenu.findChild<woxSessionWidget *>());
        QVERIFY(pause->isEnabled());
        QCOMPARE(woxSessionCloseFlag::value(), 1);
        QVERIFY(shows(button(&mainMenu, "openPushButton"), "folderTwo"));
    }
};

QTEST_MAIN(tst_sessionMenus)
#include "tst_sessionMenus.moc"
