#include "woxCoreError.h"

#include <QObject>

#include "woxNames.h"

void woxCoreError::set(quint16 value)
{
    code = quint8(value & 0xFF);
    device = woxAddress(value >> 8);
}

QString woxCoreError::toString() const
{
    switch (code) {
    case 0: return QObject::tr("Success");
    case 1: return QObject::tr("Simulated error");
    case 2: return QObject::tr("Can not establish connection with core");
    // The device number is appended untranslated so one text serves every device.
    case 3: return QObject::tr("Can not send command") + QString(" %1").arg(device);
    case 4: return QObject::tr("Can not receive data");
    case 5: return QObject::tr("Device \"%1\" does not respond").arg(deviceName(device));
    case 6: return QObject::tr("External battery is low");
    case 7: return QObject::tr("Condensation inside");
    case 8: return QObject::tr("Short circuit (detected by software)");
    case 9: return QObject::tr("Short circuit (detected by hardware)");
    case 10: return QObject::tr("Open circuit (detected by software)");
    case 11: return QObject::tr("External battery is low or short circuit");
    case 12: return QObject::tr("Generator is overheated");
    case 13: return QObject::tr("Canceled by user");
    case 14: return QObject::tr("Code bug");
    default: return QObject::tr("Unknown error");
    }
}
