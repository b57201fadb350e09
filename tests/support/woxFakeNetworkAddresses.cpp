#include "woxFakeNetworkAddresses.h"

woxFakeNetworkAddresses::woxFakeNetworkAddresses()
    : addresses({QHostAddress(QHostAddress::LocalHost), QHostAddress(QHostAddress::LocalHostIPv6)})
{
    woxNetworkAddresses::install(this);
}

woxFakeNetworkAddresses::~woxFakeNetworkAddresses()
{
    woxNetworkAddresses::install(nullptr);
}

QList<QHostAddress> woxFakeNetworkAddresses::all() const
{
    return addresses;
}
