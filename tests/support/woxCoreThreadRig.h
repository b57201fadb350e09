#ifndef WOXCORETHREADRIG_H
#define WOXCORETHREADRIG_H

#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeSerialPort.h"

// Where every device-step test starts: a worker thread probe with a scripted
// port fitted (the thread owns it) and the diagnostic lines captured while
// the rig lives.
class woxCoreThreadRig
{
public:
    woxCoreThreadRig();

    // A refused command: false, error 14, exactly the diagnostic line for
    // `text` and no frame beyond the `frames` the case wrote before. The
    // error and the lines are cleared afterwards so the next refusal is
    // checked on its own.
    void expectRefused(bool result, const QString &text, int frames = 0);

    woxDiagnosticCapture diagnostics;
    woxCoreThreadProbe thread;
    woxFakeSerialPort *const port;

private:
    Q_DISABLE_COPY(woxCoreThreadRig)
};

#endif
