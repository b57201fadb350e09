#ifndef WOXDEVICEBUS_H
#define WOXDEVICEBUS_H

#include <QtGlobal>

// Addresses and command bytes of the instrument core's device bus, held in
// one place for the worker's frame link, its single device commands and the
// sequences built from them, so the three can never disagree on a number.
namespace woxDeviceBus {

// Addresses.
constexpr quint8 coreAddress = 0;
constexpr quint8 speaker = 4;
constexpr quint8 clockAddress = 5;
constexpr quint8 referenceUnit = 6;
constexpr quint8 transmitter = 7;
constexpr quint8 firstReceiver = 8;
constexpr quint8 outputVoltage = 24;
constexpr quint8 outputCurrent = 25;
constexpr quint8 lastReceiver = 25;
constexpr quint8 firstSwitch = 26;
constexpr quint8 transmitterSwitch = 42;
constexpr quint8 lastSwitch = 42;
constexpr quint8 lastDevice = 42;
constexpr quint8 allSwitches = 254;
constexpr quint8 allReceivers = 255;

// Transmitter pulses and commands.
constexpr quint8 firstAdjustPulse = 31;
constexpr quint8 secondAdjustPulse = 32;
constexpr quint8 firstStartPulse = 33;
constexpr quint8 secondStartPulse = 34;
constexpr quint8 zeroPulse = 36;
constexpr quint8 stopCommand = 30;
constexpr quint8 readStateCommand = 35;

// Receiver commands.
constexpr quint8 readCommand = 10;
constexpr quint8 startCommand = 12;
constexpr quint8 rangeCommand = 13;
constexpr quint8 inputCommand = 14;
constexpr quint8 resetCommand = 15;
constexpr quint8 firstCalibratePulse = 16;
constexpr quint8 lastCalibratePulse = 19;
constexpr quint8 calibrateDefaultCommand = 20;
constexpr quint8 clearCommand = 21;

// Speaker, clock and switch commands.
constexpr quint8 soundCommand = 50;
constexpr quint8 clockGetCommand = 40;
constexpr quint8 clockSetCommand = 41;
constexpr quint8 switchResetCommand = 60;
constexpr quint8 lineOnPin0Command = 61;
constexpr quint8 lineOnPin1Command = 62;
constexpr quint8 remoteCurrentCommand = 63;
constexpr quint8 remotePotentialCommand = 66;
constexpr quint8 switchApplyCommand = 67;

// How long a device may take to answer an ordinary request.
constexpr quint16 replyTimeoutMs = 500;

} // namespace woxDeviceBus

#endif
