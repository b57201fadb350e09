#ifndef WOXCOREDEVICERIG_H
#define WOXCOREDEVICERIG_H

#include "woxBytes.h"
#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeSerialPort.h"

#include <QDataStream>
#include <QIODevice>
#include <QtTest>

typedef QList<QByteArray> Frames;

// Frames written out by hand in hex, one after another between commas.
inline Frames woxFrames(const QString &text)
{
    Frames list;
    for (const QString &frame : text.split(','))
        list.append(woxHex(frame));
    return list;
}

// Readings go out as big-endian IEEE 754 single-precision floats.
inline QByteArray woxFloatReply(const QVector<float> &values)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    for (const float value : values)
        stream << value;
    return bytes;
}

// A worker thread on a scripted port, run on the test thread. The lines are captured while the probe, which owns
// the port, lives.
struct woxCoreDeviceRig
{
    woxDiagnosticCapture diagnostics;
    woxCoreThreadProbe thread;
    woxFakeSerialPort *const port = new woxFakeSerialPort;
    woxCoreDeviceRig() { thread.setPort(port); }

    // The code a step failed with, -1 when it succeeded.
    int failure(bool result) const { return result ? -1 : thread.error.code; }

    // False, code 14, just the line for `text`, no frame beyond the `frames` before; cleared for the next refusal.
    void expectRefused(bool result, const QString &text, int frames = 0)
    {
        QVERIFY2(!result, qPrintable(text));
        QCOMPARE(thread.error.code, quint8(14));
        QCOMPARE(diagnostics.lines(), QStringList{"woxCoreThread error: " + text});
        QCOMPARE(port->frames().size(), frames);
        diagnostics.clear();
        thread.error.code = 0;
    }
};

// The fake port hands one queued reply to each frame written, so every frame of a sequence gets an entry here:
// nothing for a command without a reply, the state byte, the readings or the switch acknowledgements.
struct woxDeviceScript
{
    woxFakeSerialPort *port;

    woxDeviceScript &add(const QByteArray &reply, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            port->queueReply(reply);
        return *this;
    }
    woxDeviceScript &none(int times = 1) { return add(QByteArray(), times); }
    woxDeviceScript &ok(int times = 1) { return add(woxHex("00"), times); }
    woxDeviceScript &acknowledge(int times = 1) { return add(woxHex("01"), times); }
    woxDeviceScript &readings(const QVector<float> &values) { return add(woxFloatReply(values)); }
    // One byte more than the reply awaited: fails at once, unlike silence.
    woxDeviceScript &garbled(int size) { return add(QByteArray(size + 1, '\1')); }

    // txAdjustCheck after its keep-alive: a first-pulse reading per receiver, then the second pulse's voltage and
    // current, then one range frame per overloaded receiver.
    woxDeviceScript &adjustCheck(const QVector<float> &firstPulse, float voltage2, float current2, int overloaded = 0)
    {
        none().ok().none().ok();
        for (const float value : firstPulse)
            readings({value});
        return ok().none().ok().none().readings({voltage2}).readings({current2}).none(overloaded);
    }

    // A start pulse of txStartCheck: pulse, receivers started, transmitter stopped, voltage and current.
    woxDeviceScript &pulse(float voltage, float current)
    {
        return none(2).ok().readings({voltage}).readings({current});
    }
};

#endif
