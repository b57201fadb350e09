#include "woxSetInfo.h"

#include "woxNames.h"
#include "woxStreamCount.h"

#include <QDataStream>

woxSetInfo::woxSetInfo(woxArrayType arrayType, quint16 quadripoleCount)
    : arrayType(arrayType), quadripoleCount(quadripoleCount)
{
}

QDataStream &operator<<(QDataStream &stream, const QVector<woxSetInfo> &sets)
{
    stream << qint32(sets.size());
    for (const woxSetInfo &set : sets)
        stream << qint8(set.arrayType) << qint16(set.quadripoleCount);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, QVector<woxSetInfo> &sets)
{
    sets.clear();
    qint32 count = 0;
    stream >> count;
    if (!woxStreamCount::accept(stream, count, 3))
        return stream;
    QVector<woxSetInfo> entries;
    for (qint32 i = 0; i < count; ++i) {
        qint8 type = 0;
        qint16 quadripoles = 0;
        stream >> type >> quadripoles;
        if (stream.status() != QDataStream::Ok)
            return stream;
        entries.append(woxSetInfo(woxArrayType(type), quint16(quadripoles)));
    }
    sets = entries;
    return stream;
}

QStringList setInfoToStringList(const QVector<woxSetInfo> &sets)
{
    QStringList lines;
    for (int i = 0; i < sets.size(); ++i) {
        lines.append(QString("%1/%2 %3 [%4]")
                         .arg(QString::number(i + 1), QString::number(sets.size()),
                              arrayTypeName(sets.at(i).arrayType),
                              QString::number(sets.at(i).quadripoleCount)));
    }
    return lines;
}
