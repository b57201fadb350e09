// libFuzzer target for the template file reader. Besides memory errors, an
// accepted file that breaks what the template model relies on (at most 8
// sets, 30 x 99 grids, known array types, 1 or 2 cables, finite positive
// spacings) aborts, and so does one that does not read back the same after
// being written again.

#include "woxTemplateFile.h"

#include <QByteArray>
#include <QDataStream>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool gridIsSound(const woxSelectionGrid &grid)
{
    if (grid.size() != woxTemplateSet::spacingRows)
        return false;
    for (const QVector<bool> &row : grid) {
        if (row.size() != woxTemplateSet::levelColumns)
            return false;
    }
    return true;
}

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
            || !gridIsSound(set.mainGrid()) || !gridIsSound(set.auxGrid())
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
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    content.write(stream);
    if (stream.status() != QDataStream::Ok)
        abort();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     int(size));
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
