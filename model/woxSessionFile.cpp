#include "woxSessionFile.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace {

// Far beyond any session the templates allow (about 10 MB with 10-value
// decays), and well within what one block of memory can hold.
const qint64 largestFileBytes = qint64(1) << 30;

bool intact(const QDataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

} // namespace

bool woxSessionFile::readHead(QDataStream &stream)
{
    qint32 fileMagic = 0;
    stream >> fileMagic;
    if (!intact(stream) || fileMagic != magic)
        return false;
    stream >> summary;
    // A spacing or a line length that is no number would reach the geometric
    // factors and the plot windows.
    return intact(stream) && std::isfinite(summary.cableSpacing)
           && std::isfinite(summary.profileLength);
}

bool woxSessionFile::read(QDataStream &stream)
{
    if (!readHead(stream))
        return false;
    stream >> sets;
    if (!intact(stream))
        return false;
    stream >> cableConfiguration;
    if (!intact(stream))
        return false;
    readElectrodeMap(stream, &electrodePositions);
    if (!intact(stream))
        return false;
    readSessionRows(stream, &units);
    if (!intact(stream) || units.isEmpty())
        return false;
    stream >> gpsFix;
    return intact(stream);
}

bool woxSessionFile::read(QIODevice &device)
{
    // One read and a stream over memory: far quicker than thousands of small
    // reads through the device, and the counts are checked against the bytes
    // actually there. A file too large to be a session is never read.
    if (device.bytesAvailable() > largestFileBytes)
        return false;
    const QByteArray content = device.readAll();
    QDataStream stream(content);
    stream.setVersion(QDataStream::Qt_4_8);
    return read(stream);
}

void woxSessionFile::write(QDataStream &stream) const
{
    stream << magic << summary << sets << cableConfiguration;
    writeElectrodeMap(stream, electrodePositions);
    writeSessionRows(stream, units);
    stream << gpsFix;
}

QByteArray woxSessionFile::bytes() const
{
    QByteArray content;
    QDataStream stream(&content, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    write(stream);
    return content;
}

bool woxSessionFile::write(QIODevice &device) const
{
    const QByteArray content = bytes();
    return device.write(content) == content.size();
}
