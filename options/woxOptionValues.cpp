#include "woxOptionValues.h"

int woxOptionValues::entryNumber(const QString &text)
{
    return text.toInt(nullptr, 10);
}

quint16 woxOptionValues::durationCode(quint16 milliseconds)
{
    return quint16((int(milliseconds) - 40) / 20);
}

bool woxOptionValues::ipEnabled(int pauseMilliseconds)
{
    return quint16(pauseMilliseconds) > 20;
}

quint16 woxOptionValues::pauseCode(int pauseMilliseconds)
{
    return ipEnabled(pauseMilliseconds) ? durationCode(quint16(pauseMilliseconds)) : 0;
}

int woxOptionValues::measurementDuration(int pulseMilliseconds, int pauseMilliseconds, int cycles)
{
    return cycles * 2 * (pulseMilliseconds + pauseMilliseconds) + 305;
}

QString woxOptionValues::frequencyText(int pulseMilliseconds, int pauseMilliseconds)
{
    const int cycle = (pulseMilliseconds + pauseMilliseconds) * 2;
    return QString::number(1000.0 / cycle, 'f', 2);
}

QString woxOptionValues::voltageText(int percent)
{
    // The instrument's scale is kept in single precision: 462.50003 is one
    // float step above 462.5 and lifts 8 %, 24 % ... to the next volt.
    const int level = qBound(0, percent, 100);
    const double volts = level * double(462.50003f) * double(0.01f) + 37.5;
    return QString::number(volts, 'f', 0);
}
