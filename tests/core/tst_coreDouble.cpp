#include "woxCoreDouble.h"
#include "woxMake.h"
#include "woxReportRecorder.h"

#include <QtTest>

// The stand-in instrument that screen tests drive: what it records and what
// it delivers must be what the real facade would take and broadcast.
class tst_coreDouble : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { woxCore::destroy(); }

    void recordsEveryRequestInOrderWithItsFields()
    {
        woxCoreDouble double_;
        woxReportRecorder recorder(woxCore::instance());
        woxCore *core = woxCore::instance();

        woxTxRequest tx;
        tx.adjust = true;
        tx.device = 7;
        tx.command = 32;
        tx.level = -1;
        woxMeasureOptions options;
        options.pauseCode = 7;
        core->txAux(tx);
        core->readSensors(0);
        core->swAux(woxSwRequest());
        core->measureSignal(woxMake::coreQuadripole(0, 3, 1, 2), options);
        core->rxStress(woxStressRequest());
        core->playSound(4);
        core->stop();
        QTest::qWait(50);

        QCOMPARE(double_.kinds(),
                 QList<woxCoreDouble::Kind>({woxCoreDouble::TxAux, woxCoreDouble::Sensor,
                                             woxCoreDouble::SwAux, woxCoreDouble::Signal,
                                             woxCoreDouble::RxStress, woxCoreDouble::Sound,
                                             woxCoreDouble::Stop}));
        const woxTxRequest seenTx = double_.requests.at(0).tx;
        QVERIFY(seenTx.adjust && !seenTx.pulse && !seenTx.stop);
        QCOMPARE(seenTx.device, quint8(7));
        QCOMPARE(seenTx.command, quint8(32));
        QCOMPARE(seenTx.level, qint8(-1));
        const woxCoreDouble::Request signal = double_.requests.at(3);
        QCOMPARE(signal.quadripole.b, woxElectrode(3));
        QCOMPARE(signal.quadripole.m, woxElectrode(1));
        QCOMPARE(signal.options.pauseCode, quint16(7));
        QCOMPARE(double_.requests.at(5).sound, quint8(4));
        // No job ran: nothing answered.
        QVERIFY(recorder.names.isEmpty());
        QCOMPARE(double_.take().size(), 7);
        QVERIFY(double_.requests.isEmpty());
    }

    void deliversAsTheFacadeBroadcasts()
    {
        woxCoreDouble double_;
        woxReportRecorder recorder(woxCore::instance());
        woxCoreReportET2D et2d;
        et2d.error.code = 13;
        et2d.sensor.values.insert(7, 1.5f);
        double_.deliver(et2d);
        woxCoreReportRxStress stress;
        stress.text = "FAIL";
        double_.deliver(stress);

        QCOMPARE(recorder.names, QStringList({"Sensor", "ET2D", "RxStress"}));
        QCOMPARE(recorder.sensor.values.value(7), 1.5f);
        QCOMPARE(recorder.errors.at(1).code, quint8(13));
        QCOMPARE(recorder.rxStress.text, QStringLiteral("FAIL"));
    }

    void scriptedRepliesAnswerTheirKindLater()
    {
        woxCoreDouble double_;
        woxReportRecorder recorder(woxCore::instance());
        woxCoreReportRxStress first;
        first.text = "OK";
        woxCoreReportRxStress second;
        second.text = "FAIL";
        double_.answer(woxCoreDouble::RxStress, first);
        double_.answer(woxCoreDouble::RxStress, second);

        woxCore::instance()->txAux(woxTxRequest());
        woxCore::instance()->rxStress(woxStressRequest());
        // Like the real core, the reply comes after the caller has returned.
        QVERIFY(recorder.names.isEmpty());
        QTRY_COMPARE(recorder.names, QStringList({"RxStress"}));
        QCOMPARE(recorder.rxStress.text, QStringLiteral("OK"));
        woxCore::instance()->rxStress(woxStressRequest());
        QTRY_COMPARE(recorder.names.size(), 2);
        QCOMPARE(recorder.rxStress.text, QStringLiteral("FAIL"));
    }
};

QTEST_MAIN(tst_coreDouble)
#include "tst_coreDouble.moc"
