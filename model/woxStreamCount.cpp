#include "woxStreamCount.h"

#include <QDataStream>
#include <QIODevice>

#include <limits>

namespace woxStreamCount {

bool accept(QDataStream &stream, qint64 count, qint64 itemBytes)
{
    if (stream.status() != QDataStream::Ok)
        return false;
    const qint64 left = stream.device() ? stream.device()->bytesAvailable() : 0;
    const bool fits = count >= 0 && count <= std::numeric_limits<int>::max()
                      && (itemBytes <= 0 || count <= left / itemBytes);
    if (!fits)
        stream.setStatus(QDataStream::ReadCorruptData);
    return fits;
}

void writeFloats(QDataStream &stream, const QVector<float> &values)
{
    stream << qint32(values.size());
    for (float value : values)
        stream << value;
}

bool readFloats(QDataStream &stream, QVector<float> &values)
{
    values.clear();
    qint32 count = 0;
    stream >> count;
    if (!accept(stream, count, 8))
        return false;
    values.resize(count);
    for (float &value : values)
        stream >> value;
    return true;
}

bool expect(QDataStream &stream, qint32 expected)
{
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (count != expected) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return true;
}

} // namespace woxStreamCount
