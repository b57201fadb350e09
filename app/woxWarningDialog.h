#ifndef WOXWARNINGDIALOG_H
#define WOXWARNINGDIALOG_H

#include "ui_mWarningDialog.h"

#include <QDialog>

// The one dialog through which every screen tells the operator something or
// asks a question. Callers use the static operations with texts they have
// already translated and never hold the dialog. GUI thread only.
class woxWarningDialog : public QDialog, public Ui::mWarningDialog
{
    Q_OBJECT

public:
    // Result of the Cancel button; OK/Yes accepts (1), No rejects (0).
    enum { CancelResult = 2 };

    // "OK" button: 1 when pressed, 0 on Escape.
    static int showOk(const QString &text);
    // Yes and No: 1 Yes, 0 No (also Escape).
    static int askYesNo(const QString &text);
    // Yes, No and Cancel: 1 Yes, 0 No (also Escape), 2 Cancel.
    static int askYesNoCancel(const QString &text);
    // A notice without buttons, shown without blocking while the caller does
    // blocking work. Does nothing unless the dialog already exists.
    static void showText(const QString &text);
    // Closes and deletes the shared dialog; the next question builds a new one.
    static void closeInstance();

    // The shared dialog, or nullptr; for callers that check what is shown.
    static woxWarningDialog *existingInstance();

private slots:
    void cancelSlot();
    void onTranslate();

private:
    enum Form { OkForm, YesNoForm, YesNoCancelForm };

    woxWarningDialog();
    static int runModal(Form form, const QString &text);
    void prepare(Form form, const QString &text);
    void centreOnScreen();

    static woxWarningDialog *self;
    static bool modalRunning;
};

#endif
