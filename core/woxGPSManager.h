#ifndef WOXGPSMANAGER_H
#define WOXGPSMANAGER_H

#include <QMutex>
#include <QThread>

#include "woxGPSFix.h"

// Process-wide holder of the current GPS fix. No receiver is read in this build, so the
// fix keeps its initial values; screens still ask here so that a receiver thread can be
// added in run() without touching them.
class woxGPSManager : public QThread
{
    Q_OBJECT

public:
    // GUI thread only: the static pointer is not locked.
    static woxGPSManager* instance();
    static void destroy();

    // A copy taken under the mutex, so a half-written fix never leaves the holder.
    woxGPSFix fix() const;
    // Replaces the fix under the mutex: the receiver's entry point, and how
    // tests give the screens a position.
    void setFix(const woxGPSFix &newFix);

protected:
    void run() override;

private:
    woxGPSManager();
    ~woxGPSManager() override;

    woxGPSFix currentFix;
    mutable QMutex mutex;

    static woxGPSManager* self;
};

#endif // WOXGPSMANAGER_H
