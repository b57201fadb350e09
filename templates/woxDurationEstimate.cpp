#include "woxDurationEstimate.h"

#include <QChar>

QString woxDurationEstimate::clockText(qint64 milliseconds)
{
    const qint64 seconds = (qMax<qint64>(milliseconds, 0) + 500) / 1000;
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, zero)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

QString woxDurationEstimate::message(const QString &measurementsWord, int measurements,
                                     const QString &runsWord, int runs,
                                     const QString &durationWord, int minimumRunMs,
                                     int maximumRunMs)
{
    return QStringLiteral("%1 <font color = blue>%2</font>, %3 <font color = blue>%4</font>, "
                          "%5 <font color = blue>%6</font> ... <font color = blue>%7</font>")
        .arg(measurementsWord, QString::number(measurements), runsWord, QString::number(runs),
             durationWord, clockText(qint64(minimumRunMs) * runs),
             clockText(qint64(maximumRunMs) * runs));
}
