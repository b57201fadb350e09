#include "woxSavePicture.h"

#include "woxTestEnvironment.h"

#include <QCoreApplication>
#include <QWidget>

bool woxSavePicture(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("WOX_SCREENSHOT_DIR", QString::fromLocal8Bit(woxTestEnvironment::root()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return !folder.isEmpty() && widget->grab().save(folder + '/' + name);
}
