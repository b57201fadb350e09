#ifndef WOXTYPES_H
#define WOXTYPES_H

#include <QtGlobal>

// Electrode number along the line, 0-based; 65535 is the remote current
// electrode and 65534 the remote potential electrode.
typedef quint16 woxElectrode;
// Device address on the instrument's bus.
typedef quint8 woxAddress;
// 0-based spacing row and level column of the template grid.
typedef quint8 woxSpacing;
typedef quint8 woxLevel;
// Number of 32-electrode cables (1 or 2).
typedef quint8 woxCable;
// Electrode spacing along the cable in metres.
typedef float woxCableSpacing;
// Electrode-array code: 0 to 21, 255 while none is chosen.
typedef quint8 woxArrayType;

const woxElectrode woxRemoteCurrentElectrode = 65535;
const woxElectrode woxRemotePotentialElectrode = 65534;
const woxArrayType woxNoArrayType = 255;
// Number of electrode-array codes (0 to 21).
const int woxArrayTypeCount = 22;
// Electrodes on one cable.
const int woxElectrodesPerCable = 32;

#endif
