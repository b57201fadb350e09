// The records of session and template files, and the fuzzing corpora replayed through their targets.
#define LLVMFuzzerTestOneInput replayCable
#include "../../fuzz/fuzz_cableconfiguration.cpp"
#undef LLVMFuzzerTestOneInput
#define LLVMFuzzerTestOneInput replaySession
#include "../../fuzz/fuzz_sessionfile.cpp"
#undef LLVMFuzzerTestOneInput

#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxDiagnosticCapture.h"
#include "woxFuzzCorpus.h"
#include "woxFileSummary.h"
#include "woxMake.h"
#include "woxSetInfo.h"
#include "woxStreamed.h"

#include <QtTest>

// A template set is written and read by static functions; these let the stream helpers reach them.
QDataStream &operator<<(QDataStream &s, const woxTemplateSet &set) { return woxTemplateSet::writeTo(s, set); }
QDataStream &operator>>(QDataStream &s, woxTemplateSet &set) { return woxTemplateSet::readFrom(s, set); }

namespace {

// Highest electrode first: 300 at (2, 1, -0.5), 1 at (0.5, 0, 0).
const char *const positionsHex = "00 00 00 02"
    "01 2C  40 00 00 00 00 00 00 00  3F F0 00 00 00 00 00 00  BF E0 00 00 00 00 00 00"
    "00 01  3F E0 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00";

// Three wires (2.5 kOhm on, not measured and off, 0.16543 on), the remote transmitter not measured but present, the
// remote receiver at 1.25 and absent.
const char *const cablesHex = "00 00 00 03  40 04 00 00 00 00 00 00 01  BF F0 00 00 00 00 00 00 00"
    "3F C5 2C CF 60 00 00 00 01  BF F0 00 00 00 00 00 00 01  3F F4 00 00 00 00 00 00 00";

// The electrode map has functions of its own instead of stream operators.
struct Positions { woxElectrodeMap map; };
QDataStream &operator<<(QDataStream &s, const Positions &p) { writeElectrodeMap(s, p.map); return s; }
QDataStream &operator>>(QDataStream &s, Positions &p) { readElectrodeMap(s, &p.map); return s; }

// One grid of a template set: 30 rows of qint32 99 and 99 cell bytes.
QByteArray gridBytes(const QList<QPair<int, int>> &selected)
{
    QByteArray bytes = woxHex("00 00 00 1E");
    for (int row = 0; row < 30; ++row) {
        bytes += woxHex("00 00 00 63");
        for (int column = 0; column < 99; ++column)
            bytes += char(selected.contains(qMakePair(row, column)) ? 1 : 0);
    }
    return bytes;
}

// Cable spacing 12.5, one cable, 180 quadripoles, 40 runs: the fixed head of a file summary.
const char *const summaryHead = "40 29 00 00 00 00 00 00  01  00 00 00 B4  00 00 00 28";

// "status/entries" of the bytes read into a target that already holds something, and the target written again:
// electrode positions over a map with an entry; a set over one that lists 24 quadripoles (32 electrodes, spread 8);
// cables over two cables of wires; a set list over three sets; a summary ("runs.array types.depths") over one with
// an array type and a depth.
QPair<QString, QByteArray> readAs(const QString &record, const QByteArray &bytes)
{
    auto outcome = [](int status, const QString &entries, const QByteArray &again) {
        return qMakePair(QString("%1/%2").arg(status).arg(entries), again);
    };
    if (record == "set") {
        woxTemplateSet set = woxMake::templateSet(1, 2.0f, 3, {{1, 2}});
        const int status = woxReadBack(bytes, set);
        int listed = 0;
        for (const QList<woxQuadripole> &list : set.quadripoleMap())
            listed += list.size();
        return outcome(status, QString::number(listed), woxStreamed(set));
    }
    if (record == "cables") {
        woxCableConfiguration cables = woxMake::allWiresEnabled(2);
        const int status = woxReadBack(bytes, cables);
        return outcome(status, QString::number(cables.wires.size()), woxStreamed(cables));
    }
    if (record == "setlist") {
        QVector<woxSetInfo> sets = {woxSetInfo(1, 1), woxSetInfo(2, 2), woxSetInfo(3, 3)};
        const int status = woxReadBack(bytes, sets);
        return outcome(status, QString::number(sets.size()), woxStreamed(sets));
    }
    if (record == "summary") {
        woxFileSummary summary;
        summary.arrayCounts.insert(7, 9);
        summary.setDepths = {99.0f};
        const int status = woxReadBack(bytes, summary);
        return outcome(status, QString("%1.%2.%3").arg(summary.runs).arg(summary.arrayCounts.size())
                                   .arg(summary.setDepths.size()), woxStreamed(summary));
    }
    Positions positions{{{7, {}}}};
    const int status = woxReadBack(bytes, positions);
    return outcome(status, QString::number(positions.map.size()), woxStreamed(positions));
}

} // namespace

class tst_records : public QObject
{
    Q_OBJECT

private slots:
    void written()
    {
        const Positions positions{{{1, {0.5f, 0.0f, 0.0f}}, {300, {2.0f, 1.0f, -0.5f}}}};
        QCOMPARE(woxStreamed(positions), woxHex(positionsHex));
        woxTemplateSet set = woxMake::templateSet(2, 2.5f, 3, {{0, 0}, {29, 1}});
        set.setAuxCell(2, 98, true);
        QCOMPARE(woxStreamed(set), woxHex("03") + gridBytes({{0, 0}, {29, 1}}) + gridBytes({{2, 98}})
                                       + woxHex("02 40 04 00 00 00 00 00 00"));
        // Read into another set, the quadripoles are rebuilt on the line and spacing read: 61 + 30 of them.
        woxTemplateSet back = woxMake::templateSet(1, 2.0f, 0, {{0, 0}});
        QCOMPARE(woxReadBack(woxStreamed(set), back), QDataStream::Ok);
        const woxQuadripoleMap rebuilt = back.quadripoleMap();
        QVERIFY2(rebuilt.size() == 2 && !rebuilt.first().isEmpty() && !rebuilt.last().isEmpty(), "rebuilt cells");
        const woxQuadripole first = rebuilt.first().first(), last = rebuilt.last().last();
        QCOMPARE(QString("%1 %2 %3 %4,%5,%6,%7").arg(back.measurementCount()).arg(first.x).arg(last.x)
                     .arg(last.a).arg(last.b).arg(last.m).arg(last.n), QString("91 3.75 115 29,63,31,61"));
        QVERIFY(qFuzzyCompare(first.depth, 0.519f * 2.5f));
        QCOMPARE(woxStreamed(woxTemplateSet()), woxHex("FF") + gridBytes({}) + gridBytes({})
                                                    + woxHex("02 40 14 00 00 00 00 00 00"));   // no type yet
        // Wires as a double and a byte each, then the remote transmitter and receiver; floats widened to doubles.
        woxCableConfiguration cables;
        QCOMPARE(woxStreamed(cables), QByteArray(22, '\0'));
        cables.wires = {{2.5f, true}, {-1.0f, false}, {0.16543f, true}};
        cables.remoteTxResistance = -1.0f;
        cables.remoteTxPresent = true;
        cables.remoteRxResistance = 1.25f;
        QCOMPARE(woxStreamed(cables), woxHex(cablesHex));
        QCOMPARE(cables.disabledElectrodes(), QSet<woxElectrode>({1}));   // a wire not enabled is its electrode off
        cables = woxMake::allWiresEnabled(1);
        cables.wires[0].enabled = cables.wires[31].enabled = false;
        QCOMPARE(cables.disabledElectrodes(), QSet<woxElectrode>({0, 31}));
        // A new summary: 5 m, two cables, nothing counted; array types go highest first.
        QCOMPARE(woxStreamed(woxFileSummary()), woxHex("40 14 00 00 00 00 00 00  02  00 00 00 00  00 00 00 00"
                                                       "00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00"));
        woxFileSummary summary;
        summary.arrayCounts = {{0, 2}, {12, 3}, {4, 1}, {255, 1}};
        QCOMPARE(woxStreamed(summary).mid(17, 12), woxHex("00 00 00 04  FF 01  0C 03  04 01  00 02"));
        // Set lists: a count, then type and quadripoles in 3 bytes; no type travels as FF.
        const QList<QPair<QVector<woxSetInfo>, const char *>> lists = {{{woxSetInfo(4, 40000)}, "00 00 00 01 04 9C 40"},
            {{woxSetInfo(), woxSetInfo(0, 65535)}, "00 00 00 02 FF 00 00 00 FF FF"}, {{}, "00 00 00 00"}};
        for (const auto &list : lists)
            QCOMPARE(woxStreamed(list.first), woxHex(list.second));
        // A new session row: x, y, k 1, resistivity; sets and flags; electrodes 0 on no channel; an empty result
        // with the default settings; then one with three decay samples reads back whole.
        QCOMPARE(woxStreamed(woxSessionDataUnit()),
                 woxHex("00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  3F F0 00 00 00 00 00 00"
                        "00 00 00 00 00 00 00 00  00 00 00  00 00 00 00 00 00 00 00 11"
                        + QString(32 + 4 + 16 + 1, 'A').replace("A", "00 ")
                        + "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19"));
        woxSessionDataUnit unit;
        unit.result.decay = {1.0f, -2.5f, 0.125f};
        unit.result.valid = true;
        unit.k = 42.5f;
        woxSessionDataUnit row;
        QVERIFY(woxReadBack(woxStreamed(unit), row) == QDataStream::Ok && woxStreamed(unit).size() == 137);
        QCOMPARE(woxStreamed(row), woxStreamed(unit));
    }

    // A session's set lines: "i/n name [quadripoles]".
    void setLines()
    {
        QVERIFY(setInfoToStringList({}).isEmpty());
        QCOMPARE(setInfoToStringList({woxSetInfo(0, 61), woxSetInfo(255, 0), woxSetInfo(3, 120)}),
                 QStringList({QString("1/3 Wenner ") + QChar(0x03B1) + " [61]", "2/3 Unknown array [0]",
                              "3/3 Schlumberger [120]"}));
    }

    // Counts are refused before allocating; a refused record's lists are left empty, a refused set as it was. Sound
    // bytes replace the target (written again: the same bytes, or `again`), their prefixes are refused. A set holds
    // type, cables, spacing at 0, 6189, 6190.
    void reading()
    {
        const QByteArray set = woxStreamed(woxMake::templateSet(2, 5.0f, 0, {{0, 0}}));
        auto patched = [&set](int i, const char *h) { return QByteArray(set).replace(i, woxHex(h).size(), woxHex(h)); };
        const QByteArray oneCable = woxStreamed(woxMake::allWiresEnabled(1));
        const QByteArray summary = woxHex(QString(summaryHead) + "00 00 00 04  FF 01  0C 03  04 01  00 02"
                                          "40 73 B0 00 00 00 00 00  00 00 00 02  3F F8 00 00 00 00 00 00"
                                          "00 00 00 00 00 00 00 00");   // profile 315 m; depths 1.5 and 0
        const QByteArray enabledTwo = QByteArray(oneCable).replace(12, 1, "\x02");
        const QByteArray shorterWenner = woxHex("00") + gridBytes({{0, 10}, {0, 0}}) + gridBytes({{0, 10}});
        // The record read, its bytes, status (0 ok, 1 past end, 2 corrupt) / entries.
        struct Row {
            Row(const char *r, const QByteArray &b, const char *o, const QByteArray &a = QByteArray())
                : record(r), bytes(b), outcome(o), again(a) {}
            const char *record;
            QByteArray bytes;
            const char *outcome;
            QByteArray again;
        };
        const Row rows[] = {
            {"positions", woxHex(positionsHex), "0/2"},
            {"positions", woxHex("00 00 00 03") + woxHex(positionsHex).mid(4), "2/0"},   // 3, room for 2
            {"set", patched(0, "15"), "0/61"}, {"set", patched(6189, "01"), "0/29"},   // type 21; one cable
            {"set", patched(6190, "38 10 00 00 00 00 00 00"), "0/61"},                // the smallest spacing
            {"set", patched(1, "00 00 00 1F"), "2/24"}, {"set", patched(5 + 103 * 7, "00 00 00 64"), "2/24"},
            {"set", set.left(1500), "1/24"}, {"set", set.left(6197), "1/24"},   // short main grid; short spacing
            {"set", patched(0, "16"), "2/24"}, {"set", patched(0, "FE"), "2/24"},   // types 22 and 254
            {"set", patched(6189, "00"), "2/24"}, {"set", patched(6189, "03"), "2/24"},   // no cables; 3
            {"set", patched(6190, "38 00 00 00 00 00 00 00"), "2/24"},                // a denormal spacing
            {"set", patched(6190, "7F EF FF FF FF FF FF FF"), "2/24"},                // an infinite one
            {"set", QByteArray(), "1/24"}, {"set", set.left(1), "1/24"}, {"set", set.left(4000), "1/24"},
            {"set", set.left(6190), "1/24"},   // empty, the type only, a short aux grid, no spacing
            {"set", patched(1, "FF FF FF FF"), "2/24"}, {"set", patched(1, "7F FF FF FF"), "2/24"},   // rows
            {"set", patched(1, "00 00 00 1D"), "2/24"}, {"set", patched(5, "FF FF FF 9C"), "2/24"},   // 29; cells
            {"set", patched(1 + 3094 + 4 + 103 * 29, "40 00 00 00"), "2/24"}, {"set", patched(6189, "FF"), "2/24"},
            {"set", patched(6190, "00 00 00 00 00 00 00 00"), "2/24"}, {"set", patched(6190, "C0 14 00 00"), "2/24"},
            {"set", patched(6190, "7F F8 00 00"), "2/24"}, {"set", patched(6190, "7F F0 00 00"), "2/24"},   // NaN, inf
            // A Wenner cell of spread 33 stored for one cable no longer fits: neither selected nor marked.
            {"set", shorterWenner + woxHex("01 40 14 00 00 00 00 00 00"), "0/29",
             woxHex("00") + gridBytes({{0, 0}}) + gridBytes({}) + woxHex("01 40 14 00 00 00 00 00 00")},
            {"cables", QByteArray(22, '\0'), "0/0"}, {"cables", oneCable, "0/32"}, {"cables", woxHex(cablesHex), "0/3"},
            {"cables", enabledTwo, "0/32", oneCable},   // any byte but 0 is true
            {"cables", woxHex("00 00 00 41") + woxStreamed(woxMake::allWiresEnabled(3)).mid(4), "2/0"},   // 65 wires
            {"cables", woxHex("7F FF FF FF") + oneCable.mid(4), "2/0"},
            {"cables", woxHex("FF FF FF FF") + oneCable.mid(4), "2/0"}, {"cables", oneCable.left(4 + 3 * 9), "2/0"},
            {"cables", oneCable.left(4 + 9 * 32 + 5), "1/32"},   // cut in the remote fields: the wires are kept
            {"setlist", woxHex("00 00 00 02 FF FF FF 15 00 78"), "0/2"}, {"setlist", woxHex("00 00 00 00"), "0/0"},
            {"setlist", woxHex("FF FF FF FF 04 9C 40"), "2/0"}, {"setlist", woxHex("7F FF FF FF 04 9C 40"), "2/0"},
            {"setlist", woxHex("00 00 00 02 04 9C 40"), "2/0"}, {"setlist", woxHex("00 00 00 01 04 9C"), "2/0"},
            {"setlist", woxHex("00 00 00"), "1/0"},
            {"summary", summary, "0/40.4.2"}, {"summary", woxStreamed(woxFileSummary()), "0/0.0.0"},
            {"summary", woxHex(QString(summaryHead) + "FF FF FF FF"), "2/40.0.0"},   // array types: negative,
            {"summary", woxHex(QString(summaryHead) + "7F FF FF FF  00 01"), "2/40.0.0"},   // huge, 7 in 13 bytes
            {"summary", woxHex(QString(summaryHead) + "00 00 00 07  00 01" + QString(11, 'A').replace("A", "00 ")),
             "2/40.0.0"},
            {"summary", woxHex(QString(summaryHead) + "00 00 00 00  00 00 00 00 00 00 00 00  80 00 00 00"),
             "2/40.0.0"},   // depths: negative, huge, 2 in 8 bytes
            {"summary", woxHex(QString(summaryHead) + "00 00 00 00  00 00 00 00 00 00 00 00  7F FF FF FF  3F F8 00 00 "
                               "00 00 00 00"), "2/40.0.0"},
            {"summary", woxHex(QString(summaryHead) + "00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 02  3F F8 00 00 "
                               "00 00 00 00"), "2/40.0.0"}};
        for (const auto &row : rows) {
            const QString record = row.record;
            const QPair<QString, QByteArray> read = readAs(record, row.bytes);
            QVERIFY2(read.first == row.outcome, qPrintable(QString("row %1: %2").arg(&row - rows).arg(read.first)));
            if (read.first.startsWith("0/")) {
                QCOMPARE(read.second, row.again.isEmpty() ? row.bytes : row.again);
                for (int size = 0; size < row.bytes.size(); size += record == "set" ? 61 : 1) {   // a set: a sample
                    const QString prefix = readAs(record, row.bytes.left(size)).first;
                    QVERIFY2(!prefix.startsWith('0'), qPrintable(QString::number(size)));
                }
            } else if (record == "set") {
                QCOMPARE(read.second, readAs(record, QByteArray()).second);
            }
        }
    }

    // {spacing, a, b, m, n, k}: closed forms at 5 m for Wenner, dipole-dipole, Schlumberger, pole-dipole, pole-pole;
    // remote electrodes stand far off; a spacing's sign is dropped; without one the electrodes are taken. The row's
    // point, sets, run flags and channel come from the generator's record.
    void geometricFactor()
    {
        for (const QVector<double> &row : QList<QVector<double>>{
                 {5, 0, 3, 1, 2, 2 * M_PI * 5}, {5, 0, 1, 2, 3, M_PI * 1 * 2 * 3 * 5},
                 {5, 0, 2, 5, 7, M_PI * 1.5 * 2.5 * 3.5 * 10}, {5, 0, 8, 3, 5, M_PI * 1.5 * 2.5 * 10},
                 {5, 65535, 0, 1, 2, 2 * M_PI * 1 * 2 * 5}, {5, 65535, 0, 65534, 4, 2 * M_PI * 20},
                 {-5, 0, 1, 2, 3, M_PI * 1 * 2 * 3 * 5}, {0, 0, 1, 2, 3, 1}}) {
            woxChannelQuadripole record;
            record.setQuadripole(woxMake::quadripole(row[1], row[2], row[3], row[4]));
            record.x = 12.5f;
            record.depth = 3.25f;
            record.sets = 5;
            record.channel = 7;
            record.chained = false;
            woxDiagnosticCapture diagnostics;
            woxSessionDataUnit unit;
            unit.configure(row[0], record);
            unit.result.rxVoltage = -2.0f;   // the resistivity is never negative
            unit.result.txCurrent = 4.0f;
            unit.computeResistivity();
            const woxCoreQuadripole &q = unit.quadripole;
            QCOMPARE(QVector<double>({double(q.a), double(q.b), double(q.m), double(q.n)}), row.mid(1, 4));
            QCOMPARE(QString("%1 %2 %3 %4 %5 %6").arg(unit.x).arg(unit.y).arg(unit.sets).arg(unit.chained)
                         .arg(unit.marked).arg(q.channel), QString("12.5 3.25 5 0 1 7"));   // whatever the spacing
            QVERIFY2(std::fabs(unit.k - row[5]) <= row[5] * 1e-4
                         && std::fabs(unit.resistivity - row[5] / 2) <= row[5] * 1e-4,
                     qPrintable(QString("%1 %2").arg(unit.k).arg(unit.resistivity)));
            QCOMPARE(diagnostics.lines().join(""),
                     row[0] ? QString() : "woxSessionDataUnit error: configure cableSpacing == 0");
        }
    }

    void fuzzCorpora()
    {
        const woxFuzzCorpus cables(QFINDTESTDATA("cablecorpus")), sessions(QFINDTESTDATA("sessioncorpus"));
        QVERIFY(cables.inputs().size() == 11 && sessions.inputs().size() >= 15);
        cables.replay(replayCable);
        sessions.replay(replaySession);
        auto readsCable = [](QDataStream &s) { woxCableConfiguration c; return (s >> c).status() == QDataStream::Ok; };
        QCOMPARE(cables.accepted(readsCable), 5);   // bool two, default, NaN values, one cable, two cables measured
        // golden, measured with positions and non-finite values, trailing bytes
        QCOMPARE(sessions.accepted([](QDataStream &s) { return woxSessionFile().read(s); }), 3);
    }
};

QTEST_GUILESS_MAIN(tst_records)
#include "tst_records.moc"
