#include "woxKeyboardDialog.h"
#include "woxModal.h"
#include "woxWarningDialog.h"

#include <QPushButton>
#include <QtTest>

// Counts the events of one type that reach a widget.
class woxEventCounter : public QObject
{
public:
    woxEventCounter(QObject *watched, QEvent::Type type) : type(type)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == type ? 1 : 0;
        return false;
    }

private:
    QEvent::Type type;
};

// The on-screen keyboard and the shared message dialog it refuses names with.
class tst_keyboard : public QObject
{
    Q_OBJECT

private:
    static void tap(const woxKeyboardDialog &keyboard, const char *key)
    {
        keyboard.findChild<QPushButton *>(key)->click();
    }

private slots:
    // Each form with each way out; one dialog serves every form, so buttons
    // hidden by one come back.
    void answers_data()
    {
        QTest::addColumn<int>("form");     // 0 OK, 1 Yes/No, 2 Yes/No/Cancel
        QTest::addColumn<int>("answer");   // button 0 OK/Yes, 1 No, 2 Cancel; 3 Escape
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("result");
        QTest::newRow("ok escape") << 0 << 3 << "OK" << 0;
        QTest::newRow("yes") << 1 << 0 << "Yes No" << 1;
        QTest::newRow("no") << 1 << 1 << "Yes No" << 0;
        QTest::newRow("cancel") << 2 << 2 << "Yes No Cancel" << 2;
        QTest::newRow("escape is no, not cancel") << 2 << 3 << "Yes No Cancel" << 0;
        QTest::newRow("ok after cancel") << 0 << 0 << "OK" << 1;
    }

    void answers()
    {
        QFETCH(int, form);
        QFETCH(int, answer);
        QFETCH(QString, buttons);
        QFETCH(int, result);
        woxIfModal([&](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->messageLabel->text(), QString("Saved?"));
            QStringList shown;
            QPushButton *all[] = {d->okYesPushButton, d->noPushButton, d->cancelPushButton};
            for (QPushButton *button : all) {
                if (button->isVisible())
                    shown << button->text();
            }
            QCOMPARE(shown.join(' '), buttons);
            if (answer < 3)
                all[answer]->click();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        const int answered = form == 0   ? woxWarningDialog::showOk("Saved?")
                             : form == 1 ? woxWarningDialog::askYesNo("Saved?")
                                         : woxWarningDialog::askYesNoCancel("Saved?");
        QCOMPARE(answered, result);
    }

    // Enter refuses an empty name and a hidden one; the shared dialog that
    // says so comes back on top of the keyboard opened after it.
    void refusalsRaiseTheDialogOverTheKeyboard()
    {
        woxIfModal([](QDialog *dialog) { dialog->accept(); });
        woxWarningDialog::showOk("first");
        woxKeyboardDialog keyboard("");
        keyboard.show();
        QSignalSpy accepted(&keyboard, &QDialog::accepted);
        woxEventCounter raised(woxWarningDialog::existingInstance(), QEvent::ZOrderChange);
        QStringList messages;
        for (const char *key : {"enterB", "dotB", "aB", "enterB", "clearB", "spaceB", "enterB"}) {
            woxIfModal([&](QDialog *dialog) {
                if (!dialog)
                    return;
                messages << static_cast<woxWarningDialog *>(dialog)->messageLabel->text();
                QCOMPARE(raised.count, messages.size());
                dialog->accept();
            });
            tap(keyboard, key);
            QCoreApplication::processEvents();
        }
        QCOMPARE(messages, QStringList({"File name is empty", "File name must not start with a dot"}));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(keyboard.fileName(), QString(" "));
    }
};

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
