#ifndef WOXWIRESTATE_H
#define WOXWIRESTATE_H

class QDataStream;

// One electrode of the cable configuration: its grounding resistance and
// whether it takes part in measurements.
struct woxWireState
{
    float resistance = 0.0f;   // kilo-ohms; -1.0 when not measured
    bool enabled = false;      // false: the electrode must not be used
};

// 9 bytes: the resistance as a double, then the enabled byte.
QDataStream &operator<<(QDataStream &stream, const woxWireState &wire);
QDataStream &operator>>(QDataStream &stream, woxWireState &wire);

#endif // WOXWIRESTATE_H
