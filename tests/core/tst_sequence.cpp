#include "woxBytes.h"
#include "woxCableConfiguration.h"
#include "woxChannelQuadripole.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxFileSummary.h"
#include "woxGPSFix.h"
#include "woxMake.h"
#include "woxQuadripoleGenerator.h"
#include "woxSessionDataUnit.h"
#include "woxSetInfo.h"
#include "woxTemplateContent.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(QList<woxQuadripole>)

using woxMake::quadripole;
using woxMake::templateSet;

namespace {

woxQuadripoleGenerator *generator()
{
    return woxQuadripoleGenerator::instance();
}

woxChannelQuadripole record(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n)
{
    woxChannelQuadripole cq;
    cq.setQuadripole(quadripole(a, b, m, n));
    cq.assignChannels();
    return cq;
}

QList<QPair<int, int>> everyCell()
{
    QList<QPair<int, int>> cells;
    for (int s = 0; s < woxTemplateSet::spacingRows; ++s) {
        for (int l = 0; l < woxTemplateSet::levelColumns; ++l)
            cells.append(qMakePair(s, l));
    }
    return cells;
}

woxTemplateContent varnexContent(const QList<woxQuadripole> &quadripoles)
{
    woxTemplateContent content;
    content.varnexQuadripoles = quadripoles;
    return content;
}

// Everything a new session file holds, read back with the records' readers.
struct woxSessionRead
{
    qint32 magic = 0;
    woxFileSummary summary;
    QVector<woxSetInfo> sets;
    woxCableConfiguration configuration;
    woxElectrodeMap electrodes;
    QList<woxSessionDataUnit> rows;
    woxGPSFix fix;
    bool complete = false;
};

woxSessionRead readSession(const QString &fileName)
{
    woxSessionRead session;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return session;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_4_8);
    in >> session.magic >> session.summary >> session.sets >> session.configuration;
    readElectrodeMap(in, &session.electrodes);
    qint32 rows = 0;
    in >> rows;
    for (qint32 i = 0; i < rows && in.status() == QDataStream::Ok; ++i) {
        woxSessionDataUnit row;
        in >> row;
        session.rows.append(row);
    }
    in >> session.fix;
    session.complete = in.status() == QDataStream::Ok && in.atEnd();
    return session;
}

QString electrodes(const woxSessionDataUnit &row)
{
    return QString("%1,%2,%3,%4").arg(row.quadripole.a).arg(row.quadripole.b)
        .arg(row.quadripole.m).arg(row.quadripole.n);
}

// The current pairs of the runs, in file order.
QStringList runPairs(const QList<woxSessionDataUnit> &rows)
{
    QStringList pairs;
    for (const woxSessionDataUnit &row : rows) {
        if (!row.chained)
            pairs << QString("%1,%2").arg(row.quadripole.a).arg(row.quadripole.b);
    }
    return pairs;
}

// Expected bytes of a default measurement result: four floats, no decay,
// chargeability, quality, not valid, default options.
const char *const emptyResult =
    "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
    "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
    "00 00 00 00"
    "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00"
    "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19";

} // namespace

class tst_sequence : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    woxFakeCommandRunner *runner = nullptr;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void init() { runner = new woxFakeCommandRunner; }
    void cleanup()
    {
        delete runner;
        runner = nullptr;
    }

    // Packing of one current pair's records into runs of at most 16
    // channels: each record as "M,N@channel" in packed order, "|" closing a
    // run (the record that is not chained).
    void packRuns_data()
    {
        QTest::addColumn<QList<QVector<int>>>("records");   // M, N, and channels M, N if set
        QTest::addColumn<QString>("packed");
        QList<QVector<int>> seventeen;
        for (int m = 0; m <= 16; ++m)
            seventeen << QVector<int>{m, m + 1};
        // 16,17 shares channel 0 with 0,1 and moves to its N channel, 1;
        // each later record moves on by one; 15,16 finds no channel left.
        QTest::newRow("seventeen")
            << seventeen
            << "0,1@0 16,17@1 1,2@2 2,3@3 3,4@4 4,5@5 5,6@6 6,7@7 7,8@8 8,9@9 9,10@10 10,11@11 "
               "11,12@12 12,13@13 13,14@14 14,15@15| 15,16@15|";
        QTest::newRow("a channel pair is shared")
            << QList<QVector<int>>{{3, 4}, {19, 20}, {35, 36}} << "3,4@3 19,20@4| 35,36@3|";
        QTest::newRow("remote potential takes the lowest free channel")
            << QList<QVector<int>>{{65534, 5}, {16, 17}, {65534, 9}, {2, 3}}
            << "16,17@0 2,3@2 65534,5@1 65534,9@3|";
        QTest::newRow("channels that are no receiver channels")
            << QList<QVector<int>>{{3, 4, 16, 200}, {0, 1}} << "0,1@0 3,4@1|";
    }

    void packRuns()
    {
        QFETCH(QList<QVector<int>>, records);
        QFETCH(QString, packed);
        QList<woxChannelQuadripole> group;
        for (const QVector<int> &r : records) {
            group << record(40, 60, woxElectrode(r[0]), woxElectrode(r[1]));
            if (r.size() == 4) {
                group.last().channelM = quint8(r[2]);
                group.last().channelN = quint8(r[3]);
            }
        }
        const int runs = generator()->packRuns(group);
        QStringList out;
        for (const woxChannelQuadripole &q : group)
            out << QString("%1,%2@%3%4").arg(q.m).arg(q.n).arg(q.channel).arg(q.chained ? "" : "|");
        QCOMPARE(out.join(' '), packed);
        QCOMPARE(runs, packed.count('|'));
    }

    // A run that measures on an electrode that carried current in one of
    // the last three runs waits; when no run qualifies, history is dropped.
    void runOrder_data()
    {
        QTest::addColumn<QList<woxQuadripole>>("list");
        QTest::addColumn<QStringList>("pairs");
        // Run sizes 4, 3, 3, 3, 3, 1: (2,3) measures on 0, A of the first run.
        QList<woxQuadripole> waits;
        waits << quadripole(0, 1, 56, 57) << quadripole(0, 1, 58, 59)
              << quadripole(0, 1, 60, 61) << quadripole(0, 1, 62, 63);
        waits << quadripole(2, 3, 0, 45) << quadripole(2, 3, 46, 47) << quadripole(2, 3, 48, 49);
        for (woxElectrode a : {10, 20, 30}) {
            waits << quadripole(a, a + 1, 44, 45) << quadripole(a, a + 1, 46, 47)
                  << quadripole(a, a + 1, 48, 49);
        }
        waits << quadripole(50, 51, 60, 61);
        QTest::newRow("waits three runs") << waits
            << QStringList{"0,1", "10,11", "20,21", "30,31", "2,3", "50,51"};
        QTest::newRow("history forgotten")
            << QList<woxQuadripole>{quadripole(0, 1, 60, 61), quadripole(0, 1, 62, 63),
                                    quadripole(2, 3, 1, 33), quadripole(2, 3, 44, 45),
                                    quadripole(4, 5, 48, 49)}
            << QStringList{"0,1", "4,5", "2,3"};
    }

    void runOrder()
    {
        QFETCH(QList<woxQuadripole>, list);
        QFETCH(QStringList, pairs);
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        QCOMPARE(generator()->generateSequence(varnexContent(list), &configuration,
                                               path("order.woxSession")), pairs.size());
        const woxSessionRead session = readSession(path("order.woxSession"));
        QVERIFY(session.complete);
        QCOMPARE(runPairs(session.rows), pairs);
    }

    void runsAreChainedAndMarkedAlternately()
    {
        const woxTemplateSet set = templateSet(1, 5.0f, 4, {{0, 0}, {1, 2}});
        woxTemplateContent content;
        content.cables = 1;
        content.sets = {set};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        const int runs = generator()->generateSequence(content, &configuration,
                                                       path("marks.woxSession"));
        const woxSessionRead session = readSession(path("marks.woxSession"));
        QVERIFY(session.complete);
        QCOMPARE(session.summary.runs, runs);
        QVERIFY(runs > 3);
        bool marked = true;
        int closed = 0;
        for (const woxSessionDataUnit &row : session.rows) {
            QCOMPARE(row.marked, marked);
            if (!row.chained) {
                marked = !marked;
                ++closed;
            }
        }
        QCOMPARE(closed, runs);
        QVERIFY(!session.rows.last().chained);
    }

    void sharedGeometryBecomesOneRowWithEverySet()
    {
        // Wenner alpha at L = 1 and Schlumberger at S = L = 1 place the same
        // electrodes; dipole-dipole in between places others.
        woxTemplateContent content;
        content.cables = 1;
        content.sets = {templateSet(1, 5.0f, 0, {{0, 0}}), templateSet(1, 5.0f, 4, {{0, 0}}),
                        templateSet(1, 5.0f, 3, {{0, 0}})};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        generator()->generateSequence(content, &configuration, path("merge.woxSession"));
        const woxSessionRead session = readSession(path("merge.woxSession"));
        QVERIFY(session.complete);
        QCOMPARE(session.rows.size(), 29 + 29);
        QCOMPARE(session.summary.quadripoles, 29 * 3);
        int shared = 0;
        for (const woxSessionDataUnit &row : session.rows) {
            if (row.quadripole.b - row.quadripole.a == 3) {
                QCOMPARE(int(row.sets), 5);
                QVERIFY(qAbs(row.y - 2.595f) < 1e-5f);
                ++shared;
            } else {
                QCOMPARE(int(row.sets), 2);
            }
        }
        QCOMPARE(shared, 29);
        QCOMPARE(session.sets.size(), 3);
        QCOMPARE(int(session.sets.at(2).arrayType), 3);
        QCOMPARE(int(session.sets.at(2).quadripoleCount), 29);
    }

    void disabledElectrodesAreNeverUsed()
    {
        woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        configuration.wires[5].enabled = false;
        woxTemplateContent content;
        content.cables = 1;
        content.sets = {templateSet(1, 5.0f, 0, {{0, 0}, {0, 1}})};
        generator()->generateSequence(content, &configuration, path("disabled.woxSession"));
        const woxSessionRead session = readSession(path("disabled.woxSession"));
        QVERIFY(session.complete);
        for (const woxSessionDataUnit &row : session.rows) {
            QVERIFY(row.quadripole.a != 5 && row.quadripole.b != 5);
            QVERIFY(row.quadripole.m != 5 && row.quadripole.n != 5);
        }
        QVERIFY(!session.rows.isEmpty() && !session.configuration.wires.at(5).enabled);

        const QList<woxQuadripole> list = {quadripole(0, 3, 1, 2), quadripole(4, 7, 5, 6)};
        QCOMPARE(generator()->generateSequence(varnexContent(list), &configuration,
                                               path("disabledVarnex.woxSession")), 1);
    }

    void varnexSession()
    {
        woxTemplateContent content = varnexContent(
            {quadripole(65535, 3, 4, 5), quadripole(0, 3, 1, 2), quadripole(0, 3, 1, 2)});
        content.varnexElectrodes.insert(3, woxElectrodePosition(15.0f, 0.0f, -1.0f));
        content.varnexElectrodes.insert(0, woxElectrodePosition(0.0f, 0.5f, 0.0f));
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        QCOMPARE(generator()->generateSequence(content, &configuration,
                                               path("varnex.woxSession")), 2);
        const woxSessionRead session = readSession(path("varnex.woxSession"));
        QVERIFY(session.complete);
        QCOMPARE(session.rows.size(), 2);
        for (const woxSessionDataUnit &row : session.rows) {
            QCOMPARE(row.k, 1.0f);
            QCOMPARE(int(row.sets), 1);
        }
        QVERIFY(session.sets.isEmpty());
        QCOMPARE(session.electrodes.size(), 2);
        QCOMPARE(session.electrodes.value(3).z, -1.0f);
        QCOMPARE(session.electrodes.value(0).y, 0.5f);
    }

    void countingWritesNothing()
    {
        woxTemplateContent content;
        content.sets = {templateSet(2, 5.0f, 4, {{0, 0}, {2, 5}}),
                        templateSet(2, 5.0f, 5, {{1, 1}})};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        const int counted = generator()->generateSequence(content, nullptr, path("none"));
        QCOMPARE(generator()->generateSequence(content, &configuration, QString()), counted);
        QVERIFY(!QFile::exists(path("none")));
        QVERIFY(runner->calls.isEmpty());
        QCOMPARE(generator()->generateSequence(content, &configuration,
                                               path("counted.woxSession")), counted);
        QCOMPARE(readSession(path("counted.woxSession")).summary.runs, counted);
        QCOMPARE(runner->calls.size(), 1);
        QCOMPARE(runner->calls.at(0).program, QString("/bin/sync"));
    }

    void setCountSaturatesInsteadOfWrapping()
    {
        woxTemplateContent content;
        content.sets = {templateSet(2, 5.0f, 8, everyCell())};
        const int produced = content.sets.first().measurementCount();
        QVERIFY(produced > 100000);
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(2);
        QVERIFY(generator()->generateSequence(content, &configuration,
                                              path("gradient.woxSession")) > 0);
        const woxSessionRead session = readSession(path("gradient.woxSession"));
        QVERIFY(session.complete);
        QCOMPARE(int(session.sets.first().quadripoleCount), 65535);
        QCOMPARE(session.summary.quadripoles, produced);
    }

    void failedWriteKeepsThePreviousFile()
    {
        woxTemplateContent content;
        content.cables = 1;
        content.sets = {templateSet(1, 5.0f, 4, {{0, 0}, {0, 1}, {1, 1}})};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        const QString name = path("working.woxSession");
        QVERIFY(generator()->generateSequence(woxTemplateContent(), &configuration, name) == 0);
        const woxSessionRead empty = readSession(name);   // an empty template still writes
        QVERIFY(empty.complete && empty.rows.isEmpty());
        QFile previous(name);
        QVERIFY(previous.open(QIODevice::ReadOnly));
        const QByteArray before = previous.readAll();
        previous.close();

        // The file-size limit holds for root too: the write fails for real.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 2000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        woxDiagnosticCapture diagnostics;
        const int result = generator()->generateSequence(content, &configuration, name);
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(result, -1);
        QCOMPARE(diagnostics.lines(), QStringList{"File error: File too large"});
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QStringList() << "working*", QDir::Files),
                 QStringList() << "working.woxSession");

        diagnostics.clear();
        QCOMPARE(generator()->generateSequence(content, &configuration, path("no/such.woxSession")),
                 -1);
        QCOMPARE(diagnostics.lines(), QStringList{"File error: No such file or directory"});
    }

    void goldenSessionFile()
    {
        // One cable at 5 m, one Wenner alpha set, only cell (0, 9): L = 10,
        // quadripoles (0,30,10,20) and (1,31,11,21), K = 2 pi x 50 m.
        woxTemplateContent content;
        content.cables = 1;
        content.cableSpacing = 5.0f;
        content.sets = {templateSet(1, 5.0f, 0, {{0, 9}})};
        woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        configuration.remoteTxResistance = -1.0f;
        configuration.remoteTxPresent = true;
        QCOMPARE(generator()->generateSequence(content, &configuration,
                                               path("golden.woxSession")), 2);

        QString wires;
        for (int i = 0; i < 32; ++i)
            wires += "BF F0 00 00 00 00 00 00 01 ";
        const QByteArray expected = woxHex(
            QString("33 11 44 22"
                    // summary: spacing 5, 1 cable, 2 quadripoles, 2 runs,
                    // one array type (0: 1 set), profile 155 m, depth 5.19 x 5
                    "40 14 00 00 00 00 00 00  01  00 00 00 02  00 00 00 02"
                    "00 00 00 01  00 01"
                    "40 63 60 00 00 00 00 00"
                    "00 00 00 01  40 39 F3 33 00 00 00 00"
                    // set list
                    "00 00 00 01  00  00 02"
                    // cable configuration
                    "00 00 00 20 %1"
                    "BF F0 00 00 00 00 00 00 01  00 00 00 00 00 00 00 00 00"
                    // no electrode positions, two rows
                    "00 00 00 00  00 00 00 02"
                    // x 75, depth, K 314.159, resistivity 0; set 0, last of its run, marked
                    "40 52 C0 00 00 00 00 00  40 39 F3 33 00 00 00 00"
                    "40 73 A2 8C 60 00 00 00  00 00 00 00 00 00 00 00"
                    "01 00 01  00 00 00 1E 00 0A 00 14 0A %2"
                    // x 80; the second run is not marked
                    "40 54 00 00 00 00 00 00  40 39 F3 33 00 00 00 00"
                    "40 73 A2 8C 60 00 00 00  00 00 00 00 00 00 00 00"
                    "01 00 00  00 01 00 1F 00 0B 00 15 0B %2"
                    // GPS fix: none, 2000-01-01 00:00
                    "00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                    "00 25 68 59  00 00 00 00")
                .arg(wires)
                .replace("%2", emptyResult));
        QCOMPARE(expected.size(), 624);
        QFile file(path("golden.woxSession"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    void geometricFactorsMatchTheClosedForms_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacingIndex");
        QTest::addColumn<int>("levelIndex");
        QTest::addColumn<double>("expected");
        const double s = 5.0;
        // b = potential-dipole length, n x b = nearest current-potential distance.
        for (int l = 1; l <= 10; l += 3)
            QTest::addRow("Wenner alpha L=%d", l) << 0 << 0 << l - 1 << 2 * M_PI * l * s;
        for (int sp : {1, 2, 5}) {
            for (int l : {1, 3, 8}) {
                const double b = sp * s;
                const double n = double(l) / sp;
                QTest::addRow("Schlumberger S=%d L=%d", sp, l)
                    << 3 << sp - 1 << l - 1 << M_PI * n * (n + 1) * b;
                QTest::addRow("dipole-dipole S=%d L=%d", sp, l)
                    << 4 << sp - 1 << l - 1 << M_PI * n * (n + 1) * (n + 2) * b;
                QTest::addRow("pole-dipole S=%d L=%d", sp, l)
                    << 5 << sp - 1 << l - 1 << 2 * M_PI * n * (n + 1) * b;
            }
        }
    }

    void geometricFactorsMatchTheClosedForms()
    {
        QFETCH(int, type);
        QFETCH(int, spacingIndex);
        QFETCH(int, levelIndex);
        QFETCH(double, expected);
        woxTemplateContent content;
        content.cables = 1;
        content.sets = {templateSet(1, 5.0f, woxArrayType(type), {{spacingIndex, levelIndex}})};
        const woxCableConfiguration configuration = woxMake::allWiresEnabled(1);
        QVERIFY(generator()->generateSequence(content, &configuration, path("k.woxSession")) > 0);
        const woxSessionRead session = readSession(path("k.woxSession"));
        QVERIFY(!session.rows.isEmpty());
        // The remote electrode stands 1000 km away: its terms shift K by far
        // less than this.
        for (const woxSessionDataUnit &row : session.rows)
            QVERIFY2(qAbs(row.k - expected) <= expected * 2e-6, qPrintable(electrodes(row)));
    }
};

QTEST_GUILESS_MAIN(tst_sequence)
#include "tst_sequence.moc"
