#ifndef WOXNETWORKADDRESSES_H
#define WOXNETWORKADDRESSES_H

#include <QHostAddress>
#include <QList>

// The computer's network addresses, for the LAN self-test. Tests install a
// fake so the result does not depend on the machine's interfaces.
class woxNetworkAddresses
{
public:
    virtual ~woxNetworkAddresses();
    // Every address of every interface (QNetworkInterface::allAddresses).
    virtual QList<QHostAddress> all() const;

    static woxNetworkAddresses *instance();
    // Not owned; nullptr restores the real addresses.
    static void install(woxNetworkAddresses *addresses);
};

#endif
