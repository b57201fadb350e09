#include "woxModal.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include <functional>

// Runs an action on the dialog that is open modally once the nested event
// loop is running.
static void whenShown(const std::function<void(QDialog *)> &action)
{
    woxIfModal([action](QDialog *dialog) {
        QVERIFY(dialog);
        action(dialog);
    });
}

static void press(QPushButton *button)
{
    QVERIFY(button->isVisible());
    button->click();
}

static woxWarningDialog *shared()
{
    return woxWarningDialog::existingInstance();
}

// Counts the events of one type that reach a widget.
class woxEventCounter : public QObject
{
public:
    woxEventCounter(QObject *watched, QEvent::Type type, int *count)
        : type(type), count(count)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type)
            ++*count;
        return false;
    }

private:
    QEvent::Type type;
    int *count;
};

class tst_warningdialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxTranslator::instance()->setLanguage("Uk");
    }

    void noticeBeforeAnyDialogShowsNothing()
    {
        woxWarningDialog::showText("Please wait...");
        QVERIFY(!shared());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Each form with each way out: the buttons it shows and what it returns.
    // One dialog serves every form, so buttons hidden by one come back.
    void answers_data()
    {
        QTest::addColumn<int>("form");     // 0 OK, 1 Yes/No, 2 Yes/No/Cancel
        QTest::addColumn<int>("answer");   // button 0 OK/Yes, 1 No, 2 Cancel; 3 Escape
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<int>("result");
        QTest::newRow("ok") << 0 << 0 << "OK" << 1;
        QTest::newRow("ok escape") << 0 << 3 << "OK" << 0;
        QTest::newRow("yes") << 1 << 0 << "Yes No" << 1;
        QTest::newRow("no") << 1 << 1 << "Yes No" << 0;
        QTest::newRow("yes/no escape") << 1 << 3 << "Yes No" << 0;
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
        whenShown([&](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->messageLabel->text(), QString("Saved?"));
            QCOMPARE(d->windowTitle(), QString("Attention!"));
            QStringList shown;
            QPushButton *all[] = {d->okYesPushButton, d->noPushButton, d->cancelPushButton};
            for (QPushButton *button : all) {
                if (button->isVisible())
                    shown << button->text();
            }
            QCOMPARE(shown.join(' '), buttons);
            if (answer < 3)
                press(all[answer]);
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        const int answered = form == 0   ? woxWarningDialog::showOk("Saved?")
                             : form == 1 ? woxWarningDialog::askYesNo("Saved?")
                                         : woxWarningDialog::askYesNoCancel("Saved?");
        QCOMPARE(answered, result);
        QVERIFY(!shared()->isVisible());
        QVERIFY(!shared()->parent());
    }

    void noticeShowsWithoutButtonsAndReturns()
    {
        whenShown([](QDialog *d) { d->accept(); });
        woxWarningDialog::showOk("first");
        woxWarningDialog::showText("Please wait...");
        QVERIFY(shared()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(shared()->messageLabel->text(), QString("Please wait..."));
        QVERIFY(!shared()->okYesPushButton->isVisible());
        QVERIFY(!shared()->noPushButton->isVisible());
        QVERIFY(!shared()->cancelPushButton->isVisible());
        // A question reuses the dialog that shows the notice.
        whenShown([](QDialog *d) {
            QVERIFY(static_cast<woxWarningDialog *>(d)->okYesPushButton->isVisible());
            d->accept();
        });
        QCOMPARE(woxWarningDialog::askYesNo("Go on?"), 1);
    }

    // The shared dialog comes back on top of a window opened after it was
    // first shown, for a question and for a notice alike.
    void reusedDialogIsRaised()
    {
        whenShown([](QDialog *d) { d->accept(); });
        woxWarningDialog::showOk("first");
        QDialog later;
        later.show();
        int raised = 0;
        woxEventCounter counter(shared(), QEvent::ZOrderChange, &raised);
        whenShown([&raised](QDialog *d) {
            QCOMPARE(raised, 1);
            d->accept();
        });
        woxWarningDialog::showOk("second");
        woxWarningDialog::showText("Please wait...");
        QCOMPARE(raised, 2);
    }

    void closeInstanceDeletesTheDialog()
    {
        whenShown([](QDialog *d) { d->accept(); });
        woxWarningDialog::showOk("x");
        QPointer<woxWarningDialog> old(shared());
        woxWarningDialog::closeInstance();
        QVERIFY(!shared());
        QVERIFY(old.isNull());
    }

    void languageChangeRetranslatesOpenDialog()
    {
        whenShown([](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            woxTranslator::instance()->setLanguage("Ru");
            QCOMPARE(d->windowTitle(), QStringLiteral("\u0412\u043d\u0438\u043c\u0430\u043d\u0438\u0435!"));
            QCOMPARE(d->noPushButton->text(), QStringLiteral("\u041d\u0435\u0442"));
            QCOMPARE(d->cancelPushButton->text(),
                     QStringLiteral("\u041e\u0442\u043c\u0435\u043d\u0430"));
            // The first button keeps what the question set.
            QCOMPARE(d->okYesPushButton->text(), QString("Yes"));
            d->accept();
        });
        QCOMPARE(woxWarningDialog::askYesNoCancel("?"), 1);
    }

    void questionDuringOpenQuestionKeepsBoth()
    {
        // A handler that runs inside the open question's event loop asks
        // something else: the operator answers both, each in its own dialog,
        // and the first question keeps its text and buttons.
        int inner = -5;
        whenShown([&inner](QDialog *outer) {
            whenShown([outer](QDialog *nested) {
                QVERIFY(nested != outer);
                auto *n = static_cast<woxWarningDialog *>(nested);
                QCOMPARE(n->messageLabel->text(), QString("System time seems to be invalid"));
                press(n->okYesPushButton);
            });
            inner = woxWarningDialog::showOk("System time seems to be invalid");
            auto *o = static_cast<woxWarningDialog *>(outer);
            QCOMPARE(o->messageLabel->text(), QString("Save?"));
            QVERIFY(o->noPushButton->isVisible());
            press(o->noPushButton);
        });
        QCOMPARE(woxWarningDialog::askYesNo("Save?"), 0);
        QCOMPARE(inner, 1);
    }

    void noticeDuringOpenQuestionLeavesItAnswerable()
    {
        whenShown([](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            woxWarningDialog::showText("Please wait...");
            QCOMPARE(d->messageLabel->text(), QString("Delete?"));
            press(d->okYesPushButton);
        });
        QCOMPARE(woxWarningDialog::askYesNo("Delete?"), 1);
    }

    void closeInstanceWhileOpenEndsTheQuestion()
    {
        whenShown([](QDialog *) { woxWarningDialog::closeInstance(); });
        QCOMPARE(woxWarningDialog::askYesNo("?"), 0);
        QVERIFY(!shared());
        // The next question works as usual.
        whenShown([](QDialog *d) { d->accept(); });
        QCOMPARE(woxWarningDialog::showOk("again"), 1);
    }
};

QTEST_MAIN(tst_warningdialog)
#include "tst_warningdialog.moc"
