#include "woxEngineerWidget.h"
#include "woxModalScript.h"
#include "woxSystemWidget.h"

#include <QDialog>
#include <QtTest>

// The system menu's Engineer button with the opener the main window installs:
// what the keypad grants decides the engineer screen that opens.
class tst_engineerentry : public QObject
{
    Q_OBJECT

private slots:
    void keypadEntryDecidesTheScreen_data()
    {
        QTest::addColumn<QString>("typed");   // null: Cancel
        QTest::addColumn<int>("pages");       // 0: nothing opens
        QTest::addColumn<bool>("lockedTestsEnabled");
        QTest::newRow("cancel") << QString() << 0 << false;
        QTest::newRow("nothing typed") << QString("") << 1 << false;
        QTest::newRow("first code") << QString("58031") << 10 << true;
        QTest::newRow("second code") << QString("39284") << 1 << true;
    }

    void keypadEntryDecidesTheScreen()
    {
        QFETCH(QString, typed);
        QFETCH(int, pages);
        QFETCH(bool, lockedTestsEnabled);
        woxSystemWidget menu;
        menu.setEngineerOpener(&woxEngineerWidget::openFromKeypad);
        woxModalScript script;
        script.then([typed](QDialog *keypad) {
            if (typed.isNull()) {
                keypad->findChild<QPushButton *>("cancelPushButton")->click();
                return;
            }
            for (QChar digit : typed)
                keypad->findChild<QPushButton *>(QStringLiteral("pushButton") + digit)->click();
            keypad->findChild<QPushButton *>("enterPushButton")->click();
        });
        menu.engineerToolButton->click();
        QCOMPARE(script.seen, QStringList("woxPasswordDialog"));
        QPointer<woxEngineerWidget> screen = menu.findChild<woxEngineerWidget *>();
        QCOMPARE(screen.isNull(), pages == 0);
        QCOMPARE(menu.exitToolButton->isHidden(), pages != 0);
        if (!screen)
            return;
        QCOMPARE(screen->findChild<QTabWidget *>("tabWidget")->count(), pages);
        QCOMPARE(screen->findChild<QToolButton *>("proToolButton00")->isEnabled(),
                 lockedTestsEnabled);
        screen->close();
        QVERIFY(!menu.exitToolButton->isHidden());
        QCOMPARE(menu.verticalLayout->contentsMargins(), QMargins(6, 6, 6, 6));
        QTRY_VERIFY(screen.isNull());
    }
};

QTEST_MAIN(tst_engineerentry)
#include "tst_engineerentry.moc"
