#include "woxNames.h"

#include <QObject>

namespace {

QString wennerName(const QString &word, ushort letter)
{
    return QStringLiteral("%1 %2").arg(word).arg(QChar(letter));
}

QString gradientName(const QString &word, char digit)
{
    return word + QStringLiteral(" [%1").arg(QChar(0x00B1)) + QLatin1Char(digit)
           + QLatin1Char(']');
}

QString directArrayName(woxArrayType type)
{
    switch (type) {
    case 0: return wennerName(QObject::tr("Wenner"), 0x03B1);
    case 1: return wennerName(QObject::tr("Wenner"), 0x03B2);
    case 2: return wennerName(QObject::tr("Wenner"), 0x03B3);
    case 3: return QObject::tr("Schlumberger");
    case 4: return QObject::tr("Dipole-Dipole");
    case 5: return QObject::tr("Forward Pole-Dipole");
    case 6: return QObject::tr("Backward Pole-Dipole");
    case 7: return QObject::tr("Pole-Pole");
    case 8: return gradientName(QObject::tr("Gradient"), '3');
    case 9: return gradientName(QObject::tr("Gradient"), '5');
    case 10: return gradientName(QObject::tr("Gradient"), '7');
    case 11: return gradientName(QObject::tr("Gradient"), '9');
    default: return QString();
    }
}

QString reciprocalArrayName(woxArrayType type)
{
    switch (type) {
    case 12: return wennerName(QObject::tr("Reciprocal Wenner"), 0x03B1);
    case 13: return wennerName(QObject::tr("Reciprocal Wenner"), 0x03B2);
    case 14: return wennerName(QObject::tr("Reciprocal Wenner"), 0x03B3);
    case 15: return QObject::tr("Reciprocal Schlumberger");
    case 16: return QObject::tr("Reciprocal Dipole-Dipole");
    case 17: return QObject::tr("Reciprocal Pole-Pole");
    case 18: return gradientName(QObject::tr("Reciprocal Gradient"), '3');
    case 19: return gradientName(QObject::tr("Reciprocal Gradient"), '5');
    case 20: return gradientName(QObject::tr("Reciprocal Gradient"), '7');
    case 21: return gradientName(QObject::tr("Reciprocal Gradient"), '9');
    default: return QString();
    }
}

QString fixedDeviceName(woxAddress address)
{
    switch (address) {
    case 0: return QObject::tr("Core");
    case 1: return QObject::tr("Internal battery indicator");
    case 2: return QObject::tr("External battery indicator");
    case 3: return QObject::tr("Moisture indicator");
    case 4: return QObject::tr("Speaker");
    case 5: return QObject::tr("Real-time clock");
    case 6: return QObject::tr("Reference voltage unit");
    case 7: return QObject::tr("Internal transmitter");
    case 24: return QObject::tr("Output voltage receiver") + QStringLiteral(" (%1)").arg(17);
    case 25: return QObject::tr("Output current receiver") + QStringLiteral(" (%1)").arg(18);
    case 42: return QObject::tr("Transmitter switch");
    default: return QObject::tr("Unknown device");
    }
}

} // namespace

QString arrayTypeName(woxArrayType type)
{
    if (type <= 11)
        return directArrayName(type);
    if (type <= 21)
        return reciprocalArrayName(type);
    return QObject::tr("Unknown array");
}

QString deviceName(woxAddress address)
{
    // Receivers sit at 8 to 23 and their switches at 26 to 41; both are
    // numbered 1 to 16 for the operator.
    for (int i = 0; i < 16; ++i) {
        if (address == 8 + i)
            return QObject::tr("Input voltage receiver %1").arg(i + 1);
        if (address == 26 + i)
            return QObject::tr("Input voltage receiver %1 switch").arg(i + 1);
    }
    return fixedDeviceName(address);
}

bool greaterThan(const QPointF &a, const QPointF &b)
{
    return b.x() > a.x();
}
