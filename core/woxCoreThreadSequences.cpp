// The instrument's measurement procedures built from the single device
// commands: transmitter adjustment and load checks, the sensor check, the
// switch patterns and the receiver-channel ratio check. Every sequence stops
// at its first failing step with that step's code and undoes nothing: the
// stop-all job is what brings the devices back to rest.

#include "woxCoreThread.h"

#include "woxDeviceBus.h"

#include <cmath>
#include <limits>

#include <QtMath>

namespace {

using namespace woxDeviceBus;

const woxAddress internalBattery = 1;
const woxAddress externalBattery = 2;
const woxAddress moistureSensor = 3;
const quint8 channels = 16;

// Receiver and switch of each receiver channel.
const woxAddress channelReceiver[channels] = {8,  9,  10, 11, 12, 13, 14, 15,
                                              16, 17, 18, 19, 20, 21, 22, 23};
const woxAddress channelSwitch[channels] = {26, 27, 28, 29, 30, 31, 32, 33,
                                            34, 35, 36, 37, 38, 39, 40, 41};

const quint16 pulseReadMs = 25;
const quint16 ratioReadMs = 45;
const float overloadLevel = 9000.0f;
const float firstPulseDefault = 0.001f;

const double shortCircuitOhms = 10.0;
const double openCircuitOhms = 100000.0;
const float lowExternalBattery = 10500.0f;
const float condensationPercent = 95.0f;
const float fullMoisture = 100.0f;

bool isLineElectrode(woxElectrode electrode)
{
    return electrode <= 63;
}

} // namespace

// ---------------------------------------------------------------- load checks

bool woxCoreThread::loadBandTest(float voltage, float current)
{
    // A reading that is not a number says nothing about the load: it must
    // not pass as a sound one.
    if (!std::isfinite(voltage) || !std::isfinite(current)) {
        error.code = 10;
        return false;
    }
    // Both differences zero give no number and pass: nothing was driven.
    const double ohms = (double(voltage) * 0.5) / (double(current) * 0.5);
    if (ohms > openCircuitOhms) {
        error.code = 10;
        return false;
    }
    if (ohms < shortCircuitOhms) {
        error.code = 8;
        return false;
    }
    return true;
}

bool woxCoreThread::readOne(woxAddress device, float &value)
{
    QVector<float> values;
    if (!rxRead(device, 1, values))
        return false;
    value = values.at(0);
    return true;
}

bool woxCoreThread::pulseOutputs(quint8 startPulse, float &voltage, float &current)
{
    const QVector<quint8> outputs{outputVoltage, outputCurrent};
    return intTxStart(startPulse) && rxStart(outputs, 1) && wait(pulseReadMs) && txStop()
           && readOne(outputVoltage, voltage) && readOne(outputCurrent, current);
}

bool woxCoreThread::txAdjustCheck(const QVector<woxAddress> &receivers, qint8 voltagePercent,
                                  float *current)
{
    if (!txKeepAlive() || !rxRange(outputVoltage, 1)
        || !intTxAdjust(firstAdjustPulse, voltagePercent) || !rxStart(receivers, 1)
        || !wait(pulseReadMs) || !txStop())
        return false;
    float voltage1 = firstPulseDefault;
    float current1 = firstPulseDefault;
    QVector<woxAddress> overloaded;
    for (const woxAddress receiver : receivers) {
        float reading = 0;
        if (!readOne(receiver, reading))
            return false;
        if (receiver == outputVoltage)
            voltage1 = reading;
        else if (receiver == outputCurrent)
            current1 = reading;
        if (qAbs(reading) > overloadLevel)
            overloaded.append(receiver);
    }
    overloadedReceivers = overloaded;

    const QVector<quint8> outputs{outputVoltage, outputCurrent};
    float voltage2 = 0;
    float current2 = 0;
    if (!intTxAdjust(secondAdjustPulse, voltagePercent) || !rxStart(outputs, 1)
        || !wait(pulseReadMs) || !txStop() || !rxRange(outputVoltage, 0)
        || !readOne(outputVoltage, voltage2) || !readOne(outputCurrent, current2))
        return false;
    const float voltage = qAbs(voltage1 - voltage2);
    const float currentDifference = qAbs(current1 - current2);
    if (current)
        *current = currentDifference * 0.5f;
    return loadBandTest(voltage, currentDifference) && rxRangeAll();
}

bool woxCoreThread::txStartCheck()
{
    float voltage1 = 0, current1 = 0, voltage2 = 0, current2 = 0;
    return pulseOutputs(firstStartPulse, voltage1, current1)
           && pulseOutputs(secondStartPulse, voltage2, current2)
           && loadBandTest(qAbs(voltage1 - voltage2), qAbs(current1 - current2));
}

// ---------------------------------------------------------------- sensors

bool woxCoreThread::checkSensors(float &internal, float &external, float &moisture)
{
    float internalReading = 0, externalReading = 0, moistureReading = 0, state = 0;
    if (!pingAll(QVector<quint8>{coreAddress, internalBattery, externalBattery, moistureSensor})
        || !readOne(internalBattery, internalReading)
        || !readOne(externalBattery, externalReading)
        || !readOne(moistureSensor, moistureReading) || !txReadState(state))
        return false;
    internal = qAbs(internalReading);
    external = qAbs(externalReading);
    moisture = qMin(qAbs(moistureReading), fullMoisture);
    // Not-a-number is never below the limit; a reading that says nothing
    // counts as a low battery.
    if (!(external >= lowExternalBattery)) {
        error.code = 6;
        return false;
    }
    if (moisture > condensationPercent) {
        error.code = 7;
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- switch patterns

bool woxCoreThread::swSetQuadripoles(const QList<woxCoreQuadripole> &group,
                                     QSet<woxAddress> &invertedReceivers)
{
    // The current pair comes from the first quadripole and every channel
    // indexes the channel tables: refuse before any switch is touched.
    if (group.isEmpty()) {
        failWith(14, QStringLiteral("swSetQuadripoles group is empty"));
        return false;
    }
    for (const woxCoreQuadripole &quadripole : group) {
        if (quadripole.channel >= channels)
            return refuse(QStringLiteral("swSetQuadripoles channel is invalid: "),
                          quadripole.channel);
    }
    invertedReceivers.clear();
    for (const woxCoreQuadripole &quadripole : group) {
        const quint8 channel = quadripole.channel;
        const woxAddress device = channelSwitch[channel];
        const bool normal = quadripole.m == woxRemotePotentialElectrode
                            || quadripole.m % channels == channel;
        if (!normal)
            invertedReceivers.insert(channelReceiver[channel]);
        const quint8 pinOfN = normal ? 0 : 1;
        if (!swSetNoDelay(device, pinOfN, quadripole.n)
            || !swSetNoDelay(device, quint8(1 - pinOfN), quadripole.m))
            return false;
    }
    const woxCoreQuadripole &first = group.first();
    return swSetNoDelay(transmitterSwitch, 0, first.a)
           && swSetNoDelay(transmitterSwitch, 1, first.b) && swApply(allSwitches);
}

bool woxCoreThread::swAll(woxAddress device)
{
    if (device != allSwitches && (device < channelSwitch[0] || device > transmitterSwitch))
        return refuse(QStringLiteral("swAll device is invalid: "), device);
    if (!swSetNoDelay(device, 0, woxRemoteCurrentElectrode)
        || !swSetNoDelay(device, 1, woxRemotePotentialElectrode))
        return false;
    for (woxElectrode electrode = 0; electrode <= 63; ++electrode) {
        if (!swSetNoDelay(device, 0, electrode) || !swSetNoDelay(device, 1, electrode))
            return false;
    }
    return swApply(device);
}

bool woxCoreThread::swPhantom(woxAddress device)
{
    if (device == allSwitches)
        return true;
    if (device < channelSwitch[0] || device > transmitterSwitch)
        return refuse(QStringLiteral("swPhantom device is invalid: "), device);
    // Each remote electrode goes on the one pin its switch can take it on.
    if (!swSetNoDelay(device, 0, woxRemoteCurrentElectrode)
        || !swSetNoDelay(device, 1, woxRemotePotentialElectrode))
        return false;
    if (device != transmitterSwitch) {
        const int channel = device - channelSwitch[0];
        for (woxElectrode electrode = 0; electrode <= 63; ++electrode) {
            if (electrode % channels != channel && !swSetNoDelay(device, 1, electrode))
                return false;
        }
    }
    return swApply(device);
}

bool woxCoreThread::swGndRequest(quint8 command, woxElectrode electrode)
{
    // The remote electrodes travel as their signed byte (-2, -1) here; the
    // switch's acknowledgement byte carries nothing further.
    QByteArray acknowledgement;
    return exchange(transmitterSwitch, command, QByteArray(1, char(qint8(electrode))), 1,
                    replyTimeoutMs, acknowledgement);
}

bool woxCoreThread::swGnd(woxElectrode electrode)
{
    quint8 own = remotePotentialCommand;
    quint8 others = lineOnPin0Command;
    if (isLineElectrode(electrode)) {
        const bool even = electrode % 2 == 0;
        own = even ? lineOnPin1Command : lineOnPin0Command;
        others = even ? lineOnPin0Command : lineOnPin1Command;
    } else if (electrode == woxRemoteCurrentElectrode) {
        own = remoteCurrentCommand;
        others = lineOnPin1Command;
    } else if (electrode != woxRemotePotentialElectrode) {
        return refuse(QStringLiteral("swGnd electrode is invalid: "), electrode);
    }
    if (!swGndRequest(own, electrode))
        return false;
    for (woxElectrode other = 0; other <= 63; ++other) {
        if (other != electrode && !swGndRequest(others, other))
            return false;
    }
    return swApply(transmitterSwitch);
}

// ---------------------------------------------------------------- channel ratio

bool woxCoreThread::averageRead(woxAddress device, float &mean)
{
    QVector<float> values;
    if (!rxRead(device, 2, values))
        return false;
    mean = average(values);
    return true;
}

bool woxCoreThread::channelRatio(quint8 rx, qint8 voltagePercent, float &ratio)
{
    const woxAddress receiver = channelReceiver[rx];
    const woxAddress device = channelSwitch[rx];
    const QVector<woxAddress> receivers{receiver, outputVoltage, outputCurrent};
    // A = rx + 5, B = rx on the transmitter switch; M = rx, N = rx + 1.
    if (!swSetNoDelay(device, 1, rx) || !swSetNoDelay(device, 0, woxElectrode(rx + 1))
        || !swSetNoDelay(transmitterSwitch, 1, rx)
        || !swSetNoDelay(transmitterSwitch, 0, woxElectrode(rx + 5)) || !swApply(allSwitches)
        || !txAdjustCheck(receivers, voltagePercent, nullptr))
        return false;
    float current1 = 0, voltage1 = 0, current2 = 0, voltage2 = 0;
    if (!intTxStart(firstStartPulse) || !rxStart(receivers, 2) || !wait(ratioReadMs)
        || !txStop() || !averageRead(outputCurrent, current1) || !averageRead(receiver, voltage1)
        || !intTxStart(secondStartPulse) || !rxStart(receivers, 2) || !wait(ratioReadMs)
        || !txStop() || !averageRead(outputCurrent, current2) || !averageRead(receiver, voltage2))
        return false;
    const float current = (current1 - current2) * 0.5f;
    const float voltage = (voltage1 - voltage2) * 0.5f;
    ratio = qAbs(voltage / current);
    return swReset(allSwitches) && rxRange(allReceivers, 0);
}

bool woxCoreThread::getChRDev(quint8 rx, float &deviation)
{
    if (rx >= channels)
        return refuse(QStringLiteral("getChRDev rx is invalid: "), rx);
    float ratios[5] = {0, 0, 0, 0, 0};
    for (int run = 0; run < 5; ++run) {
        if (!channelRatio(rx, qint8(run), ratios[run]))
            return false;
    }
    // A run that gave no number (no voltage and no current: a dead channel)
    // or a first run of 0 cannot show a small deviation: report the largest
    // one, so the channel fails any threshold instead of passing with 0 %.
    for (int run = 0; run < 5; ++run) {
        if (!std::isfinite(ratios[run]) || ratios[0] == 0.0f) {
            deviation = std::numeric_limits<float>::max();
            return true;
        }
    }
    // Only rises over the first run count.
    float largest = 0;
    for (int run = 1; run < 5; ++run) {
        const float rise = (ratios[run] - ratios[0]) / ratios[0] * 100.0f;
        if (rise > largest)
            largest = rise;
    }
    deviation = largest;
    return true;
}
