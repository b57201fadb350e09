#include "woxCableConfigDialog.h"
#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxModalScript.h"
#include "woxStreamed.h"
#include "woxWarningDialog.h"

#include <QThread>
#include <QtTest>

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
const QString notMeasured = QStringLiteral("N / A\n ");
// 0.24543 (second 4) and 0.56543 (second 20) kilo-ohms in English.
const QString passedText = QStringLiteral("0.25\nk\u03A9");
const QString failedText = QStringLiteral("0.57\nk\u03A9");

template <class Widget>
Widget *cellWidget(const woxCableConfigDialog &dialog, int cell, const char *role)
{
    return dialog.findChild<Widget *>(
        QString("w%1%2").arg(cell, 2, 10, QLatin1Char('0')).arg(role));
}

// The dialog read as the operator sees it: the page from its label ("2 / 2"
// is 1), the electrode whose number wears the selection colour, a cell of
// the page on show.
int page(const woxCableConfigDialog &dialog)
{
    return dialog.currentCableLabel->text().section(QLatin1Char(' '), 0, 0).toInt() - 1;
}

int selected(const woxCableConfigDialog &dialog)
{
    for (int cell = 0; cell < 32; ++cell) {
        const QPalette palette = cellWidget<QWidget>(dialog, cell, "ToolButton")->palette();
        if (palette.color(QPalette::Active, QPalette::Button) == QColor(0, 255, 127))
            return page(dialog) * 32 + cell;
    }
    return -1;
}

QString cellText(const woxCableConfigDialog &dialog, int cell)
{
    return cellWidget<QLabel>(dialog, cell, "Label")->text();
}

// 18 for the enabled picture, 55 for the disabled one.
int pictureHeight(const woxCableConfigDialog &dialog, int cell)
{
    return cellWidget<QPushButton>(dialog, cell, "PushButton")->icon().availableSizes()
        .value(0).height();
}

void selectElectrode(woxCableConfigDialog &dialog, int electrode)
{
    while (page(dialog) < electrode / 32)
        dialog.nextToolButton->click();
    cellWidget<QToolButton>(dialog, electrode % 32, "ToolButton")->click();
}

QList<int> range(int first, int last)
{
    QList<int> electrodes;
    for (int e = first; e <= last; ++e)
        electrodes.append(e);
    return electrodes;
}

} // namespace

// The cable dialog against the real emulated core, at a fixed second.
class tst_cableConfigDialog : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFakeClock> clock;
    QList<int> reports;
    std::function<void(int)> onReport;

private slots:
    void init()
    {
        clock.reset(new woxFakeClock(atSecond(4)));
        reports.clear();
        onReport = nullptr;
        connect(woxCore::instance(), &woxCore::sendReportResistance, this,
                [this](const woxCoreReportResistance report) {
                    reports.append(report.electrode);
                    if (onReport)
                        onReport(report.electrode);
                },
                // After the dialogs, which connected first or are still to come.
                Qt::QueuedConnection);
    }

    void cleanup()
    {
        woxCore::destroy();
        woxWarningDialog::closeInstance();
        clock.reset();
    }

    void construction_data()
    {
        QTest::addColumn<int>("cables");
        QTest::addColumn<bool>("tx");
        QTest::addColumn<bool>("rx");
        QTest::addColumn<int>("pages");
        QTest::newRow("0 means two") << 0 << false << false << 2;
        QTest::newRow("one, receiver") << 1 << false << true << 1;
        QTest::newRow("damaged 7 means two") << 7 << false << false << 2;
    }

    void construction()
    {
        QFETCH(int, cables);
        QFETCH(bool, tx);
        QFETCH(bool, rx);
        QFETCH(int, pages);
        woxCableConfigDialog dialog(nullptr, woxCable(cables), tx, rx);
        QCOMPARE(dialog.currentCableLabel->text(), QString("1 / %1").arg(pages));
        QCOMPARE(dialog.failGroundingComboBox->currentText(), QString("0.25"));
        QCOMPARE(selected(dialog), 0);
        QCOMPARE(dialog.checkRemotePushButton->isEnabled(), tx || rx);
        dialog.w03PushButton->click();
        QCOMPARE(pictureHeight(dialog, 3), 55);
        const woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.wires.size(), 32 * pages);
        QCOMPARE(woxStreamed(record).size(), 22 + 9 * 32 * pages);
        QVERIFY(record.wires.at(2).enabled);
        QVERIFY(!record.wires.at(3).enabled);
        QCOMPARE(record.remoteTxPresent, tx);
        QCOMPARE(record.remoteTxResistance, tx ? -1.0f : 0.0f);
        QCOMPARE(record.remoteRxPresent, rx);
        QCOMPARE(record.remoteRxResistance, rx ? -1.0f : 0.0f);
        // Next and Previous stop at the ends and select the page's first electrode.
        for (int click = 0; click < 2; ++click) {
            dialog.nextToolButton->click();
            QCOMPARE(dialog.currentCableLabel->text(), QString("%1 / %1").arg(pages));
            QCOMPARE(selected(dialog), (pages - 1) * 32);
        }
        dialog.previousToolButton->click();
        QCOMPARE(dialog.currentCableLabel->text(), QString("1 / %1").arg(pages));
        QCOMPARE(selected(dialog), 0);
    }

    // One run over the page turn, then Disable failed and Reset on what it measured.
    void automaticCheck()
    {
        const int first = 28;
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.show();
        selectElectrode(dialog, first);
        // Electrodes 30 and 42 are measured at second 20 and fail, one on each cable.
        const QList<int> failing({30, 42});
        QStringList labelAfterReport31, shownAtReport45;
        bool grabbed = false;
        onReport = [&](int electrode) {
            clock->current = atSecond(failing.contains(electrode + 1) ? 20 : 4);
            if (electrode == 31)
                labelAfterReport31 << dialog.currentCableLabel->text();
            if (electrode != 45)
                return;
            shownAtReport45 << cellText(dialog, 8) << cellText(dialog, 10) << cellText(dialog, 20);
            const QDir folder(QCoreApplication::applicationDirPath());
            grabbed = dialog.grab().save(folder.filePath("cableCheck.png"));
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
        QCOMPARE(labelAfterReport31, QStringList("2 / 2"));
        QCOMPARE(shownAtReport45, QStringList({passedText, failedText, notMeasured}));
        QVERIFY(grabbed);
        woxCableConfiguration record = dialog.configuration();
        for (int e = 0; e < 64; ++e)
            QCOMPARE(record.wires.at(e).resistance,
                     e < first ? -1.0f : emulated(failing.contains(e) ? 20 : 4));
        QCOMPARE(cellText(dialog, 31), passedText);

        woxModalScript script;
        script.answer(1).answer(1);
        dialog.disableFailedPushButton->click();
        record = dialog.configuration();
        for (int e = 0; e < 64; ++e)
            QCOMPARE(record.wires.at(e).enabled, e < first || !failing.contains(e));
        QCOMPARE(pictureHeight(dialog, 10), 55);
        dialog.resetPushButton->click();
        QCOMPARE(script.seen,
                 QStringList({"woxWarningDialog: Are you sure you want to disable failed electrodes?",
                              "woxWarningDialog: Are you sure you want to reset current configuration?"}));
        QCOMPARE(page(dialog), 0);
        QCOMPARE(selected(dialog), 0);
        QCOMPARE(cellText(dialog, 30), notMeasured);
        QCOMPARE(pictureHeight(dialog, 30), 18);
        for (const woxWireState &wire : dialog.configuration().wires) {
            QCOMPARE(wire.resistance, -1.0f);
            QVERIFY(wire.enabled);
        }
    }

    void stopIfFailed()
    {
        clock->current = atSecond(41);
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.failGroundingComboBox->setCurrentIndex(3);
        QCOMPARE(dialog.failGroundingComboBox->currentText(), QString("1.00"));
        dialog.stopIfFailedCheckBox->setChecked(true);
        selectElectrode(dialog, 5);
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

    // A second dialog alive: its check and stop leave the first untouched.
    void uncheckingStopsWithOneMessage()
    {
        woxCableConfigDialog kept(nullptr, 2, true, true);
        kept.nextToolButton->click();
        kept.w04ToolButton->click();
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.show();
        woxModalScript script;
        script.answer(1);
        dialog.checkCablePushButton->click();
        // Escape is Cancel, and Cancel is locked while the check runs.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, longWait);
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.actionsGroupBox->isEnabled());
        QVERIFY(dialog.currentCableGroupBox->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 2, longWait);
        QTest::qWait(300);
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(reports, QList<int>({0, 1}));
        QCOMPARE(dialog.configuration().wires.at(0).resistance, emulated(4));
        QCOMPARE(dialog.configuration().wires.at(1).resistance, -1.0f);
        QCOMPARE(page(kept), 1);
        QCOMPARE(selected(kept), 36);
        for (const woxWireState &wire : kept.configuration().wires)
            QCOMPARE(wire.resistance, -1.0f);
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
        QCOMPARE(reports.size(), 1);
        QCOMPARE(dialog.configuration().wires.at(3).resistance, emulated(4));
        QCOMPARE(dialog.configuration().wires.at(10).resistance, -1.0f);
        QCOMPARE(selected(dialog), 10);
        QCOMPARE(cellText(dialog, 3), passedText);
        // A run after Cancel shows what the dialog showed before.
        dialog.nextToolButton->click();
        dialog.w05ToolButton->click();
        dialog.w03PushButton->click();
        script.cancel().answer(1);
        QCOMPARE(dialog.exec(), 0);
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(page(dialog), 1);
        QCOMPARE(selected(dialog), 37);
        QCOMPARE(pictureHeight(dialog, 3), 55);
        QVERIFY(!dialog.configuration().wires.at(35).enabled);
        dialog.previousToolButton->click();
        QCOMPARE(cellText(dialog, 3), passedText);
    }

    void remoteCheck_data()
    {
        QTest::addColumn<bool>("tx");
        QTest::addColumn<QList<int>>("electrodes");
        QTest::newRow("both") << true << QList<int>({65535, 65534});
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
        woxCableConfiguration record = dialog.configuration();
        QCOMPARE(record.remoteTxResistance, tx ? emulated(4) : 0.0f);
        QCOMPARE(record.remoteRxResistance, emulated(4));
        QCOMPARE(dialog.remoteRxLabel->text(), passedText);
        QVERIFY(dialog.checkRemotePushButton->isEnabled());
        // Reset clears the remote electrodes as well.
        woxModalScript script;
        script.answer(1);
        dialog.resetPushButton->click();
        record = dialog.configuration();
        QCOMPARE(record.remoteTxResistance, tx ? -1.0f : 0.0f);
        QCOMPARE(record.remoteRxResistance, -1.0f);
        QCOMPARE(dialog.remoteRxLabel->text(), QString("N / A"));
    }
};

QTEST_MAIN(tst_cableConfigDialog)
#include "tst_cableConfigDialog.moc"
