// Where the quadripoles of grid cells stand and how deep they reach, and the cells of a template set.
#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxPseudoDepthTable.h"
#include "woxQuadripoleGenerator.h"
#include "woxTemplateContent.h"

#include <QStandardItemModel>
#include <QtTest>

#include <cmath>

namespace {

// Dimensions and count, then 22 entries of a type byte and 30 rows of 99 doubles.
const int entryBytes = 1 + 4 + 30 * (4 + 99 * 8);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The count and the quadripoles listed, then each selected cell "s,l" and marked cell "s,l+".
QString state(const woxTemplateSet &set)
{
    int listed = 0;
    for (const QList<woxQuadripole> &list : set.quadripoleMap())
        listed += list.size();
    QString state = QString("%1/%2").arg(set.measurementCount()).arg(listed);
    for (int s = 0; s < 30; ++s) {
        for (int l = 0; l < 99; ++l) {
            const QString cell = QString(" %1,%2").arg(s).arg(l);
            state += (set.mainGrid()[s][l] ? cell : QString()) + (set.auxGrid()[s][l] ? cell + "+" : QString());
        }
    }
    return state;
}

} // namespace

class tst_quadripoles : public QObject
{
    Q_OBJECT

private:
    woxPseudoDepthTable *table = nullptr;
    QTemporaryDir dir;

private slots:
    // Every type has factors, partners included; there are none outside the table.
    void initTestCase()
    {
        // The first generator of the process asks for the program's table itself: a cell's depths never depend on
        // another part having loaded it.
        woxQuadripoleGenerator::instance();
        QVERIFY(woxPseudoDepthTable::current());
        table = woxPseudoDepthTable::instance(pseudoDepthResource);
        for (int type = 0; type < 22; ++type)
            QVERIFY(table->factor(type, 0, 0) > 0.0f && table->factor(type, 29, 98) > 0.0f);
        QCOMPARE(table->factor(22, 0, 0) + table->factor(3, 30, 0) + table->factor(3, 0, 99), 0.0f);
        QCOMPARE(table->factor(255, 29, 98) + woxPseudoDepthTable().factor(0, 0, 0), 0.0f);   // nothing loaded
        QCOMPARE(woxPseudoDepthTable::instance("/nonexistent"), table);   // the first one stays
        // The first quadripole of the process asks for the table; it is made here, so that the last check finds
        // that request already answered whichever functions run.
        QCOMPARE(woxQuadripole().depth, 0.0f);
    }

    // {x0, y0, x1, y1, x, y}: equal abscissae give the mean, the ends their own values exactly.
    void interpolation()
    {
        for (const QVector<float> &row : QList<QVector<float>>{{2, 0.5f, 2, 1.5f, 7, 1},
                 {0, 0.063f, 1, 0.2f, 0, 0.063f}, {0, 0.063f, 1, 0.2f, 1, 0.2f}, {2, 0.186f, 3, 0.189f, 2.5f, 0.1875f}})
            QVERIFY2(qFuzzyCompare(interpolate(row[0], row[1], row[2], row[3], row[4]), row[5]),
                     qPrintable(QString::number(row[4])));
    }

    // "type spacing-row level factor" by hand: every knot of the three coefficient tables (n = L / S, S = 1: level
    // n - 1 of row 0), the fixed coefficients, ratios between knots, the last cells, each type through its partner.
    void handValues()
    {
        for (const char *row : {"0 0 0 0.519", "12 29 0 0.519", "0 29 98 51.381", "1 0 0 0.417", "14 0 0 0.594",
                 "7 0 0 0.867", "17 0 98 85.833", "3 1 4 2.25", "3 29 0 4.5152", "21 0 98 38.208", "4 1 0 0.505",
                 "4 29 0 0.577027", "16 0 98 25.25", "6 0 98 39", "4 0 0 0.417", "4 0 1 0.696", "4 0 2 0.96",
                 "4 0 3 1.218", "4 0 4 1.477", "4 0 5 1.728", "4 0 6 1.98", "4 0 7 2.24", "4 0 19 5.258",
                 "15 0 0 0.519", "15 0 1 0.93", "15 0 2 1.323", "15 0 3 1.71", "5 0 0 0.52", "5 0 1 0.924",
                 "5 0 2 1.32", "5 0 3 1.705", "5 0 4 2.094", "5 0 5 2.478", "5 0 14 5.888"}) {
            const QStringList v = QString(row).split(' ');
            const float loaded = table->factor(v[0].toInt(), v[1].toInt(), v[2].toInt());
            QVERIFY2(qFuzzyCompare(loaded, v[3].toFloat()), qPrintable(QString::number(loaded, 'g', 9)));
        }
    }

    // Written from the rule as stored: dimensions, 22 entries highest code first, 30 rows of 99 doubles; failures told.
    void generatedLayoutAndFailures()
    {
        woxFakeCommandRunner runner;
        woxDiagnosticCapture diagnostics;
        QVERIFY(table->generate(dir.filePath("pseudoDepth.base")));
        const QByteArray bytes = readAll(dir.filePath("pseudoDepth.base"));
        QCOMPARE(bytes, readAll(pseudoDepthResource));
        QCOMPARE(bytes.size(), 6 + 22 * entryBytes);
        QCOMPARE(bytes.left(6), woxHex("1E 63 00 00 00 16"));
        for (int k = 0; k < 22; ++k) {
            const QByteArray entry = bytes.mid(6 + k * entryBytes, entryBytes);
            QCOMPARE(entry.left(9), QByteArray(1, char(21 - k)) + woxHex("00 00 00 1E 00 00 00 63"));
            QCOMPARE(entry.mid(5 + 29 * 796, 4), woxHex("00 00 00 63"));
        }
        QCOMPARE(bytes.mid(15, 8), woxHex("3F E0 9B A5 E0 00 00 00"));   // 0.519 as a float widened to double
        QVERIFY(runner.calls.size() == 1 && runner.calls.first().program == "/bin/sync");
        QVERIFY(!table->generate(dir.filePath("missing/pseudoDepth.base")));
        QVERIFY(table->isLoaded() && table->factor(0, 0, 0) == 0.519f);   // the loaded table is kept
        QVERIFY(!woxPseudoDepthTable("/nonexistent/pseudoDepth.base").isLoaded());
        QCOMPARE(diagnostics.lines(), QVector<QString>(2, "File error: No such file or directory").toList());
    }

    // Only a complete table of 22 types, 30 x 99 each, loads; other dimensions are no damage to report. Rows: bytes
    // replaced at an offset, bytes cut off the end, the lines reported (-1: it loads, and reads the value written).
    void damagedTables()
    {
        const QByteArray whole = readAll(pseudoDepthResource);
        const struct { int offset; const char *hex; int cut, reports; } rows[] = {
            {15, "3F F0 00 00 00 00 00 00", 0, -1},   // sound: the first value of code 21 made 1.0
            {0, "1D", 0, 0}, {0, "", whole.size() - 2, 1}, {0, "", 1, 1},   // other dimensions, dimensions only, short
            {0, "", whole.size(), 1}, {2, "FF FF FF FF", 0, 1},   // empty, a huge count
            {2, "00 00 00 15", 0, 1}, {6, "16", 0, 1}, {6 + entryBytes, "15", 0, 1},   // 21 entries, code 22, twice 21
            {7, "00 00 00 1D", 0, 1}, {7, "7F FF FF FF", 0, 1},   // 29 rows, huge rows
            {6 + 5 + 29 * 796, "00 00 00 62", 0, 1}};   // 98 levels in the last row
        for (const auto &row : rows) {
            const QByteArray bytes =
                QByteArray(whole).replace(row.offset, woxHex(row.hex).size(), woxHex(row.hex)).chopped(row.cut);
            QFile file(dir.filePath("damaged"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
            file.close();
            woxDiagnosticCapture diagnostics;
            const woxPseudoDepthTable read(file.fileName());
            if (row.reports < 0) {
                QVERIFY2(read.isLoaded() && read.factor(21, 0, 0) == 1.0f
                             && qFuzzyCompare(read.factor(21, 0, 1), 0.93f), row.hex);
                continue;
            }
            QVERIFY2(!read.isLoaded() && read.factor(21, 29, 98) == 0.0f, row.hex);
            QCOMPARE(diagnostics.lines().size(), row.reports);
        }
    }

    // "cables type spacing level count first last x [off from]": a cell at 5 m gives count quadripoles (-1: no such
    // cell), the first and last, x of the first; optionally electrode `off` disabled or only positions reaching `from`.
    // From each family's pattern, positions = electrodes - spread per placement; 65535 and 65534 are remote.
    void families()
    {
        auto text = [](const woxQuadripole &q) { return QString("%1,%2,%3,%4").arg(q.a).arg(q.b).arg(q.m).arg(q.n); };
        for (const QString &row : QStringList{
                 "2 0 0 0 61 0,3,1,2 60,63,61,62 7.5", "2 1 0 1 58 0,2,4,6 57,59,61,63 15",
                 "2 2 0 0 61 0,2,1,3 60,62,61,63 7.5", "2 3 1 2 56 0,8,3,5 55,63,58,60 20",
                 "2 4 1 2 57 0,2,5,7 56,58,61,63 17.5", "2 5 0 0 62 65535,0,1,2 65535,61,62,63 3.75",
                 "2 6 2 1 59 65535,5,0,3 65535,63,58,61 16.25", "1 7 0 4 27 65535,0,65534,5 65535,26,65534,31 12.5",
                 "2 8 0 9 301 0,21,7,8 42,63,55,56 37.5", "2 9 0 9 473 0,21,5,6 42,63,57,58 27.5",
                 "2 10 0 9 645 0,21,3,4 42,63,59,60 17.5", "2 11 0 2 285 0,7,1,2 56,63,61,62 7.5",
                 "2 11 3 11 684 0,28,3,7 35,63,56,60 25", "2 12 0 0 61 1,2,0,3 61,62,60,63 7.5",
                 "2 13 0 0 61 2,3,0,1 62,63,60,61 7.5", "2 14 0 0 61 1,3,0,2 61,63,60,62 7.5",
                 "2 15 1 2 56 3,5,0,8 58,60,55,63 20", "2 16 1 2 57 5,7,0,2 61,63,56,58 17.5",
                 "1 17 0 4 27 65535,5,65534,0 65535,31,65534,26 12.5", "2 18 0 9 301 7,8,0,21 55,56,42,63 37.5",
                 "2 21 0 2 285 1,2,0,7 61,62,56,63 7.5",
                 // the largest spreads that still fit once, and cells that do not apply
                 "2 0 0 20 1 0,63,21,42 0,63,21,42 157.5", "2 4 29 2 1 0,30,33,63 0,30,33,63 157.5", "2 0 1 0 -1",
                 "2 1 1 0 -1", "2 2 1 0 -1", "2 7 1 0 -1", "2 12 1 0 -1", "2 13 1 0 -1", "2 14 1 0 -1", "2 17 1 0 -1",
                 "2 22 0 0 -1", "2 255 0 0 -1", "1 0 0 10 -1", "2 3 29 17 -1", "0 3 0 0 -1",
                 // positions 2 to 5 use electrode 5; the remote electrodes never count as the farthest
                 "2 0 0 0 57 0,3,1,2 60,63,61,62 7.5 5 0", "1 7 0 4 0 - - 0 65534 0", "1 17 0 4 0 - - 0 65534 0",
                 "2 5 0 0 62 65535,0,1,2 65535,61,62,63 3.75 65534 0",
                 "2 0 0 0 32 29,32,30,31 60,63,61,62 152.5 -1 32",
                 "2 7 0 4 24 65535,35,65534,40 65535,58,65534,63 187.5 -1 40", "2 0 0 0 0 - - 0 -1 64"}) {
            const QStringList v = row.split(' ');
            const int type = v[1].toInt(), off = v.value(8, "-1").toInt();
            const QSet<woxElectrode> disabled = off < 0 ? QSet<woxElectrode>() : QSet<woxElectrode>{quint16(off)};
            QList<woxQuadripole> list = {woxQuadripole()};   // cells are appended to what is there
            float deepest = 0.0f, expectedDeepest = 0.0f;
            const bool applies = woxQuadripoleGenerator::instance()->generateCell(
                v[0].toInt(), 5.0f, type, v[2].toInt(), v[3].toInt(), &list, &disabled, v.value(9).toInt(), &deepest);
            list.removeFirst();
            for (const woxQuadripole &q : list) {
                QVERIFY2(q.spacing == v[2].toInt() && q.level == v[3].toInt(), qPrintable(row));
                QVERIFY2(q.x == arrayPosition(type, q.a, q.b, q.m, q.n) * 5.0f, qPrintable(row));
                expectedDeepest = qMax(expectedDeepest, q.depth);
            }
            QVERIFY2(deepest == expectedDeepest, qPrintable(row));
            QString outcome = applies ? QString("%1 - - 0").arg(list.size()) : "-1";
            if (!list.isEmpty())
                outcome = QString("%1 %2 %3 %4").arg(list.size()).arg(text(list.first()), text(list.last()))
                              .arg(list.first().x);
            QCOMPARE((v.mid(0, 4) << outcome << v.mid(8)).join(' '), row);
        }
    }

    // "cables type spacing level runs": the inner offset M - A of each run of quadripoles in list order and the
    // run's length; a gradient slides one placement at a time, by rising offset, L - k spacings from either end.
    void placementOrder()
    {
        for (const QString &row : QStringList{"2 8 0 9 7x43 8x43 9x43 10x43 11x43 12x43 13x43",
                 "2 11 0 2 1x57 2x57 3x57 4x57 5x57",
                 "1 9 1 7 3x14 4x14 5x14 6x14 7x14 8x14 9x14 10x14 11x14 12x14 13x14",
                 "2 18 0 9 -7x43 -8x43 -9x43 -10x43 -11x43 -12x43 -13x43", "2 0 0 1 2x58"}) {
            const QStringList v = row.split(' ');
            QList<woxQuadripole> list;
            QVERIFY(woxQuadripoleGenerator::instance()->generateCell(v[0].toInt(), 5.0f, v[1].toInt(), v[2].toInt(),
                                                                     v[3].toInt(), &list));
            QStringList runs;
            int last = 1 << 20, length = 0;
            for (const woxQuadripole &q : list) {
                if (int(q.m) - int(q.a) != last && length)
                    runs << QString("%1x%2").arg(last).arg(length);
                length = int(q.m) - int(q.a) == last ? length + 1 : 1;
                last = int(q.m) - int(q.a);
            }
            runs << QString("%1x%2").arg(last).arg(length);
            QCOMPARE((v.mid(0, 4) + runs).join(' '), row);
        }
        // The deepest depth is only ever raised; without a list nothing is generated.
        QList<woxQuadripole> list;
        float deepest = 1000.0f;
        QVERIFY(woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 8, 0, 9, &list, nullptr, 0, &deepest));
        QVERIFY(deepest == 1000.0f && !woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 0, 0, 0, nullptr));
    }

    // "type a b m n x": the point of each family in electrode units; types without one stand at 0; 16-bit sums do
    // not wrap.
    void positions()
    {
        for (const char *row : {"0 0 3 1 2 1.5", "4 0 1 2 3 1.5", "1 0 2 4 6 3", "5 65535 0 1 2 0.75",
                 "6 65535 5 0 3 3.25", "7 65535 4 65534 9 6.5", "17 65535 9 65534 4 6.5", "8 0 21 7 8 7.5",
                 "18 7 8 0 21 7.5", "3 65535 65535 0 0 65535", "22 3 9 4 5 0", "255 3 9 4 5 0"}) {
            const QStringList v = QString(row).split(' ');
            QVERIFY2(arrayPosition(v[0].toInt(), v[1].toInt(), v[2].toInt(), v[3].toInt(), v[4].toInt())
                         == v[5].toFloat(), row);
        }
    }

    // "m n channelM channelN": electrode e is on channel e mod 16; a remote M leaves both on no channel (17).
    void channels()
    {
        woxQuadripole source = woxMake::quadripole(1, 2, 31, 32, 4, 5);
        source.x = 7.5f;
        source.depth = 2.5f;
        woxChannelQuadripole record;
        record.setQuadripole(source);
        record.setSets(0x1FF);   // eight sets at most: the low byte
        QVERIFY(record == source && record.sets == 0xFF && record.chained && record.marked);
        QCOMPARE(QString("%1 %2 %3 %4").arg(record.spacing).arg(record.level).arg(record.x).arg(record.depth),
                 QString("4 5 7.5 2.5"));
        QList<woxChannelQuadripole> sorted;
        for (const char *row : {"31 32 15 0", "17 33 1 1", "65534 3 17 17", "3 4 3 4", "34 15 2 15", "16 15 0 15",
                 "19 2 3 2"}) {
            const QStringList v = QString(row).split(' ');
            record.m = v[0].toUShort();
            record.n = v[1].toUShort();
            record.assignChannels();
            QVERIFY2(record.channelM == v[2].toInt() && record.channelN == v[3].toInt() && record.channel == 17, row);
            sorted << record;
        }
        // Channel M first, then channel N; two records without channels are equivalent.
        std::stable_sort(sorted.begin(), sorted.end());
        QString order;
        for (const woxChannelQuadripole &r : sorted)
            order += QString(" %1,%2").arg(r.channelM).arg(r.channelN);
        QCOMPARE(order, QString(" 0,15 1,1 2,15 3,2 3,4 15,0 17,17"));
        QVERIFY(!(sorted.last() < sorted.last()));
        // Longest list first; equal lengths are equivalent.
        QVERIFY(listSizeGreaterThan(QList<int>{1, 2, 3}, {1, 2}) && !listSizeGreaterThan(QList<int>{1, 2}, {3, 4})
                && !listSizeGreaterThan(QList<int>{3, 4}, {1, 2}) && !listSizeGreaterThan(QList<int>{1}, {1, 2}));
    }

    // "type a b m n weight": a gradient depth falls off as a Gaussian of where the inner dipole sits in the outer pair
    // (reciprocal codes swap pairs); a collapsed pair and other types keep it. A quadripole is its four electrodes.
    void depthWeightsAndIdentity()
    {
        for (const char *row : {"8 0 3 1 2 1", "8 0 5 1 2 0.6615", "8 0 9 1 2 0.3173", "11 0 9 0 0 0.0756",
                 "18 1 2 0 5 0.6615", "21 1 2 0 9 0.3173", "8 4 4 1 2 1", "18 1 2 6 6 1", "0 0 9 1 2 1",
                 "255 0 3 1 2 1"}) {
            const QStringList v = QString(row).split(' ');
            woxQuadripole q = woxMake::quadripole(v[1].toInt(), v[2].toInt(), v[3].toInt(), v[4].toInt());
            q.computeDepth(5.0f, v[0].toInt());
            const double full = table->factor(v[0].toInt(), 0, 0) * 5.0;
            QVERIFY2(std::fabs(q.depth - full * v[5].toDouble()) <= 1e-4 * full,
                     qPrintable(QString::number(q.depth / full)));
        }
        const woxQuadripole first = woxMake::quadripole(65535, 0, 65534, 5, 1, 2);
        woxQuadripole second = woxMake::quadripole(65535, 0, 65534, 5, 7, 9);
        second.x = 12.5f;
        QVERIFY(first == second && qHash(first) == qHash(second) && qHash(first) == qHash(QString("65535,0,65534,5")));
        const woxQuadripole swapped = woxMake::quadripole(0, 65535, 65534, 5);
        QVERIFY(!(first == swapped) && qHash(first) != qHash(swapped));
    }

    // The template screen's edits. Schlumberger on two cables: cell (0, 0) spread 3 (61 positions), (1, 2) 8 (56).
    void templateSetEditing()
    {
        woxTemplateSet s = woxMake::templateSet(2, 5.0f, 3, {{0, 0}, {1, 2}});
        QCOMPARE(state(s), QString("117/117 0,0 1,2"));
        QStandardItemModel grid(40, 120);   // off; listed twice: on and off; outside the grid: ignored
        s.applyMainSelection(
            {grid.index(1, 2), grid.index(0, 1), grid.index(0, 1), grid.index(30, 0), grid.index(0, 99)});
        for (const QPair<int, int> &cell : QList<QPair<int, int>>{{30, 0}, {0, 99}, {0, 0}})
            s.setAuxCell(cell.first, cell.second, true);
        QCOMPARE(state(s), QString("61/61 0,0 0,0+"));
        s.setArrayType(3);   // the same type keeps the marks
        s.applyMainSelection({grid.index(1, 2)});
        QCOMPARE(state(s), QString("117/117 0,0 0,0+ 1,2"));
        s.setArrayType(0);   // Wenner alpha has no second row; the marks go
        s.applyMainSelection({grid.index(1, 0), grid.index(0, 10)});   // spread 33: 31 positions
        s.setAuxCell(0, 10, true);
        s.setAuxCell(0, 0, true);
        QCOMPARE(state(s), QString("92/92 0,0 0,0+ 0,10 0,10+"));
        s.setArrangement(1, 5.0f);   // one cable keeps the marks; the long cell drops out
        QCOMPARE(state(s), QString("29/29 0,0 0,0+"));
        s.setArrangement(1, 2.5f);   // another spacing clears the marks
        QCOMPARE(state(s), QString("29/29 0,0"));
        QCOMPARE(s.quadripoleMap().value(woxSpacingLevel(0, 0)).value(0).x, 3.75f);
        QVERIFY(woxSpacingLevel(0, 98) < woxSpacingLevel(1, 0) && !(woxSpacingLevel(1, 0) < woxSpacingLevel(0, 98))
                && woxSpacingLevel(2, 3) < woxSpacingLevel(2, 4) && woxSpacingLevel(2, 3) == woxSpacingLevel(2, 3)
                && !(woxSpacingLevel(2, 3) == woxSpacingLevel(3, 2)));   // the map walks the grid row by row
        s.setAuxCell(0, 0, true);
        s.setArrangement(1, 2.5f);   // the same arrangement changes nothing
        QCOMPARE(state(s), QString("29/29 0,0 0,0+"));
        s.setArrangement(2, 1.0f);   // both: the marks go
        QCOMPARE(state(s), QString("61/61 0,0"));
        s.setAuxCell(0, 0, true);
        s.clearMain();   // the marks stay, and alone they leave the set empty
        QVERIFY(s.isEmpty() && s.quadripoleMap().isEmpty());
        QCOMPARE(state(s), QString("0/0 0,0+"));
        s.clear();
        QCOMPARE(state(s), QString("0/0"));
        woxTemplateSet untyped;   // no type chosen: no cell applies
        untyped.applyMainSelection({grid.index(0, 0), grid.index(5, 5)});
        QVERIFY(untyped.isEmpty() && state(untyped) == "0/0" && untyped.arrayType() == 255);
        s.setArrayType(0);
        s.applyMainSelection({grid.index(0, 0)});
        woxTemplateContent content;   // two cables at 5 m, nothing in it
        QVERIFY(content.cables == 2 && content.cableSpacing == 5.0f && !content.numberOfSets() && !content.isVarnex());
        QCOMPARE(int(content.arrayTypeOfSet(0)), 255);   // no set: no type, and no read outside the list
        const woxTemplateSet dipoles = woxMake::templateSet(2, 5.0f, 4, {});
        content.sets = {dipoles, untyped, s, dipoles};
        QCOMPARE(content.countSetsPerArrayType(), (QMap<quint8, quint8>{{0, 1}, {4, 2}, {255, 1}}));
        QCOMPARE(QString("%1 %2 %3").arg(content.arrayTypeOfSet(1)).arg(content.arrayTypeOfSet(2))
                     .arg(content.arrayTypeOfSet(200)), QString("255 0 4"));   // 200: the last set
        content.varnexQuadripoles.append(woxQuadripole());
        QVERIFY(content.isVarnex() && content.numberOfSets() == 4);
    }

    // A destroyed table is never read, and nothing loads it again.
    void cleanupTestCase()
    {
        QVERIFY(woxPseudoDepthTable::current());
        woxPseudoDepthTable::destroy();
        woxQuadripole q = woxMake::quadripole(0, 3, 1, 2);
        q.computeDepth(5.0f, 0);
        QVERIFY(q.depth == 0.0f && !woxPseudoDepthTable::current());
        woxQuadripoleGenerator::destroy();
        woxQuadripoleGenerator::destroy();   // none left: nothing happens
        QList<woxQuadripole> list;
        QVERIFY(woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 0, 0, 0, &list));
        QVERIFY(list.size() == 61 && list.last().depth == 0.0f && !woxPseudoDepthTable::current());
    }
};

QTEST_GUILESS_MAIN(tst_quadripoles)
#include "tst_quadripoles.moc"
