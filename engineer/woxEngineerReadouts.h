#ifndef WOXENGINEERREADOUTS_H
#define WOXENGINEERREADOUTS_H

#include "woxCoreQuadripole.h"
#include "woxCoreReportSensor.h"
#include "woxGPSFix.h"
#include "woxMeasureResult.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The texts the engineer pages show for the instrument's answers.
class woxEngineerReadouts
{
public:
    // A value as the sensor and temperature labels show it (six significant digits).
    static QString value(double number);
    // The transmitter temperature with its unit.
    static QString temperature(float degrees);
    // A sensor entry, -1 when the report has none.
    static float sensorValue(const woxCoreReportSensor &report, woxAddress address);
    // Receiver samples, one line each with four decimals.
    static QString samples(const QVector<float> &values);
    // One GPS readout line.
    static QString gpsLine(const woxGPSFix &fix);
    // The five lines of a VES result.
    static QStringList vesLines(const woxMeasureResult &result);
    // An ET2D quadripole as sent and a result as received.
    static QString quadripoleLine(const woxCoreQuadripole &quadripole);
    static QString et2dLine(const woxMeasureResult &result);
};

#endif
