#include "woxTemplateFile.h"

#include <QDataStream>

#include <cfloat>
#include <cmath>

namespace {

// The set's cables byte and spacing close its bytes.
const int setTailBytes = 1 + 8;
// A template holds at most 8 sets, so its summary names at most 8 array
// types and 8 set depths.
const int maxSummaryEntries = woxTemplateFile::maxSets;

bool arrangementIsSound(qint8 cables, double spacing)
{
    return (cables == 1 || cables == 2) && std::isfinite(spacing) && spacing >= double(FLT_MIN)
           && spacing <= double(FLT_MAX);
}

} // namespace

bool woxTemplateFile::read(QDataStream &stream)
{
    quint32 fileMagic = 0;
    stream >> fileMagic;
    if (stream.status() != QDataStream::Ok || fileMagic != magic)
        return false;
    stream >> summary;
    if (stream.status() != QDataStream::Ok || summary.arrayCounts.size() > maxSummaryEntries
        || summary.setDepths.size() > maxSummaryEntries)
        return false;
    if (!readArrangement(stream, &cables, &cableSpacing))
        return false;
    qint32 count = -1;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count < 0 || count > maxSets)
        return false;
    sets.clear();
    for (qint32 i = 0; i < count; ++i) {
        woxTemplateSet set(2, 5.0f);
        if (!readSet(stream, &set))
            return false;
        sets.append(set);
    }
    return true;
}

bool woxTemplateFile::readArrangement(QDataStream &stream, woxCable *cables,
                                      woxCableSpacing *spacing)
{
    qint8 fileCables = 0;
    double fileSpacing = 0.0;
    stream >> fileCables >> fileSpacing;
    if (stream.status() != QDataStream::Ok || !arrangementIsSound(fileCables, fileSpacing))
        return false;
    *cables = woxCable(fileCables);
    *spacing = woxCableSpacing(fileSpacing);
    return true;
}

// The set reader refuses unknown array types, grids other than 30 x 99 and
// cables other than 1 or 2 itself, but it narrows the spacing to a float:
// the double the file holds is checked first, as the arrangement's is.
bool woxTemplateFile::readSet(QDataStream &stream, woxTemplateSet *set)
{
    QByteArray bytes(setBytes, '\0');
    if (stream.readRawData(bytes.data(), setBytes) != setBytes || !setTailIsSound(bytes))
        return false;
    QDataStream setStream(bytes);
    setStream.setVersion(QDataStream::Qt_4_8);
    woxTemplateSet::readFrom(setStream, *set);
    return setStream.status() == QDataStream::Ok;
}

bool woxTemplateFile::setTailIsSound(const QByteArray &bytes)
{
    QDataStream tail(bytes.right(setTailBytes));
    tail.setVersion(QDataStream::Qt_4_8);
    qint8 setCables = 0;
    double setSpacing = 0.0;
    tail >> setCables >> setSpacing;
    return tail.status() == QDataStream::Ok && arrangementIsSound(setCables, setSpacing);
}

void woxTemplateFile::write(QDataStream &stream) const
{
    stream << magic << summary << qint8(cables) << cableSpacing << qint32(sets.size());
    for (const woxTemplateSet &set : sets)
        woxTemplateSet::writeTo(stream, set);
}
