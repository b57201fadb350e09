#include "woxCoreThreadRig.h"

#include <QtTest>

woxCoreThreadRig::woxCoreThreadRig()
    : port(woxFakeSerialPort::fittedTo(thread))
{
}

void woxCoreThreadRig::expectRefused(bool result, const QString &text, int frames)
{
    QVERIFY(!result);
    QCOMPARE(thread.error.code, quint8(14));
    QCOMPARE(diagnostics.lines(), QStringList{"woxCoreThread error: " + text});
    QCOMPARE(port->frames().size(), frames);
    diagnostics.clear();
    thread.error.code = 0;
}
