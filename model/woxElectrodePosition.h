#ifndef WOXELECTRODEPOSITION_H
#define WOXELECTRODEPOSITION_H

#include "woxTypes.h"

#include <QMap>

class QDataStream;

// Position of one electrode in metres.
class woxElectrodePosition
{
public:
    woxElectrodePosition(float x = 0.0f, float y = 0.0f, float z = 0.0f);

    float x;
    float y;
    float z;
};

typedef QMap<woxElectrode, woxElectrodePosition> woxElectrodeMap;

QDataStream &operator<<(QDataStream &stream, const woxElectrodePosition &position);
QDataStream &operator>>(QDataStream &stream, woxElectrodePosition &position);

// The electrode map of a session: qint32 count, then the entries from the
// highest electrode down, each as the electrode (16 bits) and its position.
// Written and read by hand so the order never depends on Qt's map writer and
// a damaged count is refused before anything is allocated.
void writeElectrodeMap(QDataStream &stream, const woxElectrodeMap &map);
// Replaces the map; on a read error it is left empty and the stream's status
// tells why.
void readElectrodeMap(QDataStream &stream, woxElectrodeMap *map);

#endif
