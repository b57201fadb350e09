#include "woxPasswordDialog.h"
#include "woxTranslator.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QPushButton *key(const woxPasswordDialog &dialog, const QString &name)
{
    return dialog.findChild<QPushButton *>(name);
}

// Taps the digits, then presses `finish` from inside exec().
int run(woxPasswordDialog &dialog, const QString &digits, const QString &finish)
{
    for (QChar digit : digits)
        key(dialog, QStringLiteral("pushButton") + digit)->click();
    QTimer::singleShot(0, key(dialog, finish), &QPushButton::click);
    return dialog.exec();
}

} // namespace

class tst_passwordDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { woxTranslator::destroy(); }

    void enterAlwaysAccepts_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("level");
        QTest::newRow("nothing typed") << "" << "" << 3;
        QTest::newRow("first code") << "58031" << "58031" << 0;
        QTest::newRow("second code") << "39284" << "39284" << 1;
        QTest::newRow("first code and one more") << "580312" << "580312" << 3;
        QTest::newRow("second code cut short") << "3928" << "3928" << 3;
        QTest::newRow("first code after the second") << "3928458031" << "39284580" << 3;
        QTest::newRow("eleven presses") << "12345678901" << "12345678" << 3;
    }

    void enterAlwaysAccepts()
    {
        QFETCH(QString, digits);
        QFETCH(QString, field);
        QFETCH(int, level);
        woxPasswordDialog dialog;
        QCOMPARE(run(dialog, digits, "enterPushButton"), int(QDialog::Accepted));
        QCOMPARE(dialog.accessLevel(), level);
        QLineEdit *line = dialog.findChild<QLineEdit *>("lineEdit");
        QCOMPARE(line->text(), field);
        // Only masks are shown.
        QCOMPARE(line->displayText().size(), field.size());
        for (QChar digit : field)
            QVERIFY(!line->displayText().contains(digit));
    }

    void cancelRejects()
    {
        woxPasswordDialog dialog;
        QCOMPARE(run(dialog, "58031", "cancelPushButton"), int(QDialog::Rejected));
        QCOMPARE(dialog.accessLevel(), 3);
    }

    void followsTheLanguageWhileOpen()
    {
        woxPasswordDialog dialog;
        dialog.show();
        woxTranslator::instance()->setLanguage("Ru");
        QCOMPARE(dialog.windowTitle(), QString("Введите пароль"));
        QCOMPARE(key(dialog, "enterPushButton")->text(), QString("Ввод"));
        QCOMPARE(key(dialog, "cancelPushButton")->text(), QString("Отмена"));
        QCOMPARE(key(dialog, "pushButton7")->text(), QString("7"));
        woxTranslator::instance()->setLanguage("Uk");
        QCOMPARE(dialog.windowTitle(), QString("Enter password"));
        QCOMPARE(key(dialog, "enterPushButton")->text(), QString("Enter"));
        QCOMPARE(key(dialog, "cancelPushButton")->text(), QString("Cancel"));
    }
};

QTEST_MAIN(tst_passwordDialog)
#include "tst_passwordDialog.moc"
