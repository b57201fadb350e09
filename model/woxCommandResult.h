#ifndef WOXCOMMANDRESULT_H
#define WOXCOMMANDRESULT_H

#include <QByteArray>

// What became of one external command.
struct woxCommandResult
{
    enum Status { Finished, StartFailed, TimedOut };
    Status status = StartFailed;
    int exitCode = -1;
    QByteArray output;   // standard output and standard error, merged
};

#endif
