#include "woxMeasureResult.h"

#include <QDataStream>

#include "woxStreamCount.h"

QDataStream &operator<<(QDataStream &stream, const woxMeasureResult &result)
{
    stream << result.txVoltage << result.txCurrent << result.rxVoltage << result.rxS;
    woxStreamCount::writeFloats(stream, result.decay);
    stream << result.chargeability << result.quality << result.valid << result.options;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxMeasureResult &result)
{
    stream >> result.txVoltage >> result.txCurrent >> result.rxVoltage >> result.rxS;
    // The decay count comes from a file: a damaged one must neither allocate nor read
    // past the record.
    if (!woxStreamCount::readFloats(stream, result.decay))
        return stream;
    stream >> result.chargeability >> result.quality >> result.valid >> result.options;
    return stream;
}
