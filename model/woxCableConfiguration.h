#ifndef WOXCABLECONFIGURATION_H
#define WOXCABLECONFIGURATION_H

#include "woxTypes.h"
#include "woxWireState.h"

#include <QList>
#include <QSet>

class QDataStream;

// What the operator settled in the cable dialog: per electrode (list
// position = electrode number) its grounding and whether it is used, and
// the grounding and presence of the remote transmitter and receiver
// electrodes. The session file keeps it after the set list.
struct woxCableConfiguration
{
    // Two cables: the most the dialog builds, and the most a reader accepts.
    static const int maxWires = 2 * woxElectrodesPerCable;

    QList<woxWireState> wires;
    float remoteTxResistance = 0.0f;   // kilo-ohms; -1.0 when not measured
    bool remoteTxPresent = false;
    float remoteRxResistance = 0.0f;
    bool remoteRxPresent = false;

    // The electrodes switched off: the positions of the wires not enabled.
    QSet<woxElectrode> disabledElectrodes() const;
};

// 22 + 9 x wires bytes: wire count, the wires, then the remote Tx and Rx
// resistance and flag. The reader refuses a wire count above maxWires or
// one that the bytes left could not hold (ReadCorruptData, no wires read);
// a stream that ends in the remote fields keeps the wires.
QDataStream &operator<<(QDataStream &stream, const woxCableConfiguration &configuration);
QDataStream &operator>>(QDataStream &stream, woxCableConfiguration &configuration);

#endif // WOXCABLECONFIGURATION_H
