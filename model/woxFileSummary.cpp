#include "woxFileSummary.h"

#include <QDataStream>

#include "woxStreamCount.h"

namespace {

// The layout fixes the order highest array type first; Qt's own map writer changes its
// order with the deprecation level, so the entries are written by hand.
void writeArrayCounts(QDataStream &stream, const QMap<quint8, quint8> &counts)
{
    stream << qint32(counts.size());
    for (auto it = counts.constEnd(); it != counts.constBegin();) {
        --it;
        stream << qint8(it.key()) << qint8(it.value());
    }
}

bool readArrayCounts(QDataStream &stream, QMap<quint8, quint8> &counts)
{
    counts.clear();
    qint32 size = 0;
    stream >> size;
    if (!woxStreamCount::accept(stream, size, 2))
        return false;
    for (qint32 i = 0; i < size; ++i) {
        quint8 type = 0;
        quint8 count = 0;
        stream >> type >> count;
        counts.insert(type, count);
    }
    return true;
}

} // namespace

QDataStream &operator<<(QDataStream &stream, const woxFileSummary &summary)
{
    stream << summary.cableSpacing << summary.cables << summary.quadripoles << summary.runs;
    writeArrayCounts(stream, summary.arrayCounts);
    stream << summary.profileLength;
    woxStreamCount::writeFloats(stream, summary.setDepths);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, woxFileSummary &summary)
{
    stream >> summary.cableSpacing >> summary.cables >> summary.quadripoles >> summary.runs;
    if (!readArrayCounts(stream, summary.arrayCounts)) {
        summary.setDepths.clear();
        return stream;
    }
    stream >> summary.profileLength;
    woxStreamCount::readFloats(stream, summary.setDepths);
    return stream;
}
