#include "woxBytes.h"
#include "woxCableConfiguration.h"
#include "woxMake.h"
#include "woxStreamed.h"

#include <QtTest>

class tst_cableConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void defaultsStreamAsZeros()
    {
        const woxWireState wire;
        QCOMPARE(wire.resistance, 0.0f);
        QVERIFY(!wire.enabled);
        QCOMPARE(woxStreamed(woxCableConfiguration()), QByteArray(22, '\0'));
    }

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

    void dialogRecordsOfOneAndTwoCables()
    {
        QCOMPARE(woxStreamed(woxMake::allWiresEnabled(1)).size(), 310);
        QCOMPARE(woxStreamed(woxMake::allWiresEnabled(2)).size(), 598);
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
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(woxStreamed(configuration), back), QDataStream::Ok);
        QCOMPARE(back.wires.size(), 64);
        QVERIFY(!back.wires.at(5).enabled);
        QVERIFY(back.wires.at(6).enabled);
        QCOMPARE(back.wires.at(7).resistance, 0.1f);
        QCOMPARE(back.remoteTxResistance, 3.3f);
        QVERIFY(back.remoteTxPresent);
        QCOMPARE(back.remoteRxResistance, -1.0f);
        QVERIFY(back.remoteRxPresent);
    }

    void anyNonZeroByteReadsTrue()
    {
        QByteArray bytes = woxStreamed(woxMake::allWiresEnabled(1));
        bytes[4 + 8] = 2;
        woxCableConfiguration back;
        QCOMPARE(woxReadBack(bytes, back), QDataStream::Ok);
        QVERIFY(back.wires.at(0).enabled);
    }

    void damagedCountIsRefused()
    {
        // A count far beyond the bytes that follow must not allocate or read.
        QByteArray bytes = woxStreamed(woxMake::allWiresEnabled(1));
        bytes[0] = char(0x7F);
        woxCableConfiguration back = woxMake::allWiresEnabled(2);
        QCOMPARE(woxReadBack(bytes, back), QDataStream::ReadCorruptData);
        QVERIFY(back.wires.isEmpty());
        bytes[0] = char(0xFF);
        QCOMPARE(woxReadBack(bytes, back), QDataStream::ReadCorruptData);
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
