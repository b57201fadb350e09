#include "woxSessionProgress.h"

#include <QCoreApplication>
#include <QTime>

namespace {

const double oneDayMs = 86400000.0;

} // namespace

QVector<int> woxSessionProgress::runsLeft(const QVector<bool> &chained)
{
    QVector<int> left(chained.size());
    int counter = -1;
    for (int row = chained.size() - 1; row >= 0; --row) {
        if (!chained.at(row))
            ++counter;
        left[row] = counter;
    }
    return left;
}

qint64 woxSessionProgress::timeLeftMs(qint64 elapsedMs, int runs)
{
    // The product of two large integers is formed in double, which holds
    // every product of an int and a 63-bit count well enough to compare it
    // with one day; the shown value then takes the float's precision.
    const double product = double(elapsedMs) * double(runs);
    if (product <= 0.0)
        return 0;
    if (product >= oneDayMs)
        return -1;
    const float estimate = float(product);
    if (double(estimate) >= oneDayMs)
        return -1;
    return qint64(estimate);
}

QString woxSessionProgress::timeLeftText(qint64 elapsedMs, int runs)
{
    const qint64 left = timeLeftMs(elapsedMs, runs);
    const QString head = QCoreApplication::translate("woxSessionWidget", "Left:");
    if (left < 0)
        return head + QLatin1Char(' ') + QCoreApplication::translate("woxSessionWidget", "too long");
    return head + QLatin1Char(' ')
           + QTime::fromMSecsSinceStartOfDay(int(left)).toString(QStringLiteral("hh:mm:ss"));
}
