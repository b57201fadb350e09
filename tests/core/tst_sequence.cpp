// Sequences of whole templates: packing into runs, the order of the runs, and the session file written.
#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSizeLimit.h"
#include "woxMake.h"
#include "woxQuadripoleGenerator.h"
#include "woxSessionFile.h"
#include "woxTemplateContent.h"

#include <QtTest>

using woxMake::templateSet;

namespace {

// Quadripoles written "a,b,m,n a,b,m,n ..." make a Varnex template.
woxTemplateContent content(int cables, const QList<woxTemplateSet> &sets, const QString &varnex = QString())
{
    woxTemplateContent result;
    result.cables = woxCable(cables);
    result.sets = sets;
    for (const QString &q : varnex.split(' ', Qt::SkipEmptyParts)) {
        const QStringList e = q.split(',');
        result.varnexQuadripoles << woxMake::quadripole(e[0].toInt(), e[1].toInt(), e[2].toInt(), e[3].toInt());
    }
    return result;
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The runs written (-2: the file does not read back), and the session read from the file.
int generate(const woxTemplateContent &content, const woxCableConfiguration *configuration,
             const QString &fileName, woxSessionFile *session = nullptr)
{
    const int runs = woxQuadripoleGenerator::instance()->generateSequence(content, configuration, fileName);
    QFile file(fileName);
    return session && !(file.open(QIODevice::ReadOnly) && session->read(file)) ? -2 : runs;
}

} // namespace

class tst_sequence : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    woxFakeCommandRunner runner;

    QString path(const QString &name) const { return dir.filePath(name + ".woxSession"); }

private slots:
    // Each function starts with an empty folder and no command run.
    void init()
    {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        runner.calls.clear();
    }

    // One current pair's records "M,N" (":M,N" gives their channels) packed as "M,N@channel", "|" closing a run of at
    // most 16 channels; each record is read on its M or N channel, lowest M, N first.
    void packRuns()
    {
        // Seventeen: 16,17 shares channel 0 with 0,1 and moves to its N channel, 1; each later record moves on by
        // one; 15,16 finds no channel left. Then: ordered by M, then N channel; a remote potential takes the lowest
        // free channel; channels that are no receiver channels.
        for (const QStringList &row : QList<QStringList>{
                 {"0,1 1,2 2,3 3,4 4,5 5,6 6,7 7,8 8,9 9,10 10,11 11,12 12,13 13,14 14,15 15,16 16,17",
                  "0,1@0 16,17@1 1,2@2 2,3@3 3,4@4 4,5@5 5,6@6 6,7@7 7,8@8 8,9@9 9,10@10 10,11@11 11,12@12 "
                  "12,13@13 13,14@14 14,15@15| 15,16@15|"},
                 {"35,38 3,4 19,20", "3,4@3 19,20@4 35,38@6|"},
                 {"3,4 19,20 35,36", "3,4@3 19,20@4| 35,36@3|"},
                 {"65534,5 16,17 65534,9 2,3", "16,17@0 2,3@2 65534,5@1 65534,9@3|"},
                 {"3,4:16,200 0,1", "0,1@0 3,4@1|"}}) {
            QList<woxChannelQuadripole> group;
            for (const QString &record : row[0].split(' ')) {
                const QStringList e = record.split(QRegExp("[,:]"));
                group << woxChannelQuadripole();
                group.last().setQuadripole(woxMake::quadripole(40, 60, e[0].toInt(), e[1].toInt()));
                group.last().assignChannels();
                group.last().channelM = quint8(e.value(2, QString::number(group.last().channelM)).toInt());
                group.last().channelN = quint8(e.value(3, QString::number(group.last().channelN)).toInt());
            }
            const int runs = woxQuadripoleGenerator::instance()->packRuns(group);
            QStringList out;
            for (const woxChannelQuadripole &q : group)
                out << QString("%1,%2@%3%4").arg(q.m).arg(q.n).arg(q.channel).arg(q.chained ? "" : "|");
            QCOMPARE(out.join(' '), row[1]);
            QCOMPARE(runs, row[1].count('|'));
        }
    }

    // A run measures on an electrode when one of its records has it as M or N.
    void potentialOnElectrodes()
    {
        QList<woxChannelQuadripole> run;
        for (const woxQuadripole &q : {woxMake::quadripole(0, 1, 5, 6), woxMake::quadripole(0, 1, 7, 8)}) {
            run << woxChannelQuadripole();
            run.last().setQuadripole(q);
        }
        const struct { QList<woxElectrode> electrodes; bool on; } rows[] = {
            {{8}, true}, {{3, 5}, true}, {{0, 1}, false}, {{}, false}, {{6}, true}};
        for (const auto &row : rows)
            QCOMPARE(woxQuadripoleGenerator::instance()->potentialOnElectrodes(row.electrodes, run), row.on);
    }

    // Wenner alpha, dipole-dipole and Schlumberger at their first cell on one cable: the first and the last place the
    // same 29 quadripoles, each one row for sets 0 and 2 (mask 5) with the Wenner depth, 0.519 x 5 m; the 29
    // dipole-dipole rows have mask 2. Every set counts its own 29. Wire 5 off: no row uses electrode 5, and the
    // configuration is stored as given.
    void sharedRowsAndDisabledWires()
    {
        const woxTemplateContent c = content(1, {templateSet(1, 5.0f, 0, {{0, 0}}), templateSet(1, 5.0f, 4, {{0, 0}}),
                                                 templateSet(1, 5.0f, 3, {{0, 0}})});
        for (const bool withGap : {false, true}) {
            woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
            configuration.wires[5].enabled = !withGap;
            woxSessionFile session;
            QVERIFY(generate(c, &configuration, path("shared"), &session) > 0);
            QMap<int, int> rowsPerMask;
            for (const woxSessionDataUnit &unit : session.units) {
                const woxCoreQuadripole &q = unit.quadripole;
                QVERIFY(!withGap || (q.a != 5 && q.b != 5 && q.m != 5 && q.n != 5));
                rowsPerMask[unit.sets] += 1;
                if (unit.sets == 5)
                    QVERIFY(qAbs(unit.y - 2.595f) < 1e-5f);
            }
            // Each of the two geometries takes 4 positions on electrode 5.
            const int each = withGap ? 29 - 4 : 29;
            QCOMPARE(rowsPerMask, (QMap<int, int>{{2, each}, {5, each}}));
            QCOMPARE(session.summary.quadripoles, 3 * each);
            QCOMPARE(session.sets.size(), 3);
            QCOMPARE(int(session.sets.at(2).arrayType) * 100 + session.sets.at(2).quadripoleCount, 300 + each);
            QCOMPARE(session.cableConfiguration.wires.at(5).enabled, !withGap);
        }
    }

    // A Varnex session: repeated quadripoles one row, a quadripole on a wire that is off dropped, no set list, no
    // quadripole total, one depth of 0, and the Varnex electrode positions.
    void varnexSummary()
    {
        woxTemplateContent c = content(2, {}, "65535,3,4,5 0,3,1,2 0,3,1,2 4,7,5,6");
        c.varnexElectrodes.insert(3, woxElectrodePosition(15.0f, 0.0f, -1.0f));
        c.varnexElectrodes.insert(0, woxElectrodePosition(0.0f, 0.5f, 0.0f));
        woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        configuration.wires[7].enabled = false;
        woxSessionFile session;
        QCOMPARE(generate(c, &configuration, path("varnex"), &session), 2);
        QCOMPARE(session.units.size(), 2);
        QVERIFY(session.sets.isEmpty() && session.summary.quadripoles == 0);
        QCOMPARE(session.summary.setDepths, QVector<float>{0.0f});
        QCOMPARE(session.electrodePositions.keys(), QList<woxElectrode>({0, 3}));
        QCOMPARE(session.electrodePositions.value(0).y, 0.5f);
    }

    // The closed forms of the geometric factor at a 5 m spacing, b the potential dipole and n x b the nearest
    // current to potential distance: Wenner alpha 2 pi a, Schlumberger pi n (n + 1) b, dipole-dipole
    // pi n (n + 1) (n + 2) b, pole-dipole 2 pi n (n + 1) b (its remote electrode 1000 km away moves K by far less
    // than the tolerance).
    void geometricFactors()
    {
        const struct { woxArrayType type; int spacing, level; double k; } rows[] = {
            {0, 1, 1, 2 * M_PI * 5}, {0, 1, 4, 2 * M_PI * 20}, {0, 1, 10, 2 * M_PI * 50},
            {3, 1, 1, M_PI * 1 * 2 * 5}, {3, 2, 3, M_PI * 1.5 * 2.5 * 10}, {3, 5, 8, M_PI * 1.6 * 2.6 * 25},
            {4, 1, 1, M_PI * 1 * 2 * 3 * 5}, {4, 2, 3, M_PI * 1.5 * 2.5 * 3.5 * 10},
            {4, 5, 8, M_PI * 1.6 * 2.6 * 3.6 * 25},
            {5, 1, 1, 2 * M_PI * 1 * 2 * 5}, {5, 2, 3, 2 * M_PI * 1.5 * 2.5 * 10},
            {5, 5, 8, 2 * M_PI * 1.6 * 2.6 * 25}};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        for (const auto &row : rows) {
            const woxTemplateContent c =
                content(1, {templateSet(1, 5.0f, row.type, {{row.spacing - 1, row.level - 1}})});
            woxSessionFile session;
            QVERIFY(generate(c, &configuration, path("k"), &session) > 0);
            for (const woxSessionDataUnit &unit : session.units) {
                QVERIFY2(qAbs(unit.k - row.k) <= row.k * 2e-6,
                         qPrintable(QString("type %1 S %2 L %3: K %4")
                                        .arg(row.type).arg(row.spacing).arg(row.level).arg(double(unit.k))));
            }
        }
    }

    // Appending a cable segment keeps the positions whose farthest electrode is at or beyond the first new one: of
    // the 61 Wenner alpha positions at L = 1 on 64 electrodes (one run each), 32 from electrode 32 and 3 from 61.
    // Varnex quadripoles are taken whatever the bound.
    void appendedSegment()
    {
        const woxTemplateContent wenner = content(2, {templateSet(2, 5.0f, 0, {{0, 0}})});
        const woxTemplateContent varnex = content(2, {}, "0,3,1,2 4,7,5,6");
        const struct { const woxTemplateContent *content; quint16 fromElectrode; int runs; } rows[] = {
            {&wenner, 0, 61}, {&wenner, 32, 32}, {&wenner, 61, 3}, {&varnex, 32, 2}};
        for (const auto &row : rows) {
            QCOMPARE(woxQuadripoleGenerator::instance()->generateSequence(*row.content, nullptr, QString(),
                                                                          row.fromElectrode), row.runs);
        }
    }

    // Largest runs first, but a run that measures on an electrode that fed current in one of the last three runs
    // waits; when no run qualifies, the history is forgotten. Runs are marked alternately. Varnex quadripoles count
    // once, without a factor, their positions kept; wire 40 is off.
    void runOrder()
    {
        // Run sizes 4, 3, 3, 3, 3, 1: (2,3) measures on 0, A of the first run, and waits three runs; then forgetting.
        for (const QStringList &row : QList<QStringList>{
                 {"0,1,56,57 0,1,58,59 0,1,60,61 0,1,62,63 2,3,0,45 2,3,46,47 2,3,48,49 10,11,44,45 10,11,46,47 "
                  "10,11,48,49 20,21,44,45 20,21,46,47 20,21,48,49 30,31,44,45 30,31,46,47 30,31,48,49 50,51,60,61",
                  "0,1 10,11 20,21 30,31 2,3 50,51"},
                 {"0,1,60,61 0,1,62,63 2,3,1,33 0,1,60,61 2,3,44,45 4,5,48,49 40,41,42,43", "0,1 4,5 2,3"}}) {
            woxTemplateContent c = content(2, {}, row[0]);
            c.varnexElectrodes.insert(3, woxElectrodePosition(15.0f, 0.0f, -1.0f));
            woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
            configuration.wires[40].enabled = false;
            woxSessionFile session;
            QCOMPARE(generate(c, &configuration, path("order"), &session), row[1].count(' ') + 1);
            QStringList order;
            bool marked = true;
            for (const woxSessionDataUnit &unit : session.units) {
                QCOMPARE(QString("k %1 sets %2 marked %3").arg(unit.k).arg(unit.sets).arg(unit.marked),
                         QString("k 1 sets 1 marked %1").arg(marked));
                if (!unit.chained) {
                    order << QString("%1,%2").arg(unit.quadripole.a).arg(unit.quadripole.b);
                    marked = !marked;
                }
            }
            QCOMPARE(order.join(' '), row[1]);
            QCOMPARE(session.electrodePositions.value(3).z, -1.0f);
        }
    }

    // Overlapping sets, the first every cell of a gradient. Qt seeds its hashes per process: a hash deciding any order
    // in the file gives other bytes under another seed. A count beyond 16 bits shows as the largest, not wrapped.
    void overlappingSetsUnderEveryHashSeed()
    {
        woxTemplateContent c = content(2, {});
        for (const QVector<int> &set : QList<QVector<int>>{{8, 1, 1}, {0, 1, 1}, {3, 1, 1}, {4, 3, 2}, {16, 3, 3}}) {
            QList<QPair<int, int>> cells;   // every set[1]-th row, every set[2]-th level
            for (int cell = 0; cell < 30 * 99; ++cell) {
                if (cell / 99 % set[1] == 0 && cell % 99 % set[2] == 0)
                    cells.append({cell / 99, cell % 99});
            }
            c.sets << templateSet(2, 5.0f, set[0], cells);
        }
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        QByteArray first;
        woxSessionFile session;
        for (int seed : {0, -1}) {
            qSetGlobalQHashSeed(seed);
            QVERIFY(generate(c, &configuration, path("seeded"), &session) > 0);
            first = first.isEmpty() ? readAll(path("seeded")) : first;
            QVERIFY(readAll(path("seeded")) == first);
        }
        QCOMPARE(int(session.sets.first().quadripoleCount), 65535);
    }

    // One cable at 5 m; Wenner alpha at L = 10 and Schlumberger at S = L = 10 place the same (0,30,10,20) and
    // (1,31,11,21): one row each for both sets, K = 2 pi x 50 m. A failed write over the file leaves it whole.
    void goldenSessionFileSurvivesFailedWrites()
    {
        woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        configuration.remoteTxResistance = -1.0f;
        configuration.remoteTxPresent = true;
        const woxTemplateContent c = content(1, {templateSet(1, 5.0f, 0, {{0, 9}}), templateSet(1, 5.0f, 3, {{9, 9}})});
        runner.calls.clear();
        QCOMPARE(generate(c, &configuration, path("golden")), 2);
        // Counting alone writes nothing; the file written is synced.
        QCOMPARE(generate(c, &configuration, QString()) + generate(c, nullptr, path("none")), 2 + 2);
        QVERIFY(!QFile::exists(path("none")));
        QCOMPARE(runner.calls.size() == 1 ? runner.calls.at(0).program : QString(), QString("/bin/sync"));
        // Four floats, no decay, chargeability, quality, not valid; default options.
        const QString nothingMeasured = QString("00 ").repeated(53) + "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19";
        const QByteArray expected = woxHex(
            QString("33 11 44 22"
                    // summary: spacing 5, 1 cable, 4 quadripoles, 2 runs, array counts highest type first (3: 1 set,
                    // 0: 1 set), profile 155 m, both sets 5.19 x 5 deep; set list: types 0 and 3, 2 each; 32 wires
                    // and the remote transmitter, -1 and present
                    "40 14 00 00 00 00 00 00  01  00 00 00 04  00 00 00 02  00 00 00 02  03 01  00 01"
                    "40 63 60 00 00 00 00 00  00 00 00 02  40 39 F3 33 00 00 00 00  40 39 F3 33 00 00 00 00"
                    "00 00 00 02  00 00 02  03 00 02  00 00 00 20")
            + QString("BF F0 00 00 00 00 00 00 01 ").repeated(33) + "00 00 00 00 00 00 00 00 00"
            // no electrode positions; two rows: x 75, depth, K 314.159, resistivity 0; sets 0 and 1, last of its run,
            // marked; electrodes, channel; then x 80, not marked
            + "00 00 00 00  00 00 00 02  40 52 C0 00 00 00 00 00  40 39 F3 33 00 00 00 00"
              "40 73 A2 8C 60 00 00 00  00 00 00 00 00 00 00 00  03 00 01  00 00 00 1E 00 0A 00 14 0A"
            + nothingMeasured
            + "40 54 00 00 00 00 00 00  40 39 F3 33 00 00 00 00  40 73 A2 8C 60 00 00 00"
              "00 00 00 00 00 00 00 00  03 00 00  00 01 00 1F 00 0B 00 15 0B" + nothingMeasured
            // GPS fix: none, 2000-01-01 00:00
            + "00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00 25 68 59  00 00 00 00");
        QCOMPARE(readAll(path("golden")), expected);
        // A full disk: the write fails for real.
        woxDiagnosticCapture diagnostics;
        const woxTemplateContent larger = content(1, {templateSet(1, 5.0f, 4, {{0, 0}, {0, 1}})});
        int result = 0;
        woxWithFileSizeLimit(2000, [&] { result = generate(larger, &configuration, path("golden")); });
        QCOMPARE(result, -1);
        QCOMPARE(readAll(path("golden")), expected);
        QCOMPARE(QDir(dir.path()).entryList({"golden*"}, QDir::Files), QStringList{"golden.woxSession"});
        QCOMPARE(generate(larger, &configuration, dir.filePath("no/such.woxSession")), -1);
        // An empty template still writes its session: no rows, then the fix.
        QCOMPARE(generate(content(1, {}), &configuration, path("empty")), 0);
        QVERIFY(readAll(path("empty")).endsWith(woxHex("00 00 00 00  00 00  00 00 00 00 00 00 00 00"
                                                       "00 00 00 00 00 00 00 00  00 25 68 59  00 00 00 00")));
        const QString tooLarge = "File error: File too large", missing = "File error: No such file or directory";
        QCOMPARE(diagnostics.lines(), QStringList({tooLarge, missing}));
    }
};

QTEST_GUILESS_MAIN(tst_sequence)
#include "tst_sequence.moc"
