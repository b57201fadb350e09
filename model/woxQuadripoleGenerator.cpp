#include "woxQuadripoleGenerator.h"

#include "woxConstants.h"
#include "woxPseudoDepthTable.h"

#include <QVarLengthArray>

#include <initializer_list>

woxQuadripoleGenerator *woxQuadripoleGenerator::self = nullptr;

namespace {

const int remoteA = woxRemoteCurrentElectrode;
const int remoteM = woxRemotePotentialElectrode;

// A placement of the array at the start of the line and its reach, the
// farthest electrode it uses on the line.
struct Placement
{
    woxQuadripole quadripole;
    int reach;
};

typedef QVarLengthArray<Placement, 32> Placements;

bool isRemote(int electrode)
{
    return electrode == remoteA || electrode == remoteM;
}

void place(const woxQuadripole &cell, int a, int b, int m, int n, Placements *placements)
{
    Placement placement;
    placement.quadripole = cell;
    placement.quadripole.a = woxElectrode(a);
    placement.quadripole.b = woxElectrode(b);
    placement.quadripole.m = woxElectrode(m);
    placement.quadripole.n = woxElectrode(n);
    placement.reach = 0;
    for (int electrode : {a, b, m, n}) {
        if (!isRemote(electrode) && electrode > placement.reach)
            placement.reach = electrode;
    }
    placements->append(placement);
}

// Types whose depth does not depend on the spacing use only the first row.
bool isFirstRowType(woxArrayType type)
{
    switch (type) {
    case 0: case 1: case 2: case 7: case 12: case 13: case 14: case 17:
        return true;
    default:
        return false;
    }
}

// The inner dipole of a gradient array (length S) steps through the outer
// pair (span S + 2L), keeping at least L - k spacings from either outer
// electrode; reciprocal codes swap the current and potential pairs.
void placeGradient(const woxQuadripole &cell, woxArrayType type, int s, int l,
                   Placements *placements)
{
    const bool reciprocal = type >= 18;
    const int k = 3 + 2 * (type - (reciprocal ? 18 : 8));
    for (int i = 1; i <= 2 * l - 1; ++i) {
        if (i < l - k || 2 * l - i < l - k)
            continue;
        if (reciprocal)
            place(cell, i, s + i, 0, s + 2 * l, placements);
        else
            place(cell, 0, s + 2 * l, i, s + i, placements);
    }
}

// Base placements of one cell; false for a cell the type does not have.
bool basePlacements(const woxQuadripole &cell, woxArrayType type, Placements *placements)
{
    const int s = cell.spacing + 1;
    const int l = cell.level + 1;
    if (type > 21 || (isFirstRowType(type) && s > 1))
        return false;
    switch (type) {
    case 0: place(cell, 0, 3 * l, l, 2 * l, placements); break;
    case 1: place(cell, 0, l, 2 * l, 3 * l, placements); break;
    case 2: place(cell, 0, 2 * l, l, 3 * l, placements); break;
    case 3: place(cell, 0, 2 * l + s, l, l + s, placements); break;
    case 4: place(cell, 0, s, l + s, l + 2 * s, placements); break;
    case 5: place(cell, remoteA, 0, l, l + s, placements); break;
    case 6: place(cell, remoteA, l + s, 0, s, placements); break;
    case 7: place(cell, remoteA, 0, remoteM, l, placements); break;
    case 12: place(cell, l, 2 * l, 0, 3 * l, placements); break;
    case 13: place(cell, 2 * l, 3 * l, 0, l, placements); break;
    case 14: place(cell, l, 3 * l, 0, 2 * l, placements); break;
    case 15: place(cell, l, l + s, 0, 2 * l + s, placements); break;
    case 16: place(cell, l + s, l + 2 * s, 0, s, placements); break;
    case 17: place(cell, remoteA, l, remoteM, 0, placements); break;
    default: placeGradient(cell, type, s, l, placements); break;
    }
    return true;
}

bool usesDisabled(const woxQuadripole &q, const QSet<woxElectrode> *disabled)
{
    return disabled
           && (disabled->contains(q.a) || disabled->contains(q.b) || disabled->contains(q.m)
               || disabled->contains(q.n));
}

// One electrode along the line; remote electrodes stay where they are.
void advance(woxElectrode *electrode)
{
    if (!isRemote(*electrode))
        ++*electrode;
}

} // namespace

woxQuadripoleGenerator::woxQuadripoleGenerator()
{
    // Depths come from the pseudo-depth table: make sure it is loaded once.
    static const bool tableRequested =
        woxPseudoDepthTable::instance(pseudoDepthResource) != nullptr;
    Q_UNUSED(tableRequested);
}

woxQuadripoleGenerator *woxQuadripoleGenerator::instance()
{
    if (!self)
        self = new woxQuadripoleGenerator;
    return self;
}

void woxQuadripoleGenerator::destroy()
{
    delete self;
    self = nullptr;
}

bool woxQuadripoleGenerator::generateCell(woxCable cables, woxCableSpacing spacing,
                                          woxArrayType type, woxSpacing spacingIndex,
                                          woxLevel levelIndex, QList<woxQuadripole> *quadripoles,
                                          const QSet<woxElectrode> *disabled,
                                          quint16 fromElectrode, float *maxDepth) const
{
    if (!quadripoles)
        return false;
    woxQuadripole cell;
    cell.spacing = spacingIndex;
    cell.level = levelIndex;
    Placements placements;
    if (!basePlacements(cell, type, &placements))
        return false;

    const int electrodes = int(cables) * woxElectrodesPerCable;
    bool fitted = false;
    for (const Placement &placement : placements) {
        if (placement.reach >= electrodes)
            continue;
        // Position and depth once per placement; sliding keeps the depth and
        // moves the point by one spacing per electrode.
        woxQuadripole q = placement.quadripole;
        q.computePosition(spacing, type);
        q.computeDepth(spacing, type);
        for (int reach = placement.reach; reach < electrodes; ++reach) {
            if (reach >= fromElectrode && !usesDisabled(q, disabled)) {
                quadripoles->append(q);
                if (maxDepth && q.depth > *maxDepth)
                    *maxDepth = q.depth;
            }
            advance(&q.a);
            advance(&q.b);
            advance(&q.m);
            advance(&q.n);
            q.x += spacing;
        }
        fitted = true;
    }
    return fitted;
}
