#include "woxFakeCommandRunner.h"

woxFakeCommandRunner::woxFakeCommandRunner()
    : previous(woxCommandRunner::instance())
{
    next.status = woxCommandResult::Finished;
    next.exitCode = 0;
    woxCommandRunner::install(this);
}

woxFakeCommandRunner::~woxFakeCommandRunner()
{
    woxCommandRunner::install(previous);
}

woxCommandResult woxFakeCommandRunner::run(const QString &program, const QStringList &arguments,
                                           int timeoutMs)
{
    calls.append(Call{program, arguments, timeoutMs});
    return next;
}

void woxFakeCommandRunner::start(const QString &program, const QStringList &arguments,
                                 int timeoutMs)
{
    calls.append(Call{program, arguments, timeoutMs, false});
}
