#ifndef WOXSESSIONDATAUNIT_H
#define WOXSESSIONDATAUNIT_H

#include "woxChannelQuadripole.h"
#include "woxCoreQuadripole.h"
#include "woxMeasureResult.h"
#include "woxTypes.h"

#include <QList>

class QDataStream;

// One row of a measurement session: its point in the pseudo-section, its
// geometric factor, the template sets it belongs to, its place in a run and
// what was measured for it.
class woxSessionDataUnit
{
public:
    woxSessionDataUnit();

    // Takes the row's geometry, sets, channel and run flags from the
    // generator's record and computes the geometric factor. A zero spacing
    // has no geometry: the factor becomes 1.0 and a diagnostic is written,
    // but the electrodes are still taken, so the row never keeps another
    // row's quadripole.
    void configure(woxCableSpacing cableSpacing, woxChannelQuadripole cq);
    // |k x U / I|: ohm-metres from millivolts and milliamperes.
    void computeResistivity();

    float x;            // metres along the line
    float y;            // pseudo-depth, metres
    float k;            // geometric factor, metres
    float resistivity;  // ohm-metres (ohms while k is 1)
    qint8 sets;         // bit i: set i of the template produced the row
    bool chained;       // the next row belongs to the same run
    bool marked;        // run parity for the row shading
    woxCoreQuadripole quadripole;
    woxMeasureResult result;
};

// 113 + 8 x decay samples bytes.
QDataStream &operator<<(QDataStream &stream, const woxSessionDataUnit &unit);
QDataStream &operator>>(QDataStream &stream, woxSessionDataUnit &unit);

// The rows of a session file: a 32-bit count, then the rows in table order.
void writeSessionRows(QDataStream &stream, const QList<woxSessionDataUnit> &rows);
// Replaces the list. A count that is negative or more than the bytes left
// could hold, or a row that does not read whole, leaves it empty and the
// stream in error.
void readSessionRows(QDataStream &stream, QList<woxSessionDataUnit> *rows);

#endif // WOXSESSIONDATAUNIT_H
