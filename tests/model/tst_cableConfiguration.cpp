#include "woxBytes.h"
#include "woxCableConfiguration.h"
#include "woxMake.h"
#include "woxStreamed.h"

#include <QtTest>

class tst_cableConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void wiresThenRemoteElectrodes()
    {
        woxCableConfiguration configuration;
        woxWireState measured;
        measured.resistance = 2.5f;
        measured.enabled = true;
        woxWireState off;
        off.resistance = -1.0f;
        configuration.wires << measured << off;
        configuration.remoteTxResistance = -1.0f;
        configuration.remoteTxPresent = true;
        const QByteArray expected = woxHex(
            "00 00 00 02"
            "40 04 00 00 00 00 00 00 01"
            "BF F0 00 00 00 00 00 00 00"
            "BF F0 00 00 00 00 00 00 01"
            "00 00 00 00 00 00 00 00 00");
        QCOMPARE(woxStreamed(configuration), expected);
    }

    void valuesAsDoubles_data()
    {
        QTest::addColumn<float>("resistance");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("single precision") << 0.16543f << woxHex("3F C5 2C CF 60 00 00 00");
        QTest::newRow("exact") << 1.25f << woxHex("3F F4 00 00 00 00 00 00");
    }

    void valuesAsDoubles()
    {
        QFETCH(float, resistance);
        QFETCH(QByteArray, bytes);
        woxCableConfiguration configuration;
        woxWireState wire;
        wire.resistance = resistance;
        configuration.wires << wire;
        configuration.remoteRxResistance = resistance;
        configuration.remoteRxPresent = true;
        const QByteArray streamed = woxStreamed(configuration);
        QCOMPARE(streamed.mid(4, 8), bytes);
        QCOMPARE(streamed.mid(22, 9), bytes + woxHex("01"));
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(streamed, back), QDataStream::Ok);
        QCOMPARE(back.wires.value(0).resistance, resistance);
        QCOMPARE(back.remoteRxResistance, resistance);
    }

    void roundTripRestoresEveryField()
    {
        woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        configuration.wires[5].enabled = false;
        configuration.wires[7].resistance = 0.1f;
        configuration.remoteTxResistance = 3.3f;
        configuration.remoteTxPresent = true;
        configuration.remoteRxResistance = -1.0f;
        configuration.remoteRxPresent = true;
        const QByteArray bytes = woxStreamed(configuration);
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(bytes, back), QDataStream::Ok);
        QCOMPARE(woxStreamed(back), bytes);
    }

    void anyNonZeroByteReadsTrue()
    {
        QByteArray bytes = woxStreamed(woxMake::allWiresEnabled(1));
        bytes[4 + 8] = 2;
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(bytes, back), QDataStream::Ok);
        QVERIFY(back.wires.at(0).enabled);
    }

    void damagedCountIsRefused_data()
    {
        const QByteArray one = woxStreamed(woxMake::allWiresEnabled(1));
        QByteArray above = woxStreamed(woxMake::allWiresEnabled(3));
        QTest::addColumn<QByteArray>("bytes");
        // 65 wires whose bytes are all there: only the bound refuses them.
        QTest::newRow("65") << woxHex("00 00 00 41") + above.mid(4);
        QTest::newRow("7FFFFFFF") << woxHex("7F FF FF FF") + one.mid(4);
        QTest::newRow("FFFFFFFF") << woxHex("FF FF FF FF") + one.mid(4);
        QTest::newRow("cut after entry 3") << one.left(4 + 3 * 9);
    }

    void damagedCountIsRefused()
    {
        QFETCH(QByteArray, bytes);
        woxCableConfiguration back = woxMake::allWiresEnabled(2);
        QCOMPARE(woxReadBack(bytes, back), QDataStream::ReadCorruptData);
        QVERIFY(back.wires.isEmpty());
    }

    void shortStreamReportsPastEnd()
    {
        const QByteArray bytes = woxStreamed(woxMake::allWiresEnabled(1)).left(4 + 9 * 32 + 5);
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(bytes, back), QDataStream::ReadPastEnd);
        QCOMPARE(back.wires.size(), 32);
    }
};

QTEST_GUILESS_MAIN(tst_cableConfiguration)
#include "tst_cableConfiguration.moc"
