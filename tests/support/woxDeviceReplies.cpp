#include "woxDeviceReplies.h"

#include <QtEndian>

#include <cstring>

QByteArray woxFloatReply(const QVector<float> &values)
{
    QByteArray bytes;
    for (const float value : values) {
        quint32 bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        const quint32 wire = qToBigEndian(bits);
        bytes.append(reinterpret_cast<const char *>(&wire), sizeof wire);
    }
    return bytes;
}
