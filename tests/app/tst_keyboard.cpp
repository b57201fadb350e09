#include "woxKeyboardDialog.h"
#include "woxFakeClock.h"
#include "woxModal.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

void tap(const woxKeyboardDialog &keyboard, const char *key)
{
    keyboard.findChild<QPushButton *>(key)->click();
}

QString caption(const woxKeyboardDialog &keyboard, const char *key)
{
    return keyboard.findChild<QPushButton *>(key)->text();
}

QLineEdit *line(const woxKeyboardDialog &keyboard)
{
    return keyboard.findChild<QLineEdit *>("lineEdit");
}

// Presses Enter and answers the message dialog, if one comes up; returns the
// message shown ("" when none).
QString enterAndReadMessage(woxKeyboardDialog &keyboard)
{
    QString message;
    woxIfModal([&message](QDialog *modal) {
        QLabel *label = modal ? modal->findChild<QLabel *>("messageLabel") : nullptr;
        if (label) {
            message = label->text();
            modal->accept();
        }
    });
    tap(keyboard, "enterB");
    QCoreApplication::processEvents();
    return message;
}

} // namespace

class tst_keyboard : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        woxWarningDialog::closeInstance();
        woxTranslator::destroy();
    }

    void initialTextAndClear()
    {
        woxKeyboardDialog keyboard("survey_1");
        QCOMPARE(keyboard.fileName(), QString("survey_1"));
        tap(keyboard, "clearB");
        tap(keyboard, "aB");
        QCOMPARE(keyboard.fileName(), QString("a"));
    }

    void shiftChangesCaptionsAndStaysOn()
    {
        woxKeyboardDialog keyboard("");
        tap(keyboard, "shiftB");
        QCOMPARE(caption(keyboard, "qB"), QString("Q"));
        QCOMPARE(caption(keyboard, "apB"), QString("'"));
        QCOMPARE(caption(keyboard, "spaceB"), QString("___"));
        for (const char *key : {"n8B", "dotB", "n7B", "qB", "apB", "n1B", "n0B", "minusB", "equalB", "n2B"})
            tap(keyboard, key);
        QCOMPARE(keyboard.fileName(), QString("~,&Q'!)_+@"));
        tap(keyboard, "shiftB");
        for (const char *key : {"n8B", "dotB", "n7B", "qB", "apB", "mB", "n0B", "minusB", "equalB"})
            tap(keyboard, key);
        QCOMPARE(keyboard.fileName(), QString("~,&Q'!)_+@8.7q'm0-="));
        QCOMPARE(caption(keyboard, "n7B"), QString("7"));
    }

    void typingReplacesSelectionAndStopsAt256()
    {
        woxKeyboardDialog keyboard("old name");
        line(keyboard)->selectAll();
        tap(keyboard, "xB");
        QCOMPARE(keyboard.fileName(), QString("x"));

        line(keyboard)->setText(QString(255, QLatin1Char('a')));
        tap(keyboard, "bB");
        QCOMPARE(keyboard.fileName().size(), 256);
        QVERIFY(keyboard.fileName().endsWith("ab"));
        for (const char *key : {"cB", "timeB", "spaceB", "n1B", "shiftB", "n7B"})
            tap(keyboard, key);
        QCOMPARE(keyboard.fileName().size(), 256);
        tap(keyboard, "backspaceB");
        QCOMPARE(keyboard.fileName(), QString(255, QLatin1Char('a')));
        tap(keyboard, "clearB");
        QVERIFY(keyboard.fileName().isEmpty());
    }

    void timestampGoesToTheCursor()
    {
        woxFakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(19, 43, 32)));
        woxKeyboardDialog keyboard("ab");
        line(keyboard)->setCursorPosition(1);
        tap(keyboard, "timeB");
        QCOMPARE(keyboard.fileName(), QString("a26.12.05_19.43.32b"));
        tap(keyboard, "spaceB");
        QCOMPARE(keyboard.fileName(), QString("a26.12.05_19.43.32 b"));
    }

    void enterRefusesEmptyAndHiddenNames()
    {
        woxKeyboardDialog keyboard("");
        QSignalSpy accepted(&keyboard, &QDialog::accepted);
        QCOMPARE(enterAndReadMessage(keyboard), QString("File name is empty"));
        QCOMPARE(accepted.count(), 0);
        tap(keyboard, "dotB");
        tap(keyboard, "aB");
        QCOMPARE(enterAndReadMessage(keyboard), QString("File name must not start with a dot"));
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(keyboard.fileName(), QString(".a"));
        tap(keyboard, "clearB");
        tap(keyboard, "spaceB");
        QCOMPARE(enterAndReadMessage(keyboard), QString());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(keyboard.result(), int(QDialog::Accepted));
    }

    void cancelRejects()
    {
        woxKeyboardDialog keyboard("name");
        keyboard.setResult(QDialog::Accepted);
        tap(keyboard, "cancelB");
        QCOMPARE(keyboard.result(), int(QDialog::Rejected));
    }

    void russianCaptions()
    {
        woxKeyboardDialog keyboard("");
        woxTranslator::instance()->setLanguage("Ru");
        // Otmena
        QCOMPARE(caption(keyboard, "cancelB"), QStringLiteral("\u041e\u0442\u043c\u0435\u043d\u0430"));
        // Imya faila ne zadano
        QCOMPARE(enterAndReadMessage(keyboard),
                 QStringLiteral("\u0418\u043c\u044f \u0444\u0430\u0439\u043b\u0430 \u043d\u0435 \u0437\u0430\u0434\u0430\u043d\u043e"));
        woxTranslator::instance()->setLanguage("Uk");
        QCOMPARE(caption(keyboard, "cancelB"), QString("Cancel"));
        QCOMPARE(caption(keyboard, "qB"), QString("q"));
    }
};

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
