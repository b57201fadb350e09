#include "woxTemplateFile.h"

#include <QDataStream>

#include <cfloat>
#include <cmath>

namespace {

const int gridRows = woxTemplateSet::spacingRows;
const int gridColumns = woxTemplateSet::levelColumns;
const int gridBytes = 4 + gridRows * (4 + gridColumns);
// A template holds at most 8 sets, so its summary names at most 8 array
// types and 8 set depths.
const int maxSummaryEntries = woxTemplateFile::maxSets;

qint32 bigEndian32(const QByteArray &bytes, int offset)
{
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData()) + offset;
    return qint32((quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8)
                  | quint32(p[3]));
}

bool gridLayoutIsSound(const QByteArray &bytes, int offset)
{
    if (bigEndian32(bytes, offset) != gridRows)
        return false;
    for (int row = 0; row < gridRows; ++row) {
        if (bigEndian32(bytes, offset + 4 + row * (4 + gridColumns)) != gridColumns)
            return false;
    }
    return true;
}

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

// The set's bytes are checked before the set reader sees them: it takes the
// grid sizes from the stream, and the grids are addressed as 30 x 99
// everywhere else.
bool woxTemplateFile::readSet(QDataStream &stream, woxTemplateSet *set)
{
    QByteArray bytes(setBytes, '\0');
    if (stream.readRawData(bytes.data(), setBytes) != setBytes || !setLayoutIsSound(bytes))
        return false;
    QDataStream setStream(bytes);
    setStream.setVersion(QDataStream::Qt_4_8);
    woxTemplateSet::readFrom(setStream, *set);
    return setStream.status() == QDataStream::Ok;
}

bool woxTemplateFile::setLayoutIsSound(const QByteArray &bytes)
{
    const quint8 type = quint8(bytes.at(0));
    if (type >= woxArrayTypeCount && type != woxNoArrayType)
        return false;
    if (!gridLayoutIsSound(bytes, 1) || !gridLayoutIsSound(bytes, 1 + gridBytes))
        return false;
    QDataStream tail(bytes.mid(1 + 2 * gridBytes));
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
