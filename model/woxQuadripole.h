#ifndef WOXQUADRIPOLE_H
#define WOXQUADRIPOLE_H

#include "woxTypes.h"

#include <QtGlobal>

// One four-electrode geometry with the grid cell that produced it and its
// measurement point. Its identity is the four electrodes only.
class woxQuadripole
{
public:
    woxQuadripole();

    void computeDepth(float cableSpacing, woxArrayType type);
    void computePosition(float cableSpacing, woxArrayType type);

    bool operator==(const woxQuadripole &other) const;

    woxElectrode a;
    woxElectrode b;
    woxElectrode m;
    woxElectrode n;
    woxSpacing spacing;
    woxLevel level;
    float x;
    float depth;
};

uint qHash(const woxQuadripole &quadripole, uint seed = 0);

// Position of the measurement point in electrode units.
float arrayPosition(woxArrayType type, quint16 a, quint16 b, quint16 m, quint16 n);

#endif // WOXQUADRIPOLE_H
