#ifndef WOXFILESUMMARY_H
#define WOXFILESUMMARY_H

#include <QDataStream>
#include <QMap>
#include <QVector>

// The record after the magic number of template and session files; the file table lists
// stored files from it alone.
struct woxFileSummary
{
    float cableSpacing = 5.0f;      // metres
    qint8 cables = 2;
    qint32 quadripoles = 0;
    qint32 runs = 0;
    float profileLength = 0;        // metres
    QVector<float> setDepths;       // largest pseudo-depth per set, metres
    QMap<quint8, quint8> arrayCounts; // array type -> number of sets of that type
};

// 33 + 2 x array types + 8 x set depths bytes; the array counts go highest type first.
// The reader replaces every field; a count that the bytes left could not hold sets
// ReadCorruptData and leaves that container and the fields after it empty or untouched.
QDataStream &operator<<(QDataStream &stream, const woxFileSummary &summary);
QDataStream &operator>>(QDataStream &stream, woxFileSummary &summary);

#endif // WOXFILESUMMARY_H
