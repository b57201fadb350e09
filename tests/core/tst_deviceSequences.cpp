#include "woxCoreDeviceRig.h"

#include <QtTest>

typedef QVector<float> Floats;

namespace {

// A switch request for `electrode` as its frame: the head bytes, then the electrode byte.
QByteArray request(const char *head, int electrode)
{
    return woxHex(head) + QByteArray(1, char(electrode));
}

} // namespace

// The transmitter checks and the switch patterns, frame by frame, against a scripted port.
class tst_deviceSequences : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxCoreDeviceRig> rig;

private slots:
    void init()
    {
        rig.reset();   // the old capture goes before the new one starts
        rig.reset(new woxCoreDeviceRig);
    }

    void cleanup() { rig.reset(); }

    // After the keep-alive: output voltage receiver to range 1, the first adjust pulse at the percent asked, every
    // receiver started and read, the second pulse with the outputs only, range 0 again, the outputs read. The
    // current amplitude is half the current difference.
    void adjustCheckFrames()
    {
        woxDeviceScript{rig->port}.ok(4).adjustCheck({3, 100, 10}, 0, 0);
        float current = 0;
        QVERIFY(rig->thread.txAdjustCheck({8, 24, 25}, 50, &current));
        QCOMPARE(current, 5.0f);
        QCOMPARE(rig->port->frames().mid(4),
                 woxFrames("18 0D 00 01 01, 07 1F 00 01 32, FF 0C 00 06 00 01 00 03 00 01, 07 1E 00 01 01,"
                           "08 0A 00 02 00 01, 18 0A 00 02 00 01, 19 0A 00 02 00 01, 07 20 00 01 32,"
                           "FF 0C 00 06 00 01 00 03 00 00, 07 1E 00 01 01, 18 0D 00 01 00, 18 0A 00 02 00 01,"
                           "19 0A 00 02 00 01"));
        QCOMPARE(rig->thread.waits, QList<quint16>({5, 25, 25, 5, 5}));
        QVERIFY(rig->thread.overloadedReceivers.isEmpty());
    }

    // Rows: receivers, first-pulse readings, second voltage and current, ranged frames, code, overloaded after.
    // A missing output receiver reads 0.001: the same second reading passes (both differences zero), and without 25
    // no current difference is an open line. Above 9000 in magnitude overloads, 9000 itself does not; the
    // overloaded are ranged after the test passes. A failed read keeps the old list.
    void adjustCheckOutcomes()
    {
        const struct { QVector<woxAddress> receivers; Floats firstPulse; float voltage2, current2; int overloaded, code;
                       QVector<woxAddress> after; } rows[] = {
            {{9, 25}, {-20, 3}, 0.001f, 3, 0, -1, {}},
            {{24}, {40}, 0, 0.001f, 0, 10, {}},
            {{8, 9, 10, 24, 25}, {9000, 9000.5f, -9000.5f, 100, 10}, 0, 0, 2, -1, {9, 10}}};
        for (const auto &row : rows) {
            init();
            rig->thread.overloadedReceivers = {20};
            woxDeviceScript{rig->port}.ok(4).adjustCheck(row.firstPulse, row.voltage2, row.current2, row.overloaded);
            QCOMPARE(rig->failure(rig->thread.txAdjustCheck(row.receivers, 10, nullptr)), row.code);
            QCOMPARE(rig->thread.overloadedReceivers, row.after);
        }
        QCOMPARE(rig->port->frames().mid(rig->port->frames().size() - 2), woxFrames("09 0D 00 01 01, 0A 0D 00 01 01"));

        init();
        rig->thread.overloadedReceivers = {20};
        woxDeviceScript{rig->port}.ok(4).none().ok().none().ok().readings({9500}).garbled(4);
        QCOMPARE(rig->failure(rig->thread.txAdjustCheck({8, 24}, 0, nullptr)), 4);
        QCOMPARE(rig->thread.overloadedReceivers, QVector<woxAddress>({20}));
    }

    // Both start pulses with the outputs read after each stop; 200 mV over 10 mA passes, 20 over 10 is a short.
    void startCheck()
    {
        woxDeviceScript{rig->port}.pulse(120, 6).pulse(-80, -4).pulse(10, 6).pulse(-10, -4);
        QCOMPARE(rig->failure(rig->thread.txStartCheck()), -1);
        QCOMPARE(rig->port->frames(),
                 woxFrames("07 21 00 00, FF 0C 00 06 00 01 00 03 00 00, 07 1E 00 01 01, 18 0A 00 02 00 01,"
                           "19 0A 00 02 00 01, 07 22 00 00, FF 0C 00 06 00 01 00 03 00 00, 07 1E 00 01 01,"
                           "18 0A 00 02 00 01, 19 0A 00 02 00 01"));
        QCOMPARE(rig->thread.waits, QList<quint16>({35, 25, 35, 25}));
        QCOMPARE(rig->failure(rig->thread.txStartCheck()), 8);
    }

    // Every electrode and both remote ones on both pins of every switch, each broadcast answered by 17 switches.
    // The phantom of the transmitter switch has no line electrode; of all switches it sends nothing.
    void allAndPhantom()
    {
        woxDeviceScript{rig->port}.add(QByteArray(17, '\1'), 130);
        QVERIFY(rig->thread.swAll(254));
        Frames expected = woxFrames("FE 3F 00 00, FE 42 00 00");
        for (int e = 0; e <= 63; ++e)
            expected << request("FE 3D 00 01", e) << request("FE 3E 00 01", e);
        expected << woxHex("FE 43 00 00");
        QCOMPARE(rig->port->frames(), expected);

        init();
        QVERIFY(rig->thread.swPhantom(254) && rig->port->frames().isEmpty());
        woxDeviceScript{rig->port}.acknowledge(2);
        QVERIFY(rig->thread.swPhantom(42));
        QCOMPARE(rig->port->frames(), woxFrames("2A 3F 00 00, 2A 42 00 00, 2A 43 00 00"));
    }

    // Grounding on the transmitter switch: the tested electrode with its own command (remote ones carrying their
    // signed byte), every line electrode else with the other, then the apply. Rows: electrode, own frame, others.
    void grounding()
    {
        const struct { woxElectrode electrode; const char *own, *others; } rows[] = {
            {5, "2A 3D 00 01 05", "2A 3E 00 01"}, {4, "2A 3E 00 01 04", "2A 3D 00 01"},
            {65534, "2A 42 00 01 FE", "2A 3D 00 01"}, {65535, "2A 3F 00 01 FF", "2A 3E 00 01"}};
        for (const auto &row : rows) {
            init();
            woxDeviceScript{rig->port}.acknowledge(65);
            QVERIFY(rig->thread.swGnd(row.electrode));
            Frames expected{woxHex(row.own)};
            for (int e = 0; e <= 63; ++e) {
                if (e != row.electrode)
                    expected << request(row.others, e);
            }
            QCOMPARE(rig->port->frames(), expected << woxHex("2A 43 00 00"));
        }
        // A missing acknowledgement stops the pattern at once.
        init();
        woxDeviceScript{rig->port}.acknowledge(2).garbled(1);
        QCOMPARE(rig->failure(rig->thread.swGnd(0)), 4);
        QCOMPARE(rig->port->frames().size(), 3);
    }
};

QTEST_GUILESS_MAIN(tst_deviceSequences)
#include "tst_deviceSequences.moc"
