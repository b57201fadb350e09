#ifndef WOXEMBEDDEDSCREEN_H
#define WOXEMBEDDEDSCREEN_H

class QObject;
class QWidget;

// A screen that a page or another screen shows in place of its own
// controls and builds and disposes of itself: the session and template
// editors, the system menu's screens, the signal window.
class woxEmbeddedScreen
{
public:
    // Takes the screen out of sight and clears the host's pointer to it.
    // The screen is usually inside its own close handling when the host
    // hears of it, so it is deleted once control has left that handling;
    // nothing it sends meanwhile reaches the host. Nothing for nullptr.
    template <class Screen>
    static void dispose(Screen *&screen, QObject *host)
    {
        if (!screen)
            return;
        disposeLater(screen, host);
        screen = nullptr;
    }

private:
    static void disposeLater(QWidget *screen, QObject *host);
};

#endif
