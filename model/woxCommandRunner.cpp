#include "woxCommandRunner.h"

#include <QProcess>

namespace {
woxCommandRunner *installedRunner = nullptr;
}

woxCommandRunner::~woxCommandRunner() = default;

woxCommandResult woxCommandRunner::run(const QString &program, const QStringList &arguments,
                                       int timeoutMs)
{
    woxCommandResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForStarted(timeoutMs)) {
        result.status = woxCommandResult::StartFailed;
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        // A hung command must not linger after the caller gave up on it.
        process.kill();
        process.waitForFinished(1000);
        result.status = woxCommandResult::TimedOut;
        return result;
    }
    result.status = woxCommandResult::Finished;
    result.exitCode = process.exitCode();
    result.output = process.readAll();
    return result;
}

woxCommandRunner *woxCommandRunner::instance()
{
    static woxCommandRunner realRunner;
    return installedRunner ? installedRunner : &realRunner;
}

void woxCommandRunner::install(woxCommandRunner *runner)
{
    installedRunner = runner;
}
