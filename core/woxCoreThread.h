#ifndef WOXCORETHREAD_H
#define WOXCORETHREAD_H

#include "woxCalibrateRequest.h"
#include "woxClockRequest.h"
#include "woxCoreError.h"
#include "woxCoreQuadripole.h"
#include "woxCoreReportCalibrate.h"
#include "woxCoreReportClock.h"
#include "woxCoreReportDiscover.h"
#include "woxCoreReportET2D.h"
#include "woxCoreReportProduction.h"
#include "woxCoreReportResistance.h"
#include "woxCoreReportRxAux.h"
#include "woxCoreReportRxStress.h"
#include "woxCoreReportSensor.h"
#include "woxCoreReportSignal.h"
#include "woxCoreReportSound.h"
#include "woxCoreReportSwAux.h"
#include "woxCoreReportTxAux.h"
#include "woxCoreReportVES.h"
#include "woxET2DRequest.h"
#include "woxMeasureOptions.h"
#include "woxProductionRequest.h"
#include "woxResistanceRequest.h"
#include "woxRxRequest.h"
#include "woxStopwatch.h"
#include "woxStressRequest.h"
#include "woxSwRequest.h"
#include "woxTxRequest.h"
#include "woxTypes.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QVector>

#include <atomic>
#include <climits>

class woxSerialPort;

// Job code of the core worker: 0 none, 1 discover, 2 signal, 3 resistance,
// 4 calibrate, 5 ET2D, 6 VES, 7 sensor, 8 clock, 9 sound, 10 production,
// 11 transmitter, 12 switch, 13 receiver command, 14 receiver stress test or
// ping, 15 stop all.
typedef quint8 woxCoreThreadJob;

// The thread that performs the instrument jobs, one at a time.
//
// The facade (woxCore) stores one job through a setter while the thread is
// idle and starts it; run() performs the job and emits exactly one report
// (job 15 emits none). Jobs 1 to 14 are answered by emulation, most after a
// fixed delay; job 15 writes the stop-all frames to the serial port.
//
// Everything below "worker thread only" runs inside a job on the worker
// thread: the cancellable waits, the emulated workers, the sample arithmetic
// and the device frame link. Each failing step leaves its reason in the
// error code (see woxCoreError) and returns false; nothing is retried.
class woxCoreThread : public QThread
{
    Q_OBJECT

public:
    woxCoreThread();
    ~woxCoreThread() override;

    // Job setters: GUI thread, only while the thread is not running. Each
    // stores its job code, clears the cancel flag and stores its request.
    void setJobDiscover(int unused);
    void setJobSignal(const woxCoreQuadripole &quadripole, const woxMeasureOptions &options);
    void setJobResistance(const woxResistanceRequest &request);
    void setJobCalibrate(const woxCalibrateRequest &request);
    void setJobET2D(const woxET2DRequest &request);
    void setJobVES(const woxMeasureOptions &options);
    void setJobSensor(int unused);
    void setJobClock(const woxClockRequest &request);
    void setJobSound(quint8 sound);
    void setJobProduction(const woxProductionRequest &request);
    void setJobTxAux(const woxTxRequest &request);
    void setJobSwAux(const woxSwRequest &request);
    void setJobRxAux(const woxRxRequest &request);
    void setJobRxStress(const woxStressRequest &request);
    void setJobStopAll(int unused);

    // GUI thread: QThread::wait for the job to end (without limit by
    // default), then takes over what the job left. Qt's own hand-over is
    // invisible to ThreadSanitizer, which does not see inside Qt; this one
    // it sees.
    bool waitForJob(unsigned long msec = ULONG_MAX);

    // Any thread: the running job fails at its next cancellable wait with
    // code 13. A cancel while idle is cleared by the next setter.
    void cancel();

    // Replaces the serial port, taking ownership (tests hand in a scripted
    // port). Only while the thread is not running.
    void setPort(woxSerialPort *newPort);

    static bool isNear1000(float value);
    static bool isNearReference(float value, float reference);

    // --- worker thread only ---

    // Cancellable wait. Hides QThread::wait inside this class: code that
    // waits for the thread to finish calls QThread::wait explicitly. Every
    // settle time and job delay passes through here; virtual so a test probe
    // can see the durations asked for without timing them.
    virtual bool wait(quint16 msec);
    // Validated cancellable wait: 0 passes at once, above 30000 ms is refused
    // with code 14. The duration is taken whole, so a long product of
    // samples and milliseconds is refused rather than cut to 16 bits.
    bool delay(quint32 msec);
    bool markTime();
    bool delaySinceMark(quint16 msec);
    bool isReady();

    // Emulated workers of jobs 1 to 14.
    woxCoreReportDiscover doDiscover();
    woxCoreReportSignal doSignal();
    woxCoreReportResistance doResistance();
    woxCoreReportCalibrate doCalibrate();
    woxCoreReportET2D doET2D();
    woxCoreReportVES doVES();
    woxCoreReportSensor doSensor();
    woxCoreReportClock doClock();
    woxCoreReportSound doSound();
    woxCoreReportProduction doProduction();
    woxCoreReportTxAux doTxAux();
    woxCoreReportSwAux doSwAux();
    woxCoreReportRxAux doRxAux();
    woxCoreReportRxStress doRxStress();

    // Sample arithmetic and electrode rest for the measurement sequences.
    float average(const QVector<float> &samples);
    bool sampleSum(QVector<float> &out, const QVector<float> &in);
    bool sampleAbsHalfDifference(QVector<float> &out, const QVector<float> &in);
    float relativeDeviation(const QVector<float> &samples);
    static bool invertSamplesIfReversed(woxAddress address, QVector<float> &samples,
                                        const QSet<woxAddress> &reversed);
    static bool printSamples(const QVector<float> &samples, const QString &label);
    void setReceiverList(const QVector<woxAddress> &list);
    void markElectrodesUsed(const QList<woxCoreQuadripole> &quadripoles,
                            const woxMeasureOptions &options);
    void markElectrodesUsed(const QVector<woxElectrode> &electrodes,
                            const woxMeasureOptions &options);
    bool waitElectrodeRest(const QList<woxCoreQuadripole> &quadripoles);
    bool waitElectrodeRest(const QVector<woxElectrode> &electrodes);

    // Device frame link. A frame is device byte, command byte, 16-bit
    // big-endian data length (0 to 16) and the data, written in one write.
    // A reply has no header: receive() waits until exactly the expected
    // number of bytes is waiting, then readBytes() takes them.
    bool sendMessage(woxAddress device, quint8 command, const QByteArray &data);
    bool sendCommand(woxAddress device, quint8 command);
    bool receive(quint16 expected, quint16 timeoutMs);
    QByteArray readBytes(quint16 count);
    bool soundPlay(qint8 sound);
    // Job 15: stops the transmitters, resets all receivers and switches and
    // plays sound 0. Every step is tried; no report.
    void stopAllDevices();

    // --- device commands and measurement sequences (worker thread only) ---

    // Single device commands. Each checks its arguments in order (an error
    // line, code 14 and nothing sent on the first bad one), sends one frame,
    // may await a reply of exact size and may settle afterwards (the settle
    // waits are cancellable, code 13).
    bool ping(woxAddress device, bool &present);
    // Code 5 with the device of the first absent one.
    bool pingAll(const QVector<quint8> &devices);
    bool intTxStartNoDelay(quint8 pulse);
    bool intTxStart(quint8 pulse);
    bool refTxStart(quint8 pulse);
    bool refTxStop();
    // Transmitter state of the reply: 1 gives code 11, 2 (overheat) 12, 3 gives 9.
    bool intTxAdjust(quint8 adjustPulse, qint8 voltagePercent);
    bool txStop();
    bool txReadState(float &value);
    // At most once a minute: adjust and stop on both pulses; code 11 counts
    // as success.
    bool txKeepAlive();
    bool rxStart(const QVector<quint8> &receivers, quint16 samples);
    bool rxStart(woxAddress receiver, quint16 samples);
    bool rxRead(woxAddress device, quint16 samples, QVector<float> &values);
    bool rxRangeNoDelay(woxAddress device, quint8 range);
    bool rxRange(woxAddress device, quint8 range);
    // Range 1 on every receiver of overloadedReceivers.
    bool rxRangeAllNoDelay();
    bool rxRangeAll();
    bool rxInput(woxAddress device, quint8 input);
    bool rxReset(woxAddress device);
    bool rxCalibrate(woxAddress device, quint8 rangePulse, quint16 samples);
    bool rxCalibrateDefault(woxAddress device);
    bool rxClear(woxAddress device);
    bool swReset(woxAddress device);
    bool swResetAll();
    bool swSetNoDelay(woxAddress device, quint8 channelPin, woxElectrode electrode);
    bool swApply(woxAddress device);
    // The year is held to 2000..2100; other fields are taken as they come.
    bool clockGet(QDate &date, QTime &time);
    bool clockSet(const QDate &date, const QTime &time);

    // Measurement sequences; each stops at its first failing step with that
    // step's code and undoes nothing.
    // Adjusts the transmitter on the connected load, ranges the overloaded
    // receivers; current (if given) receives the current amplitude.
    bool txAdjustCheck(const QVector<woxAddress> &receivers, qint8 voltagePercent,
                       float *current);
    bool txStartCheck();
    bool checkSensors(float &internalBattery, float &externalBattery, float &moisture);
    // One current pair (from the first quadripole) and one potential pair per
    // receiver channel 0..15; invertedReceivers lists the receivers whose
    // pair is connected reversed.
    bool swSetQuadripoles(const QList<woxCoreQuadripole> &group,
                          QSet<woxAddress> &invertedReceivers);
    bool swAll(woxAddress device);
    bool swPhantom(woxAddress device);
    // Largest rise, in percent, of four further ratio runs over the first.
    bool getChRDev(quint8 rx, float &deviation);
    bool swGnd(woxElectrode electrode);

    // --- end of device commands and measurement sequences ---

signals:
    void sendReportDiscover(const woxCoreReportDiscover report);
    void sendReportCalibrate(const woxCoreReportCalibrate report);
    void sendReportResistance(const woxCoreReportResistance report);
    void sendReportSignal(const woxCoreReportSignal report);
    void sendReportET2D(const woxCoreReportET2D report);
    void sendReportVES(const woxCoreReportVES report);
    void sendReportSensor(const woxCoreReportSensor report);
    void sendReportClock(const woxCoreReportClock report);
    void sendReportSound(const woxCoreReportSound report);
    void sendReportProduction(const woxCoreReportProduction report);
    void sendReportTxAux(const woxCoreReportTxAux report);
    void sendReportSwAux(const woxCoreReportSwAux report);
    void sendReportRxAux(const woxCoreReportRxAux report);
    void sendReportRxStress(const woxCoreReportRxStress report);

protected:
    void run() override;

    // The error as one word, low byte code, high byte device.
    quint16 errorWord() const;
    void failWith(quint8 code, const QString &text);
    void failWith(quint8 code, const QString &text, qint64 value);

    // Phase of the emulated battery and moisture readings, shared by every
    // worker of the program (worker thread only).
    static float sensorPhase;
    // Polled by the waits without the lock, hence atomic; stored under the
    // mutex by cancel() and the waits.
    std::atomic<bool> cancelFlag{false};
    // Counts the jobs run; released at the end of run(), acquired by the
    // GUI thread before it touches the job fields again.
    std::atomic<unsigned> finishedJobs{0};
    woxCoreError error;
    woxSerialPort *port = nullptr;
    QMutex mutex;
    QVector<woxAddress> overloadedReceivers;
    woxStopwatch pacingTimer;
    int lastSentDevice = -1;
    int lastSentCommand = -1;
    QHash<woxElectrode, woxStopwatch> electrodeTimers;
    woxMeasureOptions appliedOptions;
    woxStopwatch keepAliveTimer;
    woxCoreThreadJob job = 0;
    woxResistanceRequest resistanceRequest;
    woxCoreQuadripole signalQuadripole;
    woxMeasureOptions signalOptions;
    woxCalibrateRequest calibrateRequest;
    woxET2DRequest et2dRequest;
    woxMeasureOptions vesOptions;
    woxClockRequest clockRequest;
    quint8 soundNumber = 0;
    woxProductionRequest productionRequest;
    woxTxRequest txRequest;
    woxSwRequest swRequest;
    woxRxRequest rxRequest;
    woxStressRequest stressRequest;

private:
    void storeJob(woxCoreThreadJob code);
    bool waitForRest(qint64 rested, const QString &lineEnd);

    // --- helpers of the device commands and measurement sequences ---
    bool refuse(const QString &text, qint64 value);
    bool exchange(woxAddress device, quint8 command, const QByteArray &data,
                  quint16 replySize, quint16 timeoutMs, QByteArray &reply);
    static bool readFloats(const QByteArray &reply, int count, QVector<float> &values);
    bool applyTxState(qint8 state, const QString &overheatLine, bool illegalAsErrorLine,
                      const QString &illegalText);
    bool longSettle(quint32 msec);
    bool loadBandTest(float voltage, float current);
    bool readOne(woxAddress device, float &value);
    bool pulseOutputs(quint8 startPulse, float &voltage, float &current);
    bool swGndRequest(quint8 command, woxElectrode electrode);
    bool averageRead(woxAddress device, float &mean);
    bool channelRatio(quint8 rx, qint8 voltagePercent, float &ratio);
    // --- end of helpers of the device commands and measurement sequences ---
};

#endif
