#include "woxBytes.h"
#include "woxChannelQuadripole.h"
#include "woxDiagnosticCapture.h"
#include "woxMake.h"
#include "woxSessionDataUnit.h"
#include "woxStreamed.h"

#include <QtTest>

namespace {

woxChannelQuadripole record(woxElectrode a, woxElectrode b, woxElectrode m, woxElectrode n)
{
    woxChannelQuadripole cq;
    cq.setQuadripole(woxMake::quadripole(a, b, m, n));
    cq.x = 12.5f;
    cq.depth = 3.25f;
    cq.sets = 5;
    cq.channel = 7;
    cq.chained = false;
    cq.marked = true;
    return cq;
}

} // namespace

class tst_sessionDataUnit : public QObject
{
    Q_OBJECT

private slots:
    void defaultRowIsOneHundredThirteenBytes()
    {
        woxSessionDataUnit unit;
        // x, y, k 1.0, resistivity; sets, chained, marked; quadripole 0,0,0,0 ch 17;
        // empty result with default options.
        const QByteArray expected = woxHex(
            "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
            "3F F0 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
            "00 00 00"
            "00 00 00 00 00 00 00 00 11"
            "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
            "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
            "00 00 00 00"
            "00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00  00"
            "00 02 00 00 00 3F F0 00 00 00 00 00 00 03 05 19");
        QCOMPARE(expected.size(), 113);
        QCOMPARE(woxStreamed(unit), expected);
    }

    void roundTripKeepsEveryField()
    {
        woxSessionDataUnit unit;
        unit.configure(5.0f, record(65535, 0, 1, 2));
        unit.resistivity = 42.5f;
        unit.result.decay = {1.0f, -2.5f, 0.125f};
        unit.result.valid = true;
        const QByteArray bytes = woxStreamed(unit);
        QCOMPARE(bytes.size(), 137);
        woxSessionDataUnit back;
        QCOMPARE(woxReadBack(bytes, back), QDataStream::Ok);
        QCOMPARE(woxStreamed(back), bytes);
    }

    // configure() takes position, depth, sets, flags, electrodes and channel
    // from the record, and the geometric factor from the electrode positions
    // (remote electrodes stand far away; the sign of the spacing is dropped).
    void configure_data()
    {
        QTest::addColumn<float>("spacing");
        QTest::addColumn<QVector<int>>("electrodes");
        QTest::addColumn<double>("k");
        // 0, 5, 10, 15 m: 2 pi / (1/10 - 1/5 - 1/15 + 1/10).
        QTest::newRow("dipole-dipole") << 5.0f << QVector<int>{0, 1, 2, 3} << 94.2478;
        QTest::newRow("negative spacing") << -5.0f << QVector<int>{0, 1, 2, 3} << 94.2478;
        QTest::newRow("pole-dipole") << 5.0f << QVector<int>{65535, 0, 1, 2} << 62.83185;
        QTest::newRow("pole-pole") << 5.0f << QVector<int>{65535, 0, 65534, 4} << 2 * M_PI * 20.0;
    }

    void configure()
    {
        QFETCH(float, spacing);
        QFETCH(QVector<int>, electrodes);
        QFETCH(double, k);
        woxSessionDataUnit unit;
        unit.configure(spacing, record(electrodes[0], electrodes[1], electrodes[2], electrodes[3]));
        QVERIFY2(qAbs(unit.k - k) < 1e-2, qPrintable(QString::number(unit.k)));
        QCOMPARE(QString("%1 %2 %3 %4 %5").arg(unit.x).arg(unit.y).arg(unit.sets).arg(unit.chained)
                     .arg(unit.marked),
                 QString("12.5 3.25 5 0 1"));
        QCOMPARE(QVector<int>({unit.quadripole.a, unit.quadripole.b, unit.quadripole.m,
                               unit.quadripole.n, unit.quadripole.channel}),
                 electrodes + QVector<int>{7});
    }

    void zeroSpacingStillTakesTheElectrodes()
    {
        woxDiagnosticCapture diagnostics;
        // A row that held another quadripole before must not keep it.
        woxSessionDataUnit unit;
        unit.configure(5.0f, record(10, 11, 12, 13));
        unit.configure(0.0f, record(0, 3, 1, 2));
        QCOMPARE(diagnostics.lines(), QStringList() << "woxSessionDataUnit error: configure cableSpacing == 0");
        QCOMPARE(QVector<int>({unit.quadripole.a, unit.quadripole.b, unit.quadripole.m,
                               unit.quadripole.n}),
                 QVector<int>({0, 3, 1, 2}));
        QCOMPARE(unit.k, 1.0f);
        QCOMPARE(unit.x, 12.5f);
    }

    void resistivityIsNeverNegative()
    {
        woxSessionDataUnit unit;
        unit.k = 10.0f;
        unit.result.rxVoltage = -20.0f;
        unit.result.txCurrent = 4.0f;
        unit.computeResistivity();
        QCOMPARE(unit.resistivity, 50.0f);
    }
};

QTEST_GUILESS_MAIN(tst_sessionDataUnit)
#include "tst_sessionDataUnit.moc"
