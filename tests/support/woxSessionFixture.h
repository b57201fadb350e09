#ifndef WOXSESSIONFIXTURE_H
#define WOXSESSIONFIXTURE_H

#include "woxSessionFile.h"

class woxSessionDataModel;

// Sessions for the tests of the session model and screens, written and read
// through the session file code.
namespace woxSessionFixture {

// Unmeasured dipole-dipole rows at spacing 5 m in runs of the given lengths,
// the runs' marks alternating; row i stands at x = 2.5 i, depth 2.5, on
// electrodes i % 60 .. i % 60 + 3, channel i % 16, in set 0 of one
// dipole-dipole set of depth 2.5 m on a 315 m line.
woxSessionFile session(const QList<int> &runLengths);
// `rows` rows in runs of `runLength`.
woxSessionFile session(int rows, int runLength = 1);

// Marks the row measured with these values, its resistivity computed.
void measure(woxSessionFile *session, int row, float rxVoltage, float txCurrent,
             float chargeability = 0.0f);

// Writes the session as the working copy: its path, or empty on failure.
QString write(const woxSessionFile &session);

// The bytes of a file; empty when it cannot be read.
QByteArray bytes(const QString &path);

// Writes the session as the working copy and loads it into the model.
bool load(woxSessionDataModel &model, const woxSessionFile &session);

} // namespace woxSessionFixture

#endif
