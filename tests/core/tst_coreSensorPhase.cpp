#include "woxCoreThreadProbe.h"

#include <QtTest>

// The sensor phase is program-wide and never reset, so this check has a
// process of its own: the first sensor job of a program starts at phase 0.
class tst_coreSensorPhase : public QObject
{
    Q_OBJECT

private slots:
    void phaseAdvancesFromJobToJob()
    {
        woxCoreThreadProbe first;
        const woxCoreReportSensor one = first.doSensor();
        QCOMPARE(one.values.value(1), 12000.0f);
        QCOMPARE(one.values.value(2), 13000.0f);
        QCOMPARE(one.values.value(3), 50.0f);
        QCOMPARE(one.error.code, quint8(0));

        // A second worker shares the phase.
        woxCoreThreadProbe second;
        const woxCoreReportSensor two = second.doSensor();
        QVERIFY(qAbs(two.values.value(1) - 12099.833f) < 1e-3f);
        QVERIFY(qAbs(two.values.value(2) - 12995.004f) < 1e-3f);
        QVERIFY(qAbs(two.values.value(3) - 53.993f) < 1e-3f);
        QCOMPARE(two.values.keys(), QList<woxAddress>({1, 2, 3}));
    }
};

QTEST_GUILESS_MAIN(tst_coreSensorPhase)
#include "tst_coreSensorPhase.moc"
