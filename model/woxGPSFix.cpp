#include "woxGPSFix.h"

#include <QDataStream>

void woxGPSFix::clear()
{
    *this = woxGPSFix();
}

QDataStream &operator<<(QDataStream &stream, const woxGPSFix &fix)
{
    stream << fix.valid << fix.highQuality << fix.latitude << fix.longitude << fix.date << fix.time;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxGPSFix &fix)
{
    stream >> fix.valid >> fix.highQuality >> fix.latitude >> fix.longitude >> fix.date >> fix.time;
    return stream;
}
