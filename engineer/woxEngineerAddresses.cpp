#include "woxEngineerAddresses.h"

#include "woxDeviceBus.h"

namespace {
const int inputReceivers = 16;
}

woxAddress woxEngineerAddresses::transmitter(int index)
{
    return index == 0 ? woxDeviceBus::transmitter : woxDeviceBus::referenceUnit;
}

woxAddress woxEngineerAddresses::receiver(int index)
{
    if (index == inputReceivers + 2)
        return woxDeviceBus::allReceivers;
    return stressReceiver(index);
}

woxAddress woxEngineerAddresses::stressReceiver(int channel)
{
    if (channel == inputReceivers)
        return woxDeviceBus::outputVoltage;
    if (channel == inputReceivers + 1)
        return woxDeviceBus::outputCurrent;
    return woxAddress(woxDeviceBus::firstReceiver + channel);
}

woxAddress woxEngineerAddresses::switchDevice(int index)
{
    if (index == inputReceivers)
        return woxDeviceBus::transmitterSwitch;
    if (index == inputReceivers + 1)
        return woxDeviceBus::allSwitches;
    return woxAddress(woxDeviceBus::firstSwitch + index);
}

woxElectrode woxEngineerAddresses::electrode(int value)
{
    if (value == -1)
        return woxRemotePotentialElectrode;
    if (value == -2)
        return woxRemoteCurrentElectrode;
    return woxElectrode(value);
}
