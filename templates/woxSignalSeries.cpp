#include "woxSignalSeries.h"

#include <algorithm>

namespace {

// Samples lie 20 ms apart, the first 25 ms into its pulse; a pulse line
// ends 15 ms after its last sample, a pause line starts and ends 10 ms
// beyond its outer samples.
const float sampleStep = 20.0f;
const float firstSampleOffset = 25.0f;
const float pulseLineTail = 15.0f;
const float pauseLineMargin = 10.0f;

// The time base of one measurement, in milliseconds.
struct TimeBase
{
    explicit TimeBase(const woxMeasureOptions &options)
        : pulse(options.pulseCode * 20 + 40),
          pause(options.ipEnabled ? options.pauseCode * 20 + 40 : 0.0f),
          secondStart(pulse + (options.ipEnabled ? pause : 20.0f)),
          pulseSamples(options.pulseCode + 1),
          pauseSamples(options.ipEnabled ? options.pauseCode : 0)
    {
    }

    float pulse;
    float pause;
    float secondStart;  // where the second pulse begins
    int pulseSamples;   // counts the options promise
    int pauseSamples;
};

// The first `count` values of the series, never more than it holds, placed
// every 20 ms from the origin.
QVector<QPointF> samples(const QVector<float> &values, int count, float origin, float scale)
{
    const int n = std::max(0, std::min(count, values.size()));
    QVector<QPointF> points;
    points.reserve(n);
    for (int i = 0; i < n; ++i) {
        const float x = origin + sampleStep * i;
        points.append(QPointF(x, values.at(i) / scale));
    }
    return points;
}

// Rises from zero at the pulse start, runs through the samples and ends
// 15 ms after the last one on the line through the last two.
QVector<QPointF> pulseLine(const QVector<QPointF> &pulse, float start)
{
    QVector<QPointF> line;
    if (pulse.isEmpty())
        return line;
    line << QPointF(start, 0.0) << QPointF(start, pulse.first().y()) << pulse;
    const QPointF last = pulse.last();
    const float endX = float(last.x()) + pulseLineTail;
    if (pulse.size() < 2) {
        line << QPointF(endX, last.y());
    } else {
        const QPointF before = pulse.at(pulse.size() - 2);
        line << QPointF(endX, woxSignalSeries::extrapolateForward(before.x(), before.y(), last.x(),
                                                                  last.y(), endX));
    }
    return line;
}

// Starts 10 ms before the first sample and ends 10 ms after the last, on
// the lines through the outer two samples at either end.
QVector<QPointF> pauseLine(const QVector<QPointF> &pause)
{
    QVector<QPointF> line;
    if (pause.isEmpty())
        return line;
    const QPointF first = pause.first();
    const QPointF last = pause.last();
    const float startX = float(first.x()) - pauseLineMargin;
    const float endX = float(last.x()) + pauseLineMargin;
    if (pause.size() < 2) {
        line << QPointF(startX, first.y()) << pause << QPointF(endX, last.y());
        return line;
    }
    const QPointF second = pause.at(1);
    const QPointF before = pause.at(pause.size() - 2);
    line << QPointF(startX, woxSignalSeries::extrapolateBackward(first.x(), first.y(), second.x(),
                                                                 second.y(), startX));
    line << pause;
    line << QPointF(endX, woxSignalSeries::extrapolateForward(before.x(), before.y(), last.x(),
                                                              last.y(), endX));
    return line;
}

woxSignalSeries build(const TimeBase &time, float scale, const QVector<float> &pulse1,
                      const QVector<float> &pause1, const QVector<float> &pulse2,
                      const QVector<float> &pause2)
{
    const float pauseOrigin = time.pulse + 30.0f;
    woxSignalSeries series;
    series.pulse1Samples = samples(pulse1, time.pulseSamples, firstSampleOffset, scale);
    series.pulse1Line = pulseLine(series.pulse1Samples, 0.0f);
    series.pause1Samples = samples(pause1, time.pauseSamples, pauseOrigin, scale);
    series.pause1Line = pauseLine(series.pause1Samples);
    series.pulse2Samples = samples(pulse2, time.pulseSamples,
                                   time.secondStart + firstSampleOffset, scale);
    series.pulse2Line = pulseLine(series.pulse2Samples, time.secondStart);
    series.pause2Samples = samples(pause2, time.pauseSamples, time.secondStart + pauseOrigin,
                                   scale);
    series.pause2Line = pauseLine(series.pause2Samples);
    return series;
}

} // namespace

QVector<woxSignalSeries> woxSignalSeries::fromReport(const woxCoreReportSignal &report)
{
    const TimeBase time(report.options);
    QVector<woxSignalSeries> all(QuantityCount);
    all[OutputVoltage] = build(time, 1000.0f, report.pulse1TxVoltage, report.pause1TxVoltage,
                               report.pulse2TxVoltage, report.pause2TxVoltage);
    all[OutputCurrent] = build(time, 1.0f, report.pulse1TxCurrent, report.pause1TxCurrent,
                               report.pulse2TxCurrent, report.pause2TxCurrent);
    all[InputVoltage] = build(time, 1.0f, report.pulse1RxVoltage, report.pause1RxVoltage,
                              report.pulse2RxVoltage, report.pause2RxVoltage);
    return all;
}

float woxSignalSeries::extrapolateForward(double x0, double y0, double x1, double y1, float x)
{
    if (!(x1 > x0 && x > x1))
        return -1.0f;
    return float(y0 + (y1 - y0) * (x - x0) / (x1 - x0));
}

float woxSignalSeries::extrapolateBackward(double x0, double y0, double x1, double y1, float x)
{
    if (!(x1 > x0 && x < x0))
        return -1.0f;
    return float(y0 - (y1 - y0) * (x0 - x) / (x1 - x0));
}

QVector<QPointF> woxSignalSeries::firstConnector(const QVector<QPointF> &pulse1Line,
                                                 const QVector<QPointF> &pulse2Line)
{
    QVector<QPointF> connector;
    if (pulse1Line.isEmpty())
        return connector;
    const QPointF end = pulse1Line.last();
    connector << end << QPointF(end.x(), 0.0);
    if (!pulse2Line.isEmpty())
        connector << pulse2Line.first();
    return connector;
}

QVector<QPointF> woxSignalSeries::secondConnector(const QVector<QPointF> &pulse1Line,
                                                  const QVector<QPointF> &pulse2Line)
{
    QVector<QPointF> connector;
    if (pulse2Line.isEmpty())
        return connector;
    const QPointF end = pulse2Line.last();
    connector << end << QPointF(end.x(), 0.0);
    if (!pulse1Line.isEmpty()) {
        const double gap = pulse2Line.first().x() - pulse1Line.last().x();
        connector << QPointF(end.x() + gap, 0.0);
    }
    return connector;
}
