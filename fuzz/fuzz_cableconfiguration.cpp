// libFuzzer target for the cable configuration reader of session files.
// Besides memory errors, an accepted record with more wires than two cables
// aborts, and so does one that does not read back the same after being
// written again.

#include "woxCableConfiguration.h"
#include "woxFuzzStreams.h"

#include <cstring>

namespace {

// Compares the bits, so that a NaN read from the input matches itself.
bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameRecord(const woxCableConfiguration &a, const woxCableConfiguration &b)
{
    if (a.wires.size() != b.wires.size() || a.remoteTxPresent != b.remoteTxPresent
        || a.remoteRxPresent != b.remoteRxPresent
        || !sameFloat(a.remoteTxResistance, b.remoteTxResistance)
        || !sameFloat(a.remoteRxResistance, b.remoteRxResistance))
        return false;
    for (int i = 0; i < a.wires.size(); ++i) {
        if (a.wires.at(i).enabled != b.wires.at(i).enabled
            || !sameFloat(a.wires.at(i).resistance, b.wires.at(i).resistance))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 16))
        return 0;
    const QByteArray bytes = woxFuzz::inputBytes(data, size);
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    woxCableConfiguration record;
    stream >> record;
    if (record.wires.size() > woxCableConfiguration::maxWires)
        abort();
    if (stream.status() != QDataStream::Ok)
        return 0;
    QByteArray again;
    QDataStream out(&again, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_8);
    out << record;
    QDataStream replay(again);
    replay.setVersion(QDataStream::Qt_4_8);
    woxCableConfiguration second;
    replay >> second;
    if (replay.status() != QDataStream::Ok || !sameRecord(record, second))
        abort();
    return 0;
}
