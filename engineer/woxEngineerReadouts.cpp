#include "woxEngineerReadouts.h"

QString woxEngineerReadouts::value(double number)
{
    return QString::number(number, 'g', 6);
}

QString woxEngineerReadouts::temperature(float degrees)
{
    return QStringLiteral("%1  o C").arg(value(degrees));
}

float woxEngineerReadouts::sensorValue(const woxCoreReportSensor &report, woxAddress address)
{
    return report.values.value(address, -1.0f);
}

QString woxEngineerReadouts::samples(const QVector<float> &values)
{
    QString text;
    text.reserve(values.size() * 10);
    for (float sample : values)
        text += QString::number(double(sample), 'f', 4) + QLatin1Char('\n');
    return text;
}

QString woxEngineerReadouts::gpsLine(const woxGPSFix &fix)
{
    const auto yesNo = [](bool flag) { return flag ? QStringLiteral("yes") : QStringLiteral("no"); };
    return QStringLiteral("rmc %1, valid %2, la %3, lo %4, y %5, m %6, d %7, h %8, m %9, s %10")
        .arg(yesNo(fix.valid), yesNo(fix.highQuality), value(fix.latitude), value(fix.longitude))
        .arg(fix.date.year())
        .arg(fix.date.month())
        .arg(fix.date.day())
        .arg(fix.time.hour())
        .arg(fix.time.minute())
        .arg(fix.time.second());
}

QStringList woxEngineerReadouts::vesLines(const woxMeasureResult &result)
{
    // The resistance is a single-precision quotient, as the instrument keeps it.
    const float resistance = result.rxVoltage / result.txCurrent;
    return {
        QStringLiteral("U.Tx[mV]=%1").arg(value(result.txVoltage)),
        QStringLiteral("U.Rx[mV]=%1").arg(value(result.rxVoltage)),
        QStringLiteral("I[mA]=%1").arg(value(result.txCurrent)),
        QStringLiteral("R[ohm]=%1").arg(value(resistance)),
        QStringLiteral("C[mV/V]=%1").arg(value(result.chargeability)),
    };
}

QString woxEngineerReadouts::quadripoleLine(const woxCoreQuadripole &quadripole)
{
    return QStringLiteral("A=%1 B=%2 M=%3 N=%4 Ch=%5")
        .arg(quadripole.a)
        .arg(quadripole.b)
        .arg(quadripole.m)
        .arg(quadripole.n)
        .arg(quadripole.channel);
}

QString woxEngineerReadouts::et2dLine(const woxMeasureResult &result)
{
    const auto fixed = [](double number) { return QString::number(number, 'f', 3); };
    return QStringLiteral("Utx[V]=%1 Itx[mA]=%2 Urx[mV]=%3 R[Ohm]=%4")
        .arg(fixed(result.txVoltage / 1000.0), fixed(result.txCurrent), fixed(result.rxVoltage),
             fixed(double(result.rxVoltage) / double(result.txCurrent)));
}
