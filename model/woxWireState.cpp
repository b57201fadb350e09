#include "woxWireState.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &stream, const woxWireState &wire)
{
    stream << wire.resistance << wire.enabled;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxWireState &wire)
{
    stream >> wire.resistance >> wire.enabled;
    return stream;
}
