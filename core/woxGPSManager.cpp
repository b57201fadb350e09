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
    // The destructor waits for the thread to end.
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
    // Destroying a running QThread aborts the program.
    wait();
}

woxGPSFix woxGPSManager::fix() const
{
    QMutexLocker locker(&mutex);
    return currentFix;
}

void woxGPSManager::setFix(const woxGPSFix &newFix)
{
    QMutexLocker locker(&mutex);
    currentFix = newFix;
}

void woxGPSManager::run()
{
    // No GPS receiver is attached to this build: the fix keeps its initial values.
}
