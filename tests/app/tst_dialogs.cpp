#include "woxFakeClock.h"
#include "woxKeyboardDialog.h"
#include "woxModalScript.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QScreen>
#include <QtTest>

// The shared message dialog and the file-name keyboard.
class tst_dialogs : public QObject
{
    Q_OBJECT

    // "message [title buttons shown]"
    static QString dialogState(const QDialog *dialog)
    {
        auto *d = static_cast<const woxWarningDialog *>(dialog);
        QString shown = d->messageLabel->text() + " [" + d->windowTitle();
        for (const QPushButton *button : {d->okYesPushButton, d->noPushButton, d->cancelPushButton})
            shown += button->isVisible() ? " " + button->text() : "";
        return shown + "]";
    }
    static QPushButton *key(const woxKeyboardDialog &keyboard, const QString &name)
    {
        return keyboard.findChild<QPushButton *>(name + "B");
    }
private slots:
    void init()
    {
        woxWarningDialog::closeInstance();
        woxTranslator::instance()->setLanguage("Uk");
    }
    void cleanup() { init(); }

    // "form way: shown | result", one shared dialog throughout, so buttons hidden by one form come back for the next.
    // Escape answers 0 in every form, also where Cancel would give 2.
    void answers()
    {
        QStringList shown;
        QPointer<woxWarningDialog> first;
        for (const QString row : {"ok ok: Saved? [Attention! OK] | 1", "all cancel: Saved? [Attention! Yes No Cancel] | 2",
                 "ok esc: Saved? [Attention! OK] | 0", "yesno yes: Saved? [Attention! Yes No] | 1",
                 "all esc: Saved? [Attention! Yes No Cancel] | 0", "yesno no: Saved? [Attention! Yes No] | 0",
                 "all no: Saved? [Attention! Yes No Cancel] | 0", "yesno esc: Saved? [Attention! Yes No] | 0",
                 "all yes: Saved? [Attention! Yes No Cancel] | 1", "ok ok: Saved? [Attention! OK] | 1"}) {
            const QStringList head = row.section(':', 0, 0).split(' ');
            woxModalScript script;
            QString seen = row.section(':', 0, 0) + ":";
            script.then([&](QDialog *dialog) {
                auto *d = static_cast<woxWarningDialog *>(dialog);
                // Centred on the screen: each half truncated, from the right and bottom edges' coordinates.
                const QRect area = QGuiApplication::primaryScreen()->geometry(), own = d->geometry();
                const QPoint centred((area.right() - area.left()) / 2 - (own.right() - own.left()) / 2,
                                     (area.bottom() - area.top()) / 2 - (own.bottom() - own.top()) / 2);
                seen += " " + dialogState(d) + (d->pos() == centred ? "" : " off centre");
                const int button = QStringList({"ok", "yes", "no", "cancel"}).indexOf(head[1]);
                if (button < 0)
                    QTest::keyClick(d, Qt::Key_Escape);
                else
                    QList<QPushButton *>({d->okYesPushButton, d->okYesPushButton, d->noPushButton,
                                          d->cancelPushButton})[button]->click();
            });
            const int result = head[0] == "ok"      ? woxWarningDialog::showOk("Saved?")
                               : head[0] == "yesno" ? woxWarningDialog::askYesNo("Saved?")
                                                    : woxWarningDialog::askYesNoCancel("Saved?");
            woxWarningDialog *d = woxWarningDialog::existingInstance();
            QVERIFY2(d, "shared dialog");
            if (!first)
                first = d;
            shown << seen + " | " + QString::number(result) + (d->isVisible() ? " visible" : "")
                         + (d->parent() ? " parent" : "") + (d == first ? "" : " another dialog");
            QCOMPARE(shown.last(), row);
        }
        // A title bar without a close button: the operator answers with the dialog's own buttons.
        const Qt::WindowFlags flags = first->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint)
                && !flags.testFlag(Qt::WindowCloseButtonHint));
    }
    // The notice builds no dialog; once one exists it shows without buttons, does not block and is not modal; a
    // question reuses it with its buttons back; closeInstance deletes it and the next message builds a fresh one.
    void notice()
    {
        woxWarningDialog::showText("Please wait...");
        QStringList shown(woxWarningDialog::existingInstance() ? "built" : "none");
        woxModalScript script;
        script.answer(1).then([&](QDialog *d) { shown << dialogState(d); d->accept(); }).answer(1);
        woxWarningDialog::showOk("first");
        QPointer<woxWarningDialog> d = woxWarningDialog::existingInstance();
        QVERIFY2(d, "shared dialog");
        woxWarningDialog::showText("Please wait...");
        shown << dialogState(d) + (d->isVisible() ? " visible" : "") + (QApplication::activeModalWidget() ? " modal" : "");
        shown << QString::number(woxWarningDialog::askYesNo("Go on?"));
        shown << QString(woxWarningDialog::existingInstance() == d ? "same" : "another");
        woxWarningDialog::closeInstance();
        shown << QString(d || woxWarningDialog::existingInstance() ? "kept" : "deleted");
        shown << QString::number(woxWarningDialog::showOk("again"));
        shown.last() += woxWarningDialog::existingInstance() ? " built" : "";
        QCOMPARE(shown << script.seen, QStringList({"none", "Please wait... [Attention!] visible",
                 "Go on? [Attention! Yes No]", "1", "same", "deleted", "1 built", "woxWarningDialog: first",
                 "woxWarningDialog: Go on?", "woxWarningDialog: again"}));
    }
    // A handler running inside an open question asks its own question on top, answered first; the outer keeps its
    // text and buttons. A notice meanwhile leaves the question answerable; closeInstance ends it with 0.
    void nested()
    {
        QStringList shown;
        woxModalScript script;
        script.then([&](QDialog *outer) {
            woxModalScript inner;
            inner.then([&](QDialog *d) { shown << dialogState(d) + (d == outer ? " same" : ""); d->accept(); });
            shown << QString::number(woxWarningDialog::showOk("System time seems to be invalid"));
            woxWarningDialog::showText("Please wait...");
            shown << dialogState(outer);
            static_cast<woxWarningDialog *>(outer)->noPushButton->click();
        });
        script.then([](QDialog *) { woxWarningDialog::closeInstance(); }).answer(1);
        shown << QString::number(woxWarningDialog::askYesNo("Save?"));
        shown << QString::number(woxWarningDialog::askYesNoCancel("Delete?"));
        shown << QString::number(woxWarningDialog::showOk("again"));
        QCOMPARE(shown, QStringList({"System time seems to be invalid [Attention! OK]", "1", "Save? [Attention! Yes No]",
                                     "0", "0", "1"}));
    }
    // A language change re-translates the open dialog's title, No and Cancel at once; the first button keeps what
    // the question set, and "OK" is never translated. A dialog built anew is in the current language.
    void language()
    {
        QStringList shown;
        woxModalScript script;
        script.then([&](QDialog *d) {
            woxTranslator::instance()->setLanguage("Ru");
            shown << dialogState(d);
            d->accept();
        });
        script.then([&](QDialog *d) { shown << dialogState(d); d->accept(); });
        script.then([&](QDialog *d) { shown << dialogState(d); d->accept(); });
        woxWarningDialog::askYesNoCancel("?");
        woxWarningDialog::closeInstance();
        woxWarningDialog::showOk("!");
        woxWarningDialog::askYesNoCancel("?");
        QCOMPARE(shown, QStringList({"? [Внимание! Yes Нет Отмена]",
                                     "! [Внимание! OK]",
                                     "? [Внимание! Да Нет Отмена]"}));
    }

    // "initial text | keys | text [result] refusal": '@n' puts the cursor at n, 'sel' selects all, 'ru' switches to
    // Russian; a{n} stands for n letters a. The cursor stays after what a key put in. Shift stays on until pressed
    // again; the line takes at most 256 characters, an insertion is cut to the room left, Backspace and Clear still
    // work at the limit. Result: -1 still open, 1 accepted, 0 rejected; the refusal is in the language shown.
    void keyboard_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"survey_1 |  | survey_1 [-1]", "survey_1 | clear a | a [-1]", "old name | sel x | x [-1]",
                 "ab | @1 time space | a26.12.05_19.43.32 b [-1]", "ab | @1 space | a b [-1]",
                 "name | @2 backspace | nme [-1]",
                 " | ap n1 n2 n3 n4 n5 n6 n7 n8 n9 n0 minus equal | '1234567890-= [-1]",
                 " | shift ap n1 n2 n3 n4 n5 n6 n7 n8 n9 n0 minus equal | '!@#$%^&~()_+ [-1]",
                 " | q w e r t y u i o p a s d f g h j k l z x c v b n m dot | qwertyuiopasdfghjklzxcvbnm. [-1]",
                 " | shift q w e r t y u i o p a s d f g h j k l z x c v b n m dot | QWERTYUIOPASDFGHJKLZXCVBNM, [-1]",
                 " | shift a n8 shift a n8 | A~a8 [-1]", "a{255} | b c time space n1 shift n7 | a{255}b [-1]",
                 "a{255} | b backspace | a{255} [-1]", "a{255} | b clear |  [-1]", "a{250} | time | a{250}26.12. [-1]",
                 "name | enter | name [1]", "name | x cancel | namex [0]", "  | enter |   [1]",
                 " | ru enter |  [-1] Имя файла не задано"})
            QTest::newRow(row) << QString(row);
    }
    void keyboard()
    {
        QFETCH(QString, row);
        const auto letters = [](QString text) {   // a{n}: n letters a
            QRegularExpressionMatch m = QRegularExpression("a\\{(\\d+)\\}").match(text);
            return m.hasMatch() ? text.replace(m.capturedStart(), m.capturedLength(), QString(m.captured(1).toInt(), 'a'))
                                : text;
        };
        const QStringList v = row.split(" | ");
        woxFakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(19, 43, 32)));
        woxKeyboardDialog keyboard(letters(v[0]));
        keyboard.setResult(-1);
        woxModalScript script;
        script.answer(1);
        QLineEdit *line = keyboard.findChild<QLineEdit *>("lineEdit");
        QVERIFY2(line, "lineEdit");
        for (const QString &step : v[1].split(' ', Qt::SkipEmptyParts)) {
            if (step[0] == '@')
                line->setCursorPosition(step.mid(1).toInt());
            else if (step == "sel")
                line->selectAll();
            else if (step == "ru")
                woxTranslator::instance()->setLanguage("Ru");
            else if (QPushButton *button = key(keyboard, step))
                button->click();
            else
                QFAIL(qPrintable(step + "B"));
        }
        QCOMPARE(keyboard.fileName() + QString(" [%1]").arg(keyboard.result())
                     + script.seen.join(',').remove("woxWarningDialog:"), letters(v[2]));
    }
    // The captions Shift changes and those it keeps, and the function keys following a change of language while the
    // keyboard is open; the keyboard fills the screen and has no close button.
    void keyboardCaptions()
    {
        woxKeyboardDialog keyboard("");
        QStringList shown;
        for (const QString step : {"", "shift", "shift", "Ru", "Uk"}) {
            if (step == "shift")
                key(keyboard, "shift")->click();
            else if (!step.isEmpty())
                woxTranslator::instance()->setLanguage(step);
            shown << QString();
            for (const char *name : {"ap", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9", "n0", "minus", "equal",
                                     "q", "p", "a", "l", "z", "m", "dot", "space", "clear", "backspace", "cancel",
                                     "enter", "shift", "time"}) {
                QPushButton *button = key(keyboard, name);
                QVERIFY2(button, name);
                shown.last() += button->text() + " ";
            }
        }
        const QString functions = "___ Clear Backspace Cancel Enter Shift Timestamp ";
        QCOMPARE(shown, QStringList({"' 1 2 3 4 5 6 7 8 9 0 - = q p a l z m . " + functions,
                                     "' ! @ # $ % ^ && ~ ( ) _ + Q P A L Z M , " + functions,   // "&&" shows one &
                                     "' 1 2 3 4 5 6 7 8 9 0 - = q p a l z m . " + functions,
                                     "' 1 2 3 4 5 6 7 8 9 0 - = q p a l z m . ___ Очистить Стереть Отмена Ввод Регистр "
                                     "Метка времени ", "' 1 2 3 4 5 6 7 8 9 0 - = q p a l z m . " + functions}));
        QVERIFY(keyboard.minimumSize() == QSize(1024, 600) && keyboard.maximumSize() == QSize(1024, 600));
        QVERIFY(!keyboard.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }
};

QTEST_MAIN(tst_dialogs)
#include "tst_dialogs.moc"
