#ifndef WOXSTOPWATCH_H
#define WOXSTOPWATCH_H

#include <QtGlobal>

// A stopwatch that remembers whether it was ever started. An unstarted one
// answers the milliseconds since midnight, as the instrument's timers did, so
// "time since the last keep-alive" is large before the first one. A started
// one counts on the clock's steady reading, so setting the time of day does
// not disturb it.
class woxStopwatch
{
public:
    void start();
    // Milliseconds since the previous start (or as elapsed()), then starts anew.
    qint64 restart();
    qint64 elapsed() const;
    bool isStarted() const;
    void invalidate();

private:
    qint64 startedAt = 0;
    bool started = false;
};

#endif
