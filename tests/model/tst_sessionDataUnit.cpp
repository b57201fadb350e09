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
        QCOMPARE(unit.k, 1.0f);
        QVERIFY(!unit.chained);
        QVERIFY(!unit.marked);
        QCOMPARE(int(unit.sets), 0);
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
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        in >> back;
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QCOMPARE(back.x, unit.x);
        QCOMPARE(back.y, unit.y);
        QCOMPARE(back.k, unit.k);
        QCOMPARE(back.resistivity, 42.5f);
        QCOMPARE(back.sets, unit.sets);
        QCOMPARE(back.chained, unit.chained);
        QCOMPARE(back.marked, unit.marked);
        QCOMPARE(back.quadripole.a, woxElectrode(65535));
        QCOMPARE(back.quadripole.n, woxElectrode(2));
        QCOMPARE(int(back.quadripole.channel), 7);
        QCOMPARE(back.result.decay, unit.result.decay);
        QVERIFY(back.result.valid);
    }

    void configureTakesTheRecord()
    {
        woxSessionDataUnit unit;
        unit.configure(5.0f, record(0, 1, 2, 3));
        QCOMPARE(unit.x, 12.5f);
        QCOMPARE(unit.y, 3.25f);
        QCOMPARE(int(unit.sets), 5);
        QVERIFY(!unit.chained);
        QVERIFY(unit.marked);
        QCOMPARE(unit.quadripole.a, woxElectrode(0));
        QCOMPARE(unit.quadripole.b, woxElectrode(1));
        QCOMPARE(unit.quadripole.m, woxElectrode(2));
        QCOMPARE(unit.quadripole.n, woxElectrode(3));
        QCOMPARE(int(unit.quadripole.channel), 7);
        QCOMPARE(unit.resistivity, 0.0f);
        QVERIFY(!unit.result.valid);
    }

    void geometricFactorOfDipoleDipole()
    {
        // Positions 0, 5, 10, 15 m: 2 pi / (1/10 - 1/5 - 1/15 + 1/10), positive.
        woxSessionDataUnit unit;
        unit.configure(5.0f, record(0, 1, 2, 3));
        QVERIFY(qAbs(unit.k - 94.2478f) < 1e-3f);
        woxSessionDataUnit negative;
        negative.configure(-5.0f, record(0, 1, 2, 3));
        QCOMPARE(negative.k, unit.k);
    }

    void remoteElectrodesStandFarAway()
    {
        woxSessionDataUnit poleDipole;
        poleDipole.configure(5.0f, record(65535, 0, 1, 2));
        QVERIFY(qAbs(poleDipole.k - 62.83185f) < 1e-3f);
        // Pole-pole: close to 2 pi x BN.
        woxSessionDataUnit polePole;
        polePole.configure(5.0f, record(65535, 0, 65534, 4));
        QVERIFY(qAbs(polePole.k - float(2 * M_PI * 20.0)) < 1e-2f);
    }

    void zeroSpacingStillTakesTheElectrodes()
    {
        woxDiagnosticCapture diagnostics;
        // A row that held another quadripole before must not keep it.
        woxSessionDataUnit unit;
        unit.configure(5.0f, record(10, 11, 12, 13));
        QVERIFY(unit.k != 1.0f);
        unit.configure(0.0f, record(0, 3, 1, 2));
        QCOMPARE(diagnostics.lines(), QStringList() << "woxSessionDataUnit error: configure cableSpacing == 0");
        QCOMPARE(unit.quadripole.a, woxElectrode(0));
        QCOMPARE(unit.quadripole.b, woxElectrode(3));
        QCOMPARE(unit.quadripole.m, woxElectrode(1));
        QCOMPARE(unit.quadripole.n, woxElectrode(2));
        QCOMPARE(unit.k, 1.0f);
        QCOMPARE(unit.x, 12.5f);
        QCOMPARE(int(unit.quadripole.channel), 7);
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
