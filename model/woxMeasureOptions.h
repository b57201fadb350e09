#ifndef WOXMEASUREOPTIONS_H
#define WOXMEASUREOPTIONS_H

#include <QDataStream>

// Measurement settings passed with signal, VES and ET2D requests and kept with every result.
struct woxMeasureOptions
{
    quint16 pulseCode = 2;          // (pulse ms - 40) / 20
    bool ipEnabled = false;         // pause longer than 20 ms chosen
    quint16 pauseCode = 0;          // (pause ms - 40) / 20 when ipEnabled, else 0
    float deviation = 1.0f;         // stacking deviation threshold, percent
    quint8 minStacking = 3;
    quint8 maxStacking = 5;
    quint8 transmitterPercent = 25;
    quint16 pulseDuration = 80;     // ms; not part of the stream form
    quint16 spare1 = 20;
    quint16 spare2 = 20;
    quint16 spare3 = 20;
};

// 16 bytes; pulseDuration and the spare words stay as the target held them.
QDataStream &operator<<(QDataStream &stream, const woxMeasureOptions &options);
QDataStream &operator>>(QDataStream &stream, woxMeasureOptions &options);

#endif // WOXMEASUREOPTIONS_H
