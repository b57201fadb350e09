#ifndef WOXCHILDPROCESS_H
#define WOXCHILDPROCESS_H

#include <QProcess>

#include <unistd.h>

// A process a test starts that dies with the test, however the test ends:
// killed by its id or by a time-out too, when no destructor runs.
class woxChildProcess : public QProcess
{
protected:
    void setupChildProcess() override;

private:
    const pid_t test = getpid();
};

#endif
