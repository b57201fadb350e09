#ifndef WOXQUADRIPOLEGENERATOR_H
#define WOXQUADRIPOLEGENERATOR_H

#include "woxQuadripole.h"

#include <QList>
#include <QSet>

// Expands template grid cells into the quadripoles they stand for on the line.
// Process-wide and without state of its own.
class woxQuadripoleGenerator
{
public:
    static woxQuadripoleGenerator *instance();
    static void destroy();

    // Appends the quadripoles of one grid cell: the array's base placements
    // slid one electrode at a time along cables x 32 electrodes. Positions
    // using a disabled electrode, or whose farthest electrode on the line is
    // below fromElectrode, are left out; maxDepth (when given) is raised to
    // the deepest one appended. True when some placement fits on the line.
    bool generateCell(woxCable cables, woxCableSpacing spacing, woxArrayType type,
                      woxSpacing spacingIndex, woxLevel levelIndex,
                      QList<woxQuadripole> *quadripoles,
                      const QSet<woxElectrode> *disabled = nullptr,
                      quint16 fromElectrode = 0, float *maxDepth = nullptr) const;

private:
    woxQuadripoleGenerator();

    static woxQuadripoleGenerator *self;
};

#endif
