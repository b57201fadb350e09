#ifndef WOXFAKECOMMANDRUNNER_H
#define WOXFAKECOMMANDRUNNER_H

#include "woxCommandRunner.h"

#include <QList>

// Records every command instead of running it; installs itself for its
// lifetime. `next` is what each call answers.
class woxFakeCommandRunner : public woxCommandRunner
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        int timeoutMs;
    };

    woxFakeCommandRunner();
    ~woxFakeCommandRunner() override;

    woxCommandResult run(const QString &program, const QStringList &arguments,
                         int timeoutMs) override;

    QList<Call> calls;
    woxCommandResult next;
};

#endif
