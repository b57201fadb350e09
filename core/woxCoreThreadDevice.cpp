// The instrument's single device commands: one member of woxCoreThread per
// device function. Each checks its arguments (an error line, code 14 and
// nothing sent on the first bad one), sends one frame, may await a reply of
// exact size, and may settle afterwards. A failing step returns false and
// leaves its code in the job's error; nothing is retried.

#include "woxCoreThread.h"

#include "woxDeviceBus.h"
#include "woxDiagnostic.h"

#include <QDataStream>
#include <QDate>
#include <QIODevice>
#include <QTime>

namespace {

using namespace woxDeviceBus;

const quint16 maxSamples = 3000;
const quint16 adjustTimeoutMs = 1000;
const quint16 stopTimeoutMs = 1;
const quint16 shortSettleMs = 5;
const quint16 startSettleMs = 35;
const quint32 calibrateMsPerSample = 40;
const quint32 longestDelayMs = 30000;
const qint64 keepAlivePeriodMs = 60000;

// 17 switches (26 to 42) answer a broadcast request, one byte each.
const quint16 allSwitchesReplySize = 17;

bool isReceiver(woxAddress device)
{
    return device >= firstReceiver && device <= lastReceiver;
}

bool isReceiverOrAll(woxAddress device)
{
    return isReceiver(device) || device == allReceivers;
}

bool isSwitchOrAll(woxAddress device)
{
    return (device >= firstSwitch && device <= lastSwitch) || device == allSwitches;
}

bool isSampleCount(quint16 samples)
{
    return samples >= 1 && samples <= maxSamples;
}

QDataStream &writer(QDataStream &stream)
{
    stream.setByteOrder(QDataStream::BigEndian);
    return stream;
}

QByteArray oneByte(qint8 value)
{
    return QByteArray(1, char(value));
}

QByteArray sampleCount(quint16 samples)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    writer(stream) << qint16(samples);
    return data;
}

} // namespace

// ---------------------------------------------------------------- helpers

bool woxCoreThread::refuse(const QString &text, qint64 value)
{
    failWith(14, text, value);
    return false;
}

bool woxCoreThread::exchange(woxAddress device, quint8 command, const QByteArray &data,
                             quint16 replySize, quint16 timeoutMs, QByteArray &reply)
{
    if (!sendMessage(device, command, data))
        return false;
    if (!receive(replySize, timeoutMs))
        return false;
    reply = readBytes(replySize);
    if (reply.size() == replySize)
        return true;
    // The port took back bytes it had just counted: no reply to parse.
    error.code = 4;
    return false;
}

bool woxCoreThread::readFloats(const QByteArray &reply, int count, QVector<float> &values)
{
    QDataStream stream(reply);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::SinglePrecision);
    values.resize(count);
    for (int i = 0; i < count; ++i)
        stream >> values[i];
    return stream.status() == QDataStream::Ok;
}

bool woxCoreThread::applyTxState(qint8 state, const QString &overheatLine,
                                 bool illegalAsErrorLine, const QString &illegalText)
{
    switch (state) {
    case 0:
        return true;
    case 1:
        error.code = 11;
        return false;
    case 2:
        woxDiagnostic::line(overheatLine);
        error.code = 12;
        return false;
    case 3:
        error.code = 9;
        return false;
    default:
        if (illegalAsErrorLine)
            failWith(14, illegalText, state);
        else
            woxDiagnostic::line(QStringLiteral("woxCoreThread error:") + illegalText
                                + QString::number(state));
        error.code = 14;
        return false;
    }
}

bool woxCoreThread::longSettle(quint32 msec)
{
    // The thread's delay takes at most 30 s; a longer settle is taken in
    // slices, each one cancellable.
    while (msec > 0) {
        const quint32 slice = qMin(msec, longestDelayMs);
        if (!delay(slice))
            return false;
        msec -= slice;
    }
    return true;
}

// ---------------------------------------------------------------- core

bool woxCoreThread::ping(woxAddress device, bool &present)
{
    if (device > lastDevice)
        return refuse(QStringLiteral("ping device is invalid: "), device);
    QByteArray reply;
    if (!exchange(coreAddress, 0, oneByte(qint8(device)), 1, replyTimeoutMs, reply))
        return false;
    present = reply.size() == 1 && reply.at(0) != 0;
    return true;
}

bool woxCoreThread::pingAll(const QVector<quint8> &devices)
{
    for (const quint8 device : devices) {
        bool present = false;
        if (!ping(device, present))
            return false;
        if (!present) {
            error.code = 5;
            error.device = device;
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- transmitters

bool woxCoreThread::intTxStartNoDelay(quint8 pulse)
{
    if (pulse != firstStartPulse && pulse != secondStartPulse)
        return refuse(QStringLiteral("intTxStartNoDelay pulse is invalid: "), pulse);
    return sendCommand(transmitter, pulse);
}

bool woxCoreThread::intTxStart(quint8 pulse)
{
    return intTxStartNoDelay(pulse) && wait(startSettleMs);
}

bool woxCoreThread::refTxStart(quint8 pulse)
{
    if (pulse != firstStartPulse && pulse != secondStartPulse && pulse != zeroPulse)
        return refuse(QStringLiteral("refTxStart pulse is invalid: "), pulse);
    return sendCommand(referenceUnit, pulse) && wait(shortSettleMs);
}

bool woxCoreThread::refTxStop()
{
    return sendCommand(referenceUnit, stopCommand) && wait(shortSettleMs);
}

bool woxCoreThread::intTxAdjust(quint8 adjustPulse, qint8 voltagePercent)
{
    if (adjustPulse != firstAdjustPulse && adjustPulse != secondAdjustPulse)
        return refuse(QStringLiteral("intTxAdjust adjustPulse is invalid: "), adjustPulse);
    if (voltagePercent < -1 || voltagePercent > 100)
        return refuse(QStringLiteral("intTxAdjust voltagePercent is invalid: "),
                      quint8(voltagePercent));
    QByteArray reply;
    if (!exchange(transmitter, adjustPulse, oneByte(voltagePercent), 1, adjustTimeoutMs, reply))
        return false;
    return applyTxState(qint8(reply.at(0)), QStringLiteral("txAdjust: OVERHEAT"), false,
                        QStringLiteral("intTxAdjust illegal txState: "));
}

bool woxCoreThread::txStop()
{
    QByteArray reply;
    if (!exchange(transmitter, stopCommand, oneByte(1), 1, stopTimeoutMs, reply))
        return false;
    return applyTxState(qint8(reply.at(0)), QStringLiteral("txStop: OVERHEAT"), true,
                        QStringLiteral("txStop illegal txState: "));
}

bool woxCoreThread::txReadState(float &value)
{
    QByteArray reply;
    if (!exchange(transmitter, readStateCommand, QByteArray(), 4, replyTimeoutMs, reply))
        return false;
    QVector<float> values;
    readFloats(reply, 1, values);
    value = values.at(0);
    return true;
}

bool woxCoreThread::txKeepAlive()
{
    // A timer that never ran counts as long expired, so the first call after
    // start-up always exercises the transmitter.
    const bool started = keepAliveTimer.isStarted();
    const qint64 passed = keepAliveTimer.restart();
    if (started && passed < keepAlivePeriodMs)
        return true;
    // Every step runs whatever the one before it gave. Code 11 is the
    // transmitter's report of a weak battery or shorted line, which the
    // keep-alive accepts; any other fault (an overheat, a lost reply) must
    // survive a later step that only reports code 11.
    quint8 fault = 0;
    const auto noteFault = [this, &fault]() {
        if (fault == 0 && error.code != 0 && error.code != 11)
            fault = error.code;
    };
    intTxAdjust(firstAdjustPulse, -1);
    noteFault();
    txStop();
    noteFault();
    intTxAdjust(secondAdjustPulse, -1);
    noteFault();
    txStop();
    noteFault();
    error.code = fault;
    return fault == 0;
}

// ---------------------------------------------------------------- receivers

bool woxCoreThread::rxStart(const QVector<quint8> &receivers, quint16 samples)
{
    if (receivers.isEmpty()) {
        failWith(14, QStringLiteral("rxStart devices are empty"));
        return false;
    }
    if (!isSampleCount(samples))
        return refuse(QStringLiteral("rxStart samples is invalid: "), samples);
    quint32 mask = 0;
    for (const quint8 receiver : receivers) {
        if (!isReceiver(receiver))
            return refuse(QStringLiteral("rxStart devices contains an invalid address: "),
                          receiver);
        mask |= quint32(1) << (receiver - firstReceiver);
    }
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    writer(stream) << qint16(samples) << qint32(mask);
    return sendMessage(allReceivers, startCommand, data);
}

bool woxCoreThread::rxStart(woxAddress receiver, quint16 samples)
{
    return rxStart(QVector<quint8>{receiver}, samples);
}

bool woxCoreThread::rxRead(woxAddress device, quint16 samples, QVector<float> &values)
{
    const bool indicator = device >= 1 && device <= 3;
    if (!indicator && !isReceiver(device))
        return refuse(QStringLiteral("rxRead device is invalid: "), device);
    if (!isSampleCount(samples))
        return refuse(QStringLiteral("rxRead samples is invalid: "), samples);
    const quint16 size = quint16(samples * 4);
    QByteArray reply;
    if (!exchange(device, readCommand, sampleCount(samples), size, replyTimeoutMs, reply))
        return false;
    readFloats(reply, samples, values);
    return true;
}

bool woxCoreThread::rxRangeNoDelay(woxAddress device, quint8 range)
{
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxRangeNoDelay device is invalid: "), device);
    if (range > 1)
        return refuse(QStringLiteral("rxRangeNoDelay range is invalid: "), range);
    // The receivers need a moment between two range changes.
    QThread::usleep(50);
    return sendMessage(device, rangeCommand, oneByte(qint8(range)));
}

bool woxCoreThread::rxRange(woxAddress device, quint8 range)
{
    return rxRangeNoDelay(device, range) && wait(shortSettleMs);
}

bool woxCoreThread::rxRangeAllNoDelay()
{
    for (const woxAddress receiver : qAsConst(overloadedReceivers)) {
        if (!rxRangeNoDelay(receiver, 1))
            return false;
    }
    return true;
}

bool woxCoreThread::rxRangeAll()
{
    return rxRangeAllNoDelay() && wait(shortSettleMs);
}

bool woxCoreThread::rxInput(woxAddress device, quint8 input)
{
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxInput device is invalid: "), device);
    if (input > 1)
        return refuse(QStringLiteral("rxInput input is invalid: "), input);
    return sendMessage(device, inputCommand, oneByte(qint8(input))) && wait(shortSettleMs);
}

bool woxCoreThread::rxReset(woxAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxReset device is invalid: "), device);
    return sendCommand(device, resetCommand) && wait(shortSettleMs);
}

bool woxCoreThread::rxCalibrate(woxAddress device, quint8 rangePulse, quint16 samples)
{
    if (rangePulse < firstCalibratePulse || rangePulse > lastCalibratePulse)
        return refuse(QStringLiteral("rxCalibrate rangePulse is invalid: "), rangePulse);
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxCalibrate device is invalid: "), device);
    if (!isSampleCount(samples))
        return refuse(QStringLiteral("rxCalibrate samples is invalid: "), samples);
    if (!sendMessage(device, rangePulse, sampleCount(samples)))
        return false;
    // Up to 3000 samples of 40 ms: two minutes, beyond 16 bits and beyond a
    // single delay.
    return longSettle(quint32(samples) * calibrateMsPerSample);
}

bool woxCoreThread::rxCalibrateDefault(woxAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxCalibrateDefault device is invalid: "), device);
    return sendCommand(device, calibrateDefaultCommand);
}

bool woxCoreThread::rxClear(woxAddress device)
{
    if (!isReceiverOrAll(device))
        return refuse(QStringLiteral("rxClear device is invalid: "), device);
    if (!sendCommand(device, clearCommand))
        return false;
    return delay(device == allReceivers ? 450 : 25);
}

// ---------------------------------------------------------------- switches

bool woxCoreThread::swReset(woxAddress device)
{
    if (!isSwitchOrAll(device))
        return refuse(QStringLiteral("swReset device is invalid: "), device);
    return sendCommand(device, switchResetCommand) && wait(shortSettleMs);
}

bool woxCoreThread::swResetAll()
{
    return sendCommand(allSwitches, switchResetCommand) && wait(shortSettleMs);
}

bool woxCoreThread::swSetNoDelay(woxAddress device, quint8 channelPin, woxElectrode electrode)
{
    if (!isSwitchOrAll(device))
        return refuse(QStringLiteral("swSetNoDelay device is invalid: "), device);
    if (channelPin > 1)
        return refuse(QStringLiteral("swSetNoDelay channelPin is invalid: "), channelPin);
    const bool line = electrode <= 63;
    if (!line && electrode != woxRemoteCurrentElectrode
        && electrode != woxRemotePotentialElectrode)
        return refuse(QStringLiteral("swSetNoDelay electrode is invalid: "), electrode);
    if ((electrode == woxRemoteCurrentElectrode && channelPin != 0)
        || (electrode == woxRemotePotentialElectrode && channelPin != 1)) {
        failWith(14, QStringLiteral("swSetNoDelay electrode and channelPin are invalid: %1 %2")
                         .arg(electrode).arg(channelPin));
        return false;
    }
    quint8 command = remotePotentialCommand;
    QByteArray data;
    if (line) {
        command = channelPin == 0 ? lineOnPin0Command : lineOnPin1Command;
        data = oneByte(qint8(electrode));
    } else if (electrode == woxRemoteCurrentElectrode) {
        command = remoteCurrentCommand;
    }
    const quint16 size = device == allSwitches ? allSwitchesReplySize : 1;
    QByteArray reply;
    return exchange(device, command, data, size, replyTimeoutMs, reply);
}

bool woxCoreThread::swApply(woxAddress device)
{
    if (!isSwitchOrAll(device))
        return refuse(QStringLiteral("swApply device is invalid: "), device);
    return sendCommand(device, switchApplyCommand) && wait(shortSettleMs);
}

// ---------------------------------------------------------------- clock

bool woxCoreThread::clockGet(QDate &date, QTime &time)
{
    QByteArray reply;
    if (!exchange(clockAddress, clockGetCommand, QByteArray(), 7, replyTimeoutMs, reply))
        return false;
    QDataStream stream(reply);
    stream.setByteOrder(QDataStream::BigEndian);
    quint16 year = 0;
    quint8 month = 0, day = 0, hour = 0, minute = 0, second = 0;
    stream >> year >> month >> day >> hour >> minute >> second;
    // The clock chip's year is only trusted within the instrument's century.
    year = qBound<quint16>(2000, year, 2100);
    date = QDate(year, month, day);
    time = QTime(hour, minute, second, 0);
    return true;
}

bool woxCoreThread::clockSet(const QDate &date, const QTime &time)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    writer(stream) << qint16(date.year()) << qint8(date.month()) << qint8(date.day())
                   << qint8(time.hour()) << qint8(time.minute()) << qint8(time.second());
    return sendMessage(clockAddress, clockSetCommand, data);
}
