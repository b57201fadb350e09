#include "woxCoreDouble.h"
#include "woxEngineerWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxGPSManager.h"
#include "woxModalScript.h"
#include "woxWarningDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

// Every button of the device pages against the request it sends, and every
// answer against what the page shows, with the instrument stood in for.
class tst_engineerPages : public QObject
{
    Q_OBJECT

private:
    woxFakeCommandRunner runner;
    QScopedPointer<woxCoreDouble> core;
    QScopedPointer<woxEngineerWidget> screen;

    template <class T>
    T *find(const char *name)
    {
        T *child = screen->findChild<T *>(name);
        if (!child)
            qFatal("no %s", name);
        return child;
    }

    void click(const QString &name) { find<QPushButton>(qPrintable(name))->click(); }
    void setSpin(const char *name, int value) { find<QSpinBox>(name)->setValue(value); }
    QString text(const char *name) { return find<QLabel>(name)->text(); }

    QStringList listLines(const char *name)
    {
        QStringList lines;
        QListWidget *list = find<QListWidget>(name);
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }

    static QString fields(std::initializer_list<int> values)
    {
        QStringList texts;
        for (int value : values)
            texts << QString::number(value);
        return texts.join(' ');
    }

    // The one request the last action sent.
    woxCoreDouble::Request only(woxCoreDouble::Kind kind)
    {
        const QList<woxCoreDouble::Request> sent = core->take();
        if (sent.size() != 1 || sent.at(0).kind != kind)
            qFatal("expected one request of kind %d, got %d", int(kind), int(sent.size()));
        return sent.at(0);
    }

private slots:
    void init()
    {
        core.reset(new woxCoreDouble);
        screen.reset(new woxEngineerWidget(0));
    }

    void cleanup()
    {
        screen.reset();
        core.reset();
        woxCore::destroy();
        woxGPSManager::destroy();
        woxWarningDialog::closeInstance();
    }

    // Fields in order: pulse, adjust, stop, device, command, duration, level.
    void transmitterRequests_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("grounding");
        QTest::addColumn<int>("transmitter");
        QTest::addColumn<QString>("sent");
        QTest::newRow("adjust first, grounding") << "txAdjustPulseFirstPushButton" << true << 1 << "0 1 0 7 31 0 -1";
        QTest::newRow("adjust second, grounding") << "txAdjustPulseSecondPushButton" << true << 1 << "0 1 0 7 32 0 -1";
        QTest::newRow("adjust first, power") << "txAdjustPulseFirstPushButton" << false << 0 << "0 1 0 7 31 0 40";
        QTest::newRow("pulse first, RefTx") << "txPulseFirstPushButton" << true << 1 << "1 0 0 6 33 500 0";
        QTest::newRow("pulse second, IntTx") << "txPulseSecondPushButton" << false << 0 << "1 0 0 7 34 500 0";
        QTest::newRow("stop, RefTx") << "txStopPushButton" << false << 1 << "0 0 1 6 0 0 0";
        QTest::newRow("stop, IntTx") << "txStopPushButton" << true << 0 << "0 0 1 7 0 0 0";
        QTest::newRow("zero pulse, grounding") << "txPulseZeroPushButton" << true << 0 << "1 0 0 6 36 500 -1";
        QTest::newRow("zero pulse, power") << "txPulseZeroPushButton" << false << 0 << "1 0 0 6 36 500 40";
    }

    void transmitterRequests()
    {
        QFETCH(QString, button);
        QFETCH(bool, grounding);
        QFETCH(int, transmitter);
        QFETCH(QString, sent);
        find<QCheckBox>("txCheckGroundingPowerCheckBox")->setChecked(grounding);
        find<QComboBox>("txDeviceComboBox")->setCurrentIndex(transmitter);
        find<QSlider>("txPowerHorizontalSlider")->setValue(40);
        find<QSlider>("txDurationHorizontalSlider")->setValue(500);
        QCOMPARE(text("txPowerLabel") + " " + text("txDurationLabel"), QString("40 500"));
        click(button);
        const woxTxRequest tx = only(woxCoreDouble::TxAux).tx;
        QCOMPARE(fields({tx.pulse, tx.adjust, tx.stop, tx.device, tx.command, tx.duration, tx.level}), sent);
    }

    void durationSliderEnds()
    {
        QSlider *slider = find<QSlider>("txDurationHorizontalSlider");
        slider->setValue(3);
        QCOMPARE(text("txDurationLabel"), QString("10"));
        slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(text("txDurationLabel"), QString("20"));
        slider->setValue(20000);
        click("txPulseFirstPushButton");
        QCOMPARE(only(woxCoreDouble::TxAux).tx.duration, quint16(15000));
    }

    void temperatureFollowsTheDialog()
    {
        woxCoreReportTxAux answer;
        answer.error.code = 13;
        QString labelDuringDialog;
        woxModalScript script;
        script.then([&](QDialog *dialog) {
            labelDuringDialog = text("txTempLabel");
            dialog->accept();
        });
        core->deliver(answer);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(labelDuringDialog, QString("N/A"));
        QCOMPARE(text("txTempLabel"), QString("-298  o C"));
    }

    // Fields in order: device, samples, then the one flag raised.
    void receiverRequests_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("sent");
        QTest::newRow("start 0") << "rxMsrStartPushButton" << 0 << "8 77 start";
        QTest::newRow("get 1") << "rxMsrGetPushButton" << 1 << "9 77 read";
        QTest::newRow("clear 15") << "rxMsrClearPushButton" << 15 << "23 0 clear";
        QTest::newRow("reset TxVoltage") << "rxRxResetPushButton" << 16 << "24 0 reset";
        QTest::newRow("calibration input TxCurrent") << "rxClbInputPushButton" << 17 << "25 0 calibrationInput";
        QTest::newRow("measurement input all") << "rxMsrInputPushButton" << 18 << "255 0 measurementInput";
        QTest::newRow("low range 3") << "rxLowRangePushButton" << 3 << "11 0 lowRange";
        QTest::newRow("high range 4") << "rxHighRangePushButton" << 4 << "12 0 highRange";
        QTest::newRow("start all") << "rxMsrStartPushButton" << 18 << "255 77 start";
    }

    void receiverRequests()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, sent);
        QCOMPARE(find<QComboBox>("rxDeviceComboBox")->currentIndex(), 1);
        find<QComboBox>("rxDeviceComboBox")->setCurrentIndex(index);
        setSpin("rxSamplesToRunSpinBox", 77);
        click(button);
        const woxRxRequest rx = only(woxCoreDouble::RxAux).rx;
        const QMap<QString, bool> flags = {
            {"start", rx.start}, {"reset", rx.reset}, {"read", rx.read}, {"lowRange", rx.lowRange},
            {"highRange", rx.highRange}, {"calibrationInput", rx.calibrationInput},
            {"measurementInput", rx.measurementInput}, {"clear", rx.clear}};
        QCOMPARE(fields({rx.device, rx.samples}) + " " + flags.keys(true).join(" "), sent);
    }

    void repeatCountsUpToTheEnd()
    {
        // A get for all receivers is not sent, yet the count still rises.
        find<QComboBox>("rxDeviceComboBox")->setCurrentIndex(18);
        click("rxRepeatPushButton");
        QCOMPARE(find<QSpinBox>("rxSamplesToRunSpinBox")->value(), 101);
        QTRY_COMPARE(find<QSpinBox>("rxSamplesToRunSpinBox")->value(), 102);
        QVERIFY(core->requests.isEmpty());

        find<QComboBox>("rxDeviceComboBox")->setCurrentIndex(2);
        setSpin("rxSamplesToRunSpinBox", 4999);
        QTRY_COMPARE(core->of(woxCoreDouble::RxAux).size(), 2);
        QCOMPARE(core->requests.at(0).rx.samples, quint16(4999));
        QCOMPARE(core->requests.at(1).rx.samples, quint16(5000));
        QCOMPARE(core->requests.at(1).rx.device, woxAddress(10));
        QCOMPARE(find<QSpinBox>("rxSamplesToRunSpinBox")->value(), 5000);
        click("rxRepeatPushButton");
        core->take();
        QTest::qWait(500);
        QVERIFY(core->requests.isEmpty());
    }

    void sensorReports_data()
    {
        QTest::addColumn<quint8>("code");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("success") << quint8(0) << QStringList();
        QTest::newRow("error") << quint8(13) << QStringList("woxWarningDialog: Canceled by user");
    }

    void sensorReports()
    {
        QFETCH(quint8, code);
        QFETCH(QStringList, shown);
        woxCoreReportSensor answer;
        answer.error.code = code;
        answer.values.insert(1, 12.5f);
        answer.values.insert(2, 11.25f);
        answer.values.insert(3, 0.123456789f);
        woxModalScript script;
        script.answer(1);
        core->deliver(answer);
        QCOMPARE(script.seen, shown);
        QCOMPARE(text("rxIntBatLabel"), QString("12.5"));
        QCOMPARE(text("rxExtBatLabel"), QString("11.25"));
        QCOMPARE(text("rxMoistureLabel"), QString("0.123457"));
        QCOMPARE(text("txTempLabel"), QString("-1"));
    }

    void samplesAreListed()
    {
        woxCoreReportRxAux answer;
        answer.samples = {5.57f, -0.00004f};
        core->deliver(answer);
        core->deliver(answer);
        QCOMPARE(find<QTextEdit>("rxSamplesTextEdit")->toPlainText(),
                 QString("5.5700\n-0.0000\n5.5700\n-0.0000\n"));
    }

    // Fields in order: device, apply, pairMB, electrode, then the one flag raised.
    void switchRequests_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("electrode");
        QTest::addColumn<bool>("apply");
        QTest::addColumn<QString>("sent");
        QTest::newRow("set NA 0") << "swSwSetNAPushButton" << 0 << 5 << false << "26 0 0 5 set";
        QTest::newRow("set MB 15") << "swSwSetMBPushButton" << 15 << -1 << false << "41 0 1 65534 set";
        QTest::newRow("set MB Tx") << "swSwSetMBPushButton" << 16 << -2 << true << "42 1 1 65535 set";
        QTest::newRow("grounding") << "swGroundingPushButton" << 17 << 63 << false << "0 1 0 63 ground";
        QTest::newRow("all, every switch") << "swAllPushButton" << 17 << 9 << false << "254 1 0 0 all";
        QTest::newRow("phantom 3") << "swPhantomPushButton" << 3 << 9 << false << "29 1 0 0 phantom";
        QTest::newRow("reset Tx") << "swSwResetPushButton" << 16 << 9 << false << "42 1 0 0 reset";
    }

    void switchRequests()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(int, electrode);
        QFETCH(bool, apply);
        QFETCH(QString, sent);
        find<QComboBox>("swDeviceComboBox")->setCurrentIndex(index);
        setSpin("swElectrodeSpinBox", electrode);
        find<QCheckBox>("swApplyCheckBox")->setChecked(apply);
        click(button);
        const woxSwRequest sw = only(woxCoreDouble::SwAux).sw;
        const QMap<QString, bool> flags = {{"set", sw.set}, {"reset", sw.reset},
                                           {"ground", sw.ground}, {"all", sw.all},
                                           {"phantom", sw.phantom}};
        QCOMPARE(fields({sw.device, sw.enable, sw.pairMB, sw.electrode}) + " " + flags.keys(true).join(" "),
                 sent);
    }

    void calibrationRequests()
    {
        click("calibrateCalibratePushButton");
        woxCalibrateRequest sent = only(woxCoreDouble::Calibrate).calibration;
        QCOMPARE(sent.samples, quint16(40));
        QCOMPARE(sent.restoreDefaults, quint8(0));
        setSpin("calibrateSamplesSpinBox", 123);
        click("calibrateCalibratePushButton");
        QCOMPARE(only(woxCoreDouble::Calibrate).calibration.samples, quint16(123));
        click("calibrateDefaultPushButton");
        sent = only(woxCoreDouble::Calibrate).calibration;
        QCOMPARE(sent.samples, quint16(40));
        QCOMPARE(sent.restoreDefaults, quint8(1));
    }

    void stressRuns()
    {
        click("stressRxStartPushButton");
        woxStressRequest sent = only(woxCoreDouble::RxStress).stress;
        QCOMPARE(int(sent.device), 25);
        QCOMPARE(int(sent.samples), 1);
        QCOMPARE(sent.pause, 4);
        woxCoreReportRxStress ok;
        ok.text = "OK";
        for (const auto &channel : {std::make_pair(16, 24), std::make_pair(0, 8), std::make_pair(15, 23)}) {
            setSpin("stressRxChannelSpinBox", channel.first);
            core->deliver(ok);   // the answer to the run before starts this one
            QCOMPARE(int(only(woxCoreDouble::RxStress).stress.device), channel.second);
            QCOMPARE(text("stressRxStatusLabel"), QString());
        }
        woxCoreReportRxStress fail;
        fail.text = "FAIL";
        core->deliver(fail);
        QCOMPARE(text("stressRxStatusLabel"), QString("FAIL"));
        QVERIFY(core->requests.isEmpty());

        click("stressRxStartPushButton");
        core->take();
        woxCoreReportRxStress canceled;
        canceled.error.code = 13;
        woxModalScript script;
        script.answer(1);
        core->deliver(canceled);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(text("stressRxStatusLabel"), QString("N/A"));
        QVERIFY(core->requests.isEmpty());

        // After a stop the answer still shows, and starts nothing.
        click("stressRxStartPushButton");
        click("rxStopPushButton");
        core->take();
        core->deliver(ok);
        QCOMPARE(text("stressRxStatusLabel"), QString("OK"));
        QVERIFY(core->requests.isEmpty());
    }

    void pingIsAnsweredOnItsOwnLabel()
    {
        click("stressRxStartPushButton");
        click("miscPingPushButton");
        QList<woxCoreDouble::Request> sent = core->take();
        const woxStressRequest ping = sent.at(1).stress;
        QCOMPARE(int(ping.device), 0);
        QCOMPARE(int(ping.samples), 0);
        QCOMPARE(ping.pause, 10);
        QCOMPARE(text("miscPingLabel"), QString());
        woxCoreReportRxStress fail;
        fail.text = "FAIL";
        core->deliver(fail);   // answers the stress run
        woxCoreReportRxStress ok;
        ok.text = "OK";
        core->deliver(ok);     // answers the ping: shown, starts nothing
        QCOMPARE(text("stressRxStatusLabel"), QString("FAIL"));
        QCOMPARE(text("miscPingLabel"), QString("OK"));
        QVERIFY(core->requests.isEmpty());

        click("miscPingPushButton");
        core->take();
        woxCoreReportRxStress lost;
        lost.error.code = 5;
        lost.error.device = 9;
        woxModalScript script;
        script.answer(1);
        core->deliver(lost);
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(text("miscPingLabel"), QString("N/A"));
        QCOMPARE(text("stressRxStatusLabel"), QString("FAIL"));
    }

    void clockRequestsAndAnswers()
    {
        click("miscTimeSetPushButton");
        woxClockRequest sent = only(woxCoreDouble::Clock).clock;
        QVERIFY(sent.set);
        QCOMPARE(sent.date, QDate(2012, 6, 15));
        QCOMPARE(sent.time, QTime(17, 44, 33, 0));
        setSpin("miscMonthSpinBox", 0);
        click("miscTimeSetPushButton");
        QVERIFY(only(woxCoreDouble::Clock).clock.date.isNull());
        click("miscTimeGetPushButton");
        QVERIFY(!only(woxCoreDouble::Clock).clock.set);

        woxCoreReportClock setAnswer;
        setAnswer.set = true;
        setAnswer.date = QDate(2030, 1, 2);
        setAnswer.time = QTime(3, 4, 5);
        core->deliver(setAnswer);
        QCOMPARE(find<QSpinBox>("miscYearSpinBox")->value(), 2012);
        woxCoreReportClock readAnswer = setAnswer;
        readAnswer.set = false;
        readAnswer.date = QDate(2031, 7, 30);
        core->deliver(readAnswer);
        const QList<int> shown = {find<QSpinBox>("miscYearSpinBox")->value(),
                                  find<QSpinBox>("miscMonthSpinBox")->value(),
                                  find<QSpinBox>("miscDaySpinBox")->value(),
                                  find<QSpinBox>("miscHourSpinBox")->value(),
                                  find<QSpinBox>("miscMinuteSpinBox")->value(),
                                  find<QSpinBox>("miscSecondSpinBox")->value()};
        QCOMPARE(shown, QList<int>({2031, 7, 28, 3, 4, 5}));
        readAnswer.error.code = 13;
        readAnswer.date = QDate(2040, 1, 1);
        woxModalScript script;
        script.answer(1);
        core->deliver(readAnswer);
        QCOMPARE(script.seen.size(), 1);
        QCOMPARE(find<QSpinBox>("miscYearSpinBox")->value(), 2031);
    }

    void soundAndPanic()
    {
        setSpin("miscSoundSampleSpinBox", 42);
        click("miscSoundAlertPushButton");
        QCOMPARE(only(woxCoreDouble::Sound).sound, quint8(42));
        click("miscPanicPushButton");
        only(woxCoreDouble::StopAll);
    }

    void gpsReadout()
    {
        click("miscStartGPSPushButton");
        const QString line = "rmc no, valid no, la 0, lo 0, y 2000, m 1, d 1, h 0, m 0, s 0";
        QTRY_COMPARE_WITH_TIMEOUT(listLines("miscListWidget"), QStringList(line), 3000);
        for (int tick = 2; tick <= 10; ++tick)
            screen->onGPSTimer();
        QCOMPARE(listLines("miscListWidget"), QVector<QString>(10, line).toList());
        screen->onGPSTimer();
        QCOMPARE(listLines("miscListWidget"), QStringList(line));
        click("miscStopGPSPushButton");
        QVERIFY(listLines("miscListWidget").isEmpty());
        QTest::qWait(1200);
        QVERIFY(listLines("miscListWidget").isEmpty());
        // The tick after a stop reads a fresh holder, never the destroyed one.
        screen->onGPSTimer();
        QCOMPARE(listLines("miscListWidget"), QStringList(line));
    }

    void ves()
    {
        woxModalScript script;
        script.answer(1);
        woxCoreReportVES failed;
        failed.error.code = 13;
        click("vesPushButton");
        QCOMPARE(only(woxCoreDouble::VES).options.pulseCode, woxMeasureOptions().pulseCode);
        core->deliver(failed);
        QVERIFY(listLines("vesListWidget").isEmpty());

        woxCoreReportVES answer;
        answer.result.txVoltage = 340000;
        answer.result.rxVoltage = 1000;
        answer.result.txCurrent = 3;
        answer.result.chargeability = 12.5f;
        core->deliver(answer);
        QCOMPARE(listLines("vesListWidget"),
                 QStringList({"U.Tx[mV]=340000", "U.Rx[mV]=1000", "I[mA]=3", "R[ohm]=333.333",
                              "C[mV/V]=12.5"}));
        click("vesPushButton");
        QVERIFY(listLines("vesListWidget").isEmpty());
    }

    void et2d()
    {
        click("et2dPushButton");
        const woxET2DRequest sent = only(woxCoreDouble::ET2D).et2d;
        QCOMPARE(sent.quadripoles.size(), 1);
        const woxCoreQuadripole quadripole = sent.quadripoles.at(0);
        QCOMPARE(QList<int>({quadripole.a, quadripole.b, quadripole.m, quadripole.n, quadripole.channel}),
                 QList<int>({0, 1, 1, 0, 0}));
        QCOMPARE(listLines("et2dInListWidget"), QStringList("A=0 B=1 M=1 N=0 Ch=0"));

        woxCoreReportET2D answer;
        woxMeasureResult result;
        result.txVoltage = 153125;
        result.txCurrent = 250;
        result.rxVoltage = -840;
        answer.results << result;
        core->deliver(answer);
        QCOMPARE(listLines("et2dOutListWidget"),
                 QStringList("Utx[V]=153.125 Itx[mA]=250.000 Urx[mV]=-840.000 R[Ohm]=-3.360"));
        answer.error.code = 13;
        woxModalScript script;
        script.answer(1);
        core->deliver(answer);
        QVERIFY(listLines("et2dOutListWidget").isEmpty());
    }
};

QTEST_MAIN(tst_engineerPages)
#include "tst_engineerPages.moc"
