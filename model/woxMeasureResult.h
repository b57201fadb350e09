#ifndef WOXMEASURERESULT_H
#define WOXMEASURERESULT_H

#include <QVector>

#include "woxMeasureOptions.h"

// Result of one quadripole measurement; held by the VES and ET2D reports and by session rows.
struct woxMeasureResult
{
    float txVoltage = 0;        // mV
    float txCurrent = 0;        // mA
    float rxVoltage = 0;        // mV
    float chargeability = 0;    // mV/V
    float rxS = 0;              // mV, the second received voltage
    QVector<float> decay;       // samples after the pulse
    float quality = 0;          // percent
    bool valid = false;
    woxMeasureOptions options;
};

// 69 + 8 x decay samples bytes. The reader refuses a decay count that the bytes left
// could not hold: it sets ReadCorruptData, leaves the decay empty and stops there.
QDataStream &operator<<(QDataStream &stream, const woxMeasureResult &result);
QDataStream &operator>>(QDataStream &stream, woxMeasureResult &result);

#endif // WOXMEASURERESULT_H
