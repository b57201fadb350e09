// Compiled into every test executable: a modal dialog or pop-up menu that no
// test answers would block its exec() until CTest's time-out. Once the same
// one has stayed open for ten seconds the test ends at once, naming it, so a
// fault that opens an unexpected question fails with a message instead.

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// Counts the half seconds the same dialog stays open: closed in between, as
// the shared message dialog is after each answer, it starts again from 0.
struct woxModalWatch : QObject {
    using QObject::QObject;
    QPointer<QWidget> open;
    int ticks = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        ticks = event->type() == QEvent::Hide ? 0 : ticks;
        return false;
    }
    void tick()
    {
        QWidget *now = QApplication::activeModalWidget();
        if (!now)
            now = QApplication::activePopupWidget();
        if (now != open) {
            if (open)
                open->removeEventFilter(this);
            open = now;
            ticks = 0;
            if (now)
                now->installEventFilter(this);
        }
        if (!now || ++ticks < 20)
            return;
        const QLabel *message = now->findChild<QLabel *>(QStringLiteral("messageLabel"));
        qFatal("unanswered %s%s%s", now->metaObject()->className(), message ? ": " : "",
               message ? qPrintable(message->text()) : "");
    }
};

void watch()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *watcher = new woxModalWatch(QCoreApplication::instance());
    auto *timer = new QTimer(watcher);
    QObject::connect(timer, &QTimer::timeout, watcher, &woxModalWatch::tick);
    timer->start(500);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
