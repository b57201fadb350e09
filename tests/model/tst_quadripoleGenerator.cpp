#include "woxPseudoDepthTable.h"
#include "woxQuadripoleGenerator.h"

#include <QtTest>

#include <cmath>

namespace {

const int R = 65535;   // remote current electrode
const int P = 65534;   // remote potential electrode

QString text(const woxQuadripole &q)
{
    return QString("(%1,%2,%3,%4)").arg(q.a).arg(q.b).arg(q.m).arg(q.n);
}

QString text(int a, int b, int m, int n)
{
    return QString("(%1,%2,%3,%4)").arg(a).arg(b).arg(m).arg(n);
}

bool uses(const woxQuadripole &q, int electrode)
{
    return q.a == electrode || q.b == electrode || q.m == electrode || q.n == electrode;
}

QList<woxQuadripole> generate(int cables, int type, int spacing, int level, bool *fitted = nullptr,
                              const QSet<woxElectrode> *disabled = nullptr, int from = 0)
{
    QList<woxQuadripole> list;
    const bool result = woxQuadripoleGenerator::instance()->generateCell(
        woxCable(cables), 5.0f, woxArrayType(type), woxSpacing(spacing), woxLevel(level), &list,
        disabled, quint16(from), nullptr);
    if (fitted)
        *fitted = result;
    return list;
}

} // namespace

class tst_quadripoleGenerator : public QObject
{
    Q_OBJECT

private slots:
    // Counts and first/last quadripoles worked out from the pattern table:
    // positions = electrodes - spread per placement.
    void oneCellOfEveryFamily_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("0 wenner alpha") << 2 << 0 << 0 << 0 << 61 << text(0, 3, 1, 2) << text(60, 63, 61, 62);
        QTest::newRow("1 wenner beta L2") << 2 << 1 << 0 << 1 << 58 << text(0, 2, 4, 6) << text(57, 59, 61, 63);
        QTest::newRow("2 wenner gamma") << 2 << 2 << 0 << 0 << 61 << text(0, 2, 1, 3) << text(60, 62, 61, 63);
        QTest::newRow("3 schlumberger S2 L3") << 2 << 3 << 1 << 2 << 56 << text(0, 8, 3, 5) << text(55, 63, 58, 60);
        QTest::newRow("4 dipole S2 L3") << 2 << 4 << 1 << 2 << 57 << text(0, 2, 5, 7) << text(56, 58, 61, 63);
        QTest::newRow("5 forward pole-dipole") << 2 << 5 << 0 << 0 << 62 << text(R, 0, 1, 2) << text(R, 61, 62, 63);
        QTest::newRow("6 backward pole-dipole S3 L2") << 2 << 6 << 2 << 1 << 59 << text(R, 5, 0, 3) << text(R, 63, 58, 61);
        QTest::newRow("7 pole-pole one cable") << 1 << 7 << 0 << 4 << 27 << text(R, 0, P, 5) << text(R, 26, P, 31);
        QTest::newRow("8 gradient 3 L10") << 2 << 8 << 0 << 9 << 301 << text(0, 21, 7, 8) << text(42, 63, 55, 56);
        QTest::newRow("9 gradient 5 L10") << 2 << 9 << 0 << 9 << 473 << text(0, 21, 5, 6) << text(42, 63, 57, 58);
        QTest::newRow("10 gradient 7 L10") << 2 << 10 << 0 << 9 << 645 << text(0, 21, 3, 4) << text(42, 63, 59, 60);
        QTest::newRow("11 gradient 9 L3") << 2 << 11 << 0 << 2 << 285 << text(0, 7, 1, 2) << text(56, 63, 61, 62);
        QTest::newRow("11 gradient 9 S4 L12") << 2 << 11 << 3 << 11 << 684 << text(0, 28, 3, 7) << text(35, 63, 56, 60);
        QTest::newRow("12 reciprocal alpha") << 2 << 12 << 0 << 0 << 61 << text(1, 2, 0, 3) << text(61, 62, 60, 63);
        QTest::newRow("13 reciprocal beta") << 2 << 13 << 0 << 0 << 61 << text(2, 3, 0, 1) << text(62, 63, 60, 61);
        QTest::newRow("14 reciprocal gamma") << 2 << 14 << 0 << 0 << 61 << text(1, 3, 0, 2) << text(61, 63, 60, 62);
        QTest::newRow("15 reciprocal schlumberger") << 2 << 15 << 1 << 2 << 56 << text(3, 5, 0, 8) << text(58, 60, 55, 63);
        QTest::newRow("16 reciprocal dipole") << 2 << 16 << 1 << 2 << 57 << text(5, 7, 0, 2) << text(61, 63, 56, 58);
        QTest::newRow("17 reciprocal pole-pole") << 1 << 17 << 0 << 4 << 27 << text(R, 5, P, 0) << text(R, 31, P, 26);
        QTest::newRow("18 reciprocal gradient 3") << 2 << 18 << 0 << 9 << 301 << text(7, 8, 0, 21) << text(55, 56, 42, 63);
        QTest::newRow("21 reciprocal gradient 9") << 2 << 21 << 0 << 2 << 285 << text(1, 2, 0, 7) << text(61, 62, 56, 63);
        // The largest spreads that still fit once: 63 electrodes apart.
        QTest::newRow("0 wenner alpha L21") << 2 << 0 << 0 << 20 << 1 << text(0, 63, 21, 42) << text(0, 63, 21, 42);
        QTest::newRow("4 dipole S30 L3") << 2 << 4 << 29 << 2 << 1 << text(0, 30, 33, 63) << text(0, 30, 33, 63);
    }

    void oneCellOfEveryFamily()
    {
        QFETCH(int, cables);
        QFETCH(int, type);
        QFETCH(int, spacing);
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        bool fitted = false;
        const QList<woxQuadripole> list = generate(cables, type, spacing, level, &fitted);
        QVERIFY(fitted);
        QCOMPARE(list.size(), count);
        QCOMPARE(text(list.first()), first);
        QCOMPARE(text(list.last()), last);
        for (const woxQuadripole &q : list) {
            QCOMPARE(int(q.spacing), spacing);
            QCOMPARE(int(q.level), level);
        }
    }

    void wennerAlphaPositionsAndDepth()
    {
        const QList<woxQuadripole> list = generate(2, 0, 0, 0);
        QCOMPARE(list.at(0).x, 7.5f);
        QCOMPARE(list.at(1).x, 12.5f);
        QCOMPARE(list.at(2).x, 17.5f);
        QVERIFY(std::fabs(list.at(0).depth - 2.595f) < 1e-5f);
        for (int i = 1; i < list.size(); ++i) {
            QCOMPARE(list.at(i).x, list.at(i - 1).x + 5.0f);   // float addition
            QCOMPARE(list.at(i).depth, list.at(0).depth);
        }
    }

    void gradientKeepsItsInnerOffsets()
    {
        // S = 1, L = 10, k = 3: offsets 7 to 13, 43 positions each, in order.
        const QList<woxQuadripole> list = generate(2, 8, 0, 9);
        for (int p = 0; p < 7; ++p) {
            for (int j = 0; j < 43; ++j) {
                const woxQuadripole &q = list.at(p * 43 + j);
                QCOMPARE(int(q.a), j);
                QCOMPARE(int(q.b), j + 21);
                QCOMPARE(int(q.m) - j, 7 + p);
                QCOMPARE(int(q.n) - j, 8 + p);
            }
        }
        // The centred dipole (offset 10) keeps the full depth, offset 7 is weighted.
        const float full = woxPseudoDepthTable::current()->factor(8, 0, 9) * 5.0f;
        QCOMPARE(list.at(3 * 43).depth, full);
        const double t = (7.5 - 10.5) / (double(0.22f) * 21);
        QVERIFY(std::fabs(list.at(0).depth - full * std::exp(-0.5 * t * t)) < 1e-4);
        // k = 9 with L <= k keeps every offset 1 .. 2L - 1.
        const QList<woxQuadripole> all = generate(2, 11, 0, 2);
        QSet<int> offsets;
        for (const woxQuadripole &q : all)
            offsets.insert(q.m - q.a);
        QCOMPARE(offsets, (QSet<int>{1, 2, 3, 4, 5}));
    }

    void cellsThatDoNotApply()
    {
        bool fitted = true;
        for (int type : {0, 1, 2, 7, 12, 13, 14, 17}) {
            QVERIFY(generate(2, type, 1, 0, &fitted).isEmpty());
            QVERIFY(!fitted);
        }
        QVERIFY(generate(2, 22, 0, 0, &fitted).isEmpty());
        QVERIFY(!fitted);
        QVERIFY(generate(2, 255, 0, 0, &fitted).isEmpty());
        QVERIFY(!fitted);
        // Spread 33 on 32 electrodes.
        QVERIFY(generate(1, 0, 0, 10, &fitted).isEmpty());
        QVERIFY(!fitted);
        // Spread 63 still fits 64 electrodes once; 64 does not.
        QCOMPARE(generate(2, 0, 0, 20, &fitted).size(), 1);
        QVERIFY(fitted);
        QVERIFY(generate(2, 3, 29, 17, &fitted).isEmpty());   // 2L + S = 66
        QVERIFY(!fitted);
        QVERIFY(generate(0, 3, 0, 0, &fitted).isEmpty());
        QVERIFY(!fitted);
        QVERIFY(!woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 0, 0, 0, nullptr));
    }

    void appendsWithoutClearing()
    {
        QList<woxQuadripole> list;
        list.append(woxQuadripole());
        QVERIFY(woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 0, 0, 0, &list));
        QVERIFY(!woxQuadripoleGenerator::instance()->generateCell(2, 5.0f, 0, 1, 0, &list));
        QCOMPARE(list.size(), 62);
        QCOMPARE(text(list.at(1)), text(0, 3, 1, 2));
    }

    void disabledElectrodes()
    {
        const QSet<woxElectrode> five = {5};
        bool fitted = false;
        const QList<woxQuadripole> list = generate(2, 0, 0, 0, &fitted, &five);
        QVERIFY(fitted);
        QCOMPARE(list.size(), 57);   // positions starting at 2, 3, 4, 5 use electrode 5
        for (const woxQuadripole &q : list)
            QVERIFY(!uses(q, 5));

        const QSet<woxElectrode> remote = {woxElectrode(P)};
        QVERIFY(generate(1, 7, 0, 4, &fitted, &remote).isEmpty());
        QVERIFY(fitted);
        QVERIFY(generate(1, 17, 0, 4, &fitted, &remote).isEmpty());
        QVERIFY(fitted);
        QCOMPARE(generate(2, 5, 0, 0, &fitted, &remote).size(), 62);
    }

    void fromElectrode()
    {
        bool fitted = false;
        const QList<woxQuadripole> list = generate(2, 0, 0, 0, &fitted, nullptr, 32);
        QVERIFY(fitted);
        QCOMPARE(list.size(), 32);
        QCOMPARE(text(list.first()), text(29, 32, 30, 31));
        QCOMPARE(text(list.last()), text(60, 63, 61, 62));
        QCOMPARE(list.first().x, 30.5f * 5.0f);
        // Pole-pole: the remote electrodes do not count as farthest.
        const QList<woxQuadripole> pole = generate(2, 7, 0, 4, &fitted, nullptr, 40);
        QCOMPARE(text(pole.first()), text(R, 35, P, 40));
        QVERIFY(generate(2, 0, 0, 0, &fitted, nullptr, 64).isEmpty());
        QVERIFY(fitted);
    }

    void maximumDepth()
    {
        QList<woxQuadripole> list;
        float deepest = 0.0f;
        woxQuadripoleGenerator *generator = woxQuadripoleGenerator::instance();
        QVERIFY(generator->generateCell(2, 5.0f, 8, 0, 9, &list, nullptr, 0, &deepest));
        float expected = 0.0f;
        for (const woxQuadripole &q : list)
            expected = qMax(expected, q.depth);
        QCOMPARE(deepest, expected);
        QCOMPARE(deepest, woxPseudoDepthTable::current()->factor(8, 0, 9) * 5.0f);

        float high = 1000.0f;
        QVERIFY(generator->generateCell(2, 5.0f, 8, 0, 9, &list, nullptr, 0, &high));
        QCOMPARE(high, 1000.0f);
        // Filtered positions do not count.
        float none = 0.0f;
        QVERIFY(generator->generateCell(2, 5.0f, 0, 0, 0, &list, nullptr, 64, &none));
        QCOMPARE(none, 0.0f);
    }
};

QTEST_GUILESS_MAIN(tst_quadripoleGenerator)
#include "tst_quadripoleGenerator.moc"
