#include "woxSerialPort.h"

woxSerialPort::woxSerialPort(QObject *parent)
    : QObject(parent)
{
}

woxSerialPort::~woxSerialPort() = default;
