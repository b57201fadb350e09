#include "woxSessionDataUnit.h"

#include "woxChannelQuadripole.h"
#include "woxDiagnostic.h"
#include "woxStreamCount.h"

#include <QDataStream>

#include <cmath>

namespace {

// Where the remote electrodes stand: far enough that their terms vanish
// from the geometric factor, on opposite sides of the line.
const double remoteCurrentPosition = -1.0e6;
const double remotePotentialPosition = 1.0e6;
const float twoPi = 6.2831855f;
// A row without decay samples; longer rows only make a count less likely.
const qint64 smallestRowBytes = 113;

double position(woxElectrode electrode, double spacing)
{
    if (electrode == woxRemoteCurrentElectrode)
        return remoteCurrentPosition;
    if (electrode == woxRemotePotentialElectrode)
        return remotePotentialPosition;
    return electrode * spacing;
}

float geometricFactor(const woxCoreQuadripole &q, double spacing)
{
    const double a = position(q.a, spacing);
    const double b = position(q.b, spacing);
    const double m = position(q.m, spacing);
    const double n = position(q.n, spacing);
    const double sum = 1.0 / std::fabs(a - m) - 1.0 / std::fabs(b - m)
                       - 1.0 / std::fabs(a - n) + 1.0 / std::fabs(b - n);
    return float(std::fabs(double(twoPi) / sum));
}

} // namespace

woxSessionDataUnit::woxSessionDataUnit()
    : x(0.0f), y(0.0f), k(1.0f), resistivity(0.0f), sets(0), chained(false), marked(false)
{
}

void woxSessionDataUnit::configure(woxCableSpacing cableSpacing, woxChannelQuadripole cq)
{
    x = cq.x;
    y = cq.depth;
    sets = qint8(cq.sets);
    chained = cq.chained;
    marked = cq.marked;
    quadripole.a = cq.a;
    quadripole.b = cq.b;
    quadripole.m = cq.m;
    quadripole.n = cq.n;
    quadripole.channel = cq.channel;
    if (cableSpacing == 0.0f) {
        woxDiagnostic::error(QStringLiteral("woxSessionDataUnit"),
                             QStringLiteral("configure cableSpacing == 0"));
        k = 1.0f;
        return;
    }
    k = geometricFactor(quadripole, std::fabs(double(cableSpacing)));
}

void woxSessionDataUnit::computeResistivity()
{
    resistivity = float(std::fabs(double(k) * double(result.rxVoltage) / double(result.txCurrent)));
}

QDataStream &operator<<(QDataStream &stream, const woxSessionDataUnit &unit)
{
    stream << unit.x << unit.y << unit.k << unit.resistivity << unit.sets << unit.chained
           << unit.marked << unit.quadripole << unit.result;
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxSessionDataUnit &unit)
{
    stream >> unit.x >> unit.y >> unit.k >> unit.resistivity >> unit.sets >> unit.chained
           >> unit.marked >> unit.quadripole >> unit.result;
    return stream;
}

void writeSessionRows(QDataStream &stream, const QList<woxSessionDataUnit> &rows)
{
    stream << qint32(rows.size());
    for (const woxSessionDataUnit &row : rows)
        stream << row;
}

void readSessionRows(QDataStream &stream, QList<woxSessionDataUnit> *rows)
{
    rows->clear();
    qint32 count = 0;
    stream >> count;
    if (!woxStreamCount::accept(stream, count, smallestRowBytes))
        return;
    QList<woxSessionDataUnit> read;
    read.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        woxSessionDataUnit row;
        stream >> row;
        if (stream.status() != QDataStream::Ok)
            return;
        read.append(row);
    }
    *rows = read;
}
