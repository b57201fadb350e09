#ifndef WOXFAKESERIALPORT_H
#define WOXFAKESERIALPORT_H

#include "woxSerialPort.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>

// A scripted serial port for frame-link and device-command tests.
//
// It starts open. Every write is recorded in frames() as one frame, open or
// not. An open port accepts the whole frame and then serves the next queued
// reply (queueReply) into its input buffer, so a command that writes and
// then waits for n bytes finds them; an empty queued reply means "no
// answer". A closed port (setOpen(false), or after close()) refuses every
// write with -1 and serves nothing.
//
// The worker thread uses the port while a test thread inspects it, so every
// member takes the port's own lock.
class woxFakeSerialPort : public woxSerialPort
{
    Q_OBJECT

public:
    explicit woxFakeSerialPort(QObject *parent = nullptr);
    ~woxFakeSerialPort() override;

    void setOpen(bool open);
    void queueReply(const QByteArray &reply);
    QList<QByteArray> frames() const;
    QByteArray input() const;
    // The flushes and closes asked of the port, in order: "flushIn",
    // "flushOut", "close".
    QStringList chores() const;

    bool isOpen() const override;
    qint64 write(const char *data, qint64 size) override;
    qint64 bytesAvailable() const override;
    QByteArray read(qint64 maxSize) override;
    void flushInBuffer() override;
    void flushOutBuffer() override;
    void close() override;

private:
    mutable QMutex mutex;
    bool open = true;
    QList<QByteArray> written;
    QList<QByteArray> replies;
    QByteArray inputBuffer;
    QStringList choresDone;
};

#endif
