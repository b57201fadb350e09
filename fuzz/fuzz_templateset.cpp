// libFuzzer target for the set reader on its own, without the template
// file's checks in front of it. Besides memory errors, an accepted set that
// breaks what the template model relies on (30 x 99 grids, a known array
// type, 1 or 2 cables, a finite positive spacing) aborts, and so does one
// that does not read back the same after being written again. A refused
// stream must leave the set as it was.

#include "woxFuzzStreams.h"
#include "woxTemplateSet.h"

#include <cmath>

namespace {

bool setIsSound(const woxTemplateSet &set)
{
    return (set.arrayType() < woxArrayTypeCount || set.arrayType() == woxNoArrayType)
           && (set.cables() == 1 || set.cables() == 2) && std::isfinite(set.cableSpacing())
           && set.cableSpacing() > 0.0f && woxFuzz::gridIsSound(set.mainGrid())
           && woxFuzz::gridIsSound(set.auxGrid()) && set.measurementCount() >= 0;
}

QByteArray written(const woxTemplateSet &set)
{
    return woxFuzz::written([&set](QDataStream &stream) { woxTemplateSet::writeTo(stream, set); });
}

bool readInto(const QByteArray &bytes, woxTemplateSet &set)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    woxTemplateSet::readFrom(stream, set);
    return stream.status() == QDataStream::Ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 16))
        return 0;
    const QByteArray bytes = woxFuzz::inputBytes(data, size);
    woxTemplateSet set(1, 2.0f);
    set.setArrayType(3);
    const QByteArray before = written(set);
    if (!readInto(bytes, set)) {
        if (written(set) != before)
            abort();
        return 0;
    }
    if (!setIsSound(set))
        abort();
    const QByteArray again = written(set);
    woxTemplateSet second;
    if (!readInto(again, second) || written(second) != again
        || second.measurementCount() != set.measurementCount())
        abort();
    return 0;
}
