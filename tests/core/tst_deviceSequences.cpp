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

    void loadBand_data()
    {
        QTest::addColumn<QVector<float>>("firstPulse");
        QTest::addColumn<float>("voltage2");
        QTest::addColumn<float>("current2");
        QTest::addColumn<int>("code");
        // Readings of receivers 24 and 25 under each adjust pulse.
        QTest::newRow("100000 ohms") << QVector<float>{6250, 0.0625f} << -6250.0f << -0.0625f << 0;
        QTest::newRow("above 100000") << QVector<float>{6250, 0.0625f} << -6250.5f << -0.0625f
                                      << 10;
        QTest::newRow("short") << QVector<float>{99, 10} << 0.0f << 0.0f << 8;
        QTest::newRow("open") << QVector<float>{1000, 0.004f} << 0.0f << 0.0f << 10;
        QTest::newRow("nothing driven") << QVector<float>{50, 7} << 50.0f << 7.0f << 0;
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("NaN current") << QVector<float>{100, nan} << 0.0f << 0.0f << 10;
        QTest::newRow("infinite voltage") << QVector<float>{inf, 10} << 0.0f << 0.0f << 10;
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

    void sensors_data()
    {
        QTest::addColumn<QVector<float>>("readings");
        QTest::addColumn<QVector<float>>("reported");
        QTest::addColumn<int>("code");
        QTest::newRow("limits") << QVector<float>{3000, 10500, 95}
                                << QVector<float>{3000, 10500, 95} << 0;
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

    void phantomPattern()
    {
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
        const int sent = port->frames().size();
        rig->expectRefused(thread->swPhantom(43), "swPhantom device is invalid: 43", sent);
    }

    // The largest rise of the ratio over the first run, in percent; a run
    // without a ratio (dead channel, zero first ratio) fails with the worst.
    void channelRatioOutcomes_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QVector<float>>("currents");
        QTest::addColumn<QVector<float>>("voltages");
        QTest::addColumn<float>("deviation");
        const float worst = std::numeric_limits<float>::max();
        QTest::newRow("largest rise") << 15 << QVector<float>(5, 2)
                                      << QVector<float>{200, 202, 198, 205, 200} << 2.5f;
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

private:
    Script script() { return Script(port); }
};

QTEST_GUILESS_MAIN(tst_deviceSequences)
#include "tst_deviceSequences.moc"
