#include "woxBytes.h"
#include "woxCoreError.h"
#include "woxCoreQuadripole.h"
#include "woxCoreReportET2D.h"
#include "woxCoreTypes.h"
#include "woxMake.h"
#include "woxMeasureOptions.h"
#include "woxMeasureResult.h"
#include "woxNames.h"
#include "woxStreamed.h"

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
    // Stream forms written out by hand; a read-back streams to the same bytes,
    // which catches a reader whose fields differ from the writer's.
    void goldenStreamForms()
    {
        woxMeasureOptions options;
        QCOMPARE(woxStreamed(options), woxHex("00 02  00  00 00  3F F0 00 00 00 00 00 00  03  05  19"));
        options.pulseCode = 48;
        options.ipEnabled = true;
        options.pauseCode = 23;
        options.deviation = 0.25f;
        options.minStacking = 1;
        options.maxStacking = 9;
        options.transmitterPercent = 100;
        options.pulseDuration = 200;   // not streamed: read back as the default
        const QByteArray bytes = woxHex("00 30  01  00 17  3F D0 00 00 00 00 00 00  01  09  64");
        QCOMPARE(woxStreamed(options), bytes);
        woxMeasureOptions read;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
        QCOMPARE(woxStreamed(read), bytes);
        QCOMPARE(read.pulseDuration, quint16(80));

        QCOMPARE(woxStreamed(woxCoreQuadripole()), woxHex("00 00 00 00 00 00 00 00 11"));
        const QByteArray quadripole = woxHex("FF FF  00 03  FF FE  01 2C  0C");
        QCOMPARE(woxStreamed(woxMake::coreQuadripole(woxRemoteCurrentElectrode, 3,
                                                     woxRemotePotentialElectrode, 300, 12)),
                 quadripole);
        woxCoreQuadripole readQuadripole;
        QCOMPARE(woxReadBack(quadripole, readQuadripole), QDataStream::Ok);
        QCOMPARE(woxStreamed(readQuadripole), quadripole);

        woxMeasureResult result = sampleResult();
        QCOMPARE(woxStreamed(result), woxHex(QString(resultHead) + "00 00 00 00" + resultTail));
        result.decay << 0.25f << 3.0f;
        const QByteArray withDecay = woxHex(QString(resultHead) + "00 00 00 02"
                                            "3F D0 00 00 00 00 00 00  40 08 00 00 00 00 00 00"
                                            + resultTail);
        QCOMPARE(woxStreamed(result), withDecay);
        woxMeasureResult readResult;
        QCOMPARE(woxReadBack(withDecay, readResult), QDataStream::Ok);
        QCOMPARE(woxStreamed(readResult), withDecay);
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

    void reportsTravelAsMetaTypes()
    {
        woxRegisterCoreTypes();
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
