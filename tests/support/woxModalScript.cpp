#include "woxModalScript.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>

woxModalScript *woxModalScript::newest = nullptr;

woxModalScript::woxModalScript()
    : outer(newest)
{
    newest = this;
    connect(&timer, &QTimer::timeout, this, &woxModalScript::poll);
    timer.start(5);
}

woxModalScript::~woxModalScript()
{
    newest = outer;
}

woxModalScript &woxModalScript::then(const Step &step)
{
    steps.append(step);
    return *this;
}

woxModalScript &woxModalScript::answer(int result)
{
    return then([result](QDialog *dialog) { dialog->done(result); });
}

woxModalScript &woxModalScript::type(const QString &text)
{
    return then([text](QDialog *dialog) {
        if (QLineEdit *line = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit")))
            line->setText(text);
        dialog->done(QDialog::Accepted);
    });
}

woxModalScript &woxModalScript::chooseArray(int type)
{
    return then([type](QDialog *dialog) {
        if (QComboBox *box = dialog->findChild<QComboBox *>(QStringLiteral("arrayComboBox")))
            box->setCurrentIndex(type);
        dialog->done(QDialog::Accepted);
    });
}

woxModalScript &woxModalScript::cancel()
{
    return then([](QDialog *dialog) { dialog->done(QDialog::Rejected); });
}

int woxModalScript::pending() const
{
    return steps.size();
}

void woxModalScript::poll()
{
    if (newest != this)
        return;
    QDialog *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    QString entry = QString::fromLatin1(dialog->metaObject()->className());
    if (QLabel *label = dialog->findChild<QLabel *>(QStringLiteral("messageLabel")))
        entry += QStringLiteral(": ") + label->text();
    if (steps.isEmpty()) {
        seen.append(QStringLiteral("unexpected ") + entry);
        dialog->done(QDialog::Rejected);
        return;
    }
    seen.append(entry);
    steps.takeFirst()(dialog);
}
