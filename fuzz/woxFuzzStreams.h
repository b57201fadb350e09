#ifndef WOXFUZZSTREAMS_H
#define WOXFUZZSTREAMS_H

// What the fuzz targets share (header only: each target is one source).

#include "woxTemplateSet.h"

#include <QByteArray>
#include <QDataStream>

#include <cstdint>
#include <cstdlib>

namespace woxFuzz {

// The fuzzer's input, not copied: it stays valid for the whole call.
inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
}

// The bytes `write` puts on a stream of the files' version; a write that
// fails aborts, since it would make every comparison after it meaningless.
template<typename Write>
QByteArray written(Write write)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    write(stream);
    if (stream.status() != QDataStream::Ok)
        abort();
    return bytes;
}

// Every set holds a full spacing x level grid, whatever the file said.
inline bool gridIsSound(const woxSelectionGrid &grid)
{
    if (grid.size() != woxTemplateSet::spacingRows)
        return false;
    for (const QVector<bool> &row : grid) {
        if (row.size() != woxTemplateSet::levelColumns)
            return false;
    }
    return true;
}

} // namespace woxFuzz

#endif
