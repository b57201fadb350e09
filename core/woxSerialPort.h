#ifndef WOXSERIALPORT_H
#define WOXSERIALPORT_H

#include <QByteArray>
#include <QObject>

// The serial line to the instrument core, as the worker thread's frame link
// sees it. Only the worker thread touches a port, and only inside a job.
//
// write() answers the number of bytes written; anything other than the
// requested size is a failed write. bytesAvailable() counts the bytes waiting
// in the input buffer; read() takes at most maxSize of them.
class woxSerialPort : public QObject
{
    Q_OBJECT

public:
    explicit woxSerialPort(QObject *parent = nullptr);
    ~woxSerialPort() override;

    virtual bool isOpen() const = 0;
    virtual qint64 write(const char *data, qint64 size) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray read(qint64 maxSize) = 0;
    // Drop what waits in the input, resp. output, buffer.
    virtual void flushInBuffer() = 0;
    virtual void flushOutBuffer() = 0;
    virtual void close() = 0;
};

#endif
