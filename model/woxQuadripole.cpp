#include "woxQuadripole.h"

#include "woxConstants.h"
#include "woxPseudoDepthTable.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <cmath>

namespace {

// Weight of a gradient depth for the position of the inner dipole between the
// outer pair: 1 when centred, falling as a Gaussian of width 0.22 of the outer
// span as the dipole moves outward. 1 for every other array type.
double gradientWeight(woxArrayType type, int a, int b, int m, int n)
{
    int outer1 = 0, outer2 = 0, inner1 = 0, inner2 = 0;
    if (type >= 8 && type <= 11) {
        outer1 = a; outer2 = b; inner1 = m; inner2 = n;
    } else if (type >= 18 && type <= 21) {
        outer1 = m; outer2 = n; inner1 = a; inner2 = b;
    } else {
        return 1.0;
    }
    const int span = outer2 - outer1;
    // A collapsed outer pair has no position to weigh.
    if (span == 0)
        return 1.0;
    const double mid = (inner1 + inner2) * double(0.5f);
    const double d = std::min(outer2 - mid, mid - outer1);
    const double t = (d - double(0.5f) * span) / (double(0.22f) * span);
    return std::exp(-0.5 * t * t);
}

} // namespace

woxQuadripole::woxQuadripole()
    : a(0), b(0), m(0), n(0), spacing(0), level(0), x(0.0f), depth(0.0f)
{
    // The first quadripole of the run makes sure the pseudo-depth table is
    // loaded. The table is looked up again at every use, so a table that has
    // been destroyed meanwhile is never read.
    static const bool tableRequested =
        woxPseudoDepthTable::instance(pseudoDepthResource) != nullptr;
    Q_UNUSED(tableRequested);
}

void woxQuadripole::computeDepth(float cableSpacing, woxArrayType type)
{
    const woxPseudoDepthTable *table = woxPseudoDepthTable::current();
    const float f = table ? table->factor(type, spacing, level) : 0.0f;
    depth = f * cableSpacing;
    depth = float(depth * gradientWeight(type, a, b, m, n));
}

void woxQuadripole::computePosition(float cableSpacing, woxArrayType type)
{
    x = arrayPosition(type, a, b, m, n) * cableSpacing;
}

bool woxQuadripole::operator==(const woxQuadripole &other) const
{
    return a == other.a && b == other.b && m == other.m && n == other.n;
}

uint qHash(const woxQuadripole &quadripole, uint seed)
{
    return qHash(QString("%1,%2,%3,%4")
                     .arg(quadripole.a)
                     .arg(quadripole.b)
                     .arg(quadripole.m)
                     .arg(quadripole.n),
                 seed);
}

float arrayPosition(woxArrayType type, quint16 a, quint16 b, quint16 m, quint16 n)
{
    switch (type) {
    case 0: case 3: case 12: case 15: case 18: case 19: case 20: case 21:
        return (int(a) + int(b)) * 0.5f;
    case 1: case 2: case 4: case 13: case 14: case 16:
        return (int(a) + int(n)) * 0.5f;
    case 5: case 6:
        return ((int(m) + int(n)) * 0.5f + int(b)) * 0.5f;
    case 7: case 17:
        return (int(b) + int(n)) * 0.5f;
    case 8: case 9: case 10: case 11:
        return (int(m) + int(n)) * 0.5f;
    default:
        return 0.0f;
    }
}
