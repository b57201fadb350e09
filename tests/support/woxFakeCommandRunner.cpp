#include "woxFakeCommandRunner.h"

#include <QThread>

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
    QThread::msleep(runMs);
    return next;
}

void woxFakeCommandRunner::start(const QString &program, const QStringList &arguments,
                                 int timeoutMs)
{
    calls.append(Call{program, arguments, timeoutMs, false});
}
