#ifndef WOXENGINEERADDRESSES_H
#define WOXENGINEERADDRESSES_H

#include "woxTypes.h"

// The bus addresses and electrode numbers that the engineer pages' selectors
// stand for.
class woxEngineerAddresses
{
public:
    // Transmitter selector: 0 the internal transmitter, else the reference unit.
    static woxAddress transmitter(int index);
    // Receiver selector: 0 to 15 the input receivers, 16 the output voltage
    // and 17 the output current receiver, 18 all receivers.
    static woxAddress receiver(int index);
    // Stress channel: 0 to 15 the input receivers, 16 output voltage,
    // 17 output current.
    static woxAddress stressReceiver(int channel);
    // Switch selector: 0 to 15 the receiver switches, 16 the transmitter
    // switch, 17 all switches.
    static woxAddress switchDevice(int index);
    // Electrode field: -1 the remote potential, -2 the remote current
    // electrode, else the electrode itself.
    static woxElectrode electrode(int value);
};

#endif
