#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxElectrodePosition.h"
#include "woxMake.h"
#include "woxPseudoDepthTable.h"
#include "woxQuadripole.h"
#include "woxSetInfo.h"
#include "woxStreamed.h"

#include <QtTest>

#include <algorithm>

using woxMake::quadripole;

namespace {

woxChannelQuadripole channels(int m, int n)
{
    woxChannelQuadripole record;
    record.channelM = quint8(m);
    record.channelN = quint8(n);
    return record;
}

// Depth of a quadripole relative to its unweighted depth.
double weight(woxArrayType type, int a, int b, int m, int n)
{
    woxQuadripole q = quadripole(a, b, m, n);
    q.computeDepth(1.0f, type);
    return q.depth / woxPseudoDepthTable::current()->factor(type, 0, 0);
}

} // namespace

class tst_quadripole : public QObject
{
    Q_OBJECT

private slots:
    void identityIsTheFourElectrodes()
    {
        woxQuadripole first = quadripole(65535, 0, 65534, 5, 1, 2);
        woxQuadripole second = quadripole(65535, 0, 65534, 5, 7, 9);
        second.x = 12.5f;
        second.depth = 3.0f;
        QVERIFY(first == second);
        QCOMPARE(qHash(first), qHash(second));
        QCOMPARE(qHash(first), qHash(QString("65535,0,65534,5")));

        const woxQuadripole swapped = quadripole(0, 65535, 65534, 5);
        QVERIFY(!(first == swapped));
        QVERIFY(qHash(first) != qHash(swapped));

        QHash<woxQuadripole, int> merged;
        merged[first] = 1;
        merged[second] |= 2;
        QCOMPARE(merged.size(), 1);
        QCOMPARE(merged.value(first), 3);
    }

    void positions()
    {
        QCOMPARE(arrayPosition(255, 3, 9, 4, 5), 0.0f);
        QCOMPARE(arrayPosition(22, 3, 9, 4, 5), 0.0f);
        QCOMPARE(arrayPosition(5, 65535, 0, 1, 2), 0.75f);
        QCOMPARE(arrayPosition(0, 0, 3, 1, 2), 1.5f);     // (A + B) / 2
        QCOMPARE(arrayPosition(4, 0, 1, 2, 3), 1.5f);     // (A + N) / 2
        QCOMPARE(arrayPosition(7, 65535, 4, 65534, 9), 6.5f);   // (B + N) / 2
        QCOMPARE(arrayPosition(8, 0, 21, 7, 8), 7.5f);    // (M + N) / 2
        QCOMPARE(arrayPosition(18, 7, 8, 0, 21), 7.5f);   // (A + B) / 2
        QCOMPARE(arrayPosition(3, 65535, 65535, 0, 0), 65535.0f);   // no 16-bit overflow

        woxQuadripole q = quadripole(65535, 0, 1, 2);
        q.computePosition(5.0f, 5);
        QCOMPARE(q.x, 3.75f);
    }

    void depths()
    {
        woxQuadripole wenner = quadripole(0, 3, 1, 2);
        wenner.computeDepth(5.0f, 0);
        QCOMPARE(wenner.depth, woxPseudoDepthTable::current()->factor(0, 0, 0) * 5.0f);
        QVERIFY(qAbs(wenner.depth - 2.595f) < 1e-5f);

        woxQuadripole none = quadripole(0, 3, 1, 2);
        none.computeDepth(5.0f, 255);
        QCOMPARE(none.depth, 0.0f);

        // Wenner alpha is never weighted, however off-centre.
        QCOMPARE(weight(0, 0, 9, 1, 2), 1.0);
    }

    void gradientWeighting()
    {
        QVERIFY(qAbs(weight(8, 0, 3, 1, 2) - 1.0) < 1e-6);
        QVERIFY(qAbs(weight(8, 0, 5, 1, 2) - 0.6615) < 1e-4);
        QVERIFY(qAbs(weight(8, 0, 9, 1, 2) - 0.3173) < 1e-4);
        QVERIFY(qAbs(weight(11, 0, 9, 0, 0) - 0.0756) < 1e-4);    // d = 0: lower bound
        // Reciprocal gradients take M, N as the outer pair.
        QVERIFY(qAbs(weight(18, 1, 2, 0, 5) - 0.6615) < 1e-4);
        QVERIFY(qAbs(weight(21, 1, 2, 0, 9) - 0.3173) < 1e-4);
        // A collapsed outer pair must not divide by zero.
        QCOMPARE(weight(8, 4, 4, 1, 2), 1.0);
        QCOMPARE(weight(18, 1, 2, 6, 6), 1.0);
    }

    void channelRecords()
    {
        woxQuadripole source = quadripole(1, 2, 31, 32, 4, 5);
        source.x = 7.5f;
        source.depth = 2.5f;
        woxChannelQuadripole record;
        record.setQuadripole(source);
        record.setSets(0x1FF);
        QCOMPARE(record.sets, quint8(0xFF));
        QVERIFY(record == source);
        QCOMPARE(QVector<float>({float(record.spacing), float(record.level), record.x, record.depth}),
                 QVector<float>({4, 5, 7.5f, 2.5f}));

        record.assignChannels();
        QCOMPARE(record.channelM, quint8(15));
        QCOMPARE(record.channelN, quint8(0));
        QCOMPARE(record.channel, quint8(17));

        record.m = 17;
        record.n = 33;
        record.assignChannels();
        QCOMPARE(record.channelM, quint8(1));
        QCOMPARE(record.channelN, quint8(1));

        record.m = 65534;
        record.n = 3;
        record.assignChannels();
        QCOMPARE(record.channelM, quint8(17));
        QCOMPARE(record.channelN, quint8(17));
    }

    void channelOrder()
    {
        QList<woxChannelQuadripole> records = {channels(3, 4), channels(17, 17), channels(3, 2),
                                               channels(0, 15)};
        std::stable_sort(records.begin(), records.end());
        QList<QPair<int, int>> pairs;
        for (const woxChannelQuadripole &r : records)
            pairs.append(qMakePair(int(r.channelM), int(r.channelN)));
        QCOMPARE(pairs, (QList<QPair<int, int>>{{0, 15}, {3, 2}, {3, 4}, {17, 17}}));
        QVERIFY(!(channels(17, 17) < channels(17, 17)));
        QVERIFY(channels(15, 17) < channels(17, 0));
    }

    void listSizes()
    {
        const QList<int> two = {1, 2};
        const QList<int> otherTwo = {3, 4};
        const QList<int> three = {1, 2, 3};
        QVERIFY(!listSizeGreaterThan(two, otherTwo));
        QVERIFY(!listSizeGreaterThan(otherTwo, two));
        QVERIFY(listSizeGreaterThan(three, two));
        QVERIFY(!listSizeGreaterThan(two, three));
    }

    void electrodePositionStream()
    {
        const QByteArray bytes = woxHex("3F F0 00 00 00 00 00 00  40 00 00 00 00 00 00 00"
                                        "BF E0 00 00 00 00 00 00");
        QCOMPARE(woxStreamed(woxElectrodePosition(1.0f, 2.0f, -0.5f)), bytes);
        woxElectrodePosition position;
        QCOMPARE(woxReadBack(bytes, position), QDataStream::Ok);
        QCOMPARE(woxStreamed(position), bytes);
    }

    void electrodeMapStream()
    {
        woxElectrodeMap map;
        map.insert(1, woxElectrodePosition(0.5f, 0.0f, 0.0f));
        map.insert(300, woxElectrodePosition(2.0f, 0.0f, 0.0f));
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_8);
        writeElectrodeMap(out, map);
        // Highest electrode first.
        QCOMPARE(bytes, woxHex("00 00 00 02"
                               "01 2C 40 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                               "00 00 00 00 00 00 00 00"
                               "00 01 3F E0 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                               "00 00 00 00 00 00 00 00"));
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        woxElectrodeMap back;
        readElectrodeMap(in, &back);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(back.keys(), map.keys());
        QCOMPARE(back.value(300).x, 2.0f);

        // A count the bytes cannot hold is refused.
        QDataStream damaged(woxHex("00 00 00 03") + bytes.mid(4));
        damaged.setVersion(QDataStream::Qt_4_8);
        readElectrodeMap(damaged, &back);
        QVERIFY(damaged.status() != QDataStream::Ok);
        QVERIFY(back.isEmpty());
    }

    void setListStream()
    {
        const QVector<woxSetInfo> one = {woxSetInfo(4, 40000)};
        QCOMPARE(woxStreamed(one), woxHex("00 00 00 01 04 9C 40"));
        QCOMPARE(woxStreamed(QVector<woxSetInfo>{woxSetInfo(255, 65535), woxSetInfo(0, 0)}),
                 woxHex("00 00 00 02 FF FF FF 00 00 00"));
        QCOMPARE(woxStreamed(QVector<woxSetInfo>()), woxHex("00 00 00 00"));

        const QByteArray bytes = woxHex("00 00 00 02 FF FF FF 15 00 78");
        QVector<woxSetInfo> sets = {woxSetInfo(1, 1), woxSetInfo(2, 2), woxSetInfo(3, 3)};
        QCOMPARE(woxReadBack(bytes, sets), QDataStream::Ok);
        QCOMPARE(woxStreamed(sets), bytes);   // the earlier entries are gone
    }

    void damagedSetListsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("negative count") << woxHex("FF FF FF FF 04 9C 40");
        QTest::newRow("huge count") << woxHex("7F FF FF FF 04 9C 40");
        QTest::newRow("count beyond the bytes") << woxHex("00 00 00 02 04 9C 40");
        QTest::newRow("short entry") << woxHex("00 00 00 01 04 9C");
        QTest::newRow("short count") << woxHex("00 00 00");
    }

    void damagedSetListsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        QVector<woxSetInfo> sets = {woxSetInfo(1, 1)};
        in >> sets;
        QVERIFY(in.status() != QDataStream::Ok);
        QVERIFY(sets.isEmpty());
    }

    void setLines()
    {
        QVERIFY(setInfoToStringList({}).isEmpty());
        const QStringList lines =
            setInfoToStringList({woxSetInfo(0, 61), woxSetInfo(255, 0), woxSetInfo(3, 120)});
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0), QString("1/3 Wenner ") + QChar(0x03B1) + " [61]");
        QCOMPARE(lines.at(1), QString("2/3 Unknown array [0]"));
        QCOMPARE(lines.at(2), QString("3/3 Schlumberger [120]"));
    }

    // Last: afterwards there is no table for the rest of this process.
    void depthAfterTheTableIsGoneIsZero()
    {
        woxPseudoDepthTable::destroy();
        woxQuadripole q = quadripole(0, 3, 1, 2);
        q.computeDepth(5.0f, 0);
        QCOMPARE(q.depth, 0.0f);
        QVERIFY(!woxPseudoDepthTable::current());   // constructing no longer loads it
    }
};

QTEST_GUILESS_MAIN(tst_quadripole)
#include "tst_quadripole.moc"
