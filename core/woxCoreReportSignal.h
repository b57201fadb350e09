#ifndef WOXCOREREPORTSIGNAL_H
#define WOXCOREREPORTSIGNAL_H

#include <QVector>
#include <QMetaType>

#include "woxCoreError.h"
#include "woxMeasureOptions.h"

// Job 2: the signals measured on one quadripole.
struct woxCoreReportSignal
{
    woxCoreError error;
    // Transmitter voltage (mV), transmitter current (mA) and received voltage (mV) during the
    // first (positive) pulse, the pause after it, the second (negative) pulse and the pause after it.
    QVector<float> pulse1TxVoltage;
    QVector<float> pulse1TxCurrent;
    QVector<float> pulse1RxVoltage;
    QVector<float> pause1TxVoltage;
    QVector<float> pause1TxCurrent;
    QVector<float> pause1RxVoltage;
    QVector<float> pulse2TxVoltage;
    QVector<float> pulse2TxCurrent;
    QVector<float> pulse2RxVoltage;
    QVector<float> pause2TxVoltage;
    QVector<float> pause2TxCurrent;
    QVector<float> pause2RxVoltage;
    // The options of the request: they decide how many samples each series holds.
    woxMeasureOptions options;
};

Q_DECLARE_METATYPE(woxCoreReportSignal)

#endif // WOXCOREREPORTSIGNAL_H
