#include "woxChannelQuadripole.h"

woxChannelQuadripole::woxChannelQuadripole()
    : sets(0), channelM(noChannel), channelN(noChannel), channel(noChannel), chained(true),
      marked(true)
{
}

void woxChannelQuadripole::setQuadripole(const woxQuadripole &quadripole)
{
    static_cast<woxQuadripole &>(*this) = quadripole;
}

void woxChannelQuadripole::setSets(int mask)
{
    sets = quint8(mask & 0xFF);
}

// Electrode e is read by receiver channel e mod 16; the remote potential
// electrode is on no channel.
void woxChannelQuadripole::assignChannels()
{
    if (m == woxRemotePotentialElectrode) {
        channelM = noChannel;
        channelN = noChannel;
        return;
    }
    channelM = quint8(m % 16);
    channelN = quint8(n % 16);
}

bool woxChannelQuadripole::operator<(const woxChannelQuadripole &other) const
{
    if (channelM != other.channelM)
        return channelM < other.channelM;
    return channelN < other.channelN;
}
