#ifndef WOXDIAGNOSTICCAPTURE_H
#define WOXDIAGNOSTICCAPTURE_H

#include <QStringList>

// Collects the diagnostic lines written while it lives, instead of standard
// error. Ending the capture with the object means a check that fails early
// can never leave the diagnostics writing into a list that is gone.
class woxDiagnosticCapture
{
public:
    woxDiagnosticCapture();
    ~woxDiagnosticCapture();

    const QStringList &lines() const { return captured; }
    void clear() { captured.clear(); }

private:
    Q_DISABLE_COPY(woxDiagnosticCapture)

    QStringList captured;
};

#endif
