#include "woxCoreThread.h"

#include "woxClock.h"
#include "woxConstants.h"
#include "woxCoreSerialPort.h"
#include "woxDeviceBus.h"
#include "woxDiagnostic.h"
#include "woxRandom.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

const char *const className = "woxCoreThread";

// Longest pause a job may ask for.
const quint32 maxDelayMsec = 30000;
// Largest reply of any command: 3000 samples of 4 bytes.
const quint16 maxReadBytes = 12000;
const int maxFrameData = 16;

// The largest duration code, (milliseconds - 40) / 20, that the options
// page can offer from one of its comma-separated lists.
quint16 largestCode(const QString &list)
{
    int largest = 0;
    for (const QString &item : list.split(QLatin1Char(',')))
        largest = qMax(largest, (item.toInt() - 40) / 20);
    return quint16(largest);
}

// A logarithm that never leaves the finite range: a quadripole whose
// electrodes share one position has no span, and its values must still be
// numbers a session file can hold.
double finiteLog10(double value)
{
    return value > 0.0 ? std::log10(value) : 0.0;
}

float finiteOrZero(double value)
{
    const float stored = float(value);
    return std::isfinite(stored) ? stored : 0.0f;
}

QString hexDump(const QByteArray &bytes)
{
    QString text;
    for (const char byte : bytes)
        text += QString::number(quint8(byte), 16).toUpper() + QLatin1Char(' ');
    return text;
}

} // namespace

// Battery and moisture readings swing with this phase, advanced by every
// sensor job and never reset, so the status bar shows changing values.
float woxCoreThread::sensorPhase = 0.0f;

woxCoreThread::woxCoreThread()
    : QThread(nullptr)
{
    port = new woxCoreSerialPort(corePortName(), coreSerialSettings, this);
    for (woxElectrode electrode = 0; electrode < 64; ++electrode)
        electrodeTimers.insert(electrode, woxStopwatch());
    electrodeTimers.insert(woxRemoteCurrentElectrode, woxStopwatch());
    electrodeTimers.insert(woxRemotePotentialElectrode, woxStopwatch());
    pacingTimer.start();
}

// The owner makes sure the thread has finished (woxCore::destroy).
woxCoreThread::~woxCoreThread() = default;

// ---------------------------------------------------------------- setters

void woxCoreThread::storeJob(woxCoreThreadJob code)
{
    finishedJobs.load(std::memory_order_acquire);
    job = code;
    cancelFlag.store(false);
}

void woxCoreThread::setJobDiscover(int)
{
    storeJob(1);
}

void woxCoreThread::setJobSignal(const woxCoreQuadripole &quadripole,
                                 const woxMeasureOptions &options)
{
    storeJob(2);
    signalQuadripole = quadripole;
    signalOptions = options;
}

void woxCoreThread::setJobResistance(const woxResistanceRequest &request)
{
    storeJob(3);
    resistanceRequest = request;
}

void woxCoreThread::setJobCalibrate(const woxCalibrateRequest &request)
{
    storeJob(4);
    calibrateRequest = request;
}

void woxCoreThread::setJobET2D(const woxET2DRequest &request)
{
    storeJob(5);
    et2dRequest = request;
}

void woxCoreThread::setJobVES(const woxMeasureOptions &options)
{
    storeJob(6);
    vesOptions = options;
}

void woxCoreThread::setJobSensor(int)
{
    storeJob(7);
}

void woxCoreThread::setJobClock(const woxClockRequest &request)
{
    storeJob(8);
    clockRequest = request;
}

void woxCoreThread::setJobSound(quint8 sound)
{
    storeJob(9);
    soundNumber = sound;
}

void woxCoreThread::setJobProduction(const woxProductionRequest &request)
{
    storeJob(10);
    productionRequest = request;
}

void woxCoreThread::setJobTxAux(const woxTxRequest &request)
{
    storeJob(11);
    txRequest = request;
}

void woxCoreThread::setJobSwAux(const woxSwRequest &request)
{
    storeJob(12);
    swRequest = request;
}

void woxCoreThread::setJobRxAux(const woxRxRequest &request)
{
    storeJob(13);
    rxRequest = request;
}

void woxCoreThread::setJobRxStress(const woxStressRequest &request)
{
    storeJob(14);
    stressRequest = request;
}

void woxCoreThread::setJobStopAll(int)
{
    storeJob(15);
}

void woxCoreThread::cancel()
{
    QMutexLocker lock(&mutex);
    cancelFlag.store(true);
}

void woxCoreThread::setPort(woxSerialPort *newPort)
{
    if (!newPort || newPort == port)
        return;
    delete port;
    port = newPort;
    port->setParent(this);
}

// ---------------------------------------------------------------- dispatch

void woxCoreThread::run()
{
    error.code = 0;
    switch (job) {
    case 1: emit sendReportDiscover(doDiscover()); break;
    case 2: emit sendReportSignal(doSignal()); break;
    case 3: emit sendReportResistance(doResistance()); break;
    case 4: emit sendReportCalibrate(doCalibrate()); break;
    case 5: emit sendReportET2D(doET2D()); break;
    case 6: emit sendReportVES(doVES()); break;
    case 7: emit sendReportSensor(doSensor()); break;
    case 8: emit sendReportClock(doClock()); break;
    case 9: emit sendReportSound(doSound()); break;
    case 10: emit sendReportProduction(doProduction()); break;
    case 11: emit sendReportTxAux(doTxAux()); break;
    case 12: emit sendReportSwAux(doSwAux()); break;
    case 13: emit sendReportRxAux(doRxAux()); break;
    case 14: emit sendReportRxStress(doRxStress()); break;
    case 15: stopAllDevices(); break;
    default: break;
    }
    job = 0;
    finishedJobs.fetch_add(1, std::memory_order_release);
}

bool woxCoreThread::waitForJob(unsigned long msec)
{
    const bool finished = QThread::wait(msec);
    finishedJobs.load(std::memory_order_acquire);
    return finished;
}

quint16 woxCoreThread::errorWord() const
{
    return quint16(quint16(error.device) << 8 | error.code);
}

void woxCoreThread::failWith(quint8 code, const QString &text)
{
    woxDiagnostic::error(QLatin1String(className), text);
    error.code = code;
}

void woxCoreThread::failWith(quint8 code, const QString &text, qint64 value)
{
    woxDiagnostic::error(QLatin1String(className), text, value);
    error.code = code;
}

// ---------------------------------------------------------------- timing

bool woxCoreThread::wait(quint16 msec)
{
    QElapsedTimer timer;
    timer.start();
    bool canceled = cancelFlag.load();
    while (!canceled && timer.elapsed() < msec) {
        QThread::usleep(200);
        canceled = cancelFlag.load();
    }
    if (!canceled && !cancelFlag.load())
        return true;
    {
        QMutexLocker lock(&mutex);
        cancelFlag.store(false);
    }
    error.code = 13;
    return false;
}

bool woxCoreThread::delay(quint32 msec)
{
    if (msec == 0)
        return true;
    if (msec > maxDelayMsec) {
        failWith(14, QStringLiteral("delay msec is invalid: "), msec);
        return false;
    }
    return wait(quint16(msec));
}

bool woxCoreThread::markTime()
{
    pacingTimer.start();
    return true;
}

bool woxCoreThread::delaySinceMark(quint16 msec)
{
    // Compared whole: a mark more than 65.5 s old has long passed any pause.
    const qint64 passed = pacingTimer.elapsed();
    if (passed > msec)
        return true;
    return delay(quint32(msec - passed));
}

bool woxCoreThread::isReady()
{
    return true;
}

bool woxCoreThread::isNear1000(float value)
{
    return value > 900.0f && value < 1100.0f;
}

bool woxCoreThread::isNearReference(float value, float reference)
{
    const double magnitude = std::fabs(double(reference));
    return value > double(0.9f) * magnitude && value < double(1.1f) * magnitude;
}

// ---------------------------------------------------------------- emulated jobs

woxCoreReportDiscover woxCoreThread::doDiscover()
{
    woxCoreReportDiscover report;
    delay(100);
    for (int address = 0; address <= 42; ++address)
        report.devices.append(woxAddress(address));
    report.error.set(errorWord());
    return report;
}

woxCoreReportSignal woxCoreThread::doSignal()
{
    woxCoreReportSignal report;
    const woxMeasureOptions options = signalOptions;
    report.options = options;
    // Counts beyond the option lists are no request the options page can
    // make, and a pulse code of 65535 would never end the sample loop.
    if (options.pulseCode > largestCode(pulseDurationList)) {
        failWith(14, QStringLiteral("doSignal pulseCode is invalid: "), options.pulseCode);
    } else if (options.pauseCode > largestCode(pauseDurationList)) {
        failWith(14, QStringLiteral("doSignal pauseCode is invalid: "), options.pauseCode);
    } else {
        delay(500);
        const float voltage = float(options.transmitterPercent) * 4625.0f + 37500.0f;
        const float current = voltage / 1234.567f;
        const float received = 46.786f;
        for (int i = 0; i <= options.pulseCode; ++i) {
            report.pulse1TxVoltage.append(voltage);
            report.pulse1TxCurrent.append(current);
            report.pulse1RxVoltage.append(received);
            report.pulse2TxVoltage.append(-voltage);
            report.pulse2TxCurrent.append(-current);
            report.pulse2RxVoltage.append(-received);
        }
        if (options.ipEnabled) {
            for (int k = 1; k <= options.pauseCode; ++k) {
                report.pause1TxVoltage.append(0.5f * voltage / float(k));
                report.pause1TxCurrent.append(0.5f * current / float(k));
                report.pause1RxVoltage.append(23.393f / float(k));
                report.pause2TxVoltage.append(-0.5f * voltage / float(k));
                report.pause2TxCurrent.append(-0.5f * current / float(k));
                report.pause2RxVoltage.append(-23.393f / float(k));
            }
        }
    }
    report.error.set(errorWord());
    return report;
}

woxCoreReportResistance woxCoreThread::doResistance()
{
    woxCoreReportResistance report;
    delay(200);
    // -1 and -2 read back as the remote electrodes 65535 and 65534.
    report.electrode = woxElectrode(resistanceRequest.electrode);
    const int seconds = woxClock::instance()->now().time().second();
    report.resistance = float(seconds) / 50.0f + 0.16543f;
    report.error.set(errorWord());
    return report;
}

woxCoreReportCalibrate woxCoreThread::doCalibrate()
{
    woxCoreReportCalibrate report;
    delay(500);
    report.error.set(errorWord());
    return report;
}

namespace {

woxMeasureResult emulatedResult(const woxCoreQuadripole &quadripole,
                                const woxMeasureOptions &options, float p, float q)
{
    woxMeasureResult result;
    result.options = options;

    QVector<float> positions{float(quadripole.n), float(quadripole.b)};
    if (quadripole.a != woxRemoteCurrentElectrode)
        positions.append(float(quadripole.a));
    if (quadripole.m != woxRemotePotentialElectrode)
        positions.append(float(quadripole.m));
    const float lo = *std::min_element(positions.cbegin(), positions.cend());
    const float hi = *std::max_element(positions.cbegin(), positions.cend());
    const float span = hi - lo;
    const float mid = (lo + hi) * 0.5f;

    result.quality = q / 1000.0f;
    const double y = std::cos(double(mid)) * span - mid + finiteLog10(double(mid) + span);
    result.rxVoltage = finiteOrZero(10.0 + std::sin(double(mid)) * std::fabs(y)
                                    * finiteLog10(span) / 10.0);
    result.txVoltage = float(options.transmitterPercent) * 4625.0f + 37500.0f;
    result.txCurrent = finiteOrZero((double(mid) + 100.0 + span
                                     + std::log10(100.0 * q + p)) * 100000.0
                                    / result.txVoltage);
    result.rxS = float(std::sin(double(p) + double(q)) * 5.0);
    if (options.ipEnabled) {
        result.chargeability = result.rxVoltage;
        for (int k = 1; k <= options.pauseCode; ++k)
            result.decay.append(5.0f / float(k) + 1.0f);
    }
    return result;
}

} // namespace

woxCoreReportET2D woxCoreThread::doET2D()
{
    woxCoreReportET2D report;
    delay(500);
    woxRandom *random = woxRandom::instance();
    const int r1 = random->next();
    const int r2 = random->next();
    const float p = float(r1 % 5) + 0.5f;
    const float q = float(r2 % 3) + 0.5f;
    for (const woxCoreQuadripole &quadripole : et2dRequest.quadripoles)
        report.results.append(emulatedResult(quadripole, et2dRequest.options, p, q));
    report.sensor.values.insert(1, 12700.0f);
    report.sensor.values.insert(2, 13200.0f);
    report.sensor.values.insert(3, 18.8f);
    report.error.set(errorWord());
    return report;
}

woxCoreReportVES woxCoreThread::doVES()
{
    woxCoreReportVES report;
    delay(20);
    report.result.options = vesOptions;
    woxRandom *random = woxRandom::instance();
    const float x = float(random->next() % 10) + 0.01f;
    const float y = float(random->next() % 5) + 0.01f;
    report.result.rxVoltage = x;
    report.result.txCurrent = y;
    report.result.txVoltage = 340000.0f;
    report.result.quality = 0.68f;
    report.result.chargeability = std::fabs(x - y) + 0.01f;
    report.result.decay = QVector<float>(vesOptions.pauseCode, 13.0f);
    report.error.set(errorWord());
    return report;
}

woxCoreReportSensor woxCoreThread::doSensor()
{
    woxCoreReportSensor report;
    delay(1);
    const double t = sensorPhase;
    report.values.insert(1, float(std::sin(t) * 1000.0 + 12000.0));
    report.values.insert(2, float(std::cos(t) * 1000.0 + 12000.0));
    report.values.insert(3, float(std::sin(t) * 40.0 + 50.0));
    sensorPhase += 0.1f;
    report.error.set(errorWord());
    return report;
}

woxCoreReportClock woxCoreThread::doClock()
{
    woxCoreReportClock report;
    delay(1);
    report.set = clockRequest.set;
    if (!report.set) {
        const QDateTime now = woxClock::instance()->now();
        report.date = now.date();
        report.time = now.time();
    }
    report.error.set(errorWord());
    return report;
}

woxCoreReportSound woxCoreThread::doSound()
{
    woxCoreReportSound report;
    report.error.set(errorWord());
    return report;
}

woxCoreReportProduction woxCoreThread::doProduction()
{
    woxCoreReportProduction report;
    delay(500);
    report.test = productionRequest.test;
    report.error.set(errorWord());
    return report;
}

woxCoreReportTxAux woxCoreThread::doTxAux()
{
    woxCoreReportTxAux report;
    delay(1000);
    report.error.set(errorWord());
    return report;
}

woxCoreReportSwAux woxCoreThread::doSwAux()
{
    woxCoreReportSwAux report;
    delay(1000);
    report.error.set(errorWord());
    return report;
}

woxCoreReportRxAux woxCoreThread::doRxAux()
{
    woxCoreReportRxAux report;
    if (rxRequest.start)
        delay(quint32(rxRequest.samples) * 20u);
    else if (rxRequest.read)
        report.samples = QVector<float>(rxRequest.samples, 5.57f);
    report.error.set(errorWord());
    return report;
}

woxCoreReportRxStress woxCoreThread::doRxStress()
{
    woxCoreReportRxStress report;
    report.text = QStringLiteral("OK");
    report.error.set(errorWord());
    return report;
}

// ---------------------------------------------------------------- sample arithmetic

float woxCoreThread::average(const QVector<float> &samples)
{
    if (samples.isEmpty()) {
        failWith(14, QStringLiteral("average samples is empty"));
        return 0.0f;
    }
    double sum = 0.0;
    for (const float sample : samples)
        sum += sample;
    return float(sum / samples.size());
}

bool woxCoreThread::sampleSum(QVector<float> &out, const QVector<float> &in)
{
    if (out.size() != in.size()) {
        failWith(14, QStringLiteral("sampleSum out.size() != in.size()"));
        return false;
    }
    for (int i = 0; i < out.size(); ++i)
        out[i] = out[i] + in[i];
    return true;
}

bool woxCoreThread::sampleAbsHalfDifference(QVector<float> &out, const QVector<float> &in)
{
    if (out.size() != in.size()) {
        failWith(14, QStringLiteral("sampleAbsHalfDifference out.size() != in.size()"));
        return false;
    }
    for (int i = 0; i < out.size(); ++i)
        out[i] = (out[i] - in[i]) * 0.5f;
    return true;
}

float woxCoreThread::relativeDeviation(const QVector<float> &samples)
{
    if (samples.size() < 2)
        return 1000.0f;
    const float mean = average(samples);
    double squares = 0.0;
    for (const float sample : samples)
        squares += (double(sample) - mean) * (double(sample) - mean);
    const double deviation = std::sqrt(squares / (samples.size() - 1));
    const double relative = 100.0 * deviation / mean;
    if (relative > 100.0)
        return 100.0f;
    if (!(relative > 0.0))
        return 0.0f;
    return float(relative);
}

bool woxCoreThread::invertSamplesIfReversed(woxAddress address, QVector<float> &samples,
                                            const QSet<woxAddress> &reversed)
{
    if (reversed.contains(address)) {
        for (float &sample : samples)
            sample = -sample;
    }
    return true;
}

bool woxCoreThread::printSamples(const QVector<float> &samples, const QString &label)
{
    QString line = QString::fromLocal8Bit(label.toLocal8Bit()) + QLatin1Char(' ');
    for (const float sample : samples) {
        woxDiagnostic::line(line + QString::number(sample));
        line.clear();
    }
    if (samples.isEmpty())
        woxDiagnostic::line(line);
    return true;
}

void woxCoreThread::setReceiverList(const QVector<woxAddress> &list)
{
    overloadedReceivers = list;
}

void woxCoreThread::markElectrodesUsed(const QList<woxCoreQuadripole> &quadripoles,
                                       const woxMeasureOptions &options)
{
    appliedOptions = options;
    if (quadripoles.isEmpty())
        return;
    electrodeTimers[quadripoles.first().a].start();
    electrodeTimers[quadripoles.first().b].start();
}

void woxCoreThread::markElectrodesUsed(const QVector<woxElectrode> &electrodes,
                                       const woxMeasureOptions &options)
{
    appliedOptions = options;
    for (const woxElectrode electrode : electrodes)
        electrodeTimers[electrode].start();
}

bool woxCoreThread::waitElectrodeRest(const QList<woxCoreQuadripole> &quadripoles)
{
    qint64 rested = std::numeric_limits<qint64>::max();
    for (const woxCoreQuadripole &quadripole : quadripoles) {
        rested = qMin(rested, electrodeTimers[quadripole.n].elapsed());
        rested = qMin(rested, electrodeTimers[quadripole.m].elapsed());
    }
    return waitForRest(rested, QStringLiteral(" msec..."));
}

bool woxCoreThread::waitElectrodeRest(const QVector<woxElectrode> &electrodes)
{
    qint64 rested = std::numeric_limits<qint64>::max();
    for (const woxElectrode electrode : electrodes)
        rested = qMin(rested, electrodeTimers[electrode].elapsed());
    return waitForRest(rested, QStringLiteral("msec..."));
}

// An electrode that carried current needs six pulse durations of rest before
// it measures a potential again; only what is still missing is waited.
bool woxCoreThread::waitForRest(qint64 rested, const QString &lineEnd)
{
    const qint64 needed = 6 * qint64(appliedOptions.pulseDuration);
    if (rested >= needed)
        return true;
    woxDiagnostic::line(QStringLiteral("Wait ") + QString::number(needed - rested) + lineEnd);
    return delay(quint32(needed - rested));
}

// ---------------------------------------------------------------- frame link

bool woxCoreThread::sendMessage(woxAddress device, quint8 command, const QByteArray &data)
{
    lastSentDevice = -1;
    lastSentCommand = -1;
    if (data.size() > maxFrameData) {
        failWith(14, QStringLiteral("sendMessage dataBytes.size() exceeds 16"));
        return false;
    }
    QByteArray frame;
    {
        QDataStream stream(&frame, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << qint8(device) << qint8(command) << qint16(data.size());
    }
    frame.append(data);
    if (port->write(frame.constData(), frame.size()) == frame.size()) {
        lastSentDevice = device;
        lastSentCommand = command;
        return true;
    }
    port->flushOutBuffer();
    port->close();
    // A lone carriage return first, so the error line starts a fresh line on
    // the instrument's console.
    std::fputc('\r', stderr);
    failWith(3, QStringLiteral("no data sent, port was closed"));
    return false;
}

bool woxCoreThread::sendCommand(woxAddress device, quint8 command)
{
    return sendMessage(device, command, QByteArray());
}

bool woxCoreThread::receive(quint16 expected, quint16 timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (port->bytesAvailable() < expected && timer.elapsed() <= timeoutMs)
        QThread::usleep(200);
    const qint64 available = port->bytesAvailable();
    if (available == expected)
        return true;
    // A partial or oversized reply is never handed on: show it and drop it.
    failWith(4, QStringLiteral("no data received, wait / available: %1 / %2")
                    .arg(expected).arg(available));
    const QByteArray bytes = available > 0 ? port->read(available) : QByteArray();
    woxDiagnostic::line(QStringLiteral("Last sent device:command: %1:%2")
                            .arg(lastSentDevice).arg(lastSentCommand));
    woxDiagnostic::line(QStringLiteral("Input buffer: ") + hexDump(bytes));
    port->flushInBuffer();
    return false;
}

QByteArray woxCoreThread::readBytes(quint16 count)
{
    if (count == 0 || count > maxReadBytes) {
        failWith(14, QStringLiteral("read dataBytes is invalid: "), count);
        return QByteArray();
    }
    return port->read(count);
}

bool woxCoreThread::soundPlay(qint8 sound)
{
    return sendMessage(woxDeviceBus::speaker, woxDeviceBus::soundCommand,
                       QByteArray(1, char(sound)));
}

void woxCoreThread::stopAllDevices()
{
    // Every step is tried even when one fails: the instrument must be left
    // quiet whatever happened before. A cancel does not cut this short.
    using namespace woxDeviceBus;
    sendMessage(transmitter, stopCommand, QByteArray(1, '\0'));
    QThread::msleep(5);
    sendCommand(referenceUnit, stopCommand);
    QThread::msleep(5);
    sendCommand(allReceivers, resetCommand);
    QThread::msleep(5);
    sendCommand(allSwitches, switchResetCommand);
    QThread::msleep(5);
    soundPlay(0);
}
