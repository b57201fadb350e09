#include "woxMake.h"

#include <QStandardItemModel>

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

woxTemplateSet templateSet(woxCable cables, woxCableSpacing spacing, woxArrayType type,
                           const QList<QPair<int, int>> &cells)
{
    // The selection arrives as indexes of the screen's grid model.
    QStandardItemModel grid(woxTemplateSet::spacingRows, woxTemplateSet::levelColumns);
    QModelIndexList indexes;
    for (const QPair<int, int> &cell : cells)
        indexes.append(grid.index(cell.first, cell.second));
    woxTemplateSet set(cables, spacing);
    set.setArrayType(type);
    set.applyMainSelection(indexes);
    return set;
}

} // namespace woxMake
