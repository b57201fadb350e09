#include "woxCoreQuadripole.h"

#include <QDataStream>

QDataStream &operator<<(QDataStream &stream, const woxCoreQuadripole &quadripole)
{
    stream << quadripole.a << quadripole.b << quadripole.m << quadripole.n
           << quadripole.channel;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxCoreQuadripole &quadripole)
{
    stream >> quadripole.a >> quadripole.b >> quadripole.m >> quadripole.n
           >> quadripole.channel;
    return stream;
}
