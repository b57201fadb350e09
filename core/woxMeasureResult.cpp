#include "woxMeasureResult.h"

#include <QDataStream>

#include "woxStreamCount.h"

QDataStream &operator<<(QDataStream &stream, const woxMeasureResult &result)
{
    stream << result.txVoltage << result.txCurrent << result.rxVoltage << result.rxS;
    stream << qint32(result.decay.size());
    for (float sample : result.decay)
        stream << sample;
    stream << result.chargeability << result.quality << result.valid << result.options;
    return stream;
}

namespace {

// The count comes from a file: a damaged one must neither allocate nor read past the record.
bool readDecay(QDataStream &stream, QVector<float> &decay)
{
    decay.clear();
    quint32 count = 0;
    stream >> count;
    if (!woxStreamCount::accept(stream, count, 8))
        return false;
    decay.resize(int(count));
    for (float &sample : decay)
        stream >> sample;
    return true;
}

} // namespace

QDataStream &operator>>(QDataStream &stream, woxMeasureResult &result)
{
    stream >> result.txVoltage >> result.txCurrent >> result.rxVoltage >> result.rxS;
    if (!readDecay(stream, result.decay))
        return stream;
    stream >> result.chargeability >> result.quality >> result.valid >> result.options;
    return stream;
}
