#include "woxBytes.h"
#include "woxCalibrateRequest.h"
#include "woxCoreError.h"
#include "woxCoreQuadripole.h"
#include "woxCoreReportET2D.h"
#include "woxCoreReportProduction.h"
#include "woxCoreReportTxAux.h"
#include "woxCoreTypes.h"
#include "woxMake.h"
#include "woxMeasureOptions.h"
#include "woxMeasureResult.h"
#include "woxNames.h"
#include "woxProductionRequest.h"
#include "woxResistanceRequest.h"
#include "woxStreamed.h"
#include "woxSwRequest.h"

#include <QtTest>

namespace {

// Four leading floats 1.0, 2.0, 0.5, -1.0 (tx voltage, tx current, rx voltage, rxS).
const char *const resultHead = "3F F0 00 00 00 00 00 00  40 00 00 00 00 00 00 00"
                               "3F E0 00 00 00 00 00 00  BF F0 00 00 00 00 00 00";
// Chargeability 4.0, quality 8.0, valid, default options.
const char *const resultTail = "40 10 00 00 00 00 00 00  40 20 00 00 00 00 00 00  01"
                               "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19";

woxMeasureResult sampleResult()
{
    woxMeasureResult result;
    result.txVoltage = 1.0f;
    result.txCurrent = 2.0f;
    result.rxVoltage = 0.5f;
    result.rxS = -1.0f;
    result.chargeability = 4.0f;
    result.quality = 8.0f;
    result.valid = true;
    return result;
}

} // namespace

class tst_coreValues : public QObject
{
    Q_OBJECT

private slots:
    void defaultOptionsStreamSixteenBytes()
    {
        QCOMPARE(woxStreamed(woxMeasureOptions()),
                 woxHex("00 02  00  00 00  3F F0 00 00 00 00 00 00  03  05  19"));
    }

    void optionsReadKeepsUnstreamedFields()
    {
        woxMeasureOptions written;
        written.pulseCode = 48;
        written.ipEnabled = true;
        written.pauseCode = 23;
        written.deviation = 0.25f;
        written.minStacking = 1;
        written.maxStacking = 9;
        written.transmitterPercent = 100;
        written.pulseDuration = 200;
        written.spare1 = 7;
        QCOMPARE(woxStreamed(written),
                 woxHex("00 30  01  00 17  3F D0 00 00 00 00 00 00  01  09  64"));
        woxMeasureOptions read;
        QCOMPARE(woxReadBack(woxStreamed(written), read), QDataStream::Ok);
        QCOMPARE(read.pulseCode, quint16(48));
        QVERIFY(read.ipEnabled);
        QCOMPARE(read.pauseCode, quint16(23));
        QCOMPARE(read.deviation, 0.25f);
        QCOMPARE(read.minStacking, quint8(1));
        QCOMPARE(read.maxStacking, quint8(9));
        QCOMPARE(read.transmitterPercent, quint8(100));
        QCOMPARE(read.pulseDuration, quint16(80));
        QCOMPARE(read.spare1, quint16(20));
    }

    void quadripoleStartsDefined()
    {
        const woxCoreQuadripole quadripole;
        QCOMPARE(quadripole.a, woxElectrode(0));
        QCOMPARE(quadripole.b, woxElectrode(0));
        QCOMPARE(quadripole.m, woxElectrode(0));
        QCOMPARE(quadripole.n, woxElectrode(0));
        QCOMPARE(quadripole.channel, quint8(17));
        QCOMPARE(woxStreamed(quadripole), woxHex("00 00 00 00 00 00 00 00 11"));
    }

    void quadripoleWithRemoteElectrodes()
    {
        const woxCoreQuadripole quadripole = woxMake::coreQuadripole(
            woxRemoteCurrentElectrode, 3, woxRemotePotentialElectrode, 300, 12);
        const QByteArray bytes = woxStreamed(quadripole);
        QCOMPARE(bytes, woxHex("FF FF  00 03  FF FE  01 2C  0C"));
        woxCoreQuadripole read;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
        QCOMPARE(read.a, woxElectrode(65535));
        QCOMPARE(read.b, woxElectrode(3));
        QCOMPARE(read.m, woxElectrode(65534));
        QCOMPARE(read.n, woxElectrode(300));
        QCOMPARE(read.channel, quint8(12));
    }

    void resultWithEmptyDecayIs69Bytes()
    {
        const QByteArray bytes = woxStreamed(sampleResult());
        QCOMPARE(bytes.size(), 69);
        QCOMPARE(bytes, woxHex(QString(resultHead) + "00 00 00 00" + resultTail));
        QCOMPARE(woxStreamed(woxMeasureResult()).size(), 69);
    }

    void resultWithDecay()
    {
        woxMeasureResult result = sampleResult();
        result.decay << 0.25f << 3.0f;
        QCOMPARE(woxStreamed(result),
                 woxHex(QString(resultHead) + "00 00 00 02"
                        "3F D0 00 00 00 00 00 00  40 08 00 00 00 00 00 00" + resultTail));
    }

    void resultRoundTrip()
    {
        woxMeasureResult written = sampleResult();
        written.decay << 0.125f << -7.5f << 1e-3f;
        written.options.pulseDuration = 200;
        written.options.pulseCode = 8;
        woxMeasureResult read;
        QCOMPARE(woxReadBack(woxStreamed(written), read), QDataStream::Ok);
        QCOMPARE(read.txVoltage, written.txVoltage);
        QCOMPARE(read.txCurrent, written.txCurrent);
        QCOMPARE(read.rxVoltage, written.rxVoltage);
        QCOMPARE(read.rxS, written.rxS);
        QCOMPARE(read.chargeability, written.chargeability);
        QCOMPARE(read.decay, written.decay);
        QCOMPARE(read.quality, written.quality);
        QCOMPARE(read.valid, true);
        QCOMPARE(read.options.pulseCode, quint16(8));
        QCOMPARE(read.options.pulseDuration, quint16(80));
    }

    void damagedDecayCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("samplesPresent");
        QTest::newRow("negative") << "FF FF FF FF" << 0;
        QTest::newRow("huge") << "7F FF FF FF" << 2;
        // 2 samples and the 33 tail bytes leave 49 bytes: room for 6 samples, not 7.
        QTest::newRow("just too many") << "00 00 00 07" << 2;
    }

    void damagedDecayCount()
    {
        QFETCH(QString, count);
        QFETCH(int, samplesPresent);
        QString samples;
        for (int i = 0; i < samplesPresent; ++i)
            samples += "3F F0 00 00 00 00 00 00";
        const QByteArray bytes = woxHex(resultHead + count + samples + resultTail);
        woxMeasureResult read;
        read.decay << 9.0f;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::ReadCorruptData);
        QVERIFY(read.decay.isEmpty());
        QCOMPARE(read.rxS, -1.0f);
    }

    void decayCountThatFitsIsRead()
    {
        // The 33 tail bytes could hold 4 samples: the count is accepted and the short rest
        // shows up as an ordinary read error for the caller.
        const QByteArray bytes = woxHex(QString(resultHead) + "00 00 00 04" + resultTail);
        woxMeasureResult read;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::ReadPastEnd);
        QCOMPARE(read.decay.size(), 4);
    }

    void errorTexts_data()
    {
        QTest::addColumn<quint16>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("success") << quint16(0) << "Success";
        QTest::newRow("simulated") << quint16(1) << "Simulated error";
        QTest::newRow("send with device") << quint16(0x2A03) << "Can not send command 42";
        QTest::newRow("send device 0") << quint16(0x0003) << "Can not send command 0";
        QTest::newRow("no answer") << quint16(0x0705)
                                   << "Device \"" + deviceName(7) + "\" does not respond";
        QTest::newRow("overheated") << quint16(12) << "Generator is overheated";
        QTest::newRow("cancel") << quint16(13) << "Canceled by user";
        QTest::newRow("code bug") << quint16(14) << "Code bug";
        QTest::newRow("first unknown") << quint16(15) << "Unknown error";
        QTest::newRow("unknown 200") << quint16(0x07C8) << "Unknown error";
        QTest::newRow("unknown 255") << quint16(0xFFFF) << "Unknown error";
    }

    void errorTexts()
    {
        QFETCH(quint16, value);
        QFETCH(QString, text);
        woxCoreError error;
        error.set(value);
        QCOMPARE(error.toString(), text);
    }

    void errorSetSplitsWord()
    {
        woxCoreError error;
        QCOMPARE(error.code, quint8(0));
        QCOMPARE(error.device, woxAddress(0));
        error.set(0x0705);
        QCOMPARE(error.code, quint8(5));
        QCOMPARE(error.device, woxAddress(7));
        QCOMPARE(error.toString(), QString("Device \"Internal transmitter\" does not respond"));
    }

    void recordDefaults()
    {
        QCOMPARE(woxCalibrateRequest().samples, quint16(40));
        QCOMPARE(woxResistanceRequest().parameter3, quint16(1));
        QCOMPARE(woxProductionRequest().test, quint8(255));
        const woxSwRequest sw;
        QVERIFY(sw.enable && !sw.set && !sw.pairMB);
        QCOMPARE(sw.electrode, woxElectrode(0));
        const woxCoreReportProduction production;
        QVERIFY(production.passed);
        QCOMPARE(production.test, quint8(255));
        QCOMPARE(woxCoreReportTxAux().temperature, -298.0f);
    }

    void reportsTravelAsMetaTypes()
    {
        woxRegisterCoreTypes();
        woxRegisterCoreTypes();   // a second call is harmless
        const char *const names[] = {
            "woxCoreReportDiscover", "woxCoreReportSignal", "woxCoreReportResistance",
            "woxCoreReportCalibrate", "woxCoreReportET2D", "woxCoreReportVES",
            "woxCoreReportSensor", "woxCoreReportClock", "woxCoreReportSound",
            "woxCoreReportProduction", "woxCoreReportTxAux", "woxCoreReportSwAux",
            "woxCoreReportRxAux", "woxCoreReportRxStress"};
        for (const char *name : names)
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);

        woxCoreReportET2D report;
        report.error.set(0x0D00 | 13);
        report.results << sampleResult();
        report.sensor.values.insert(2, 13200.0f);
        const QVariant copy = QVariant::fromValue(report);
        const woxCoreReportET2D back = copy.value<woxCoreReportET2D>();
        QCOMPARE(back.error.code, quint8(13));
        QCOMPARE(back.results.size(), 1);
        QCOMPARE(back.sensor.values.value(2), 13200.0f);
    }
};

QTEST_GUILESS_MAIN(tst_coreValues)
#include "tst_coreValues.moc"
