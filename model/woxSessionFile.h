#ifndef WOXSESSIONFILE_H
#define WOXSESSIONFILE_H

#include "woxCableConfiguration.h"
#include "woxElectrodePosition.h"
#include "woxFileSummary.h"
#include "woxGPSFix.h"
#include "woxSessionDataUnit.h"
#include "woxSetInfo.h"

#include <QList>
#include <QVector>

class QDataStream;
class QIODevice;

// The content of a session file: magic, file summary, set list, cable
// configuration, electrode positions, rows and GPS fix. New sessions, the
// working copy and named copies are all written through it. Reading goes
// into an object of its own, so a damaged file never reaches the session on
// screen.
class woxSessionFile
{
public:
    static constexpr qint32 magic = 0x33114422;

    // Reads a whole session and checks what the program relies on: the
    // magic, every count within the bytes left, every item read whole, a
    // finite spacing and profile length, and at least one row. Row values
    // are taken as stored (a zero current leaves an infinite resistivity).
    // Returns false otherwise; the content is then meaningless.
    bool read(QDataStream &stream);
    // The device's bytes from its position to its end. A device that fails
    // to deliver them is refused the same way; callers that must tell a
    // read error from a damaged file ask the device.
    bool read(QIODevice &device);

    // Writes the seven items; the caller checks the stream's status.
    void write(QDataStream &stream) const;
    // The same, in one block; false unless the device took every byte.
    bool write(QIODevice &device) const;

    woxFileSummary summary;
    QVector<woxSetInfo> sets;
    woxCableConfiguration cableConfiguration;
    woxElectrodeMap electrodePositions;
    QList<woxSessionDataUnit> units;
    woxGPSFix gpsFix;

private:
    bool readHead(QDataStream &stream);
    QByteArray bytes() const;
};

#endif
