// Compiled into every test executable: a modal dialog or pop-up menu that no
// test answers would block its exec() until CTest's time-out. Once the same
// one has stayed open for ten seconds the test ends at once, naming it, so a
// fault that opens an unexpected question fails with a message instead.

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

void watch()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    auto *timer = new QTimer(QCoreApplication::instance());
    auto seen = std::make_shared<QPair<QPointer<QWidget>, int>>();
    QObject::connect(timer, &QTimer::timeout, [seen] {
        QWidget *open = QApplication::activeModalWidget();
        if (!open)
            open = QApplication::activePopupWidget();
        seen->second = open && open == seen->first ? seen->second + 1 : 0;
        seen->first = open;
        if (seen->second < 20)
            return;
        const QLabel *message = open->findChild<QLabel *>(QStringLiteral("messageLabel"));
        qFatal("unanswered %s%s%s", open->metaObject()->className(), message ? ": " : "",
               message ? qPrintable(message->text()) : "");
    });
    timer->start(500);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
