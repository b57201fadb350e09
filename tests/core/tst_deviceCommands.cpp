#include "woxBytes.h"
#include "woxCoreThreadRig.h"
#include "woxDeviceReplies.h"
#include "woxFakeClock.h"
#include "woxReportRecorder.h"

#include <QtTest>

typedef QList<QByteArray> Frames;

class tst_deviceCommands : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxCoreThreadRig> rig;
    woxCoreThreadProbe *thread = nullptr;
    woxFakeSerialPort *port = nullptr;

    static QString errorLine(const QString &text) { return "woxCoreThread error: " + text; }

private slots:
    void init()
    {
        rig.reset(new woxCoreThreadRig);
        thread = &rig->thread;
        port = rig->port;
    }

    void cleanup() { rig.reset(); }

    void stopAllFramesEvenWhenCanceled()
    {
        woxReportRecorder recorder(thread);
        thread->setJobStopAll(0);
        thread->start();
        thread->cancel();
        QVERIFY(thread->waitForJob(10000));
        QCOMPARE(port->frames(), Frames({woxHex("07 1E 00 01 00"), woxHex("06 1E 00 00"),
                                         woxHex("FF 0F 00 00"), woxHex("FE 3C 00 00"),
                                         woxHex("04 32 00 01 00")}));
        QCOMPARE(thread->error.code, quint8(0));
        QVERIFY(rig->diagnostics.lines().isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(recorder.names.isEmpty());
    }

    void frameSizes()
    {
        QVERIFY(thread->sendMessage(8, 12, woxHex("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")));
        QCOMPARE(port->frames(),
                 Frames({woxHex("08 0C 00 10 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")}));
        QCOMPARE(thread->lastSentDevice, 8);
        QCOMPARE(thread->lastSentCommand, 12);
        rig->expectRefused(thread->sendMessage(8, 12, QByteArray(17, '\x01')),
                           "sendMessage dataBytes.size() exceeds 16", 1);
        QCOMPARE(thread->lastSentDevice, -1);
    }

    void shortReply()
    {
        port->queueReply(woxHex("01 AB"));
        QVERIFY(thread->sendMessage(8, 10, woxHex("00 02")));
        QVERIFY(!thread->receive(3, 20));
        QCOMPARE(thread->error.code, quint8(4));
        QCOMPARE(rig->diagnostics.lines(), QStringList({errorLine("no data received, wait / available: 3 / 2"),
                                                        "Last sent device:command: 8:10",
                                                        "Input buffer: 1 AB "}));
        QCOMPARE(port->bytesAvailable(), qint64(0));
    }

    void readCounts()
    {
        rig->expectRefused(!thread->readBytes(0).isEmpty(), "read dataBytes is invalid: 0");
        rig->expectRefused(!thread->readBytes(12001).isEmpty(), "read dataBytes is invalid: 12001");
        port->setInput(QByteArray(12000, '\x05'));
        QCOMPARE(thread->readBytes(12000), QByteArray(12000, '\x05'));
        QCOMPARE(thread->error.code, quint8(0));
    }

    // Each command refuses an argument out of its range before anything is
    // sent, with the line naming the argument and the value.
    void refusals()
    {
        // An empty list is refused before the samples are looked at.
        QVERIFY(!thread->rxStart(QVector<quint8>(), 0));
        QCOMPARE(rig->diagnostics.lines(), QStringList{errorLine("rxStart devices are empty")});
        rig->diagnostics.clear();
        rig->expectRefused(thread->rxStart(QVector<quint8>{8}, 3001), "rxStart samples is invalid: 3001");
        rig->expectRefused(thread->rxStart(QVector<quint8>{8, 7, 26}, 1),
                           "rxStart devices contains an invalid address: 7");

        QVector<float> values;
        rig->expectRefused(thread->rxRead(4, 1, values), "rxRead device is invalid: 4");
        rig->expectRefused(thread->rxRead(3, 3001, values), "rxRead samples is invalid: 3001");

        rig->expectRefused(thread->intTxAdjust(33, 0), "intTxAdjust adjustPulse is invalid: 33");
        // Shown as the byte the transmitter would have received.
        rig->expectRefused(thread->intTxAdjust(31, -2), "intTxAdjust voltagePercent is invalid: 254");

        rig->expectRefused(thread->swSetNoDelay(25, 0, 1), "swSetNoDelay device is invalid: 25");
        rig->expectRefused(thread->swSetNoDelay(30, 2, 1), "swSetNoDelay channelPin is invalid: 2");
        rig->expectRefused(thread->swSetNoDelay(30, 0, 64), "swSetNoDelay electrode is invalid: 64");
        rig->expectRefused(thread->swSetNoDelay(30, 1, 65535),
                           "swSetNoDelay electrode and channelPin are invalid: 65535 1");

        rig->expectRefused(thread->intTxStart(35), "intTxStartNoDelay pulse is invalid: 35");
        rig->expectRefused(thread->refTxStart(31), "refTxStart pulse is invalid: 31");
        rig->expectRefused(thread->rxRange(8, 2), "rxRangeNoDelay range is invalid: 2");
        rig->expectRefused(thread->rxInput(8, 2), "rxInput input is invalid: 2");
        rig->expectRefused(thread->rxReset(254), "rxReset device is invalid: 254");
        rig->expectRefused(thread->rxCalibrate(8, 20, 1), "rxCalibrate rangePulse is invalid: 20");
        rig->expectRefused(thread->rxCalibrate(8, 16, 3001), "rxCalibrate samples is invalid: 3001");
        rig->expectRefused(thread->swApply(25), "swApply device is invalid: 25");
    }

    void rxReadAwaitsExactlyFourBytesASample()
    {
        // One byte too many is no reply.
        port->queueReply(woxHex("3F 80 00 00 00"));
        QVector<float> values;
        QVERIFY(!thread->rxRead(2, 1, values));
        QCOMPARE(thread->error.code, quint8(4));

        thread->error.code = 0;
        QVector<float> many(3000);
        for (int i = 0; i < many.size(); ++i)
            many[i] = float(i) - 1500.5f;
        port->queueReply(woxFloatReply(many));
        QVERIFY(thread->rxRead(8, 3000, values));
        QCOMPARE(port->frames().last(), woxHex("08 0A 00 02 0B B8"));
        QCOMPARE(values, many);
        QCOMPARE(thread->error.code, quint8(0));
    }

    void transmitterStates_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("adjust ok") << false << woxHex("00") << 0 << QStringList();
        QTest::newRow("adjust 1") << false << woxHex("01") << 11 << QStringList();
        QTest::newRow("adjust overheat") << false << woxHex("02") << 12
                                         << QStringList{"txAdjust: OVERHEAT"};
        QTest::newRow("adjust 3") << false << woxHex("03") << 9 << QStringList();
        QTest::newRow("adjust -1") << false << woxHex("FF") << 14
                                   << QStringList{"woxCoreThread error:intTxAdjust illegal txState: -1"};
        QTest::newRow("stop overheat") << true << woxHex("02") << 12
                                       << QStringList{"txStop: OVERHEAT"};
        QTest::newRow("stop 7") << true << woxHex("07") << 14
                                << QStringList{errorLine("txStop illegal txState: 7")};
    }

    void transmitterStates()
    {
        QFETCH(bool, stop);
        QFETCH(QByteArray, state);
        QFETCH(int, code);
        QFETCH(QStringList, printed);
        port->queueReply(state);
        const bool ok = stop ? thread->txStop() : thread->intTxAdjust(31, 0);
        QCOMPARE(ok, code == 0);
        QCOMPARE(int(thread->error.code), code);
        QCOMPARE(rig->diagnostics.lines(), printed);
        QCOMPARE(port->frames().last(), stop ? woxHex("07 1E 00 01 01") : woxHex("07 1F 00 01 00"));
    }

    void keepAliveRunsOnFirstCallAndOncePerMinute()
    {
        // A minute after midnight an unstarted timer would read below 60 s;
        // the first keep-alive runs all the same.
        woxFakeClock clock(QDateTime(QDate(2024, 5, 1), QTime(0, 0, 5)));
        for (const char *state : {"01", "00", "00", "00"})
            port->queueReply(woxHex(state));
        QVERIFY(thread->txKeepAlive());
        const Frames sequence{woxHex("07 1F 00 01 FF"), woxHex("07 1E 00 01 01"),
                              woxHex("07 20 00 01 FF"), woxHex("07 1E 00 01 01")};
        QCOMPARE(port->frames(), sequence);
        // Code 11 from the steps is no failure of the keep-alive.
        QCOMPARE(thread->error.code, quint8(0));

        QVERIFY(thread->txKeepAlive());
        QCOMPARE(port->frames(), sequence);
    }

    // A failing step does not stop the others; an overheat on the first
    // adjust stays the result even when a later step reports a weak battery.
    void keepAliveTriesEveryStepAndKeepsAnOverheat()
    {
        for (const char *state : {"02", "00", "01", "00"})
            port->queueReply(woxHex(state));
        QVERIFY(!thread->txKeepAlive());
        QCOMPARE(port->frames().size(), 4);
        QCOMPARE(thread->error.code, quint8(12));
    }

    void clockGetClampsTheYear_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("1999") << woxHex("07 CF 0C 1F 17 3B 3A") << QDate(2000, 12, 31)
                              << QTime(23, 59, 58);
        QTest::newRow("impossible") << woxHex("07 E8 0D 01 19 00 00") << QDate() << QTime();
    }

    void clockGetClampsTheYear()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        port->queueReply(reply);
        QDate gotDate;
        QTime gotTime;
        QVERIFY(thread->clockGet(gotDate, gotTime));
        QCOMPARE(port->frames(), Frames({woxHex("05 28 00 00")}));
        QCOMPARE(gotDate, date);
        QCOMPARE(gotTime, time);
    }

    void swSetNoDelayFramesAndReplySizes()
    {
        port->queueReply(QByteArray(17, '\1'));
        QVERIFY(thread->swSetNoDelay(254, 0, 5));
        port->queueReply(woxHex("01"));
        QVERIFY(thread->swSetNoDelay(30, 1, 63));
        port->queueReply(woxHex("01"));
        QVERIFY(thread->swSetNoDelay(42, 0, 65535));
        port->queueReply(woxHex("01"));
        QVERIFY(thread->swSetNoDelay(26, 1, 65534));
        QCOMPARE(port->frames(), Frames({woxHex("FE 3D 00 01 05"), woxHex("1E 3E 00 01 3F"),
                                         woxHex("2A 3F 00 00"), woxHex("1A 42 00 00")}));
        QCOMPARE(port->input(), QByteArray());

        // A broadcast answered by one switch only is no reply.
        port->queueReply(woxHex("01"));
        QVERIFY(!thread->swSetNoDelay(254, 1, 0));
        QCOMPARE(thread->error.code, quint8(4));
    }

    // One frame of each kind of device, written out by hand.
    void simpleFrames()
    {
        port->queueReply(woxHex("3F C0 00 00"));
        float state = 0;
        QVERIFY(thread->txReadState(state));
        QCOMPARE(state, 1.5f);
        QVERIFY(thread->intTxStart(33));
        QVERIFY(thread->intTxStartNoDelay(34));
        QVERIFY(thread->refTxStart(36));
        QVERIFY(thread->refTxStop());
        QVERIFY(thread->rxRange(255, 0));
        QVERIFY(thread->rxInput(8, 1));
        QVERIFY(thread->rxReset(255));
        QVERIFY(thread->rxCalibrate(25, 19, 1));
        QVERIFY(thread->rxCalibrateDefault(25));
        QVERIFY(thread->rxClear(8));
        QVERIFY(thread->swReset(41));
        QVERIFY(thread->swResetAll());
        QVERIFY(thread->swApply(42));
        QVERIFY(thread->rxStart(QVector<quint8>{8, 25, 8}, 100));
        QVERIFY(thread->rxStart(woxAddress(9), 3000));
        QVERIFY(thread->clockSet(QDate(2024, 3, 5), QTime(14, 7, 9)));
        QVERIFY(thread->soundPlay(-2));
        QCOMPARE(port->frames(),
                 Frames({woxHex("07 23 00 00"), woxHex("07 21 00 00"), woxHex("07 22 00 00"),
                         woxHex("06 24 00 00"), woxHex("06 1E 00 00"), woxHex("FF 0D 00 01 00"),
                         woxHex("08 0E 00 01 01"), woxHex("FF 0F 00 00"), woxHex("19 13 00 02 00 01"),
                         woxHex("19 14 00 00"), woxHex("08 15 00 00"), woxHex("29 3C 00 00"),
                         woxHex("FE 3C 00 00"), woxHex("2A 43 00 00"),
                         woxHex("FF 0C 00 06 00 64 00 02 00 01"), woxHex("FF 0C 00 06 0B B8 00 00 00 02"),
                         woxHex("05 29 00 07 07 E8 03 05 0E 07 09"), woxHex("04 32 00 01 FE")}));
        QVERIFY(rig->diagnostics.lines().isEmpty());
        // Clearing every receiver settles longer than clearing one.
        thread->waits.clear();
        QVERIFY(thread->rxClear(8) && thread->rxClear(255));
        QCOMPARE(thread->waits, QList<quint16>({25, 450}));
    }

    void longCalibrationSettleIsTakenNotRefused_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<QByteArray>("frame");
        // 751 x 40 ms is just above one delay; 1639 x 40 ms no longer fits 16 bits.
        QTest::newRow("751") << 751 << woxHex("FF 10 00 02 02 EF");
        QTest::newRow("1639") << 1639 << woxHex("FF 10 00 02 06 67");
    }

    void longCalibrationSettleIsTakenNotRefused()
    {
        QFETCH(int, samples);
        QFETCH(QByteArray, frame);
        // The settle starts and is canceled at once: a refused settle would
        // end with code 14 and an error line instead.
        thread->cancel();
        QVERIFY(!thread->rxCalibrate(255, 16, quint16(samples)));
        QCOMPARE(port->frames(), Frames({frame}));
        QCOMPARE(thread->error.code, quint8(13));
        QVERIFY(rig->diagnostics.lines().isEmpty());
    }

    void failedSendSkipsTheSettle()
    {
        port->setOpen(false);
        thread->cancel();
        QVERIFY(!thread->swApply(254));
        QCOMPARE(thread->error.code, quint8(3));
        // The settle wait never ran, so the cancel is still pending.
        QVERIFY(thread->cancelPending());
    }
};

QTEST_GUILESS_MAIN(tst_deviceCommands)
#include "tst_deviceCommands.moc"
