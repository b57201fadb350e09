#include "woxStyleSheet.h"

#include <QFile>
#include <QWidget>

namespace {

bool readSheet(const QString &resource, QString *text)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromLatin1(file.readAll());
    return true;
}

} // namespace

QString woxStyleSheet::read(const QString &resource)
{
    QString text;
    readSheet(resource, &text);
    return text;
}

bool woxStyleSheet::apply(QWidget *widget, const QString &resource)
{
    QString text;
    if (!widget || !readSheet(resource, &text))
        return false;
    widget->setStyleSheet(text);
    return true;
}
