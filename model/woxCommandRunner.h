#ifndef WOXCOMMANDRUNNER_H
#define WOXCOMMANDRUNNER_H

#include "woxCommandResult.h"

#include <QString>
#include <QStringList>

// Runs external programs ("/bin/sync", "date", "usb_start", "usb_stop").
// Everything that touches the machine goes through here so tests can install
// a recording fake instead of changing the clock or the USB mode for real.
class woxCommandRunner
{
public:
    virtual ~woxCommandRunner();

    // Starts the program, waits at most timeoutMs and ends it if it runs
    // longer; the command never outlives the call.
    virtual woxCommandResult run(const QString &program, const QStringList &arguments,
                                 int timeoutMs);

    // Starts the program and returns at once: the caller never waits for it.
    // The process belongs to the application object, ends on its own or is
    // killed once it runs past timeoutMs, and is deleted when it has ended.
    // Needs a running event loop; what becomes of the command is not reported.
    virtual void start(const QString &program, const QStringList &arguments, int timeoutMs);

    // The installed runner; the real one unless a test installed another.
    static woxCommandRunner *instance();
    // Not owned; nullptr restores the real runner.
    static void install(woxCommandRunner *runner);
};

#endif
