#include "woxKeyboardDialog.h"
#include "woxModal.h"
#include "woxWarningDialog.h"

#include <QPushButton>
#include <QtTest>

// Counts the events of one type that reach a widget.
struct woxEventCounter : QObject {
    woxEventCounter(QObject *watched, QEvent::Type type) : type(type) { watched->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { count += event->type() == type; return false; }
    QEvent::Type type;
    int count = 0;
};

// The on-screen keyboard and the shared message dialog it refuses names with.
class tst_keyboard : public QObject
{
    Q_OBJECT

private slots:
    // Each form with each way out; one dialog serves every form, so buttons hidden by one come back.
    void answers_data()
    {
        // "form answer result buttons": form 0 OK, 1 Yes/No, 2 Yes/No/Cancel; answer: button 0 OK/Yes, 1 No,
        // 2 Cancel, 3 Escape (no, not cancel). The last OK comes after a Cancel.
        QTest::addColumn<QString>("row");
        for (const char *row : {"0 3 0 OK", "1 0 1 Yes No", "1 1 0 Yes No", "2 2 2 Yes No Cancel",
                                "2 3 0 Yes No Cancel", "0 0 1 OK"})
            QTest::newRow(row) << QString(row);
    }

    void answers()
    {
        QFETCH(QString, row);
        const QStringList v = row.split(' ');
        const int form = v[0].toInt(), answer = v[1].toInt();
        woxIfModal([&](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QStringList shown(d->messageLabel->text());
            QPushButton *all[] = {d->okYesPushButton, d->noPushButton, d->cancelPushButton};
            for (QPushButton *button : all)
                shown << (button->isVisible() ? button->text() : QString());
            QCOMPARE(shown.join(' ').trimmed(), "Saved? " + v.mid(3).join(' '));
            if (answer < 3)
                all[answer]->click();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        const int answered = form == 0   ? woxWarningDialog::showOk("Saved?")
                             : form == 1 ? woxWarningDialog::askYesNo("Saved?")
                                         : woxWarningDialog::askYesNoCancel("Saved?");
        QCOMPARE(answered, v[2].toInt());
    }

    // Enter refuses an empty name and a hidden one; the shared dialog that says so comes back on top of the keyboard
    // opened after it.
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
            keyboard.findChild<QPushButton *>(key)->click();
            QCoreApplication::processEvents();
        }
        QCOMPARE(messages, QStringList({"File name is empty", "File name must not start with a dot"}));
        QVERIFY(accepted.count() == 1 && keyboard.fileName() == " ");
    }
};

QTEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
