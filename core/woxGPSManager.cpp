#include "woxGPSManager.h"

#include <QMutexLocker>

woxGPSManager* woxGPSManager::self = nullptr;

woxGPSManager* woxGPSManager::instance()
{
    if (!self)
        self = new woxGPSManager();
    return self;
}

void woxGPSManager::destroy()
{
    if (!self)
        return;
    self->stopRequested = true;
    self->wait();
    delete self;
    self = nullptr;
}

woxGPSManager::woxGPSManager()
    : QThread(nullptr)
{
    start(QThread::InheritPriority);
}

woxGPSManager::~woxGPSManager()
{
    // Destroying a running QThread aborts the program; destroy() has waited already,
    // this only guards a direct delete.
    stopRequested = true;
    wait();
}

woxGPSFix woxGPSManager::fix() const
{
    QMutexLocker locker(&mutex);
    return currentFix;
}

void woxGPSManager::run()
{
    // No GPS receiver is attached to this build: the fix keeps its initial values.
}
