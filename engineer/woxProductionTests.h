#ifndef WOXPRODUCTIONTESTS_H
#define WOXPRODUCTIONTESTS_H

#include "woxCoreReportProduction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QVector>

// The 22 production self-tests of the engineer screen: their texts, how a
// result becomes a log entry and an icon, the two tests that run in the
// screen itself, and the HTML log file. Texts belong to the screen's
// translation context and are translated when asked for.
class woxProductionTests
{
    Q_DECLARE_TR_FUNCTIONS(woxEngineerWidget)

public:
    enum { Count = 22, UsbTest = 8, LanTest = 9 };

    static QStringList names();
    static QStringList instructions();

    // The log of one report: its name as a blue heading, the body and, for
    // an error, the error's text in red.
    static QString logEntry(const QString &name, const woxCoreReportProduction &report);
    // The button icon a report leaves.
    static QString iconOf(const woxCoreReportProduction &report);

    // The LAN test: passed when an address other than loopback exists.
    static woxCoreReportProduction lanReport(const QList<QHostAddress> &addresses);
    // The USB test once the operator said whether the drive appeared.
    static woxCoreReportProduction usbReport(bool appeared);

    // The whole log file (UTF-8): header with the time and the program, then
    // every non-empty test log in test order.
    static QByteArray document(const QVector<QString> &logs, const QDateTime &now);
};

#endif
