#include "woxMeasureOptions.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &stream, const woxMeasureOptions &options)
{
    stream << qint16(options.pulseCode) << options.ipEnabled << qint16(options.pauseCode)
           << options.deviation << qint8(options.minStacking) << qint8(options.maxStacking)
           << qint8(options.transmitterPercent);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxMeasureOptions &options)
{
    stream >> options.pulseCode >> options.ipEnabled >> options.pauseCode >> options.deviation
           >> options.minStacking >> options.maxStacking >> options.transmitterPercent;
    return stream;
}
