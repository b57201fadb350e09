#include "woxElectrodePosition.h"

#include "woxStreamCount.h"

#include <QDataStream>

woxElectrodePosition::woxElectrodePosition(float x, float y, float z)
    : x(x), y(y), z(z)
{
}

QDataStream &operator<<(QDataStream &stream, const woxElectrodePosition &position)
{
    return stream << position.x << position.y << position.z;
}

QDataStream &operator>>(QDataStream &stream, woxElectrodePosition &position)
{
    return stream >> position.x >> position.y >> position.z;
}

void writeElectrodeMap(QDataStream &stream, const woxElectrodeMap &map)
{
    stream << qint32(map.size());
    woxElectrodeMap::const_iterator entry = map.constEnd();
    while (entry != map.constBegin()) {
        --entry;
        stream << quint16(entry.key()) << entry.value();
    }
}

void readElectrodeMap(QDataStream &stream, woxElectrodeMap *map)
{
    map->clear();
    // An entry is the 16-bit electrode and three 8-byte doubles.
    qint32 count = 0;
    stream >> count;
    if (!woxStreamCount::accept(stream, count, 2 + 3 * 8))
        return;
    woxElectrodeMap entries;
    for (qint32 i = 0; i < count; ++i) {
        quint16 electrode = 0;
        woxElectrodePosition position;
        stream >> electrode >> position;
        if (stream.status() != QDataStream::Ok)
            return;
        entries.insert(electrode, position);
    }
    *map = entries;
}
