#include "woxBytes.h"
#include "woxCoreError.h"
#include "woxCoreQuadripole.h"
#include "woxDeviceTableDataModel.h"
#include "woxCoreReportET2D.h"
#include "woxCoreTypes.h"
#include "woxGPSFix.h"
#include "woxGPSManager.h"
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
        // Codes 48 and 23 with IP, deviation 0.25 %, stacking 1 to 9, transmitter 100 %; the 200 ms are not streamed
        // and a default record read back keeps its 80.
        checkStreamForm(woxMeasureOptions(), woxHex("00 02  00  00 00  3F F0 00 00 00 00 00 00  03  05  19"));
        const woxMeasureOptions options{48, true, 23, 0.25f, 1, 9, 100, 200};
        checkStreamForm(options, woxHex("00 30  01  00 17  3F D0 00 00 00 00 00 00  01  09  64"));
        woxMeasureOptions readOptions;
        woxReadBack(woxStreamed(options), readOptions);
        QCOMPARE(readOptions.pulseDuration, quint16(80));
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
            {"FF FF FF FF", 0, QDataStream::ReadCorruptData, 0}, {"7F FF FF FF", 2, QDataStream::ReadCorruptData, 0},
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
        // The high byte is the device: named in codes 3 and 5, ignored elsewhere.
        const QList<QPair<quint16, QString>> texts{{0x0900, "Success"}, {1, "Simulated error"},
            {2, "Can not establish connection with core"}, {0x2A03, "Can not send command 42"},
            {0x0003, "Can not send command 0"}, {0x0504, "Can not receive data"},
            {0x0705, "Device \"Internal transmitter\" does not respond"}, {6, "External battery is low"},
            {7, "Condensation inside"}, {8, "Short circuit (detected by software)"},
            {9, "Short circuit (detected by hardware)"}, {10, "Open circuit (detected by software)"},
            {11, "External battery is low or short circuit"}, {12, "Generator is overheated"},
            {13, "Canceled by user"}, {14, "Code bug"}, {15, "Unknown error"}, {0x07C8, "Unknown error"},
            {0xFFFF, "Unknown error"}};
        for (const auto &text : texts) {
            woxCoreError error;
            error.set(text.first);
            QCOMPARE(error.toString(), text.second);
        }
    }

    // The fourteen reports travel as meta-types under their own names, whole.
    void reportsTravelAsMetaTypes()
    {
        woxRegisterCoreTypes();
        for (const char *name : {"woxCoreReportDiscover", "woxCoreReportSignal", "woxCoreReportResistance",
                                 "woxCoreReportCalibrate", "woxCoreReportET2D", "woxCoreReportVES",
                                 "woxCoreReportSensor", "woxCoreReportClock", "woxCoreReportSound",
                                 "woxCoreReportProduction", "woxCoreReportTxAux", "woxCoreReportSwAux",
                                 "woxCoreReportRxAux", "woxCoreReportRxStress"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
        woxCoreReportET2D report;
        report.error.set(0x0D0D);
        report.results << woxMeasureResult{1.0f, 2.0f, 0.5f, 4.0f, -1.0f, {}, 8.0f, true, {}};
        report.sensor.values.insert(2, 13200.0f);
        const woxCoreReportET2D back = QVariant::fromValue(report).value<woxCoreReportET2D>();
        QVERIFY(back.error.code == 13 && back.error.device == 13 && back.results.size() == 1);
        QCOMPARE(woxStreamed(back.results.first()), woxStreamed(report.results.first()));
        QCOMPARE(back.sensor.values, report.sensor.values);
    }

    // 43 rows of two columns: the names, and a dot for a present device only; "+" and "Device" head the columns.
    void deviceTable()
    {
        woxDeviceTableDataModel model;
        QCOMPARE(model.rowCount() * 10 + model.columnCount(), 432);
        QCOMPARE(model.rowCount(model.index(3, 1)), 43);
        const struct { int row, column, role; QVariant value; } cells[] = {
            {0, 1, Qt::DisplayRole, "Core"}, {8, 1, Qt::DisplayRole, "Input voltage receiver 1"},
            {42, 1, Qt::DisplayRole, "Transmitter switch"}, {7, 0, Qt::DisplayRole, QVariant()},
            {7, 1, Qt::DecorationRole, QVariant()}, {7, 1, Qt::ToolTipRole, QVariant()}};
        model.setDiscovered({7});
        for (const auto &cell : cells)
            QCOMPARE(model.data(model.index(cell.row, cell.column), cell.role), cell.value);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString() + model.headerData(1, Qt::Horizontal).toString(),
                 QString("+Device"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid()
                && !model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    }

    // The holder hands out the initial fix: no position, 2000-01-01 00:00:00.000. Teardown twice is harmless, and
    // the next request builds a new holder.
    void gpsHolder()
    {
        const QByteArray initial = woxHex("00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                                          "00 25 68 59  00 00 00 00");
        QCOMPARE(woxStreamed(woxGPSManager::instance()->fix()), initial);
        woxGPSManager::destroy();
        woxGPSManager::destroy();
        QCOMPARE(woxStreamed(woxGPSManager::instance()->fix()), initial);
        woxGPSManager::destroy();
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
        // The whole table repaints: both corners are invalid indexes.
        QVERIFY(!changed.at(1).at(0).toModelIndex().isValid() && !changed.at(1).at(1).toModelIndex().isValid());
        model.setDiscovered({});
        QVERIFY(decoratedRows().isEmpty());
    }
};

QTEST_MAIN(tst_coreValues)
#include "tst_coreValues.moc"
