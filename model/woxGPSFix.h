#ifndef WOXGPSFIX_H
#define WOXGPSFIX_H

#include <QDataStream>
#include <QDate>
#include <QTime>

// One satellite position; also stored at the end of every session file.
struct woxGPSFix
{
    bool valid = false;
    bool highQuality = false;
    float latitude = 0;
    float longitude = 0;
    QDate date = QDate(2000, 1, 1);
    QTime time = QTime(0, 0, 0, 0);

    void clear();
};

// 26 bytes: two flag bytes, two doubles, Julian day, milliseconds since midnight.
QDataStream &operator<<(QDataStream &stream, const woxGPSFix &fix);
QDataStream &operator>>(QDataStream &stream, woxGPSFix &fix);

#endif // WOXGPSFIX_H
