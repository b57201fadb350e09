#include "woxBytes.h"
#include "woxCoreError.h"
#include "woxCoreQuadripole.h"
#include "woxDeviceTableDataModel.h"
#include "woxGPSFix.h"
#include "woxMake.h"
#include "woxMeasureOptions.h"
#include "woxMeasureResult.h"
#include "woxNames.h"
#include "woxStreamed.h"

#include <QPixmap>
#include <QSignalSpy>
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

private:
    static QList<int> decoratedRows(const woxDeviceTableDataModel &model)
    {
        QList<int> rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant decoration = model.data(model.index(row, 0), Qt::DecorationRole);
            if (decoration.isValid())
                rows.append(decoration.value<QPixmap>().isNull() ? -1 : row);
        }
        return rows;
    }

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

    // 2 samples and the 33 tail bytes leave 49 bytes: room for 6 samples, not 7.
    // A count that fits is taken and the short rest is an ordinary read error.
    void decayCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("samplesPresent");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("decay");
        QTest::newRow("negative") << "FF FF FF FF" << 0 << int(QDataStream::ReadCorruptData) << 0;
        QTest::newRow("just too many") << "00 00 00 07" << 2 << int(QDataStream::ReadCorruptData) << 0;
        QTest::newRow("fits") << "00 00 00 04" << 0 << int(QDataStream::ReadPastEnd) << 4;
    }

    void decayCount()
    {
        QFETCH(QString, count);
        QFETCH(int, samplesPresent);
        QFETCH(int, status);
        QFETCH(int, decay);
        QString samples;
        for (int i = 0; i < samplesPresent; ++i)
            samples += "3F F0 00 00 00 00 00 00";
        const QByteArray bytes = woxHex(resultHead + count + samples + resultTail);
        woxMeasureResult read;
        read.decay << 9.0f;
        QCOMPARE(int(woxReadBack(bytes, read)), status);
        QCOMPARE(read.decay.size(), decay);
        QCOMPARE(read.rxS, -1.0f);
    }

    void errorTexts_data()
    {
        QTest::addColumn<quint16>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("success") << quint16(0) << "Success";
        QTest::newRow("send with device") << quint16(0x2A03) << "Can not send command 42";
        QTest::newRow("no answer") << quint16(0x0705)
                                   << "Device \"" + deviceName(7) + "\" does not respond";
        QTest::newRow("cancel") << quint16(13) << "Canceled by user";
        QTest::newRow("code bug") << quint16(14) << "Code bug";
        QTest::newRow("first unknown") << quint16(15) << "Unknown error";
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

    // Stream forms written out by hand; clear() must bring back the first one.
    void fixStreamForms()
    {
        const QByteArray initial = woxHex("00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                                          "00 25 68 59  00 00 00 00");
        QCOMPARE(woxStreamed(woxGPSFix()), initial);
        woxGPSFix fix;
        fix.valid = true;
        fix.highQuality = true;
        fix.latitude = 55.75f;
        fix.longitude = -37.5f;
        fix.date = QDate(2000, 1, 2);
        fix.time = QTime(0, 0, 1, 500);
        const QByteArray bytes = woxStreamed(fix);
        QCOMPARE(bytes, woxHex("01 01  40 4B E0 00 00 00 00 00  C0 42 C0 00 00 00 00 00"
                               "00 25 68 5A  00 00 05 DC"));
        woxGPSFix read;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
        QCOMPARE(woxStreamed(read), bytes);
        read.clear();
        QCOMPARE(woxStreamed(read), initial);
    }

    // A new discovery replaces the old dots; addresses beyond the bus are ignored.
    void discoveredRowsShowTheDot()
    {
        woxDeviceTableDataModel model;
        QCOMPARE(model.data(model.index(8, 1)).toString(),
                 QStringLiteral("Input voltage receiver 1"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setDiscovered({1, 2, 42});
        model.setDiscovered({0, 7, 8, 8, 43, 255});
        QCOMPARE(decoratedRows(model), QList<int>({0, 7, 8}));
        QVERIFY(!model.data(model.index(7, 1), Qt::DecorationRole).isValid());
        QCOMPARE(changed.count(), 2);
        model.setDiscovered({});
        QVERIFY(decoratedRows(model).isEmpty());
    }
};

QTEST_MAIN(tst_coreValues)
#include "tst_coreValues.moc"
