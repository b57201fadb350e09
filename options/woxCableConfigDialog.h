#ifndef WOXCABLECONFIGDIALOG_H
#define WOXCABLECONFIGDIALOG_H

#include "ui_mCableConfigDialog.h"

#include "woxCableConfiguration.h"
#include "woxCoreReportResistance.h"
#include "woxElectrodeState.h"

#include <QDialog>
#include <QList>
#include <QPalette>

#include <memory>

class woxCore;

// The full-screen dialog in which the operator checks the grounding of every
// electrode of one or two cables (32 electrodes each, one cable on show at a
// time) and of the remote electrodes in use, switches electrodes off, and
// accepts or cancels. Callers read configuration() after an accepted run; a
// dialog that is kept and run again shows what it showed last time.
//
// Each dialog has at most one grounding request of its own in the core and
// takes in only the report that answers it, so a dialog kept hidden by one
// screen never picks up the values of another screen's check.
class woxCableConfigDialog : public QDialog, public Ui::mCableConfigDialog
{
    Q_OBJECT

public:
    // cables: 1 or 2 (anything else means 2); remoteTx and remoteRx say
    // whether the remote transmitter (65535) and receiver (65534) electrodes
    // are in use.
    woxCableConfigDialog(QWidget *parent, woxCable cables, bool remoteTx, bool remoteRx);
    ~woxCableConfigDialog() override;

    woxCableConfiguration configuration() const;

    // Escape ends the dialog like Cancel, and like Cancel not while a check
    // has the dialog's actions locked.
    void reject() override;

private slots:
    void onAuto(bool automatic);
    void onTranslate();
    void onPreviousCable();
    void onNextCable();
    void onUpdate();
    void onDisable();
    void onReset();
    void onCableWireCheck();
    void onRemoteCheck();
    void onRemoteTxCheck();
    void onRemoteRxCheck();
    void onReportResistance(woxCoreReportResistance report);
    void selectCableWire00();
    void selectCableWire16();
    void selectCableWire01();
    void selectCableWire17();
    void selectCableWire02();
    void selectCableWire18();
    void selectCableWire03();
    void selectCableWire19();
    void selectCableWire04();
    void selectCableWire20();
    void selectCableWire05();
    void selectCableWire21();
    void selectCableWire06();
    void selectCableWire22();
    void selectCableWire07();
    void selectCableWire23();
    void selectCableWire08();
    void selectCableWire24();
    void selectCableWire09();
    void selectCableWire25();
    void selectCableWire10();
    void selectCableWire26();
    void selectCableWire11();
    void selectCableWire27();
    void selectCableWire12();
    void selectCableWire28();
    void selectCableWire13();
    void selectCableWire29();
    void selectCableWire14();
    void selectCableWire30();
    void selectCableWire15();
    void selectCableWire31();
    void switchCableWireState00();
    void switchCableWireState16();
    void switchCableWireState01();
    void switchCableWireState17();
    void switchCableWireState02();
    void switchCableWireState18();
    void switchCableWireState03();
    void switchCableWireState19();
    void switchCableWireState04();
    void switchCableWireState20();
    void switchCableWireState05();
    void switchCableWireState21();
    void switchCableWireState06();
    void switchCableWireState22();
    void switchCableWireState07();
    void switchCableWireState23();
    void switchCableWireState08();
    void switchCableWireState24();
    void switchCableWireState09();
    void switchCableWireState25();
    void switchCableWireState10();
    void switchCableWireState26();
    void switchCableWireState11();
    void switchCableWireState27();
    void switchCableWireState12();
    void switchCableWireState28();
    void switchCableWireState13();
    void switchCableWireState29();
    void switchCableWireState14();
    void switchCableWireState30();
    void switchCableWireState15();
    void switchCableWireState31();

private:
    enum ControlSet { CableCheckSet, RemoteCheckSet, ErrorSet };

    void connectControls();
    void selectCableWire(quint16 cell);
    float failThreshold() const;
    bool nextCheckWire();
    void switchCableWireState(quint16 cell);
    void setControls(ControlSet set, bool enabled);
    void request(qint16 electrode);
    void handleReport(const woxCoreReportResistance &report);
    void storeRemoteTx(float resistance, float threshold);
    void storeWire(woxElectrode electrode, float resistance, float threshold);
    void endCableCheck(quint16 before);
    void showCableOfSelection();
    void setNumberButtonPalette(quint16 electrode, const QPalette &palette);

    QList<QLabel *> wireLabels;
    QList<QToolButton *> numberButtons;
    QList<QPushButton *> wireButtons;
    woxCore *core;
    QPalette selectionPalette;
    QList<woxElectrodeState> wireStates;
    std::unique_ptr<woxElectrodeState> remoteTxState;
    std::unique_ptr<woxElectrodeState> remoteRxState;
    woxCable cables;
    quint8 page;
    quint16 currentElectrode;
    bool checking;
    // The one request of this dialog that the core has not answered yet.
    bool requestOutstanding;
    woxElectrode requestedElectrode;
};

#endif
