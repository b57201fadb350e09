#ifndef WOXCORETHREADPROBE_H
#define WOXCORETHREADPROBE_H

#include "woxCoreThread.h"

// Opens the worker thread's inner state to tests: the error record, the
// cancel flag, the job code, the electrode and pacing timers, the frame
// link's last sent device and command, and the program-wide sensor phase.
//
// run() may be called on the test thread to perform the stored job
// synchronously (its report then reaches direct connections at once); the
// frame link and device steps may be called directly the same way, with a
// woxFakeSerialPort handed in through setPort().
class woxCoreThreadProbe : public woxCoreThread
{
public:
    using woxCoreThread::appliedOptions;
    using woxCoreThread::electrodeTimers;
    using woxCoreThread::error;
    using woxCoreThread::job;
    using woxCoreThread::lastSentCommand;
    using woxCoreThread::lastSentDevice;
    using woxCoreThread::overloadedReceivers;
    using woxCoreThread::pacingTimer;
    using woxCoreThread::run;
    using woxCoreThread::sensorPhase;

    bool cancelPending() const { return cancelFlag.load(); }

    // Every wait asked for, in order, in milliseconds. Written by the thread
    // running the job: read it only after the job has finished. No time
    // passes: the wait only takes a cancel already pending, as a real one
    // does at its start.
    QList<quint16> waits;
    bool wait(quint16 msec) override
    {
        waits.append(msec);
        return woxCoreThread::wait(0);
    }
};

#endif
