#ifndef WOXSTREAMED_H
#define WOXSTREAMED_H

#include <QByteArray>
#include <QDataStream>

// The stream form of a record exactly as the files hold it: Qt 4.8 streams,
// big-endian, floats as doubles.
template <typename T>
QByteArray woxStreamed(const T &value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_8);
    out << value;
    return bytes;
}

// Reads a record back from its stream form; the stream's status tells
// whether the bytes were complete and sound.
template <typename T>
QDataStream::Status woxReadBack(const QByteArray &bytes, T &value)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_8);
    in >> value;
    return in.status();
}

#endif
