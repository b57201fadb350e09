#ifndef WOXFAKENETWORKADDRESSES_H
#define WOXFAKENETWORKADDRESSES_H

#include "woxNetworkAddresses.h"

// Answers `addresses` (loopback only unless a test adds more); installs
// itself for its lifetime.
class woxFakeNetworkAddresses : public woxNetworkAddresses
{
public:
    woxFakeNetworkAddresses();
    ~woxFakeNetworkAddresses() override;
    QList<QHostAddress> all() const override;

    QList<QHostAddress> addresses;
};

#endif
