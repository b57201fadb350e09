#include "woxCableConfiguration.h"

#include "woxStreamCount.h"

#include <QDataStream>

QSet<woxElectrode> woxCableConfiguration::disabledElectrodes() const
{
    QSet<woxElectrode> disabled;
    for (int electrode = 0; electrode < wires.size(); ++electrode) {
        if (!wires.at(electrode).enabled)
            disabled.insert(woxElectrode(electrode));
    }
    return disabled;
}

QDataStream &operator<<(QDataStream &stream, const woxCableConfiguration &configuration)
{
    stream << qint32(configuration.wires.size());
    for (const woxWireState &wire : configuration.wires)
        stream << wire;
    stream << configuration.remoteTxResistance << configuration.remoteTxPresent
           << configuration.remoteRxResistance << configuration.remoteRxPresent;
    return stream;
}

namespace {

// Each wire is a double and a byte on the stream.
const qint64 wireBytes = 9;

// The count comes from a file: it must never decide an allocation. A
// sequential device cannot tell how many bytes are left, so the most the
// program writes is the bound that always holds.
bool readWires(QDataStream &stream, QList<woxWireState> &wires)
{
    wires.clear();
    quint32 count = 0;
    stream >> count;
    if (stream.status() == QDataStream::Ok && count > quint32(woxCableConfiguration::maxWires)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    if (!woxStreamCount::accept(stream, count, wireBytes))
        return false;
    wires.reserve(int(count));
    // Once accepted, every wire is on the stream: none can end early.
    for (quint32 i = 0; i < count; ++i) {
        woxWireState wire;
        stream >> wire;
        wires.append(wire);
    }
    return true;
}

} // namespace

QDataStream &operator>>(QDataStream &stream, woxCableConfiguration &configuration)
{
    if (!readWires(stream, configuration.wires))
        return stream;
    stream >> configuration.remoteTxResistance >> configuration.remoteTxPresent
           >> configuration.remoteRxResistance >> configuration.remoteRxPresent;
    return stream;
}
