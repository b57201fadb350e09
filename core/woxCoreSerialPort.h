#ifndef WOXCORESERIALPORT_H
#define WOXCORESERIALPORT_H

#include "woxSerialPort.h"

#include <QString>

// The program's port to the instrument core. It keeps the name and the
// settings text ("115200, 8, N, 1, off") it was built with, but this
// emulating build never opens it: every write fails, nothing is ever
// available, and the frame link reports each write as "cannot send".
class woxCoreSerialPort : public woxSerialPort
{
    Q_OBJECT

public:
    woxCoreSerialPort(const QString &name, const QString &settings,
                      QObject *parent = nullptr);
    ~woxCoreSerialPort() override;

    QString name() const;
    QString settings() const;

    bool isOpen() const override;
    qint64 write(const char *data, qint64 size) override;
    qint64 bytesAvailable() const override;
    QByteArray read(qint64 maxSize) override;
    void flushInBuffer() override;
    void flushOutBuffer() override;
    void close() override;

private:
    QString portName;
    QString portSettings;
};

#endif
