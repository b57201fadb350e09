#include "woxCoreSerialPort.h"

woxCoreSerialPort::woxCoreSerialPort(const QString &name, const QString &settings,
                                     QObject *parent)
    : woxSerialPort(parent),
      portName(name),
      portSettings(settings)
{
}

woxCoreSerialPort::~woxCoreSerialPort() = default;

QString woxCoreSerialPort::name() const
{
    return portName;
}

QString woxCoreSerialPort::settings() const
{
    return portSettings;
}

bool woxCoreSerialPort::isOpen() const
{
    return false;
}

qint64 woxCoreSerialPort::write(const char *, qint64)
{
    // A closed port writes nothing.
    return -1;
}

qint64 woxCoreSerialPort::bytesAvailable() const
{
    return 0;
}

QByteArray woxCoreSerialPort::read(qint64)
{
    return QByteArray();
}

void woxCoreSerialPort::flushInBuffer()
{
}

void woxCoreSerialPort::flushOutBuffer()
{
}

void woxCoreSerialPort::close()
{
}
