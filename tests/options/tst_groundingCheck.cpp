#include "woxCableConfigDialog.h"
#include "woxCableDialogProbe.h"
#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxModalScript.h"
#include "woxWarningDialog.h"

#include <QThread>
#include <QtTest>

using namespace woxCableDialogProbe;

namespace {

// The emulated core answers second / 50 + 0.16543 kilo-ohms, 200 ms per job.
QDateTime atSecond(int second)
{
    return QDateTime(QDate(2026, 6, 1), QTime(12, 0, second));
}

float emulated(int second)
{
    return float(second) / 50.0f + 0.16543f;
}

const int longWait = 30000;

// The value text of 0.24543 kilo-ohms in English.
const QString passedText = QStringLiteral("0.25\nk\u03A9");

} // namespace

// The grounding check against the real emulated core, at a fixed second.
class tst_groundingCheck : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFakeClock> clock;
    QList<int> reports;
    std::function<void(int)> onReport;

    void listen()
    {
        connect(woxCore::instance(), &woxCore::sendReportResistance, this,
                [this](const woxCoreReportResistance report) {
                    reports.append(report.electrode);
                    if (onReport)
                        onReport(report.electrode);
                },
                // After the dialogs, which connected first or are still to come.
                Qt::QueuedConnection);
    }

    static void selectElectrode(woxCableConfigDialog &dialog, int electrode)
    {
        while (page(dialog) < electrode / 32)
            dialog.nextToolButton->click();
        dialog.findChild<QAbstractButton *>(
                  QString("w%1ToolButton").arg(electrode % 32, 2, 10, QLatin1Char('0')))
            ->click();
    }

    static QList<int> range(int first, int last)
    {
        QList<int> electrodes;
        for (int e = first; e <= last; ++e)
            electrodes.append(e);
        return electrodes;
    }

private slots:
    void init()
    {
        clock.reset(new woxFakeClock(atSecond(4)));
        reports.clear();
        onReport = nullptr;
        listen();
    }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
        clock.reset();
    }

    void automaticCheck_data()
    {
        QTest::addColumn<int>("first");
        QTest::newRow("from 0") << 0;
        QTest::newRow("from 40") << 40;
        QTest::newRow("at 63") << 63;
    }

    void automaticCheck()
    {
        QFETCH(int, first);
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        selectElectrode(dialog, first);
        QStringList labelAfterReport31;
        onReport = [&](int electrode) {
            if (electrode == 31)
                labelAfterReport31 << dialog.currentCableLabel->text();
        };
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.checkCablePushButton->isChecked());
        QVERIFY(!dialog.actionsGroupBox->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 64 - first, longWait);
        QCOMPARE(reports, range(first, 63));
        QVERIFY(!dialog.checkCablePushButton->isChecked());
        QVERIFY(dialog.actionsGroupBox->isEnabled());
        QVERIFY(!dialog.checkRemotePushButton->isEnabled());
        QCOMPARE(selected(dialog), 63);
        if (first == 0)
            QCOMPARE(labelAfterReport31, QStringList("2 / 2"));
        const woxCableConfiguration record = dialog.configuration();
        for (int e = 0; e < 64; ++e)
            QCOMPARE(record.wires.at(e).resistance, e < first ? -1.0f : emulated(4));
        QCOMPARE(cellText(dialog, 31), passedText);
    }

    void stopIfFailed()
    {
        clock->current = atSecond(41);
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.failGroundingComboBox->setCurrentIndex(3);
        QCOMPARE(dialog.failGroundingComboBox->currentText(), QString("1.00"));
        dialog.stopIfFailedCheckBox->setChecked(true);
        selectElectrode(dialog, 5);
        // The next job reads the clock 200 ms after it starts.
        onReport = [&](int) { clock->current = atSecond(42); };
        dialog.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 2, longWait);
        QTRY_VERIFY(!dialog.checkCablePushButton->isChecked());
        QCOMPARE(reports, QList<int>({5, 6}));
        QCOMPARE(selected(dialog), 6);
        QCOMPARE(dialog.configuration().wires.at(5).resistance, emulated(41));
        QCOMPARE(dialog.configuration().wires.at(6).resistance, emulated(42));
        QVERIFY(dialog.actionsGroupBox->isEnabled());
    }

    void oneElectrodePerClick()
    {
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.automaticAdvanceCheckBox->click();
        QVERIFY(!dialog.checkCablePushButton->isCheckable());
        selectElectrode(dialog, 31);
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, longWait);
        QTest::qWait(400);
        QCOMPARE(reports, QList<int>({31}));
        QCOMPARE(selected(dialog), 32);
        QCOMPARE(dialog.currentCableLabel->text(), QString("2 / 2"));
        QVERIFY(dialog.actionsGroupBox->isEnabled());
        const woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.wires.at(31).resistance, emulated(4));
        QCOMPARE(record.wires.at(32).resistance, -1.0f);
    }

    void everyElectrodeSwitchedOff()
    {
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        for (int page = 0; page < 2; ++page) {
            for (QPushButton *wire : dialog.cableConfigurationGroupBox->findChildren<QPushButton *>())
                wire->click();
            dialog.nextToolButton->click();
        }
        dialog.previousToolButton->click();
        dialog.checkCablePushButton->click();
        QVERIFY(!dialog.checkCablePushButton->isChecked());
        QVERIFY(dialog.actionsGroupBox->isEnabled());
        QTest::qWait(300);
        QVERIFY(reports.isEmpty());
        QCOMPARE(page(dialog), 1);
        QCOMPARE(selected(dialog), 63);
        for (int cell = 0; cell < 32; ++cell)
            QCOMPARE(cellText(dialog, cell), QString("N / A\n "));
        for (const woxWireState &wire : dialog.configuration().wires) {
            QCOMPARE(wire.resistance, -1.0f);
            QVERIFY(!wire.enabled);
        }
    }

    void uncheckingStopsWithOneMessage()
    {
        woxModalScript script;
        script.answer(1);
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.show();
        dialog.checkCablePushButton->click();
        QVERIFY(!dialog.actionsGroupBox->isEnabled());
        // Escape is Cancel, and Cancel is locked while the check runs.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.actionsGroupBox->isEnabled());
        QVERIFY(dialog.currentCableGroupBox->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, longWait);
        QTest::qWait(300);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(reports.size(), 1);
        QCOMPARE(dialog.configuration().wires.at(0).resistance, -1.0f);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void lateValueLandsOnTheMeasuredElectrode()
    {
        woxModalScript script;
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        selectElectrode(dialog, 3);
        dialog.checkCablePushButton->click();
        // The GUI is held while the job ends, so its report waits in the queue.
        QThread::msleep(450);
        dialog.checkCablePushButton->click();
        dialog.w10ToolButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, longWait);
        QTest::qWait(300);
        QCOMPARE(script.seen, QStringList());
        const woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.wires.at(3).resistance, emulated(4));
        QCOMPARE(record.wires.at(10).resistance, -1.0f);
        QCOMPARE(selected(dialog), 10);
        QCOMPARE(cellText(dialog, 3), passedText);
        QCOMPARE(reports.size(), 1);
    }

    void remoteCheck_data()
    {
        QTest::addColumn<bool>("tx");
        QTest::addColumn<QList<int>>("electrodes");
        QTest::newRow("both") << true << QList<int>({65535, 65534});
        QTest::newRow("receiver only") << false << QList<int>({65534});
    }

    void remoteCheck()
    {
        QFETCH(bool, tx);
        QFETCH(QList<int>, electrodes);
        woxCableConfigDialog dialog(nullptr, 2, tx, true);
        selectElectrode(dialog, 2);
        dialog.checkRemotePushButton->click();
        QVERIFY(!dialog.checkCablePushButton->isEnabled());
        QVERIFY(dialog.currentCableGroupBox->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), electrodes.size(), longWait);
        QTRY_VERIFY(dialog.checkCablePushButton->isEnabled());
        QCOMPARE(reports, electrodes);
        QCOMPARE(selected(dialog), 2);
        const woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.remoteTxResistance, tx ? emulated(4) : 0.0f);
        QCOMPARE(record.remoteRxResistance, emulated(4));
        QCOMPARE(dialog.remoteRxLabel->text(), passedText);
        QVERIFY(dialog.checkRemotePushButton->isEnabled());
    }

    void disableFailedThenReset()
    {
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.automaticAdvanceCheckBox->click();
        dialog.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, longWait);
        clock->current = atSecond(10);
        selectElectrode(dialog, 40);
        dialog.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 2, longWait);
        dialog.checkRemotePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 4, longWait);
        QTRY_VERIFY(dialog.actionsGroupBox->isEnabled());
        woxModalScript script;
        script.answer(1).answer(1);
        dialog.disableFailedPushButton->click();
        woxCableConfiguration record = dialog.configuration();
        QVERIFY(record.wires.at(0).enabled);
        QVERIFY(!record.wires.at(40).enabled);
        QVERIFY(record.wires.at(41).enabled);
        QCOMPARE(record.remoteTxResistance, emulated(10));
        QCOMPARE(dialog.w08PushButton->icon().availableSizes().value(0), QSize(63, 55));
        dialog.resetPushButton->click();
        QCOMPARE(script.seen.size(), 2);
        QCOMPARE(page(dialog), 0);
        QCOMPARE(selected(dialog), 0);
        record = dialog.configuration();
        for (const woxWireState &wire : record.wires) {
            QCOMPARE(wire.resistance, -1.0f);
            QVERIFY(wire.enabled);
        }
        QCOMPARE(record.remoteTxResistance, -1.0f);
        QCOMPARE(record.remoteRxResistance, -1.0f);
    }

    void twoDialogsKeepApart()
    {
        woxCableConfigDialog kept(nullptr, 2, true, true);
        kept.nextToolButton->click();
        kept.w04ToolButton->click();
        woxCableConfigDialog second(nullptr, 2, true, true);
        woxModalScript script;
        script.answer(1);
        second.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 2, longWait);
        second.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 3, longWait);
        QTest::qWait(300);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(reports, QList<int>({0, 1, 2}));
        QCOMPARE(second.configuration().wires.at(1).resistance, emulated(4));
        QCOMPARE(page(kept), 1);
        QCOMPARE(selected(kept), 36);
        for (const woxWireState &wire : kept.configuration().wires)
            QCOMPARE(wire.resistance, -1.0f);
    }

    void grabMidCheck()
    {
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.show();
        selectElectrode(dialog, 32);
        dialog.w05PushButton->click();
        onReport = [&](int electrode) {
            clock->current = atSecond(electrode < 34 ? 4 : 20);
        };
        dialog.checkCablePushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 5, longWait);
        QCOMPARE(cellText(dialog, 0), passedText);
        QCOMPARE(cellText(dialog, 3), QStringLiteral("0.57\nk\u03A9"));
        QCOMPARE(cellText(dialog, 5), QString("N / A\n "));
        const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("cableCheck.png");
        QVERIFY(dialog.grab().save(path));
        woxModalScript script;
        script.answer(1);
        dialog.checkCablePushButton->click();
        QTRY_VERIFY(dialog.actionsGroupBox->isEnabled());
    }
};

QTEST_MAIN(tst_groundingCheck)
#include "tst_groundingCheck.moc"
