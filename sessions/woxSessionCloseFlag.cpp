#include "woxSessionCloseFlag.h"

#include "woxConstants.h"

#include <QSettings>

namespace {

// The session screen and both menus share the session menu's settings group.
const char *const application = "woxSessionMenuWidget";
const char *const key = "sessionCloseSuccess";

} // namespace

int woxSessionCloseFlag::value()
{
    const QSettings settings(settingsOrganisation, QLatin1String(application));
    return settings.value(QLatin1String(key), 1).toInt();
}

void woxSessionCloseFlag::store(int value)
{
    QSettings settings(settingsOrganisation, QLatin1String(application));
    settings.setValue(QLatin1String(key), value);
    // Written through at once: the flag is what survives a power loss.
    settings.sync();
}
