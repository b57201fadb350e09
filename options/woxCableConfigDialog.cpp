#include "woxCableConfigDialog.h"

#include "woxCore.h"
#include "woxTranslator.h"
#include "woxWarningDialog.h"

namespace {

const qint16 remoteTxRequest = -1;
const qint16 remoteRxRequest = -2;

typedef void (woxCableConfigDialog::*CellSlot)();

} // namespace

woxCableConfigDialog::woxCableConfigDialog(QWidget *parent, woxCable cables, bool remoteTx,
                                           bool remoteRx)
    : QDialog(parent), core(nullptr), cables(2), page(0), currentElectrode(0), checking(false),
      requestOutstanding(false), requestedElectrode(0)
{
    // A damaged template may carry any count: more than two cables would ask
    // the core for electrodes that do not exist.
    if (cables == 1)
        this->cables = 1;
    core = woxCore::instance();
    selectionPalette.setBrush(QPalette::Active, QPalette::Button, QBrush(QColor(0, 255, 127)));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setupUi(this);
    if (!remoteTx && !remoteRx)
        checkRemotePushButton->setEnabled(false);
    for (int cell = 0; cell < woxElectrodesPerCable; ++cell) {
        const QString name = QStringLiteral("w%1").arg(cell, 2, 10, QLatin1Char('0'));
        numberButtons.append(findChild<QToolButton *>(name + QStringLiteral("ToolButton")));
        wireButtons.append(findChild<QPushButton *>(name + QStringLiteral("PushButton")));
        wireLabels.append(findChild<QLabel *>(name + QStringLiteral("Label")));
    }
    if (remoteTx)
        remoteTxState.reset(new woxElectrodeState(remoteTxLabel, true));
    if (remoteRx)
        remoteRxState.reset(new woxElectrodeState(remoteRxLabel, true));
    for (int e = 0; e < this->cables * woxElectrodesPerCable; ++e) {
        const int cell = e % woxElectrodesPerCable;
        wireStates.append(woxElectrodeState(wireLabels.at(cell), wireButtons.at(cell)));
    }
    onUpdate();
    selectCableWire(0);
    connectControls();
    setFixedSize(1024, 600);
    connect(woxTranslator::instance(), &woxTranslator::sendTranslate, this,
            &woxCableConfigDialog::onTranslate);
    onTranslate();
}

woxCableConfigDialog::~woxCableConfigDialog() = default;

void woxCableConfigDialog::connectControls()
{
    static const CellSlot selectSlots[woxElectrodesPerCable] = {
    &woxCableConfigDialog::selectCableWire00,
    &woxCableConfigDialog::selectCableWire01,
    &woxCableConfigDialog::selectCableWire02,
    &woxCableConfigDialog::selectCableWire03,
    &woxCableConfigDialog::selectCableWire04,
    &woxCableConfigDialog::selectCableWire05,
    &woxCableConfigDialog::selectCableWire06,
    &woxCableConfigDialog::selectCableWire07,
    &woxCableConfigDialog::selectCableWire08,
    &woxCableConfigDialog::selectCableWire09,
    &woxCableConfigDialog::selectCableWire10,
    &woxCableConfigDialog::selectCableWire11,
    &woxCableConfigDialog::selectCableWire12,
    &woxCableConfigDialog::selectCableWire13,
    &woxCableConfigDialog::selectCableWire14,
    &woxCableConfigDialog::selectCableWire15,
    &woxCableConfigDialog::selectCableWire16,
    &woxCableConfigDialog::selectCableWire17,
    &woxCableConfigDialog::selectCableWire18,
    &woxCableConfigDialog::selectCableWire19,
    &woxCableConfigDialog::selectCableWire20,
    &woxCableConfigDialog::selectCableWire21,
    &woxCableConfigDialog::selectCableWire22,
    &woxCableConfigDialog::selectCableWire23,
    &woxCableConfigDialog::selectCableWire24,
    &woxCableConfigDialog::selectCableWire25,
    &woxCableConfigDialog::selectCableWire26,
    &woxCableConfigDialog::selectCableWire27,
    &woxCableConfigDialog::selectCableWire28,
    &woxCableConfigDialog::selectCableWire29,
    &woxCableConfigDialog::selectCableWire30,
    &woxCableConfigDialog::selectCableWire31,
    };
    static const CellSlot switchSlots[woxElectrodesPerCable] = {
    &woxCableConfigDialog::switchCableWireState00,
    &woxCableConfigDialog::switchCableWireState01,
    &woxCableConfigDialog::switchCableWireState02,
    &woxCableConfigDialog::switchCableWireState03,
    &woxCableConfigDialog::switchCableWireState04,
    &woxCableConfigDialog::switchCableWireState05,
    &woxCableConfigDialog::switchCableWireState06,
    &woxCableConfigDialog::switchCableWireState07,
    &woxCableConfigDialog::switchCableWireState08,
    &woxCableConfigDialog::switchCableWireState09,
    &woxCableConfigDialog::switchCableWireState10,
    &woxCableConfigDialog::switchCableWireState11,
    &woxCableConfigDialog::switchCableWireState12,
    &woxCableConfigDialog::switchCableWireState13,
    &woxCableConfigDialog::switchCableWireState14,
    &woxCableConfigDialog::switchCableWireState15,
    &woxCableConfigDialog::switchCableWireState16,
    &woxCableConfigDialog::switchCableWireState17,
    &woxCableConfigDialog::switchCableWireState18,
    &woxCableConfigDialog::switchCableWireState19,
    &woxCableConfigDialog::switchCableWireState20,
    &woxCableConfigDialog::switchCableWireState21,
    &woxCableConfigDialog::switchCableWireState22,
    &woxCableConfigDialog::switchCableWireState23,
    &woxCableConfigDialog::switchCableWireState24,
    &woxCableConfigDialog::switchCableWireState25,
    &woxCableConfigDialog::switchCableWireState26,
    &woxCableConfigDialog::switchCableWireState27,
    &woxCableConfigDialog::switchCableWireState28,
    &woxCableConfigDialog::switchCableWireState29,
    &woxCableConfigDialog::switchCableWireState30,
    &woxCableConfigDialog::switchCableWireState31,
    };
    for (int cell = 0; cell < woxElectrodesPerCable; ++cell)
        connect(wireButtons.at(cell), &QPushButton::clicked, this, switchSlots[cell]);
    for (int cell = 0; cell < woxElectrodesPerCable; ++cell)
        connect(numberButtons.at(cell), &QToolButton::clicked, this, selectSlots[cell]);
    if (cables > 1) {
        connect(previousToolButton, &QToolButton::clicked, this,
                &woxCableConfigDialog::onPreviousCable);
        connect(nextToolButton, &QToolButton::clicked, this, &woxCableConfigDialog::onNextCable);
    }
    connect(checkCablePushButton, &QPushButton::clicked, this,
            &woxCableConfigDialog::onCableWireCheck);
    connect(checkRemotePushButton, &QPushButton::clicked, this,
            &woxCableConfigDialog::onRemoteCheck);
    connect(automaticAdvanceCheckBox, &QCheckBox::clicked, this, &woxCableConfigDialog::onAuto);
    connect(failGroundingComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &woxCableConfigDialog::onUpdate);
    connect(resetPushButton, &QPushButton::clicked, this, &woxCableConfigDialog::onReset);
    connect(disableFailedPushButton, &QPushButton::clicked, this,
            &woxCableConfigDialog::onDisable);
    connect(core, &woxCore::sendReportResistance, this,
            &woxCableConfigDialog::onReportResistance);
}

woxCableConfiguration woxCableConfigDialog::configuration() const
{
    woxCableConfiguration result;
    for (const woxElectrodeState &state : wireStates) {
        woxWireState wire;
        wire.resistance = state.resistance();
        wire.enabled = !state.isDisabled();
        result.wires.append(wire);
    }
    if (remoteTxState) {
        result.remoteTxResistance = remoteTxState->resistance();
        result.remoteTxPresent = true;
    }
    if (remoteRxState) {
        result.remoteRxResistance = remoteRxState->resistance();
        result.remoteRxPresent = true;
    }
    return result;
}

void woxCableConfigDialog::reject()
{
    if (actionsGroupBox->isEnabled())
        QDialog::reject();
}

// ---------------------------------------------------------------- pages

void woxCableConfigDialog::onTranslate()
{
    actionsGroupBox->setTitle(tr("Actions"));
    currentCableGroupBox->setTitle(tr("Current cable"));
    cableConfigurationGroupBox->setTitle(tr("Cable configuration"));
    groundingCheckGroupBox->setTitle(tr("Grounding check"));
    remoteGroupBox->setTitle(tr("Remote"));
    acceptPushButton->setText(tr("Accept"));
    resetPushButton->setText(tr("Reset"));
    cancelPushButton->setText(tr("Cancel"));
    previousToolButton->setText(tr("Previous"));
    nextToolButton->setText(tr("Next"));
    checkCablePushButton->setText(tr("Check cable"));
    disableFailedPushButton->setText(tr("Disable failed"));
    checkRemotePushButton->setText(tr("Check remote"));
    automaticAdvanceCheckBox->setText(tr("Automatic advance"));
    stopIfFailedCheckBox->setText(tr("Stop if failed"));
    _failGroundingLabel->setText(
        QStringLiteral("%1 [%2%3]:").arg(tr("Fail grounding"), tr("k"), tr("Ohm")));
    const QChar infinity(0x221E);
    _remoteTxLabel->setText(QStringLiteral("Tx%1:").arg(infinity));
    _remoteRxLabel->setText(QStringLiteral("Rx%1:").arg(infinity));
    onUpdate();
}

void woxCableConfigDialog::onPreviousCable()
{
    if (page == 0)
        return;
    --page;
    onUpdate();
    selectCableWire(0);
}

void woxCableConfigDialog::onNextCable()
{
    if (page + 1 >= cables)
        return;
    ++page;
    onUpdate();
    selectCableWire(0);
}

void woxCableConfigDialog::onUpdate()
{
    currentCableLabel->setText(QStringLiteral("%1 / %2").arg(page + 1).arg(cables));
    const float threshold = failThreshold();
    for (int cell = 0; cell < woxElectrodesPerCable; ++cell)
        wireStates.at(page * woxElectrodesPerCable + cell).updateWidgets(threshold);
    if (remoteTxState)
        remoteTxState->updateWidgets(threshold);
    if (remoteRxState)
        remoteRxState->updateWidgets(threshold);
}

float woxCableConfigDialog::failThreshold() const
{
    return failGroundingComboBox->currentText().toFloat();
}

void woxCableConfigDialog::setNumberButtonPalette(quint16 electrode, const QPalette &palette)
{
    numberButtons.at(electrode % woxElectrodesPerCable)->setPalette(palette);
}

void woxCableConfigDialog::selectCableWire(quint16 cell)
{
    if (checking)
        return;
    setNumberButtonPalette(currentElectrode, acceptPushButton->palette());
    currentElectrode = quint16(page * woxElectrodesPerCable + cell);
    setNumberButtonPalette(currentElectrode, selectionPalette);
}

void woxCableConfigDialog::selectCableWire00() { selectCableWire(0); }
void woxCableConfigDialog::selectCableWire01() { selectCableWire(1); }
void woxCableConfigDialog::selectCableWire02() { selectCableWire(2); }
void woxCableConfigDialog::selectCableWire03() { selectCableWire(3); }
void woxCableConfigDialog::selectCableWire04() { selectCableWire(4); }
void woxCableConfigDialog::selectCableWire05() { selectCableWire(5); }
void woxCableConfigDialog::selectCableWire06() { selectCableWire(6); }
void woxCableConfigDialog::selectCableWire07() { selectCableWire(7); }
void woxCableConfigDialog::selectCableWire08() { selectCableWire(8); }
void woxCableConfigDialog::selectCableWire09() { selectCableWire(9); }
void woxCableConfigDialog::selectCableWire10() { selectCableWire(10); }
void woxCableConfigDialog::selectCableWire11() { selectCableWire(11); }
void woxCableConfigDialog::selectCableWire12() { selectCableWire(12); }
void woxCableConfigDialog::selectCableWire13() { selectCableWire(13); }
void woxCableConfigDialog::selectCableWire14() { selectCableWire(14); }
void woxCableConfigDialog::selectCableWire15() { selectCableWire(15); }
void woxCableConfigDialog::selectCableWire16() { selectCableWire(16); }
void woxCableConfigDialog::selectCableWire17() { selectCableWire(17); }
void woxCableConfigDialog::selectCableWire18() { selectCableWire(18); }
void woxCableConfigDialog::selectCableWire19() { selectCableWire(19); }
void woxCableConfigDialog::selectCableWire20() { selectCableWire(20); }
void woxCableConfigDialog::selectCableWire21() { selectCableWire(21); }
void woxCableConfigDialog::selectCableWire22() { selectCableWire(22); }
void woxCableConfigDialog::selectCableWire23() { selectCableWire(23); }
void woxCableConfigDialog::selectCableWire24() { selectCableWire(24); }
void woxCableConfigDialog::selectCableWire25() { selectCableWire(25); }
void woxCableConfigDialog::selectCableWire26() { selectCableWire(26); }
void woxCableConfigDialog::selectCableWire27() { selectCableWire(27); }
void woxCableConfigDialog::selectCableWire28() { selectCableWire(28); }
void woxCableConfigDialog::selectCableWire29() { selectCableWire(29); }
void woxCableConfigDialog::selectCableWire30() { selectCableWire(30); }
void woxCableConfigDialog::selectCableWire31() { selectCableWire(31); }

void woxCableConfigDialog::switchCableWireState00() { switchCableWireState(0); }
void woxCableConfigDialog::switchCableWireState01() { switchCableWireState(1); }
void woxCableConfigDialog::switchCableWireState02() { switchCableWireState(2); }
void woxCableConfigDialog::switchCableWireState03() { switchCableWireState(3); }
void woxCableConfigDialog::switchCableWireState04() { switchCableWireState(4); }
void woxCableConfigDialog::switchCableWireState05() { switchCableWireState(5); }
void woxCableConfigDialog::switchCableWireState06() { switchCableWireState(6); }
void woxCableConfigDialog::switchCableWireState07() { switchCableWireState(7); }
void woxCableConfigDialog::switchCableWireState08() { switchCableWireState(8); }
void woxCableConfigDialog::switchCableWireState09() { switchCableWireState(9); }
void woxCableConfigDialog::switchCableWireState10() { switchCableWireState(10); }
void woxCableConfigDialog::switchCableWireState11() { switchCableWireState(11); }
void woxCableConfigDialog::switchCableWireState12() { switchCableWireState(12); }
void woxCableConfigDialog::switchCableWireState13() { switchCableWireState(13); }
void woxCableConfigDialog::switchCableWireState14() { switchCableWireState(14); }
void woxCableConfigDialog::switchCableWireState15() { switchCableWireState(15); }
void woxCableConfigDialog::switchCableWireState16() { switchCableWireState(16); }
void woxCableConfigDialog::switchCableWireState17() { switchCableWireState(17); }
void woxCableConfigDialog::switchCableWireState18() { switchCableWireState(18); }
void woxCableConfigDialog::switchCableWireState19() { switchCableWireState(19); }
void woxCableConfigDialog::switchCableWireState20() { switchCableWireState(20); }
void woxCableConfigDialog::switchCableWireState21() { switchCableWireState(21); }
void woxCableConfigDialog::switchCableWireState22() { switchCableWireState(22); }
void woxCableConfigDialog::switchCableWireState23() { switchCableWireState(23); }
void woxCableConfigDialog::switchCableWireState24() { switchCableWireState(24); }
void woxCableConfigDialog::switchCableWireState25() { switchCableWireState(25); }
void woxCableConfigDialog::switchCableWireState26() { switchCableWireState(26); }
void woxCableConfigDialog::switchCableWireState27() { switchCableWireState(27); }
void woxCableConfigDialog::switchCableWireState28() { switchCableWireState(28); }
void woxCableConfigDialog::switchCableWireState29() { switchCableWireState(29); }
void woxCableConfigDialog::switchCableWireState30() { switchCableWireState(30); }
void woxCableConfigDialog::switchCableWireState31() { switchCableWireState(31); }

// ---------------------------------------------------------------- check

void woxCableConfigDialog::setControls(ControlSet set, bool enabled)
{
    actionsGroupBox->setEnabled(enabled);
    if (set != RemoteCheckSet) {
        currentCableGroupBox->setEnabled(enabled);
        automaticAdvanceCheckBox->setEnabled(enabled);
    }
    if (set != CableCheckSet)
        checkCablePushButton->setEnabled(enabled);
    checkRemotePushButton->setEnabled(enabled && (remoteTxState || remoteRxState));
}

bool woxCableConfigDialog::nextCheckWire()
{
    if (currentElectrode + 1 >= wireStates.size())
        return false;
    setNumberButtonPalette(currentElectrode, acceptPushButton->palette());
    ++currentElectrode;
    setNumberButtonPalette(currentElectrode, selectionPalette);
    return true;
}

void woxCableConfigDialog::onAuto(bool automatic)
{
    checkCablePushButton->setCheckable(automatic);
}

void woxCableConfigDialog::request(qint16 electrode)
{
    requestOutstanding = true;
    requestedElectrode = woxElectrode(electrode);
    woxResistanceRequest resistance;
    resistance.electrode = electrode;
    core->measureResistance(resistance);
}

void woxCableConfigDialog::onCableWireCheck()
{
    const bool automatic = automaticAdvanceCheckBox->isChecked();
    const bool checked = checkCablePushButton->isChecked();
    if (!checked == automatic) {
        // The operator unchecked the button: unlock now; the stopped job
        // still answers, with its value or with "Canceled by user".
        setControls(CableCheckSet, true);
        if (requestOutstanding)
            core->stop();
        checking = false;
        return;
    }
    if (requestOutstanding) {
        // A second request would be answered into whatever is selected then.
        checkCablePushButton->setChecked(false);
        return;
    }
    setControls(CableCheckSet, false);
    checking = true;
    if (wireStates.at(currentElectrode).isDisabled()) {
        woxCoreReportResistance answer;
        answer.electrode = currentElectrode;
        answer.resistance = -1.0f;
        handleReport(answer);
        return;
    }
    request(qint16(currentElectrode));
}

void woxCableConfigDialog::onRemoteCheck()
{
    if (remoteTxState)
        onRemoteTxCheck();
    else if (remoteRxState)
        onRemoteRxCheck();
}

void woxCableConfigDialog::onRemoteTxCheck()
{
    if (requestOutstanding)
        return;
    setControls(RemoteCheckSet, false);
    request(remoteTxRequest);
}

void woxCableConfigDialog::onRemoteRxCheck()
{
    if (requestOutstanding)
        return;
    setControls(RemoteCheckSet, false);
    request(remoteRxRequest);
}

void woxCableConfigDialog::onReportResistance(woxCoreReportResistance report)
{
    if (!requestOutstanding || report.electrode != requestedElectrode)
        return;
    requestOutstanding = false;
    handleReport(report);
}

void woxCableConfigDialog::handleReport(const woxCoreReportResistance &report)
{
    const float threshold = failThreshold();
    if (report.error.code != 0) {
        woxWarningDialog::showOk(report.error.toString());
        setControls(ErrorSet, true);
        checkCablePushButton->setChecked(false);
        checking = false;
        return;
    }
    if (report.electrode == woxRemoteCurrentElectrode) {
        storeRemoteTx(report.resistance, threshold);
    } else if (report.electrode == woxRemotePotentialElectrode) {
        if (remoteRxState) {
            remoteRxState->setResistance(report.resistance);
            remoteRxState->updateWidgets(threshold);
        }
        setControls(RemoteCheckSet, true);
    } else {
        storeWire(report.electrode, report.resistance, threshold);
    }
}

void woxCableConfigDialog::storeRemoteTx(float resistance, float threshold)
{
    if (remoteTxState) {
        remoteTxState->setResistance(resistance);
        remoteTxState->updateWidgets(threshold);
    }
    if (remoteRxState)
        onRemoteRxCheck();
    else
        setControls(RemoteCheckSet, true);
}

void woxCableConfigDialog::storeWire(woxElectrode electrode, float resistance, float threshold)
{
    const quint16 before = currentElectrode;
    if (electrode >= wireStates.size()) {
        endCableCheck(before);
        return;
    }
    // The value belongs to the electrode that was measured, whatever the
    // operator selected after a stop.
    woxElectrodeState &state = wireStates[electrode];
    state.setResistance(resistance);
    if (electrode / woxElectrodesPerCable == page)
        state.updateWidgets(threshold);
    const bool failed = stopIfFailedCheckBox->isChecked() && resistance >= threshold;
    const bool stillSelected = currentElectrode == electrode;
    if (stillSelected && !failed && nextCheckWire() && checkCablePushButton->isChecked()) {
        onCableWireCheck();
        if (currentElectrode / woxElectrodesPerCable != before / woxElectrodesPerCable)
            showCableOfSelection();
        return;
    }
    endCableCheck(before);
}

void woxCableConfigDialog::endCableCheck(quint16 before)
{
    setControls(CableCheckSet, true);
    checkCablePushButton->setChecked(false);
    checking = false;
    if (currentElectrode / woxElectrodesPerCable != before / woxElectrodesPerCable)
        showCableOfSelection();
}

void woxCableConfigDialog::showCableOfSelection()
{
    // The check turns the page without selecting the page's first wire: when
    // a run of switched-off electrodes has already ended the check, that
    // would move the selection back from the last electrode.
    const quint8 cable = quint8(currentElectrode / woxElectrodesPerCable);
    if (cable == page)
        return;
    page = cable;
    onUpdate();
}

// ---------------------------------------------------------------- switches

void woxCableConfigDialog::switchCableWireState(quint16 cell)
{
    woxElectrodeState &state = wireStates[page * woxElectrodesPerCable + cell];
    state.toggle();
    state.updateWidgets(failThreshold());
}

void woxCableConfigDialog::onReset()
{
    if (woxWarningDialog::askYesNo(tr("Are you sure you want to reset current configuration?"))
        != 1)
        return;
    for (woxElectrodeState &state : wireStates)
        state.reset();
    if (remoteTxState)
        remoteTxState->reset();
    if (remoteRxState)
        remoteRxState->reset();
    page = 0;
    onUpdate();
    selectCableWire(0);
}

void woxCableConfigDialog::onDisable()
{
    if (woxWarningDialog::askYesNo(tr("Are you sure you want to disable failed electrodes?")) != 1)
        return;
    const float threshold = failThreshold();
    for (woxElectrodeState &state : wireStates)
        state.disableIfAbove(threshold);
    onUpdate();
}
