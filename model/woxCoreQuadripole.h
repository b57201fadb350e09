#ifndef WOXCOREQUADRIPOLE_H
#define WOXCOREQUADRIPOLE_H

#include "woxTypes.h"

#include <QDataStream>

// One four-electrode measurement as the core and the session rows know it.
// Every field starts defined so that no unset byte can reach a request or a session file.
struct woxCoreQuadripole
{
    woxElectrode a = 0;     // 65535: remote current electrode
    woxElectrode b = 0;
    woxElectrode m = 0;     // 65534: remote potential electrode
    woxElectrode n = 0;
    quint8 channel = 17;    // 0..15 receiver channel, 17 none
};

// 9 bytes: a, b, m, n as 16-bit words, then the channel byte.
QDataStream &operator<<(QDataStream &stream, const woxCoreQuadripole &quadripole);
QDataStream &operator>>(QDataStream &stream, woxCoreQuadripole &quadripole);

#endif // WOXCOREQUADRIPOLE_H
