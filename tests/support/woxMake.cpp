#include "woxMake.h"

namespace woxMake {

woxQuadripole quadripole(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n,
                         woxSpacing spacing, woxLevel level)
{
    woxQuadripole q;
    q.a = a;
    q.b = b;
    q.m = m;
    q.n = n;
    q.spacing = spacing;
    q.level = level;
    return q;
}

woxCoreQuadripole coreQuadripole(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n,
                                 quint8 channel)
{
    woxCoreQuadripole q;
    q.a = a;
    q.b = b;
    q.m = m;
    q.n = n;
    q.channel = channel;
    return q;
}

woxCableConfiguration allWiresEnabled(int cables)
{
    woxCableConfiguration configuration;
    for (int i = 0; i < cables * 32; ++i) {
        woxWireState wire;
        wire.resistance = -1.0f;
        wire.enabled = true;
        configuration.wires.append(wire);
    }
    return configuration;
}

} // namespace woxMake
