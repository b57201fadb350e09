#include "woxSessionCloseFlag.h"

#include "woxConstants.h"

#include <QSettings>

namespace {

// The session screen and both menus share the session menu's settings group.
const char *const application = "woxSessionMenuWidget";
const char *const key = "sessionCloseSuccess";
const char *const mainKey = "mainSessionCloseSuccess";

void write(int value, bool mainSession)
{
    QSettings settings(settingsOrganisation, QLatin1String(application));
    if (mainSession)
        settings.setValue(QLatin1String(mainKey), value);
    settings.setValue(QLatin1String(key), value);
    // Written through at once: the flags are what survives a power loss.
    settings.sync();
}

} // namespace

int woxSessionCloseFlag::value()
{
    const QSettings settings(settingsOrganisation, QLatin1String(application));
    return settings.value(QLatin1String(key), 1).toInt();
}

int woxSessionCloseFlag::mainValue()
{
    const QSettings settings(settingsOrganisation, QLatin1String(application));
    return settings.value(QLatin1String(mainKey), value()).toInt();
}

void woxSessionCloseFlag::store(int value)
{
    write(value, true);
}

void woxSessionCloseFlag::storeViewed()
{
    write(0, false);
}
