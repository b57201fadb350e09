#ifndef WOXSESSIONPROGRESS_H
#define WOXSESSIONPROGRESS_H

#include <QString>
#include <QVector>

// The arithmetic of a session's progress, kept apart from the screen so it
// can be checked without widgets.
class woxSessionProgress
{
public:
    // Per row, the number of runs that follow the run holding the row. A
    // clear chained flag ends a run; rows after the last clear flag belong
    // to no finished run and hold -1. One pass from the last row.
    static QVector<int> runsLeft(const QVector<bool> &chained);

    // The estimate of elapsedMs per run for `runs` more runs, in whole
    // milliseconds as the status line shows it (held in single precision,
    // then truncated); -1 for one day or more. Never overflows; a negative
    // product counts as nothing left.
    static qint64 timeLeftMs(qint64 elapsedMs, int runs);
    // "Left: hh:mm:ss" or "Left: too long", translated.
    static QString timeLeftText(qint64 elapsedMs, int runs);
};

#endif
