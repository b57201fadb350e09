#include "woxWarningDialog.h"

#include "woxTranslator.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

woxWarningDialog *woxWarningDialog::self = nullptr;
bool woxWarningDialog::modalRunning = false;

woxWarningDialog::woxWarningDialog()
    : QDialog(nullptr)
{
    // A title bar without buttons: the operator answers with the dialog's
    // own buttons only.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    connect(cancelPushButton, &QPushButton::clicked, this, &woxWarningDialog::cancelSlot);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxWarningDialog::onTranslate);
    onTranslate();
}

woxWarningDialog *woxWarningDialog::existingInstance()
{
    return self;
}

int woxWarningDialog::showOk(const QString &text)
{
    return runModal(OkForm, text);
}

int woxWarningDialog::askYesNo(const QString &text)
{
    return runModal(YesNoForm, text);
}

int woxWarningDialog::askYesNoCancel(const QString &text)
{
    return runModal(YesNoCancelForm, text);
}

int woxWarningDialog::runModal(Form form, const QString &text)
{
    if (modalRunning) {
        // A timer or a queued report handler asks while another question is
        // open. Rewriting the open dialog would hand the outer caller an
        // answer to a question the operator never saw, so this one gets a
        // dialog of its own, on top of the shared one.
        woxWarningDialog nested;
        nested.prepare(form, text);
        return nested.exec();
    }
    if (!self)
        self = new woxWarningDialog();
    // A notice left open is a plain window; exec() on a visible window would
    // not make it modal, so it is hidden first and shown again modally.
    self->hide();
    self->prepare(form, text);
    // A window shown again keeps its old place in the stacking order: a
    // full-screen window opened since (the file-name keyboard) would hide the
    // question and leave the screen apparently frozen.
    self->raise();
    modalRunning = true;
    // The dialog may be deleted by closeInstance() while it runs; exec()
    // then answers Rejected and the pointer must not be touched again.
    QPointer<woxWarningDialog> guard(self);
    const int result = self->exec();
    if (guard)
        modalRunning = false;
    return result;
}

void woxWarningDialog::prepare(Form form, const QString &text)
{
    if (form == YesNoCancelForm)
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
    messageLabel->setText(text);
    okYesPushButton->setText(form == OkForm ? QStringLiteral("OK") : tr("Yes"));
    okYesPushButton->setVisible(true);
    noPushButton->setVisible(form != OkForm);
    cancelPushButton->setVisible(form == YesNoCancelForm);
    resize(sizeHint());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Apply the fixed size now, so the centring below uses the final size.
    layout()->activate();
    centreOnScreen();
}

void woxWarningDialog::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect own = geometry();
    move((area.right() - area.left()) / 2 - (own.right() - own.left()) / 2,
         (area.bottom() - area.top()) / 2 - (own.bottom() - own.top()) / 2);
}

void woxWarningDialog::showText(const QString &text)
{
    // The notice never builds the dialog, and it never replaces an open
    // question: its buttons would vanish and the question could not be
    // answered.
    if (!self || modalRunning)
        return;
    self->messageLabel->setText(text);
    self->okYesPushButton->setVisible(false);
    self->noPushButton->setVisible(false);
    self->cancelPushButton->setVisible(false);
    self->resize(self->sizeHint());
    self->layout()->activate();
    self->show();
    self->raise();
    self->centreOnScreen();
    // Painted now, before the caller blocks.
    QCoreApplication::processEvents();
}

void woxWarningDialog::closeInstance()
{
    if (!self)
        return;
    woxWarningDialog *dialog = self;
    self = nullptr;
    modalRunning = false;
    dialog->close();
    delete dialog;
}

void woxWarningDialog::cancelSlot()
{
    done(CancelResult);
}

void woxWarningDialog::onTranslate()
{
    setWindowTitle(tr("Attention!"));
    noPushButton->setText(tr("No"));
    cancelPushButton->setText(tr("Cancel"));
}
