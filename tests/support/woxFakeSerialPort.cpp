#include "woxFakeSerialPort.h"

#include <QMutexLocker>

woxFakeSerialPort::woxFakeSerialPort(QObject *parent)
    : woxSerialPort(parent)
{
}

woxFakeSerialPort::~woxFakeSerialPort() = default;

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

QStringList woxFakeSerialPort::chores() const
{
    QMutexLocker lock(&mutex);
    return choresDone;
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
    choresDone << QStringLiteral("flushIn");
    inputBuffer.clear();
}

void woxFakeSerialPort::flushOutBuffer()
{
    QMutexLocker lock(&mutex);
    choresDone << QStringLiteral("flushOut");
}

void woxFakeSerialPort::close()
{
    QMutexLocker lock(&mutex);
    choresDone << QStringLiteral("close");
    open = false;
}
