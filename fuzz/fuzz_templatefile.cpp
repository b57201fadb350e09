// libFuzzer target for the template file reader. Besides memory errors, an
// accepted file that breaks what the template model relies on (at most 8
// sets, 30 x 99 grids, known array types, 1 or 2 cables, finite positive
// spacings) aborts, and so does one that does not read back the same after
// being written again.

#include "woxFuzzStreams.h"
#include "woxTemplateFile.h"

#include <cmath>

namespace {

bool spacingIsSound(float spacing)
{
    return std::isfinite(spacing) && spacing > 0.0f;
}

bool contentIsSound(const woxTemplateFile &content)
{
    if (content.sets.size() > woxTemplateFile::maxSets
        || (content.cables != 1 && content.cables != 2) || !spacingIsSound(content.cableSpacing))
        return false;
    for (const woxTemplateSet &set : content.sets) {
        if ((set.arrayType() >= woxArrayTypeCount && set.arrayType() != woxNoArrayType)
            || (set.cables() != 1 && set.cables() != 2) || !spacingIsSound(set.cableSpacing())
            || !woxFuzz::gridIsSound(set.mainGrid()) || !woxFuzz::gridIsSound(set.auxGrid())
            || set.measurementCount() < 0)
            return false;
    }
    return true;
}

bool sameContent(const woxTemplateFile &a, const woxTemplateFile &b)
{
    if (a.cables != b.cables || a.cableSpacing != b.cableSpacing || a.sets.size() != b.sets.size()
        || a.summary.arrayCounts != b.summary.arrayCounts
        || a.summary.setDepths.size() != b.summary.setDepths.size())
        return false;
    for (int i = 0; i < a.sets.size(); ++i) {
        const woxTemplateSet &x = a.sets.at(i);
        const woxTemplateSet &y = b.sets.at(i);
        if (x.arrayType() != y.arrayType() || x.cables() != y.cables()
            || x.cableSpacing() != y.cableSpacing() || x.mainGrid() != y.mainGrid()
            || x.auxGrid() != y.auxGrid() || x.measurementCount() != y.measurementCount())
            return false;
    }
    return true;
}

QByteArray written(const woxTemplateFile &content)
{
    return woxFuzz::written([&content](QDataStream &stream) { content.write(stream); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const QByteArray bytes = woxFuzz::inputBytes(data, size);
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_4_8);
    woxTemplateFile content;
    if (!content.read(stream))
        return 0;
    if (!contentIsSound(content))
        abort();
    const QByteArray again = written(content);
    QDataStream replay(again);
    replay.setVersion(QDataStream::Qt_4_8);
    woxTemplateFile second;
    if (!second.read(replay) || !sameContent(content, second))
        abort();
    return 0;
}
