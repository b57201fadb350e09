#include "woxFakeSerialPort.h"

#include "woxCoreThread.h"

#include <QMutexLocker>

woxFakeSerialPort::woxFakeSerialPort(QObject *parent)
    : woxSerialPort(parent)
{
}

woxFakeSerialPort::~woxFakeSerialPort() = default;

woxFakeSerialPort *woxFakeSerialPort::fittedTo(woxCoreThread &thread)
{
    auto *port = new woxFakeSerialPort;
    thread.setPort(port);
    return port;
}

void woxFakeSerialPort::setOpen(bool isOpen)
{
    QMutexLocker lock(&mutex);
    open = isOpen;
}

void woxFakeSerialPort::queueReply(const QByteArray &reply)
{
    QMutexLocker lock(&mutex);
    replies.append(reply);
}

void woxFakeSerialPort::setInput(const QByteArray &bytes)
{
    QMutexLocker lock(&mutex);
    inputBuffer = bytes;
}

QList<QByteArray> woxFakeSerialPort::frames() const
{
    QMutexLocker lock(&mutex);
    return written;
}

QByteArray woxFakeSerialPort::input() const
{
    QMutexLocker lock(&mutex);
    return inputBuffer;
}

int woxFakeSerialPort::pendingReplies() const
{
    QMutexLocker lock(&mutex);
    return replies.size();
}

int woxFakeSerialPort::flushInCount() const
{
    QMutexLocker lock(&mutex);
    return flushIns;
}

int woxFakeSerialPort::flushOutCount() const
{
    QMutexLocker lock(&mutex);
    return flushOuts;
}

int woxFakeSerialPort::closeCount() const
{
    QMutexLocker lock(&mutex);
    return closes;
}

bool woxFakeSerialPort::isOpen() const
{
    QMutexLocker lock(&mutex);
    return open;
}

qint64 woxFakeSerialPort::write(const char *data, qint64 size)
{
    QMutexLocker lock(&mutex);
    written.append(QByteArray(data, int(size)));
    if (!open)
        return -1;
    if (!replies.isEmpty())
        inputBuffer.append(replies.takeFirst());
    return size;
}

qint64 woxFakeSerialPort::bytesAvailable() const
{
    QMutexLocker lock(&mutex);
    return inputBuffer.size();
}

QByteArray woxFakeSerialPort::read(qint64 maxSize)
{
    QMutexLocker lock(&mutex);
    const QByteArray bytes = inputBuffer.left(int(qMax<qint64>(0, maxSize)));
    inputBuffer.remove(0, bytes.size());
    return bytes;
}

void woxFakeSerialPort::flushInBuffer()
{
    QMutexLocker lock(&mutex);
    inputBuffer.clear();
    ++flushIns;
}

void woxFakeSerialPort::flushOutBuffer()
{
    QMutexLocker lock(&mutex);
    ++flushOuts;
}

void woxFakeSerialPort::close()
{
    QMutexLocker lock(&mutex);
    open = false;
    ++closes;
}
