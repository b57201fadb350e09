#include "woxModal.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
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

class tst_warningdialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxWarningDialog::closeInstance();
        woxTranslator::instance()->setLanguage("Uk");
    }

    void noticeBeforeAnyDialogShowsNothing()
    {
        woxWarningDialog::showText("Please wait...");
        QVERIFY(!shared());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void okMessage()
    {
        whenShown([](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->messageLabel->text(), QString("Saved"));
            QCOMPARE(d->okYesPushButton->text(), QString("OK"));
            QVERIFY(!d->noPushButton->isVisible());
            QVERIFY(!d->cancelPushButton->isVisible());
            QCOMPARE(d->windowTitle(), QString("Attention!"));
            press(d->okYesPushButton);
        });
        QCOMPARE(woxWarningDialog::showOk("Saved"), 1);
        QVERIFY(shared());
        QVERIFY(!shared()->isVisible());

        whenShown([](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        QCOMPARE(woxWarningDialog::showOk("Saved"), 0);
    }

    void yesNoQuestion_data()
    {
        QTest::addColumn<int>("answer");   // 0 Yes, 1 No, 2 Escape
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << 0 << 1;
        QTest::newRow("no") << 1 << 0;
        QTest::newRow("escape") << 2 << 0;
    }

    void yesNoQuestion()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        whenShown([answer](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->okYesPushButton->text(), QString("Yes"));
            QCOMPARE(d->noPushButton->text(), QString("No"));
            QVERIFY(d->noPushButton->isVisible());
            QVERIFY(!d->cancelPushButton->isVisible());
            if (answer == 0)
                press(d->okYesPushButton);
            else if (answer == 1)
                press(d->noPushButton);
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(woxWarningDialog::askYesNo("Delete?"), result);
    }

    void yesNoCancelQuestion_data()
    {
        QTest::addColumn<int>("answer");   // 0 Yes, 1 No, 2 Cancel, 3 Escape
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << 0 << 1;
        QTest::newRow("no") << 1 << 0;
        QTest::newRow("cancel") << 2 << 2;
        QTest::newRow("escape is no, not cancel") << 3 << 0;
    }

    void yesNoCancelQuestion()
    {
        QFETCH(int, answer);
        QFETCH(int, result);
        whenShown([answer](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->cancelPushButton->text(), QString("Cancel"));
            QVERIFY(d->noPushButton->isVisible());
            QVERIFY(d->cancelPushButton->isVisible());
            QPushButton *buttons[] = {d->okYesPushButton, d->noPushButton, d->cancelPushButton};
            if (answer < 3)
                press(buttons[answer]);
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(woxWarningDialog::askYesNoCancel("Save log?"), result);
    }

    void formsFollowEachOther()
    {
        // One dialog serves every form: buttons hidden by one come back.
        whenShown([](QDialog *d) { static_cast<woxWarningDialog *>(d)->cancelPushButton->click(); });
        QCOMPARE(woxWarningDialog::askYesNoCancel("?"), 2);
        woxWarningDialog *first = shared();
        whenShown([](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QVERIFY(!d->cancelPushButton->isVisible());
            QVERIFY(!d->noPushButton->isVisible());
            press(d->okYesPushButton);
        });
        QCOMPARE(woxWarningDialog::showOk("!"), 1);
        QCOMPARE(shared(), first);
    }

    void titleBarHasNoCloseButton()
    {
        whenShown([](QDialog *d) { d->accept(); });
        woxWarningDialog::showOk("x");
        const Qt::WindowFlags flags = shared()->windowFlags();
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QVERIFY(!shared()->parent());
    }

    void dialogIsCentredOnTheScreen()
    {
        QRect geometry;
        whenShown([&geometry](QDialog *d) {
            geometry = d->geometry();
            d->accept();
        });
        woxWarningDialog::showOk("A message long enough to widen the dialog a little");
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // move() places the frame, geometry() is the inside: allow the frame.
        QVERIFY(qAbs(geometry.center().x() - screen.center().x()) <= 4);
        QVERIFY(qAbs(geometry.center().y() - screen.center().y()) <= 4);
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

    void closeInstanceDeletesAndNextDialogIsFreshInCurrentLanguage()
    {
        whenShown([](QDialog *d) { d->accept(); });
        woxWarningDialog::showOk("x");
        QPointer<woxWarningDialog> old(shared());
        woxWarningDialog::closeInstance();
        QVERIFY(!shared());
        QVERIFY(old.isNull());
        woxWarningDialog::closeInstance();   // nothing left to close

        woxTranslator::instance()->setLanguage("Ru");
        whenShown([](QDialog *dialog) {
            auto *d = static_cast<woxWarningDialog *>(dialog);
            QCOMPARE(d->windowTitle(), QStringLiteral("\u0412\u043d\u0438\u043c\u0430\u043d\u0438\u0435!"));
            QCOMPARE(d->okYesPushButton->text(), QStringLiteral("\u0414\u0430"));
            QCOMPARE(d->noPushButton->text(), QStringLiteral("\u041d\u0435\u0442"));
            d->reject();
        });
        QCOMPARE(woxWarningDialog::askYesNo("?"), 0);
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
