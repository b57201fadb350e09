#include "woxBytes.h"
#include "woxCableConfiguration.h"

#include <QtTest>

namespace {

QByteArray streamed(const woxCableConfiguration &configuration)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_8);
    out << configuration;
    return bytes;
}

QDataStream::Status readBack(const QByteArray &bytes, woxCableConfiguration &configuration)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_8);
    in >> configuration;
    return in.status();
}

woxCableConfiguration dialogRecord(int cables)
{
    woxCableConfiguration configuration;
    for (int i = 0; i < cables * 32; ++i) {
        woxWireState wire;
        wire.resistance = -1.0f;
        wire.enabled = true;
        configuration.wires.append(wire);
    }
    return configuration;
}

} // namespace

class tst_cableConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void defaultsStreamAsZeros()
    {
        const woxWireState wire;
        QCOMPARE(wire.resistance, 0.0f);
        QVERIFY(!wire.enabled);
        QCOMPARE(streamed(woxCableConfiguration()), QByteArray(22, '\0'));
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
        QCOMPARE(streamed(configuration), expected);
    }

    void dialogRecordsOfOneAndTwoCables()
    {
        QCOMPARE(streamed(dialogRecord(1)).size(), 310);
        QCOMPARE(streamed(dialogRecord(2)).size(), 598);
    }

    void roundTripRestoresEveryField()
    {
        woxCableConfiguration configuration = dialogRecord(2);
        configuration.wires[5].enabled = false;
        configuration.wires[7].resistance = 0.1f;
        configuration.remoteTxResistance = 3.3f;
        configuration.remoteTxPresent = true;
        configuration.remoteRxResistance = -1.0f;
        configuration.remoteRxPresent = true;
        woxCableConfiguration back;
        QCOMPARE(readBack(streamed(configuration), back), QDataStream::Ok);
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
        QByteArray bytes = streamed(dialogRecord(1));
        bytes[4 + 8] = 2;
        woxCableConfiguration back;
        QCOMPARE(readBack(bytes, back), QDataStream::Ok);
        QVERIFY(back.wires.at(0).enabled);
    }

    void damagedCountIsRefused()
    {
        // A count far beyond the bytes that follow must not allocate or read.
        QByteArray bytes = streamed(dialogRecord(1));
        bytes[0] = char(0x7F);
        woxCableConfiguration back = dialogRecord(2);
        QCOMPARE(readBack(bytes, back), QDataStream::ReadCorruptData);
        QVERIFY(back.wires.isEmpty());
        bytes[0] = char(0xFF);
        QCOMPARE(readBack(bytes, back), QDataStream::ReadCorruptData);
    }

    void shortStreamReportsPastEnd()
    {
        const QByteArray bytes = streamed(dialogRecord(1)).left(4 + 9 * 32 + 5);
        woxCableConfiguration back;
        QCOMPARE(readBack(bytes, back), QDataStream::ReadPastEnd);
        QCOMPARE(back.wires.size(), 32);
    }
};

QTEST_GUILESS_MAIN(tst_cableConfiguration)
#include "tst_cableConfiguration.moc"
