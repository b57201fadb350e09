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
#include "woxMake.h"
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

// "status/entries" of the bytes read as electrode positions over a map with an entry, or as a set over one that lists
// 24 quadripoles (32 electrodes, spread 8); and the target written again.
QPair<QString, QByteArray> readAs(const QString &record, const QByteArray &bytes)
{
    woxTemplateSet set = woxMake::templateSet(1, 2.0f, 3, {{1, 2}});
    Positions positions{{{7, {}}}};
    if (record != "set") {
        const int status = woxReadBack(bytes, positions);
        return {QString("%1/%2").arg(status).arg(positions.map.size()), woxStreamed(positions)};
    }
    const int status = woxReadBack(bytes, set);
    int listed = 0;
    for (const QList<woxQuadripole> &list : set.quadripoleMap())
        listed += list.size();
    return {QString("%1/%2").arg(status).arg(listed), woxStreamed(set)};
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
    }

    // Counts are refused before allocating; a refused record's lists are left empty, a refused set as it was. Sound
    // bytes replace the target, their prefixes are refused. A set holds type, cables, spacing at 0, 6189, 6190.
    void reading()
    {
        const QByteArray set = woxStreamed(woxMake::templateSet(2, 5.0f, 0, {{0, 0}}));
        auto patched = [&set](int i, const char *h) { return QByteArray(set).replace(i, woxHex(h).size(), woxHex(h)); };
        // The record read, its bytes, status (0 ok, 1 past end, 2 corrupt) / entries.
        const struct { const char *record; QByteArray bytes; const char *outcome; } rows[] = {
            {"positions", woxHex(positionsHex), "0/2"},
            {"positions", woxHex("00 00 00 03") + woxHex(positionsHex).mid(4), "2/0"},   // 3, room for 2
            {"set", patched(0, "15"), "0/61"}, {"set", patched(6189, "01"), "0/29"},   // type 21; one cable
            {"set", patched(6190, "38 10 00 00 00 00 00 00"), "0/61"},                // the smallest spacing
            {"set", patched(1, "00 00 00 1F"), "2/24"}, {"set", patched(5 + 103 * 7, "00 00 00 64"), "2/24"},
            {"set", set.left(1500), "1/24"}, {"set", set.left(6197), "1/24"},   // short main grid; short spacing
            {"set", patched(0, "16"), "2/24"}, {"set", patched(0, "FE"), "2/24"},   // types 22 and 254
            {"set", patched(6189, "00"), "2/24"}, {"set", patched(6189, "03"), "2/24"},   // no cables; 3
            {"set", patched(6190, "38 00 00 00 00 00 00 00"), "2/24"},                // a denormal spacing
            {"set", patched(6190, "7F EF FF FF FF FF FF FF"), "2/24"}};               // an infinite one
        for (const auto &row : rows) {
            const QString record = row.record;
            const QPair<QString, QByteArray> read = readAs(record, row.bytes);
            QVERIFY2(read.first == row.outcome, qPrintable(QString("row %1: %2").arg(&row - rows).arg(read.first)));
            if (read.first.startsWith("0/")) {
                QCOMPARE(read.second, row.bytes);
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
    // remote electrodes stand far off; a spacing's sign is dropped; without one the electrodes are taken.
    void geometricFactor()
    {
        for (const QVector<double> &row : QList<QVector<double>>{
                 {5, 0, 3, 1, 2, 2 * M_PI * 5}, {5, 0, 1, 2, 3, M_PI * 1 * 2 * 3 * 5},
                 {5, 0, 2, 5, 7, M_PI * 1.5 * 2.5 * 3.5 * 10}, {5, 0, 8, 3, 5, M_PI * 1.5 * 2.5 * 10},
                 {5, 65535, 0, 1, 2, 2 * M_PI * 1 * 2 * 5}, {5, 65535, 0, 65534, 4, 2 * M_PI * 20},
                 {-5, 0, 1, 2, 3, M_PI * 1 * 2 * 3 * 5}, {0, 0, 1, 2, 3, 1}}) {
            woxChannelQuadripole record;
            record.setQuadripole(woxMake::quadripole(row[1], row[2], row[3], row[4]));
            woxDiagnosticCapture diagnostics;
            woxSessionDataUnit unit;
            unit.configure(row[0], record);
            unit.result.rxVoltage = -2.0f;   // the resistivity is never negative
            unit.result.txCurrent = 4.0f;
            unit.computeResistivity();
            const woxCoreQuadripole &q = unit.quadripole;
            QCOMPARE(QVector<double>({double(q.a), double(q.b), double(q.m), double(q.n)}), row.mid(1, 4));
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
