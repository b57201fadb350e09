#ifndef WOXCHANNELQUADRIPOLE_H
#define WOXCHANNELQUADRIPOLE_H

#include "woxQuadripole.h"

#include <QList>

// A quadripole while the measurement sequence is packed into runs: the sets
// that produced it, the receiver channels its potential electrodes offer and
// the run flags.
class woxChannelQuadripole : public woxQuadripole
{
public:
    // 17 stands for "no channel" and sorts after every real channel (0..15).
    static constexpr quint8 noChannel = 17;

    woxChannelQuadripole();

    void setQuadripole(const woxQuadripole &quadripole);
    void setSets(int mask);
    void assignChannels();

    bool operator<(const woxChannelQuadripole &other) const;

    quint8 sets;
    quint8 channelM;
    quint8 channelN;
    quint8 channel;
    bool chained;
    bool marked;
};

// Longest list first.
template <typename T>
bool listSizeGreaterThan(const QList<T> &first, const QList<T> &second)
{
    return first.size() > second.size();
}

#endif
