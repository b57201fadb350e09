#include "woxBytes.h"
#include "woxCoreThreadRig.h"
#include "woxDeviceReplies.h"

#include <QtTest>

#include <limits>

typedef QList<QByteArray> Frames;

namespace {

// The fake port hands one queued reply to each frame written, so every
// frame of a sequence gets an entry here: nothing for a command without a
// reply, the state byte, the readings or the switch acknowledgements.
class Script
{
public:
    explicit Script(woxFakeSerialPort *port) : port(port) {}

    Script &none() { return add(QByteArray()); }
    Script &ok() { return add(woxHex("00")); }
    Script &reading(float value) { return add(woxFloatReply({value})); }
    Script &readings(const QVector<float> &values) { return add(woxFloatReply(values)); }
    Script &acknowledge() { return add(woxHex("01")); }
    // One byte more than any single reply: fails at once, unlike silence.
    Script &garbled(int size) { return add(QByteArray(size + 1, '\1')); }

    // A first keep-alive: adjust and stop on both pulses.
    Script &keepAlive() { return ok().ok().ok().ok(); }

    // txAdjustCheck after its keep-alive: one first-pulse reading per
    // receiver, then the second-pulse voltage and current, and as many range
    // frames as receivers end up overloaded.
    Script &adjustCheck(const QVector<float> &firstPulse, float voltage2, float current2,
                        int overloaded)
    {
        none().ok().none().ok();
        for (const float value : firstPulse)
            reading(value);
        ok().none().ok().none().reading(voltage2).reading(current2);
        for (int i = 0; i < overloaded; ++i)
            none();
        return *this;
    }

    // Start pulse, receivers started, transmitter stopped, two readings.
    Script &pulse(float voltage, float current)
    {
        return none().none().ok().reading(voltage).reading(current);
    }

private:
    Script &add(const QByteArray &reply)
    {
        port->queueReply(reply);
        return *this;
    }

    woxFakeSerialPort *port;
};

QByteArray line(const char *head, woxElectrode electrode)
{
    return woxHex(head) + QByteArray(1, char(quint8(electrode)));
}

} // namespace

class tst_deviceSequences : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxCoreThreadRig> rig;
    woxCoreThreadProbe *thread = nullptr;
    woxFakeSerialPort *port = nullptr;

    // Ratio run of getChRDev on channel 15 after its adjustment: two samples
    // of current and voltage under each start pulse.
    static void ratioRun(Script &script, bool first, float current, float voltage)
    {
        script.acknowledge().acknowledge().acknowledge().acknowledge().none();
        if (first)
            script.keepAlive();
        script.adjustCheck({0, 50, 5}, 0, 0, 0);
        script.none().none().ok().readings({current, current}).readings({voltage, voltage});
        script.none().none().ok().readings({-current, -current}).readings({-voltage, -voltage});
        script.none().none();
    }

private slots:
    void init()
    {
        rig.reset(new woxCoreThreadRig);
        thread = &rig->thread;
        port = rig->port;
    }

    void cleanup() { rig.reset(); }

    void adjustCheckFramesAndCurrent()
    {
        Script script(port);
        script.keepAlive().adjustCheck({3, 100, 10}, 0, 0, 0);
        float current = 0;
        QVERIFY(thread->txAdjustCheck({8, 24, 25}, 50, &current));
        QCOMPARE(current, 5.0f);
        const Frames frames = port->frames();
        QCOMPARE(frames.mid(4), Frames({woxHex("18 0D 00 01 01"), woxHex("07 1F 00 01 32"),
                                        woxHex("FF 0C 00 06 00 01 00 03 00 01"),
                                        woxHex("07 1E 00 01 01"), woxHex("08 0A 00 02 00 01"),
                                        woxHex("18 0A 00 02 00 01"), woxHex("19 0A 00 02 00 01"),
                                        woxHex("07 20 00 01 32"),
                                        woxHex("FF 0C 00 06 00 01 00 03 00 00"),
                                        woxHex("07 1E 00 01 01"), woxHex("18 0D 00 01 00"),
                                        woxHex("18 0A 00 02 00 01"), woxHex("19 0A 00 02 00 01")}));
        QVERIFY(thread->overloadedReceivers.isEmpty());
        QCOMPARE(port->pendingReplies(), 0);
    }

    void loadBand_data()
    {
        QTest::addColumn<QVector<float>>("firstPulse");
        QTest::addColumn<float>("voltage2");
        QTest::addColumn<float>("current2");
        QTest::addColumn<int>("code");
        // Readings of receivers 24 and 25 under each adjust pulse.
        QTest::newRow("10 ohms") << QVector<float>{100, 10} << 0.0f << 0.0f << 0;
        QTest::newRow("100000 ohms") << QVector<float>{6250, 0.0625f} << -6250.0f << -0.0625f << 0;
        QTest::newRow("above 100000") << QVector<float>{6250, 0.0625f} << -6250.5f << -0.0625f
                                      << 10;
        QTest::newRow("short") << QVector<float>{99, 10} << 0.0f << 0.0f << 8;
        QTest::newRow("open") << QVector<float>{1000, 0.004f} << 0.0f << 0.0f << 10;
        QTest::newRow("no current") << QVector<float>{50, 7} << 40.0f << 7.0f << 10;
        QTest::newRow("nothing driven") << QVector<float>{50, 7} << 50.0f << 7.0f << 0;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("NaN current") << QVector<float>{100, nan} << 0.0f << 0.0f << 10;
        QTest::newRow("NaN voltage") << QVector<float>{100, 10} << nan << 0.0f << 10;
        QTest::newRow("infinite voltage") << QVector<float>{inf, 10} << 0.0f << 0.0f << 10;
        QTest::newRow("infinite current") << QVector<float>{100, 10} << 0.0f << -inf << 10;
    }

    void loadBand()
    {
        QFETCH(QVector<float>, firstPulse);
        QFETCH(float, voltage2);
        QFETCH(float, current2);
        QFETCH(int, code);
        Script script(port);
        script.keepAlive().adjustCheck(firstPulse, voltage2, current2, 0);
        QCOMPARE(thread->txAdjustCheck({24, 25}, 0, nullptr), code == 0);
        QCOMPARE(int(thread->error.code), code);
    }

    void missingOutputReceiverReadsAsAThousandth()
    {
        // Without 24 in the list the first-pulse voltage is 0.001: the same
        // second reading makes both differences zero, which passes.
        Script script(port);
        script.keepAlive().adjustCheck({-20, 3}, 0.001f, 3, 0);
        QVERIFY(thread->txAdjustCheck({9, 25}, 0, nullptr));

        // Without 25 the first-pulse current is 0.001 as well.
        script.adjustCheck({40}, 0, 0.001f, 0);
        QVERIFY(!thread->txAdjustCheck({24}, 0, nullptr));
        QCOMPARE(thread->error.code, quint8(10));
    }

    void overloadAboveNineThousand()
    {
        Script script(port);
        script.keepAlive().adjustCheck({9000, 9000.5f, -9000.5f, 100, 10}, 0, 0, 2);
        thread->overloadedReceivers = {20};
        QVERIFY(thread->txAdjustCheck({8, 9, 10, 24, 25}, 10, nullptr));
        QCOMPARE(thread->overloadedReceivers, QVector<woxAddress>({9, 10}));
        const Frames frames = port->frames();
        QCOMPARE(frames.mid(frames.size() - 2),
                 Frames({woxHex("09 0D 00 01 01"), woxHex("0A 0D 00 01 01")}));
    }

    void failedReadKeepsTheOverloadList()
    {
        Script script(port);
        script.keepAlive().none().ok().none().ok().reading(9500).garbled(4);
        thread->overloadedReceivers = {20};
        QVERIFY(!thread->txAdjustCheck({8, 24}, 0, nullptr));
        QCOMPARE(thread->error.code, quint8(4));
        QCOMPARE(thread->overloadedReceivers, QVector<woxAddress>({20}));
    }

    void startCheck()
    {
        Script script(port);
        script.pulse(120, 6).pulse(-80, -4);
        QVERIFY(thread->txStartCheck());
        QCOMPARE(port->frames(),
                 Frames({woxHex("07 21 00 00"), woxHex("FF 0C 00 06 00 01 00 03 00 00"),
                         woxHex("07 1E 00 01 01"), woxHex("18 0A 00 02 00 01"),
                         woxHex("19 0A 00 02 00 01"), woxHex("07 22 00 00"),
                         woxHex("FF 0C 00 06 00 01 00 03 00 00"), woxHex("07 1E 00 01 01"),
                         woxHex("18 0A 00 02 00 01"), woxHex("19 0A 00 02 00 01")}));

        script.pulse(10, 6).pulse(-10, -4);
        QVERIFY(!thread->txStartCheck());
        QCOMPARE(thread->error.code, quint8(8));
    }

    void sensors_data()
    {
        QTest::addColumn<QVector<float>>("readings");
        QTest::addColumn<QVector<float>>("reported");
        QTest::addColumn<int>("code");
        QTest::newRow("limits") << QVector<float>{3000, 10500, 95}
                                << QVector<float>{3000, 10500, 95} << 0;
        QTest::newRow("negative") << QVector<float>{-3000, -12000, -0.0f}
                                  << QVector<float>{3000, 12000, 0} << 0;
        QTest::newRow("damp") << QVector<float>{0, 12000, 95.5f} << QVector<float>{0, 12000, 95.5f}
                              << 7;
        QTest::newRow("wet") << QVector<float>{0, 12000, -120} << QVector<float>{0, 12000, 100}
                             << 7;
        QTest::newRow("low and wet") << QVector<float>{0, 10499, 120}
                                     << QVector<float>{0, 10499, 100} << 6;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("NaN battery") << QVector<float>{3000, nan, 50}
                                     << QVector<float>{3000, nan, 50} << 6;
    }

    void sensors()
    {
        QFETCH(QVector<float>, readings);
        QFETCH(QVector<float>, reported);
        QFETCH(int, code);
        Script script(port);
        script.acknowledge().acknowledge().acknowledge().acknowledge();
        for (const float value : readings)
            script.reading(value);
        script.reading(-1);
        float internal = -1, external = -1, moisture = -1;
        QCOMPARE(thread->checkSensors(internal, external, moisture), code == 0);
        QCOMPARE(int(thread->error.code), code);
        QCOMPARE(internal, reported[0]);
        QCOMPARE(external, reported[1]);
        QCOMPARE(moisture, reported[2]);
        QCOMPARE(port->frames(),
                 Frames({woxHex("00 00 00 01 00"), woxHex("00 00 00 01 01"),
                         woxHex("00 00 00 01 02"), woxHex("00 00 00 01 03"),
                         woxHex("01 0A 00 02 00 01"), woxHex("02 0A 00 02 00 01"),
                         woxHex("03 0A 00 02 00 01"), woxHex("07 23 00 00")}));
    }

    void silentSensor()
    {
        Script script(port);
        script.acknowledge().acknowledge().ok();
        float internal = -1, external = -1, moisture = -1;
        QVERIFY(!thread->checkSensors(internal, external, moisture));
        QCOMPARE(thread->error.code, quint8(5));
        QCOMPARE(thread->error.device, woxAddress(2));
        QCOMPARE(internal, -1.0f);
    }

    void quadripoleGroup()
    {
        Script script(port);
        for (int i = 0; i < 10; ++i)
            script.acknowledge();
        const QList<woxCoreQuadripole> group{
            {0, 3, 1, 2, 1},                              // normal: M on channel 1
            {0, 3, 3, 4, 4},                              // reversed
            {0, 3, woxRemotePotentialElectrode, 21, 5},   // remote M: normal
            {0, 3, 5, 6, 4}};                             // reversed again
        QSet<woxAddress> inverted{99};
        QVERIFY(thread->swSetQuadripoles(group, inverted));
        QCOMPARE(inverted, QSet<woxAddress>({12}));
        QCOMPARE(port->frames(),
                 Frames({woxHex("1B 3D 00 01 02"), woxHex("1B 3E 00 01 01"),
                         woxHex("1E 3E 00 01 04"), woxHex("1E 3D 00 01 03"),
                         woxHex("1F 3D 00 01 15"), woxHex("1F 42 00 00"),
                         woxHex("1E 3E 00 01 06"), woxHex("1E 3D 00 01 05"),
                         woxHex("2A 3D 00 01 00"), woxHex("2A 3E 00 01 03"),
                         woxHex("FE 43 00 00")}));
    }

    void quadripoleGroupRefusals()
    {
        QSet<woxAddress> inverted{12};
        rig->expectRefused(thread->swSetQuadripoles({}, inverted), "swSetQuadripoles group is empty");
        const QList<woxCoreQuadripole> group{{0, 3, 1, 2, 1}, {0, 3, 5, 6, 17}};
        rig->expectRefused(thread->swSetQuadripoles(group, inverted),
                           "swSetQuadripoles channel is invalid: 17");
        QCOMPARE(inverted, QSet<woxAddress>({12}));
    }

    void allElectrodesOnAllSwitches()
    {
        for (int i = 0; i < 130; ++i)
            port->queueReply(QByteArray(17, '\1'));
        QVERIFY(thread->swAll(254));
        const Frames frames = port->frames();
        QCOMPARE(frames.size(), 131);
        QCOMPARE(frames.mid(0, 4), Frames({woxHex("FE 3F 00 00"), woxHex("FE 42 00 00"),
                                           woxHex("FE 3D 00 01 00"), woxHex("FE 3E 00 01 00")}));
        for (woxElectrode e = 0; e <= 63; ++e) {
            QCOMPARE(frames.at(2 + 2 * e), line("FE 3D 00 01", e));
            QCOMPARE(frames.at(3 + 2 * e), line("FE 3E 00 01", e));
        }
        QCOMPARE(frames.last(), woxHex("FE 43 00 00"));
        const int sent = port->frames().size();
        rig->expectRefused(thread->swAll(25), "swAll device is invalid: 25", sent);
    }

    void phantomPattern()
    {
        QVERIFY(thread->swPhantom(254));
        QVERIFY(port->frames().isEmpty());

        for (int i = 0; i < 62; ++i)
            script().acknowledge();
        QVERIFY(thread->swPhantom(30));
        Frames expected{woxHex("1E 3F 00 00"), woxHex("1E 42 00 00")};
        for (woxElectrode e = 0; e <= 63; ++e) {
            if (e % 16 != 4)
                expected.append(line("1E 3E 00 01", e));
        }
        expected.append(woxHex("1E 43 00 00"));
        QCOMPARE(port->frames(), expected);

        script().acknowledge().acknowledge();
        QVERIFY(thread->swPhantom(42));
        QCOMPARE(port->frames().mid(expected.size()),
                 Frames({woxHex("2A 3F 00 00"), woxHex("2A 42 00 00"), woxHex("2A 43 00 00")}));
        const int sent = port->frames().size();
        rig->expectRefused(thread->swPhantom(43), "swPhantom device is invalid: 43", sent);
    }

    void groundLineElectrode()
    {
        for (int i = 0; i < 64; ++i)
            script().acknowledge();
        QVERIFY(thread->swGnd(5));
        Frames expected{line("2A 3D 00 01", 5)};
        for (woxElectrode e = 0; e <= 63; ++e) {
            if (e != 5)
                expected.append(line("2A 3E 00 01", e));
        }
        expected.append(woxHex("2A 43 00 00"));
        QCOMPARE(port->frames(), expected);
        QCOMPARE(port->pendingReplies(), 0);
    }

    void groundRemoteElectrodes()
    {
        for (int i = 0; i < 65; ++i)
            script().acknowledge();
        QVERIFY(thread->swGnd(65534));
        Frames expected{woxHex("2A 42 00 01 FE")};
        for (woxElectrode e = 0; e <= 63; ++e)
            expected.append(line("2A 3D 00 01", e));
        expected.append(woxHex("2A 43 00 00"));
        QCOMPARE(port->frames(), expected);

        for (int i = 0; i < 65; ++i)
            script().acknowledge();
        QVERIFY(thread->swGnd(65535));
        QCOMPARE(port->frames().at(66), woxHex("2A 3F 00 01 FF"));
        QCOMPARE(port->frames().at(67), woxHex("2A 3E 00 01 00"));
        QCOMPARE(port->frames().size(), 132);

        const int sent = port->frames().size();
        rig->expectRefused(thread->swGnd(64), "swGnd electrode is invalid: 64", sent);
    }

    void groundStopsAtAMissingAcknowledgement()
    {
        script().acknowledge().acknowledge().garbled(1);
        QVERIFY(!thread->swGnd(0));
        QCOMPARE(thread->error.code, quint8(4));
        QCOMPARE(port->frames().size(), 3);
    }

    void channelRatioDeviation()
    {
        // Ratios 100, 101, 99, 102.5 and 100: the largest rise is 2.5 %.
        Script script(port);
        const float ratios[5] = {100, 101, 99, 102.5f, 100};
        for (int run = 0; run < 5; ++run)
            ratioRun(script, run == 0, 2, 2 * ratios[run]);
        float deviation = -1;
        QVERIFY(thread->getChRDev(15, deviation));
        QCOMPARE(deviation, 2.5f);
        QCOMPARE(thread->error.code, quint8(0));
        QCOMPARE(port->pendingReplies(), 0);

        const Frames frames = port->frames();
        // M = 15, N = 16 on the channel's switch; B = 15, A = 20.
        QCOMPARE(frames.mid(0, 5), Frames({woxHex("29 3E 00 01 0F"), woxHex("29 3D 00 01 10"),
                                           woxHex("2A 3E 00 01 0F"), woxHex("2A 3D 00 01 14"),
                                           woxHex("FE 43 00 00")}));
        // Receiver list {23, 24, 25}: bits 15, 16 and 17.
        QVERIFY(frames.contains(woxHex("FF 0C 00 06 00 02 00 03 80 00")));
        QVERIFY(frames.contains(woxHex("07 1F 00 01 04")));
        QCOMPARE(frames.mid(frames.size() - 2),
                 Frames({woxHex("FE 3C 00 00"), woxHex("FF 0D 00 01 00")}));
    }

    // Ratios that only fall pass with 0 %; a run with no number for its
    // ratio (a dead channel, a zero first ratio) fails with the largest value.
    void channelRatioOutcomes_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QVector<float>>("currents");
        QTest::addColumn<QVector<float>>("voltages");
        QTest::addColumn<float>("deviation");
        const float worst = std::numeric_limits<float>::max();
        QTest::newRow("below the first run") << 0 << QVector<float>(5, -4)
                                             << QVector<float>{400, 396, 200, 399.6f, 0} << 0.0f;
        QTest::newRow("dead channel") << 15 << QVector<float>{2, 2, 0, 2, 2}
                                      << QVector<float>{200, 200, 0, 200, 200} << worst;
        QTest::newRow("zero first ratio") << 15 << QVector<float>(5, 2)
                                          << QVector<float>{0, 200, 200, 200, 200} << worst;
    }

    void channelRatioOutcomes()
    {
        QFETCH(int, channel);
        QFETCH(QVector<float>, currents);
        QFETCH(QVector<float>, voltages);
        QFETCH(float, deviation);
        Script script(port);
        for (int run = 0; run < 5; ++run)
            ratioRun(script, run == 0, currents[run], voltages[run]);
        float measured = -1;
        QVERIFY(thread->getChRDev(quint8(channel), measured));
        QCOMPARE(measured, deviation);
    }

    void channelRatioRefusal()
    {
        float deviation = 7;
        rig->expectRefused(thread->getChRDev(16, deviation), "getChRDev rx is invalid: 16");
        QCOMPARE(deviation, 7.0f);
    }

private:
    Script script() { return Script(port); }
};

QTEST_GUILESS_MAIN(tst_deviceSequences)
#include "tst_deviceSequences.moc"
