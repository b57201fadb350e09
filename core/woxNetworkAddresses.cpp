#include "woxNetworkAddresses.h"

#include <QNetworkInterface>

namespace {
woxNetworkAddresses *installedAddresses = nullptr;
}

woxNetworkAddresses::~woxNetworkAddresses() = default;

QList<QHostAddress> woxNetworkAddresses::all() const
{
    return QNetworkInterface::allAddresses();
}

woxNetworkAddresses *woxNetworkAddresses::instance()
{
    static woxNetworkAddresses realAddresses;
    return installedAddresses ? installedAddresses : &realAddresses;
}

void woxNetworkAddresses::install(woxNetworkAddresses *addresses)
{
    installedAddresses = addresses;
}
