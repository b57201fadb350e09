#include "woxCoreDeviceRig.h"
#include "woxCoreSerialPort.h"
#include "woxFakeClock.h"

#include <QtTest>

#include <functional>
#include <limits>
#include <numeric>

typedef QVector<float> Floats;
typedef woxCoreDeviceRig Rig;
typedef woxDeviceScript Script;

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();

} // namespace

// The single device commands and the sequences built from them, run on the test thread against a scripted port.
class tst_deviceCommands : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<Rig> rig;

    static QString errorLine(const QString &text) { return "woxCoreThread error: " + text; }

private slots:
    void init()
    {
        rig.reset();   // the old capture goes before the new one starts
        rig.reset(new Rig);
    }

    void cleanup() { rig.reset(); }

    // Stop-all sends every frame even when canceled. A long calibration's settle is taken whole (751 x 40 ms is just
    // above one delay, 1639 x 40 ms no longer fits 16 bits, 3000 x 40 ms is two minutes) and canceled at once: a
    // refused one would end with code 14 and an error line. A failed send skips its settle.
    void cancels()
    {
        rig->thread.setJobStopAll(0);
        rig->thread.start();
        rig->thread.cancel();
        QVERIFY(rig->thread.waitForJob(10000));
        QCOMPARE(rig->thread.lastSentDevice * 100 + rig->thread.lastSentCommand, 4 * 100 + 50);
        QCOMPARE(rig->thread.error.code, quint8(0));
        for (const int samples : {751, 1639, 3000}) {
            rig->thread.cancel();
            QCOMPARE(rig->failure(rig->thread.rxCalibrate(255, 16, quint16(samples))), 13);
        }
        QCOMPARE(rig->port->frames(), woxFrames("07 1E 00 01 00, 06 1E 00 00, FF 0F 00 00, FE 3C 00 00,"
                                        "04 32 00 01 00, FF 10 00 02 02 EF, FF 10 00 02 06 67, FF 10 00 02 0B B8"));
        QVERIFY(rig->diagnostics.lines().isEmpty());
        rig->port->setOpen(false);
        rig->thread.cancel();
        QCOMPARE(rig->failure(rig->thread.swApply(254)), 3);
        QVERIFY(rig->thread.cancelPending());
    }

    // Every write to a closed port is flushed, closes the port and reports code 3, the last sent device and command
    // then unknown; the stop-all job still tries all five frames. The program's own port is never opened.
    void closedPorts()
    {
        rig->port->setOpen(false);
        rig->thread.setJobStopAll(0);
        rig->thread.run();
        QCOMPARE(rig->port->frames().size(), 5);
        QCOMPARE(rig->port->chores().join(' '), QString("flushOut close ").repeated(5).trimmed());
        QCOMPARE(rig->thread.error.code, quint8(3));
        QCOMPARE(rig->thread.lastSentDevice * 100 + rig->thread.lastSentCommand, -1 * 100 - 1);
        QCOMPARE(rig->diagnostics.lines(), QVector<QString>(5, errorLine("no data sent, port was closed")).toList());
        rig->diagnostics.clear();
        QCOMPARE(rig->failure(rig->thread.receive(7, 5)), 4);
        QCOMPARE(rig->diagnostics.lines(), QStringList({errorLine("no data received, wait / available: 7 / 0"),
                                                        "Last sent device:command: -1:-1", "Input buffer: "}));

        woxCoreSerialPort program(QStringLiteral("COM1"), QStringLiteral("115200, 8, N, 1, off"));
        QVERIFY(!program.isOpen() && program.name() == "COM1" && program.settings() == "115200, 8, N, 1, off");
        QVERIFY(program.write("\x01", 1) == -1 && program.bytesAvailable() == 0 && program.read(5).isEmpty());
    }

    // At most 16 data bytes a frame; a reply must be exactly the size awaited, and a short one is shown as it arrived.
    void frameLink()
    {
        QVERIFY(rig->thread.sendMessage(8, 12, woxHex("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")));
        QCOMPARE(rig->port->frames(), woxFrames("08 0C 00 10 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
        rig->expectRefused(rig->thread.sendMessage(8, 12, QByteArray(17, '\x01')),
                           "sendMessage dataBytes.size() exceeds 16", 1);
        QCOMPARE(rig->thread.lastSentDevice, -1);
        rig->port->queueReply(woxHex("01 AB"));
        QVERIFY(rig->thread.sendMessage(8, 10, woxHex("00 02")));
        QCOMPARE(rig->failure(rig->thread.receive(3, 20)), 4);
        QCOMPARE(rig->diagnostics.lines(),
                 QStringList({errorLine("no data received, wait / available: 3 / 2"),
                              "Last sent device:command: 8:10", "Input buffer: 1 AB "}));
        QCOMPARE(rig->port->bytesAvailable(), qint64(0));
        QCOMPARE(rig->port->chores(), QStringList{"flushIn"});
        rig->diagnostics.clear();
        // A bare command is a 4-byte frame; an exact reply stays waiting until it is read.
        rig->port->queueReply(woxHex("01 AB 00"));
        QVERIFY(rig->thread.sendCommand(254, 67) && rig->thread.receive(3, 500));
        QCOMPARE(rig->thread.lastSentDevice * 100 + rig->thread.lastSentCommand, 254 * 100 + 67);
        QCOMPARE(rig->port->frames().last(), woxHex("FE 43 00 00"));
        QCOMPARE(rig->thread.readBytes(3), woxHex("01 AB 00"));
        // More than awaited is no reply either.
        rig->port->queueReply(woxHex("10 20 30 FF"));
        QVERIFY(rig->thread.sendCommand(5, 40));
        QCOMPARE(rig->failure(rig->thread.receive(3, 30000)), 4);
        QCOMPARE(rig->diagnostics.lines(),
                 QStringList({errorLine("no data received, wait / available: 3 / 4"), "Last sent device:command: 5:40",
                              "Input buffer: 10 20 30 FF "}));
        rig->diagnostics.clear();
        rig->expectRefused(!rig->thread.readBytes(0).isEmpty(), "read dataBytes is invalid: 0", 4);
        rig->expectRefused(!rig->thread.readBytes(12001).isEmpty(), "read dataBytes is invalid: 12001", 4);

        // Readings: four bytes a sample, one more is no reply; 3000 samples are 12000 bytes, the most a read takes.
        rig->port->queueReply(woxHex("3F 80 00 00 00"));
        QVector<float> values;
        QCOMPARE(rig->failure(rig->thread.rxRead(2, 1, values)), 4);
        QVector<float> many(3000);
        std::iota(many.begin(), many.end(), -1500.5f);
        rig->port->queueReply(woxFloatReply(many));
        QVERIFY(rig->thread.rxRead(8, 3000, values));
        QCOMPARE(rig->port->frames().last(), woxHex("08 0A 00 02 0B B8"));
        QCOMPARE(values, many);

        // A broadcast awaits an acknowledgement from each of the 17 switches.
        rig->port->queueReply(QByteArray(17, '\1'));
        QVERIFY(rig->thread.swSetNoDelay(254, 0, 5));
        QCOMPARE(rig->port->input(), QByteArray());
        rig->port->queueReply(woxHex("01"));
        QCOMPARE(rig->failure(rig->thread.swSetNoDelay(254, 1, 0)), 4);
    }

    // Each command refuses an argument out of range before sending, the line naming the argument and the value.
    void refusals()
    {
        // An empty list is refused before the samples are looked at.
        rig->expectRefused(rig->thread.rxStart(QVector<quint8>(), 0), "rxStart devices are empty");
        rig->expectRefused(rig->thread.rxStart(QVector<quint8>{8}, 3001), "rxStart samples is invalid: 3001");
        rig->expectRefused(rig->thread.rxStart(QVector<quint8>{8, 7, 26}, 1),
                           "rxStart devices contains an invalid address: 7");
        QVector<float> values;
        rig->expectRefused(rig->thread.rxRead(4, 1, values), "rxRead device is invalid: 4");
        rig->expectRefused(rig->thread.rxRead(3, 3001, values), "rxRead samples is invalid: 3001");
        rig->expectRefused(rig->thread.rxRead(26, 1, values), "rxRead device is invalid: 26");
        rig->expectRefused(rig->thread.rxRead(3, 0, values), "rxRead samples is invalid: 0");
        rig->expectRefused(rig->thread.intTxAdjust(31, 101), "intTxAdjust voltagePercent is invalid: 101");
        rig->expectRefused(rig->thread.intTxAdjust(33, 0), "intTxAdjust adjustPulse is invalid: 33");
        // Shown as the byte the transmitter would have received.
        rig->expectRefused(rig->thread.intTxAdjust(31, -2), "intTxAdjust voltagePercent is invalid: 254");
        rig->expectRefused(rig->thread.swSetNoDelay(25, 0, 1), "swSetNoDelay device is invalid: 25");
        rig->expectRefused(rig->thread.swSetNoDelay(43, 0, 1), "swSetNoDelay device is invalid: 43");
        rig->expectRefused(rig->thread.swSetNoDelay(30, 0, 65534),
                           "swSetNoDelay electrode and channelPin are invalid: 65534 0");
        rig->expectRefused(rig->thread.swSetNoDelay(30, 2, 1), "swSetNoDelay channelPin is invalid: 2");
        rig->expectRefused(rig->thread.swSetNoDelay(30, 0, 64), "swSetNoDelay electrode is invalid: 64");
        rig->expectRefused(rig->thread.swSetNoDelay(30, 1, 65535),
                           "swSetNoDelay electrode and channelPin are invalid: 65535 1");
        rig->expectRefused(rig->thread.intTxStart(35), "intTxStartNoDelay pulse is invalid: 35");
        rig->expectRefused(rig->thread.refTxStart(31), "refTxStart pulse is invalid: 31");
        rig->expectRefused(rig->thread.rxRange(8, 2), "rxRangeNoDelay range is invalid: 2");
        rig->expectRefused(rig->thread.rxInput(8, 2), "rxInput input is invalid: 2");
        rig->expectRefused(rig->thread.rxReset(254), "rxReset device is invalid: 254");
        rig->expectRefused(rig->thread.rxCalibrate(8, 20, 1), "rxCalibrate rangePulse is invalid: 20");
        rig->expectRefused(rig->thread.rxCalibrate(8, 16, 3001), "rxCalibrate samples is invalid: 3001");
        rig->expectRefused(rig->thread.swApply(25), "swApply device is invalid: 25");
        rig->expectRefused(rig->thread.swPhantom(43), "swPhantom device is invalid: 43");
        rig->expectRefused(rig->thread.swPhantom(25), "swPhantom device is invalid: 25");
        rig->expectRefused(rig->thread.rxRangeNoDelay(7, 0), "rxRangeNoDelay device is invalid: 7");
        rig->expectRefused(rig->thread.rxInput(26, 0), "rxInput device is invalid: 26");
        rig->expectRefused(rig->thread.rxCalibrate(26, 16, 1), "rxCalibrate device is invalid: 26");
        rig->expectRefused(rig->thread.rxCalibrate(8, 15, 1), "rxCalibrate rangePulse is invalid: 15");
        rig->expectRefused(rig->thread.rxCalibrateDefault(1), "rxCalibrateDefault device is invalid: 1");
        rig->expectRefused(rig->thread.rxClear(254), "rxClear device is invalid: 254");
        rig->expectRefused(rig->thread.swReset(255), "swReset device is invalid: 255");
        rig->expectRefused(rig->thread.swReset(25), "swReset device is invalid: 25");
        rig->expectRefused(rig->thread.intTxStart(32), "intTxStartNoDelay pulse is invalid: 32");
        rig->expectRefused(rig->thread.refTxStart(35), "refTxStart pulse is invalid: 35");
        rig->expectRefused(rig->thread.rxStart(QVector<quint8>{25}, 0), "rxStart samples is invalid: 0");
        bool present = true;
        rig->expectRefused(rig->thread.ping(43, present), "ping device is invalid: 43");
        float deviation = 7;
        rig->expectRefused(rig->thread.getChRDev(16, deviation), "getChRDev rx is invalid: 16");
        QCOMPARE(deviation, 7.0f);
        rig->expectRefused(rig->thread.swAll(25), "swAll device is invalid: 25");
        rig->expectRefused(rig->thread.swAll(43), "swAll device is invalid: 43");
        rig->expectRefused(rig->thread.swGnd(64), "swGnd electrode is invalid: 64");
        QSet<woxAddress> inverted{12};
        rig->expectRefused(rig->thread.swSetQuadripoles({}, inverted), "swSetQuadripoles group is empty");
        rig->expectRefused(rig->thread.swSetQuadripoles({{0, 3, 1, 2, 1}, {0, 3, 5, 6, 17}}, inverted),
                           "swSetQuadripoles channel is invalid: 17");
        QCOMPARE(inverted, QSet<woxAddress>({12}));
    }

    // The keep-alive adjusts and stops on the first pulse, then on the second; code 11 alone is no failure and the
    // first fault stays. At most once a minute; the first call runs even a minute after midnight, when an unstarted
    // timer reads below 60 s. Rows: the states replied, the code, the lines printed.
    void transmitterStates()
    {
        woxFakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(0, 0, 5)));
        const Frames sequence = woxFrames("07 1F 00 01 FF, 07 1E 00 01 01, 07 20 00 01 FF, 07 1E 00 01 01");
        for (const QStringList &row : QList<QStringList>{{"01 00 03 00", "9"},
                 {"00 02 03 00", "12", "txStop: OVERHEAT"}, {"02 00 00 00", "12", "txAdjust: OVERHEAT"},
                 {"02 00 01 00", "12", "txAdjust: OVERHEAT"}, {"00 01 00 01", "-1"},
                 {"FF 07 00 00", "14", "woxCoreThread error:intTxAdjust illegal txState: -1",
                  errorLine("txStop illegal txState: 7")}}) {
            init();
            for (const QString &state : row[0].split(' '))
                rig->port->queueReply(woxHex(state));
            QCOMPARE(QString::number(rig->failure(rig->thread.txKeepAlive())), row[1]);
            QCOMPARE(rig->diagnostics.lines(), row.mid(2));
            QVERIFY(rig->thread.txKeepAlive());
            QCOMPARE(rig->port->frames(), sequence);
        }
        // Every call restarts the minute: 59.999 s after the last one nothing goes out, a full minute after it the
        // adjust and stop sequence runs again.
        clock.current = clock.current.addMSecs(59999);
        QVERIFY(rig->thread.txKeepAlive());
        Script{rig->port}.ok(4);
        rig->thread.error.code = 0;   // as at the start of a job
        clock.current = clock.current.addMSecs(60000);
        QVERIFY(rig->thread.txKeepAlive());
        QCOMPARE(rig->port->frames(), sequence + sequence);
        rig->port->queueReply(woxHex("01"));   // weak battery or shorted line
        QCOMPARE(rig->failure(rig->thread.intTxAdjust(31, 0)), 11);
    }

    // A single adjust or stop: its frame, and the state replied as a code (-1 success) and the lines printed.
    void transmitterReplies()
    {
        const struct { bool stop; const char *state; int code; QStringList lines; } rows[] = {
            {false, "00", -1, {}}, {false, "01", 11, {}}, {false, "02", 12, {"txAdjust: OVERHEAT"}},
            {false, "03", 9, {}},
            {false, "07", 14, {"woxCoreThread error:intTxAdjust illegal txState: 7"}},
            {true, "00", -1, {}}, {true, "01", 11, {}}, {true, "02", 12, {"txStop: OVERHEAT"}}, {true, "03", 9, {}},
            {true, "FF", 14, {errorLine("txStop illegal txState: -1")}}};
        for (const auto &row : rows) {
            init();
            rig->port->queueReply(woxHex(row.state));
            QCOMPARE(rig->failure(row.stop ? rig->thread.txStop() : rig->thread.intTxAdjust(31, 0)), row.code);
            QCOMPARE(rig->diagnostics.lines(), row.lines);
            QCOMPARE(rig->port->frames(), woxFrames(row.stop ? "07 1E 00 01 01" : "07 1F 00 01 00"));
        }
    }

    // Commands with a reply or a payload: the replies served, what the command gave, and the frames sent.
    void repliesAndFrames()
    {
        typedef std::function<QString(woxCoreThreadProbe &)> Run;
        const auto clock = [](woxCoreThreadProbe &t) {
            QDate date;
            QTime time;
            return t.clockGet(date, time) ? date.toString(Qt::ISODate) + " " + time.toString() : QString("failed");
        };
        const auto ping = [](woxAddress device) {
            return [device](woxCoreThreadProbe &t) {
                bool present = false;
                return QString("%1 %2").arg(t.ping(device, present)).arg(present);
            };
        };
        const struct { const char *replies; Run run; QString result; const char *frames; } rows[] = {
            {"01", ping(5), "1 1", "00 00 00 01 05"},
            {"00", ping(42), "1 0", "00 00 00 01 2A"},
            {"01,00", [](woxCoreThreadProbe &t) {
                 return QString("%1 %2 %3").arg(t.pingAll({0, 2, 3})).arg(t.error.code).arg(t.error.device);
             }, "0 5 2", "00 00 00 01 00, 00 00 00 01 02"},
            {"08 35 01 02 03 04 05", clock, "2100-01-02 03:04:05", "05 28 00 00"},
            {"FF FF 06 0F 0C 00 00", clock, "2100-06-15 12:00:00", "05 28 00 00"},
            {"07 E8 02 1D 00 00 01", clock, "2024-02-29 00:00:01", "05 28 00 00"},
            {"01,01,01", [](woxCoreThreadProbe &t) {
                 return QString("%1").arg(t.swSetNoDelay(30, 1, 63) && t.swSetNoDelay(42, 0, 65535)
                                          && t.swSetNoDelay(26, 1, 65534));
             }, "1", "1E 3E 00 01 3F, 2A 3F 00 00, 1A 42 00 00"},
            {"00,00", [](woxCoreThreadProbe &t) {
                 return QString::number(t.intTxAdjust(31, -1) && t.intTxAdjust(32, 100));
             },
             "1", "07 1F 00 01 FF, 07 20 00 01 64"},
            // Values already held are replaced by the one sample read.
            {"3F 80 00 00", [](woxCoreThreadProbe &t) {
                 QVector<float> values{5, 6, 7};
                 return t.rxRead(2, 1, values) ? QString::number(values.size()) + " " + QString::number(values[0]) : "";
             }, "1 1", "02 0A 00 02 00 01"},
            // Range 1 for each overloaded receiver in turn, then one settle.
            {"", [](woxCoreThreadProbe &t) {
                 t.overloadedReceivers = {12, 24};
                 const bool ranged = t.rxRangeAll();
                 return QString("%1 %2/%3").arg(ranged).arg(t.waits.value(0)).arg(t.waits.size());
             }, "1 5/1", "0C 0D 00 01 01, 18 0D 00 01 01"}};
        for (const auto &row : rows) {
            init();
            for (const QString &reply : QString(row.replies).split(',', Qt::SkipEmptyParts))
                rig->port->queueReply(woxHex(reply));
            QCOMPARE(row.run(rig->thread), row.result);
            QCOMPARE(rig->port->frames(), woxFrames(row.frames));
        }
        // Nothing overloaded: nothing to range.
        rig->thread.overloadedReceivers.clear();
        QVERIFY(rig->thread.rxRangeAllNoDelay() && rig->port->frames().size() == 2);
    }

    // One frame of each kind, written out by hand; the clock's year is held to 2000..2100, an impossible date invalid.
    void simpleFrames()
    {
        for (const char *reply : {"3F C0 00 00", "07 CF 0C 1F 17 3B 3A", "07 E8 0D 01 19 00 00"})
            rig->port->queueReply(woxHex(reply));
        float state = 0;
        QVERIFY(rig->thread.txReadState(state));
        QCOMPARE(state, 1.5f);
        QDate date;
        QTime time;
        QVERIFY(rig->thread.clockGet(date, time));   // 1999-12-31 23:59:58
        QCOMPARE(QDateTime(date, time), QDateTime(QDate(2000, 12, 31), QTime(23, 59, 58)));
        QVERIFY(rig->thread.clockGet(date, time) && !date.isValid() && !time.isValid());   // month 13
        woxCoreThreadProbe &t = rig->thread;
        QVERIFY(t.intTxStart(33) && t.intTxStartNoDelay(34) && t.refTxStart(36) && t.refTxStop() && t.rxRange(255, 0)
                && t.rxInput(8, 1) && t.rxReset(255) && t.rxCalibrate(25, 19, 1) && t.rxCalibrateDefault(25)
                && t.rxClear(8) && t.swReset(41) && t.swResetAll() && t.swApply(42)
                && t.rxStart(QVector<quint8>{8, 25, 8}, 100) && t.rxStart(woxAddress(9), 3000)
                && t.clockSet(QDate(2024, 3, 5), QTime(14, 7, 9)) && t.soundPlay(-2));
        QCOMPARE(rig->port->frames(),
                 woxFrames("07 23 00 00, 05 28 00 00, 05 28 00 00, 07 21 00 00, 07 22 00 00, 06 24 00 00, 06 1E 00 00,"
                        "FF 0D 00 01 00, 08 0E 00 01 01, FF 0F 00 00, 19 13 00 02 00 01, 19 14 00 00, 08 15 00 00,"
                        "29 3C 00 00, FE 3C 00 00, 2A 43 00 00, FF 0C 00 06 00 64 00 02 00 01,"
                        "FF 0C 00 06 0B B8 00 00 00 02, 05 29 00 07 07 E8 03 05 0E 07 09, 04 32 00 01 FE"));
        QVERIFY(rig->diagnostics.lines().isEmpty());
        // Settles in the order sent: a start 35 ms, a calibration 40 ms a sample, clearing one receiver 25 ms and
        // every receiver 450 ms, the others 5 ms.
        QVERIFY(rig->thread.rxClear(255));
        QCOMPARE(rig->thread.waits, QList<quint16>({35, 5, 5, 5, 5, 5, 40, 25, 5, 5, 5, 450}));
    }

    // Rows: readings of receivers 24 and 25 under the first adjust pulse, the second pulse's voltage and current, the
    // code: 100000 ohms; above; a short; nothing driven; a NaN current; an infinite voltage; 10 ohms; an open line;
    // no current difference; a NaN voltage.
    void loadBand()
    {
        const struct { Floats firstPulse; float voltage2, current2; int code; } rows[] = {
            {{6250, 0.0625f}, -6250.0f, -0.0625f, 0}, {{6250, 0.0625f}, -6250.5f, -0.0625f, 10}, {{99, 10}, 0, 0, 8},
            {{50, 7}, 50, 7, 0}, {{100, notANumber}, 0, 0, 10}, {{infinity, 10}, 0, 0, 10}, {{100, 10}, 0, 0, 0},
            {{1000, 0.004f}, 0, 0, 10}, {{50, 7}, 40, 7, 10}, {{100, 10}, notANumber, 0, 10}};
        QStringList outcomes, expected;
        for (const auto &row : rows) {
            init();
            Script{rig->port}.ok(4).adjustCheck(row.firstPulse, row.voltage2, row.current2);
            const bool passed = rig->thread.txAdjustCheck({24, 25}, 0, nullptr);
            outcomes << QString("%1/%2").arg(passed).arg(rig->thread.error.code);
            expected << QString("%1/%2").arg(row.code == 0).arg(row.code);
        }
        QCOMPARE(outcomes, expected);
    }

    // Internal and external battery and moisture: their magnitudes, moisture held to 100. A low or unreadable
    // external battery fails first (6), then moisture above 95 % (7). The core and the three indicators are pinged,
    // read in turn, and the transmitter's state read last.
    void sensors()
    {
        const struct { Floats readings, reported; int code; } rows[] = {
            {{3000, 10500, 95}, {3000, 10500, 95}, 0}, {{0, 10499, 120}, {0, 10499, 100}, 6},
            {{3000, notANumber, 50}, {3000, notANumber, 50}, 6}, {{-1, -10500, 95.5f}, {1, 10500, 95.5f}, 7},
            {{-3000, -12000, -0.0f}, {3000, 12000, 0}, 0}, {{0, 12000, -120}, {0, 12000, 100}, 7}};
        for (const auto &row : rows) {
            init();
            Script script{rig->port};
            script.acknowledge(4);
            for (const float value : row.readings + Floats{-1})
                script.readings({value});
            QVector<float> got(3, -1);
            QCOMPARE(rig->thread.checkSensors(got[0], got[1], got[2]), row.code == 0);
            QCOMPARE(int(rig->thread.error.code), row.code);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(got[i], row.reported[i]);
            QCOMPARE(rig->port->frames(), woxFrames("00 00 00 01 00, 00 00 00 01 01, 00 00 00 01 02,"
                                                    "00 00 00 01 03, 01 0A 00 02 00 01, 02 0A 00 02 00 01,"
                                                    "03 0A 00 02 00 01, 07 23 00 00"));
        }
        // A silent indicator ends the check with code 5 and its address, the outputs untouched.
        init();
        Script{rig->port}.acknowledge(2).ok();
        float internal = -1, external = -1, moisture = -1;
        QCOMPARE(rig->failure(rig->thread.checkSensors(internal, external, moisture)), 5);
        QVERIFY(rig->thread.error.device == 2 && internal == -1 && rig->port->frames().size() == 3);
    }

    // The current pair comes from the first quadripole, a reversed potential pair swaps pins. Switch 30 serves
    // channel 4: the phantom puts every line electrode but its own on pin 1.
    void switchPatterns()
    {
        Script{rig->port}.acknowledge(10).none().acknowledge(62);   // a broadcast apply awaits none
        const QList<woxCoreQuadripole> group{
            {0, 3, 1, 2, 1},                              // normal: M on channel 1
            {0, 3, 3, 4, 4},                              // reversed
            {0, 3, woxRemotePotentialElectrode, 21, 5},   // remote M: normal
            {0, 3, 5, 6, 4}};                             // reversed again
        QSet<woxAddress> inverted{99};
        QVERIFY(rig->thread.swSetQuadripoles(group, inverted));
        QCOMPARE(inverted, QSet<woxAddress>({12}));
        QVERIFY(rig->thread.swPhantom(30));
        Frames expected = woxFrames("1B 3D 00 01 02, 1B 3E 00 01 01, 1E 3E 00 01 04, 1E 3D 00 01 03, 1F 3D 00 01 15,"
                                 "1F 42 00 00, 1E 3E 00 01 06, 1E 3D 00 01 05, 2A 3D 00 01 00, 2A 3E 00 01 03,"
                                 "FE 43 00 00, 1E 3F 00 00, 1E 42 00 00");
        for (woxElectrode e = 0; e <= 63; ++e) {
            if (e % 16 != 4)
                expected.append(woxHex("1E 3E 00 01") + char(e));
        }
        QCOMPARE(rig->port->frames(), expected + woxFrames("1E 43 00 00"));
    }

    // The largest rise of the ratio over the first run, in percent; a run without a ratio (dead channel, zero first
    // ratio) fails with the worst. Each run: switches set, its adjustment (after a keep-alive the first time), then
    // two samples of current and voltage under each start pulse.
    void channelRatioOutcomes()
    {
        const float worst = std::numeric_limits<float>::max();
        const struct { int channel; Floats currents, voltages; float deviation; } rows[] = {
            {15, Floats(5, 2), {200, 202, 198, 205, 200}, 2.5f},          // the largest rise
            {0, Floats(5, -4), {400, 396, 200, 399.6f, 0}, 0.0f},         // all below the first
            {15, {2, 2, 0, 2, 2}, {200, 200, 0, 200, 200}, worst},        // dead
            {15, Floats(5, 2), {0, 200, 200, 200, 200}, worst}};          // zero first
        // M = rx and N = rx + 1 on the channel's switch, B = rx and A = rx + 5 on the transmitter's; the channel's
        // receiver and both outputs start with two samples.
        const QMap<int, QString> wiring{
            {0, "1A 3E 00 01 00, 1A 3D 00 01 01, 2A 3E 00 01 00, 2A 3D 00 01 05, FE 43 00 00,"
                "FF 0C 00 06 00 02 00 03 00 01"},
            {15, "29 3E 00 01 0F, 29 3D 00 01 10, 2A 3E 00 01 0F, 2A 3D 00 01 14, FE 43 00 00,"
                 "FF 0C 00 06 00 02 00 03 80 00"}};
        for (const auto &row : rows) {
            init();
            Script script{rig->port};
            for (int run = 0; run < 5; ++run) {
                const float current = row.currents[run], voltage = row.voltages[run];
                script.acknowledge(4).none().ok(run == 0 ? 4 : 0).adjustCheck({0, 50, 5}, 0, 0);
                script.none(2).ok().readings({current, current}).readings({voltage, voltage});
                script.none(2).ok().readings({-current, -current}).readings({-voltage, -voltage}).none(2);
            }
            float measured = -1;
            QVERIFY(rig->thread.getChRDev(quint8(row.channel), measured));
            QCOMPARE(measured, row.deviation);
            const Frames sent = rig->port->frames();
            const Frames expected = woxFrames(wiring.value(row.channel));
            QCOMPARE(sent.mid(0, 5), expected.mid(0, 5));
            // Each run adjusts with its own number as the voltage percent; all switches and ranges reset after it.
            QVERIFY(sent.contains(expected.last()) && sent.contains(woxHex("07 1F 00 01 04")));
            QCOMPARE(sent.mid(sent.size() - 2), woxFrames("FE 3C 00 00, FF 0D 00 01 00"));
        }
    }
};

QTEST_GUILESS_MAIN(tst_deviceCommands)
#include "tst_deviceCommands.moc"
