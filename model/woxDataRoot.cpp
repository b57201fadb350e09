#include "woxDataRoot.h"

#include <QDir>

QString woxDataRoot::drive()
{
    QString home = QDir::homePath();
    if (!home.endsWith(QLatin1Char('/')))
        home += QLatin1Char('/');
    return home;
}
