#include "woxEmbeddedScreen.h"

#include <QWidget>

// Hidden, the screen takes no room in its host's layout; deleting it
// removes it from there.
void woxEmbeddedScreen::disposeLater(QWidget *screen, QObject *host)
{
    screen->hide();
    screen->disconnect(host);
    screen->deleteLater();
}
