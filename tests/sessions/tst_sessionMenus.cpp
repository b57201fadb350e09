#include "woxConstants.h"
#include "woxCore.h"
#include "woxDataMenuWidget.h"
#include "woxModalScript.h"
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
};

QTEST_MAIN(tst_sessionMenus)
#include "tst_sessionMenus.moc"
