#ifndef WOXFAKECOMMANDRUNNER_H
#define WOXFAKECOMMANDRUNNER_H

#include "woxCommandRunner.h"

#include <QList>

// Records every command instead of running it, both those run and waited
// for and those only started; installs itself for its lifetime and then
// puts back the runner it replaced. `next` is what each run answers.
class woxFakeCommandRunner : public woxCommandRunner
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
        int timeoutMs;
        bool waited = true;   // false for start(): the caller did not wait
    };

    woxFakeCommandRunner();
    ~woxFakeCommandRunner() override;

    woxCommandResult run(const QString &program, const QStringList &arguments,
                         int timeoutMs) override;
    void start(const QString &program, const QStringList &arguments, int timeoutMs) override;

    QList<Call> calls;
    woxCommandResult next;

private:
    woxCommandRunner *previous;
};

#endif
