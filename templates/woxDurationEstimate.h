#ifndef WOXDURATIONESTIMATE_H
#define WOXDURATIONESTIMATE_H

#include <QString>
#include <QtGlobal>

// The duration estimate that the template screens show: the per-run
// durations at the minimum and maximum stacking times the number of runs.
namespace woxDurationEstimate {

// Milliseconds as "hh:mm:ss", rounded to the nearest second (halves up). The
// hours count on past 24, so a survey of 25 hours reads "25:00:00" and never
// passes for one of an hour; they take at least two digits.
QString clockText(qint64 milliseconds);

// "Measurements: n, runs: n, duration: min ... max" with the numbers in blue.
// The three words come translated by the screen; the totals are computed in
// 64 bits, so no template is large enough to wrap them.
QString message(const QString &measurementsWord, int measurements, const QString &runsWord,
                int runs, const QString &durationWord, int minimumRunMs, int maximumRunMs);

} // namespace woxDurationEstimate

#endif
