#ifndef WOXMAKE_H
#define WOXMAKE_H

#include "woxCableConfiguration.h"
#include "woxCoreQuadripole.h"
#include "woxQuadripole.h"
#include "woxTemplateSet.h"

#include <QList>
#include <QPair>

// Records that many tests start from, built in one place so that a test
// names only the values it is about.
namespace woxMake {

// A quadripole on electrodes a, b, m, n from grid cell (spacing, level),
// position and depth left unset.
woxQuadripole quadripole(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n,
                         woxSpacing spacing = 0, woxLevel level = 0);

// The core's form of a quadripole, read by `channel` (17: none).
woxCoreQuadripole coreQuadripole(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n,
                                 quint8 channel = 17);

// What the cable dialog stores for `cables` cables with every wire switched
// on and none measured yet.
woxCableConfiguration allWiresEnabled(int cables);

// A set of `type` whose main grid has the (spacing row, level column) cells
// selected, as the template screen builds it from a grid selection.
woxTemplateSet templateSet(woxCable cables, woxCableSpacing spacing, woxArrayType type,
                           const QList<QPair<int, int>> &cells);

} // namespace woxMake

#endif
