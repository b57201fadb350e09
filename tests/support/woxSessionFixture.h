#ifndef WOXSESSIONFIXTURE_H
#define WOXSESSIONFIXTURE_H

#include "woxSessionFile.h"

class woxSessionDataModel;

// Sessions for the session tests, written and read through the session file code.
namespace woxSessionFixture {

// Unmeasured dipole-dipole rows (5 m) in runs of the given lengths, marks alternating;
// row i at x = 2.5 i, depth 2.5, electrodes i % 60 .. +3, channel i % 16; one set, 315 m line.
woxSessionFile session(const QList<int> &runLengths);
woxSessionFile session(int rows, int runLength = 1);
// Marks the row measured with these values, its resistivity computed.
void measure(woxSessionFile *session, int row, float rxVoltage, float txCurrent, float chargeability = 0.0f);
// Writes the session as the working copy: its path, or empty on failure.
QString write(const woxSessionFile &session);
QByteArray bytes(const QString &path);   // empty when unreadable
// Writes the session as the working copy and loads it into the model.
bool load(woxSessionDataModel &model, const woxSessionFile &session);

} // namespace woxSessionFixture

#endif
