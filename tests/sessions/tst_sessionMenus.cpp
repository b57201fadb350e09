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

    // The flag-0 row runs first: the process-wide toggle starts false, so
    // the first image after a start is folderThree.
    void blink_data()
    {
        QTest::addColumn<int>("flag");
        QTest::newRow("unfinished") << 0;
        QTest::newRow("absent") << -1;
        QTest::newRow("clean") << 1;
    }

    void blink()
    {
        QFETCH(int, flag);
        if (flag >= 0)
            woxSessionCloseFlag::store(flag);
        QVERIFY(writeSession(systemDir + lastSessionFileName));
        woxSessionMenuWidget menu;
        QPushButton *open = button(&menu, "openPushButton");
        QVERIFY(shows(open, "folderTwo"));
        if (flag == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderThree"), 3000);
            QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderTwo"), 3000);
            QTRY_VERIFY_WITH_TIMEOUT(shows(open, "folderThree"), 3000);
            open->click();                   // the working copy opens
            QVERIFY(open->isHidden());
            QVERIFY(shows(open, "folderTwo"));
        }
        QTest::qWait(1200);
        QVERIFY(shows(open, "folderTwo"));
    }

    // Roads that end before a screen is shown give the menu back as it was.
    void refusals_data()
    {
        QTest::addColumn<bool>("data");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("sessions");   // stored; -1: no directory
        QTest::addColumn<QString>("seen");
        const QString noSessions = "woxWarningDialog: Can not find sessions\n(" + sessionsDir + ")";
        QTest::newRow("no working copy") << false << "openPushButton" << 0
                                         << "woxWarningDialog: Can not find previous session";
        QTest::newRow("no templates") << false << "newPushButton" << 0
                                      << "woxWarningDialog: Can not find templates\n(" + templatesDir + ")";
        QTest::newRow("no sessions directory") << true << "openPushButton" << -1 << noSessions;
        QTest::newRow("no sessions") << true << "openPushButton" << 0 << noSessions;
        QTest::newRow("data cancelled") << true << "openPushButton" << 1 << "woxFileTableDialog";
    }

    void refusals()
    {
        QFETCH(bool, data);
        QFETCH(QString, pressed);
        QFETCH(int, sessions);
        QFETCH(QString, seen);
        if (sessions >= 0)
            QDir().mkpath(sessionsDir);
        if (sessions > 0)
            QVERIFY(writeSession(sessionsDir + "line1." + sessionExtension));
        woxSessionMenuWidget mainMenu;
        woxDataMenuWidget dataMenu;
        QWidget *menu = data ? static_cast<QWidget *>(&dataMenu) : &mainMenu;
        woxModalScript script;
        script.answer(seen == "woxFileTableDialog" ? QDialog::Rejected : 1);
        button(menu, pressed.toLatin1())->click();
        QCOMPARE(script.seen, QStringList(seen));
        settle();
        QVERIFY(!mainMenu.findChild<woxSessionWidget *>());
        QVERIFY(!dataMenu.findChild<woxSessionWidget *>());
        QVERIFY(!button(menu, pressed.toLatin1())->isHidden());
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
        QVERIFY(!measured->startPushButton->isHidden() && viewed->startPushButton->isHidden());
        QVERIFY(button(&mainMenu, "newPushButton")->isHidden()
                && button(&dataMenu, "openPushButton")->isHidden());

        woxOptionsWidget::setPauseDisabled(true);
        viewed->closePushButton->click();
        settle();
        QVERIFY(!dataMenu.findChild<woxSessionWidget *>() && !pause->isEnabled());
        QVERIFY(!button(&dataMenu, "openPushButton")->isHidden());
        {
            woxModalScript script;
            script.answer(0);
            measured->closePushButton->click();
        }
        settle();
        QVERIFY(!mainMenu.findChild<woxSessionWidget *>() && pause->isEnabled());
        QCOMPARE(woxSessionCloseFlag::value(), 1);
        QVERIFY(shows(button(&mainMenu, "openPushButton"), "folderTwo"));
    }
};

QTEST_MAIN(tst_sessionMenus)
#include "tst_sessionMenus.moc"
