#include "woxCableConfigDialog.h"
#include "woxCoreDouble.h"
#include "woxModalScript.h"
#include "woxStreamed.h"
#include "woxWarningDialog.h"

#include <QtTest>

#include <cmath>

namespace {

const QString notMeasured = QStringLiteral("N / A\n ");
const QString passedText = QStringLiteral("0.25\nk\u03A9");
const float passing = 0.24543f;   // shown as 0.25, still below the 0.25 threshold
const float failing = 0.56543f;

template <class Widget = QLabel>
Widget *cell(const woxCableConfigDialog &dialog, int cell, const char *role = "Label")
{
    return dialog.findChild<Widget *>(QString("w%1%2").arg(cell, 2, 10, QChar('0')).arg(role));
}

// What the operator reads: the page from its label ("2 / 2" is 1), and the
// electrode whose number wears the selection colour.
int page(const woxCableConfigDialog &dialog)
{
    return dialog.currentCableLabel->text().left(1).toInt() - 1;
}

int selected(const woxCableConfigDialog &dialog)
{
    for (int c = 0; c < 32; ++c) {
        const QPalette palette = cell<QWidget>(dialog, c, "ToolButton")->palette();
        if (palette.color(QPalette::Active, QPalette::Button) == QColor(0, 255, 127))
            return page(dialog) * 32 + c;
    }
    return -1;
}

void select(woxCableConfigDialog &dialog, int electrode)
{
    for (int p = page(dialog); p != electrode / 32; p = page(dialog))
        (p < electrode / 32 ? dialog.nextToolButton : dialog.previousToolButton)->click();
    cell<QToolButton>(dialog, electrode % 32, "ToolButton")->click();
}

float measured(const woxCableConfigDialog &dialog, int electrode)
{
    return dialog.configuration().wires.at(electrode).resistance;
}

void deliver(int electrode, float kiloOhms, quint8 error = 0)
{
    woxCoreReportResistance report;
    report.electrode = woxElectrode(electrode);
    report.resistance = kiloOhms;
    report.error.code = error;
    woxCoreDouble::deliver(report);
}

} // namespace

// The cable dialog against the core double, which answers each grounding
// request with a scripted report.
class tst_cableConfigDialog : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxCoreDouble> core;
    QList<int> answered;

    // Answers the grounding requests in turn with value(electrode) while the
    // dialog asks for electrodes up to `last`; remote ones are 65535, 65534.
    void answer(const std::function<float(int)> &value, int last = 65535)
    {
        while (!core->requests.isEmpty() && core->requests[0].kind == woxCoreDouble::Resistance
               && woxElectrode(core->requests[0].resistance.electrode) <= last) {
            answered << woxElectrode(core->requests.takeFirst().resistance.electrode);
            deliver(answered.last(), value(answered.last()));
        }
    }

private slots:
    void init()
    {
        core.reset(new woxCoreDouble);
        answered.clear();
    }

    void cleanup()
    {
        core.reset();
        woxCore::destroy();
        woxWarningDialog::closeInstance();
    }

    // A damaged count means two cables; Next stops at the last page.
    void cableCounts()
    {
        for (int cables : {0, 1, 7}) {
            woxCableConfigDialog dialog(nullptr, woxCable(cables), false, cables == 1);
            const int pages = cables == 1 ? 1 : 2;
            QCOMPARE(dialog.currentCableLabel->text(), QString("1 / %1").arg(pages));
            QCOMPARE(woxStreamed(dialog.configuration()).size(), 22 + 9 * 32 * pages);
            QCOMPARE(dialog.checkRemotePushButton->isEnabled(), cables == 1);
            dialog.nextToolButton->click();
            dialog.nextToolButton->click();
            QCOMPARE(selected(dialog), (pages - 1) * 32);
        }
    }

    // A run from 28 over the page turn (0 and NaN read as not measured, 0.25
    // fails at 0.25); Disable failed keeps switched-off 0 off; the remote
    // electrodes, transmitter first; Reset clears them all.
    void automaticRun()
    {
        woxCableConfigDialog dialog(nullptr, 2, true, true);
        dialog.w00PushButton->click();
        select(dialog, 28);
        const auto value = [](int e) {
            return e == 29 ? NAN : e == 31 ? 0.0f : e == 30 ? 0.25f : e == 42 ? failing : passing;
        };
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.checkCablePushButton->isChecked() && !dialog.actionsGroupBox->isEnabled());
        answer(value, 30);
        QCOMPARE(cell(dialog, 29)->text() + cell(dialog, 28)->text(), notMeasured + passedText);
        QCOMPARE(page(dialog), 0);
        answer(value, 45);
        QCOMPARE(cell(dialog, 10)->text() + cell(dialog, 20)->text(), "0.57\nk\u03A9N / A\n ");
        answer(value);
        QCOMPARE(answered.size(), 36);
        QVERIFY(!dialog.checkCablePushButton->isChecked() && dialog.actionsGroupBox->isEnabled());
        QCOMPARE(selected(dialog), 63);
        for (int e = 0; e < 64; ++e)
            QCOMPARE(measured(dialog, e), e < 28 || e == 29 || e == 31 ? -1.0f : value(e));
        woxModalScript script;
        script.answer(1).answer(1);
        dialog.disableFailedPushButton->click();
        for (int e = 0; e < 64; ++e)
            QCOMPARE(dialog.configuration().wires.at(e).enabled, e != 0 && e != 30 && e != 42);
        QCOMPARE(dialog.w10PushButton->icon().availableSizes().value(0).height(), 55);
        select(dialog, 2);
        dialog.checkRemotePushButton->click();
        QVERIFY(!dialog.checkCablePushButton->isEnabled());
        answer([](int e) { return e == 65535 ? failing : passing; });
        QCOMPARE(answered.mid(36), QList<int>({65535, 65534}));
        QVERIFY(dialog.checkCablePushButton->isEnabled() && selected(dialog) == 2);
        QCOMPARE(dialog.configuration().remoteTxResistance, failing);
        QCOMPARE(dialog.remoteRxLabel->text(), passedText);
        dialog.resetPushButton->click();
        const QString sure = "woxWarningDialog: Are you sure you want to ";
        QCOMPARE(script.seen, QStringList({sure + "disable failed electrodes?",
                                           sure + "reset current configuration?"}));
        QCOMPARE(cell(dialog, 30)->text() + dialog.remoteRxLabel->text(), notMeasured + "N / A");
        QCOMPARE(dialog.configuration().remoteTxResistance, -1.0f);
        for (const woxWireState &wire : dialog.configuration().wires)
            QVERIFY(wire.enabled && wire.resistance == -1.0f);
    }

    // Stop if failed at "1.00": 0.99 passes, 1.00 fails and stops. A run of
    // switched-off electrodes needs no job and ends on the last one.
    void runEnds()
    {
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.failGroundingComboBox->setCurrentIndex(3);
        dialog.stopIfFailedCheckBox->setChecked(true);
        select(dialog, 5);
        dialog.checkCablePushButton->click();
        answer([](int e) { return e == 5 ? 0.99f : 1.0f; });
        QCOMPARE(answered, QList<int>({5, 6}));
        QVERIFY(!dialog.checkCablePushButton->isChecked() && selected(dialog) == 6);
        for (int e = 0; e < 64; ++e) {
            select(dialog, e);
            cell<QPushButton>(dialog, e % 32, "PushButton")->click();
        }
        select(dialog, 0);
        dialog.checkCablePushButton->click();
        QVERIFY(core->requests.isEmpty() && dialog.actionsGroupBox->isEnabled());
        QCOMPARE(selected(dialog), 63);
    }

    // One request per dialog: a second click asks nothing (one electrode per
    // click without automatic advance); a report answering no request of the
    // dialog changes nothing. Unchecking unlocks and stops the job (Escape
    // waits); its late value lands on the electrode measured; an error shows.
    void requestsAndReports()
    {
        woxCableConfigDialog kept(nullptr, 2, true, true);
        woxCableConfigDialog dialog(nullptr, 2, false, false);
        dialog.show();
        dialog.automaticAdvanceCheckBox->click();
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        QCOMPARE(core->requests.size(), 1);
        deliver(9, passing);
        QVERIFY(measured(dialog, 9) == -1.0f && !dialog.actionsGroupBox->isEnabled());
        answer([](int) { return passing; });
        QVERIFY(measured(dialog, 0) == passing && selected(dialog) == 1);
        QVERIFY(dialog.actionsGroupBox->isEnabled() && core->requests.isEmpty());
        for (const woxWireState &wire : kept.configuration().wires)
            QCOMPARE(wire.resistance, -1.0f);
        dialog.automaticAdvanceCheckBox->click();
        select(dialog, 3);
        dialog.checkCablePushButton->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        dialog.checkCablePushButton->click();
        QVERIFY(dialog.actionsGroupBox->isEnabled() && dialog.currentCableGroupBox->isEnabled());
        dialog.w10ToolButton->click();
        deliver(3, passing);
        QCOMPARE(core->take().size(), 2);   // the request and the stop
        QVERIFY(cell(dialog, 3)->text() == passedText && selected(dialog) == 10);
        woxModalScript script;
        script.answer(1);
        dialog.checkCablePushButton->click();
        dialog.checkCablePushButton->click();
        deliver(10, 0.0f, 13);
        QCOMPARE(core->kinds(), QList<woxCoreDouble::Kind>({woxCoreDouble::Resistance,
                                                            woxCoreDouble::Stop}));
        QCOMPARE(script.seen, QStringList("woxWarningDialog: Canceled by user"));
        QCOMPARE(measured(dialog, 10), -1.0f);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(tst_cableConfigDialog)
#include "tst_cableConfigDialog.moc"
