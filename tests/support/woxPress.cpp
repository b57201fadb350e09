#include "woxPress.h"

#include <QAbstractButton>
#include <QDialog>
#include <QtTest>

bool woxPress(QWidget *root, const QString &name)
{
    QAbstractButton *button = root ? root->findChild<QAbstractButton *>(name) : nullptr;
    if (button) {
        button->click();
        return true;
    }
    if (auto *dialog = qobject_cast<QDialog *>(root))
        dialog->reject();
    QTest::qFail(qPrintable("no button " + name), __FILE__, __LINE__);
    return false;
}
