#ifndef WOXSETINFO_H
#define WOXSETINFO_H

#include "woxTypes.h"

#include <QStringList>
#include <QVector>

class QDataStream;

// Summary of one set of a session: its array type and the number of
// quadripoles it produced when the session was built.
class woxSetInfo
{
public:
    woxSetInfo(woxArrayType arrayType = woxNoArrayType, quint16 quadripoleCount = 0);

    woxArrayType arrayType;
    quint16 quadripoleCount;
};

// qint32 count, then per set the type as qint8 and the count as qint16.
QDataStream &operator<<(QDataStream &stream, const QVector<woxSetInfo> &sets);
// Replaces the vector; a damaged count or a short list leaves it empty and
// the stream in error.
QDataStream &operator>>(QDataStream &stream, QVector<woxSetInfo> &sets);

// One display line per set: "<i>/<n> <array name> [<count>]".
QStringList setInfoToStringList(const QVector<woxSetInfo> &sets);

#endif
