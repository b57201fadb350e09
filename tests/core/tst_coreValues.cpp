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

// The value streams to `bytes`, which read back stream the same: a reader whose fields differ from the writer's fails.
template <typename T>
void checkStreamForm(const T &value, const QByteArray &bytes)
{
    QCOMPARE(woxStreamed(value), bytes);
    T read;
    QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
    QCOMPARE(woxStreamed(read), bytes);
}

} // namespace

class tst_coreValues : public QObject
{
    Q_OBJECT

private slots:
    // Stream forms written out by hand, and a decay count the bytes cannot hold.
    void goldenStreamForms()
    {
        // Codes 48 and 23 with IP, deviation 0.25 %, stacking 1 to 9, transmitter 100 %; the 200 ms are not streamed.
        const woxMeasureOptions options{48, true, 23, 0.25f, 1, 9, 100, 200};
        checkStreamForm(options, woxHex("00 30  01  00 17  3F D0 00 00 00 00 00 00  01  09  64"));
        checkStreamForm(woxMake::coreQuadripole(woxRemoteCurrentElectrode, 3, woxRemotePotentialElectrode, 300, 12),
                        woxHex("FF FF  00 03  FF FE  01 2C  0C"));

        // Fields in declaration order, which is not the stream's.
        woxMeasureResult result{1.0f, 2.0f, 0.5f, 4.0f, -1.0f, {}, 8.0f, true, {}};
        QCOMPARE(woxStreamed(result), woxHex(QString(resultHead) + "00 00 00 00" + resultTail));
        result.decay << 0.25f << 3.0f;
        checkStreamForm(result, woxHex(QString(resultHead) + "00 00 00 02  3F D0 00 00 00 00 00 00"
                                                              "40 08 00 00 00 00 00 00" + resultTail));

        woxGPSFix fix{true, true, 55.75f, -37.5f, QDate(2000, 1, 2), QTime(0, 0, 1, 500)};
        checkStreamForm(fix, woxHex("01 01  40 4B E0 00 00 00 00 00  C0 42 C0 00 00 00 00 00"
                                    "00 25 68 5A  00 00 05 DC"));
        fix.clear();
        QCOMPARE(woxStreamed(fix), woxHex("00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                                          "00 25 68 59  00 00 00 00"));

        // 2 samples and the 33 tail bytes leave 49 bytes: room for 6 samples, not 7. A count that fits is taken and
        // the short rest is an ordinary read error.
        const struct { const char *count; int samples; QDataStream::Status status; int decay; } rows[] = {
            {"FF FF FF FF", 0, QDataStream::ReadCorruptData, 0},
            {"00 00 00 07", 2, QDataStream::ReadCorruptData, 0},
            {"00 00 00 04", 0, QDataStream::ReadPastEnd, 4}};
        for (const auto &row : rows) {
            const QString samples = QString("3F F0 00 00 00 00 00 00").repeated(row.samples);
            woxMeasureResult read;
            read.decay << 9.0f;
            const QByteArray bytes = woxHex(resultHead + QString(row.count) + samples + resultTail);
            QCOMPARE(woxReadBack(bytes, read), row.status);
            QCOMPARE(read.decay.size(), row.decay);
            QCOMPARE(read.rxS, -1.0f);
        }
    }

    void errorTexts()
    {
        const QList<QPair<quint16, QString>> texts{{0x2A03, "Can not send command 42"}, {14, "Code bug"},
            {15, "Unknown error"}, {6, "External battery is low"}, {7, "Condensation inside"},
            {0x0705, "Device \"" + deviceName(7) + "\" does not respond"}};
        for (const auto &text : texts) {
            woxCoreError error;
            error.set(text.first);
            QCOMPARE(error.toString(), text.second);
        }
    }

    // A new discovery replaces the old dots; addresses beyond the bus are ignored.
    void discoveredRowsShowTheDot()
    {
        woxDeviceTableDataModel model;
        auto decoratedRows = [&model]() {
            QList<int> rows;
            for (int row = 0; row < model.rowCount(); ++row) {
                if (!model.data(model.index(row, 0), Qt::DecorationRole).value<QPixmap>().isNull())
                    rows << row;
            }
            return rows;
        };
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setDiscovered({1, 2, 42});
        model.setDiscovered({0, 7, 8, 8, 43, 255});
        QCOMPARE(decoratedRows(), QList<int>({0, 7, 8}));
        QCOMPARE(changed.count(), 2);
        model.setDiscovered({});
        QVERIFY(decoratedRows().isEmpty());
    }
};

QTEST_MAIN(tst_coreValues)
#include "tst_coreValues.moc"
