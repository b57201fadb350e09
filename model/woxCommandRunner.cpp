#include "woxCommandRunner.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

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

void woxCommandRunner::start(const QString &program, const QStringList &arguments,
                             int timeoutMs)
{
    auto *process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Nobody reads the output: drop it so a talkative command cannot fill a pipe.
    process->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                     process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             process->deleteLater();
                     });
    // Killing ends the process, and its finished signal then disposes of it.
    QTimer::singleShot(timeoutMs, process, &QProcess::kill);
    process->start(program, arguments, QIODevice::ReadOnly);
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
