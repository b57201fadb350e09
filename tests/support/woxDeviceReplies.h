#ifndef WOXDEVICEREPLIES_H
#define WOXDEVICEREPLIES_H

#include <QByteArray>
#include <QVector>

// Reply bytes of the instrument's devices for scripted ports: readings are
// big-endian IEEE 754 single-precision floats, one after the other.
QByteArray woxFloatReply(const QVector<float> &values);

#endif
