#include "woxProductionTests.h"

#include "woxConstants.h"
#include "woxCoreError.h"

namespace {

QString decimal(double value)
{
    return QString::number(value, 'f', 1);
}

const QChar infinity(0x221E);
const QChar plusMinus(0x00B1);
const QChar lessOrEqual(0x2264);

} // namespace

QStringList woxProductionTests::names()
{
    return {
        tr("Adjust Rx channels"),
        tr("Check Rx channels adjustment"),
        tr("Check A and B sockets and Rx channels for Tx monitoring"),
        tr("Check Tx and Rx switches interconnections"),
        tr("Check M and N sockets"),
        tr("Check Tx%1 and Rx%1 sockets").arg(infinity),
        tr("Check 1...32 cable socket"),
        tr("Check 33...64 cable socket"),
        tr("Check USB"),
        tr("Check LAN"),
        tr("Check Tx low supply voltage protection"),
        tr("Check Tx short circuit protection"),
        tr("Check Tx output power"),
        tr("Check Tx output voltage"),
        tr("Check 1...32 cable isolation"),
        tr("Check 33...64 cable isolation"),
        tr("Check Tx operability (1 hour)"),
        tr("Check Rx channels polarity"),
        tr("Check Tx output current"),
        tr("Check GPS"),
        tr("Check Tx overheat protection"),
        tr("Check Rx channels reproducibility"),
    };
}

QStringList woxProductionTests::instructions()
{
    const QString ab = tr("Please connect A and B sockets with resistor:");
    const QString mn = tr("Please connect M and N sockets with resistor:");
    const QString remote = tr("Please connect Tx%1 and Rx%1 sockets with resistor:").arg(infinity);
    const QString ten = QString::number(10);
    const auto kOhm = [&](double value) {
        return tr("resistance: %1 kOhm %2 %3 %,").arg(decimal(value), plusMinus, ten);
    };
    const auto kOhmOrMore = [&](double value) {
        return tr("resistance: %1 kOhm %2 %3 % or more,").arg(decimal(value), plusMinus, ten);
    };
    const auto ohm = [&](double value) {
        return tr("resistance: %1 Ohm %2 %3 %,").arg(decimal(value), plusMinus, ten);
    };
    const auto ohmOrMore = [&](double value) {
        return tr("resistance: %1 Ohm %2 %3 % or more,").arg(decimal(value), plusMinus, ten);
    };
    const auto power = [](double value) { return tr("max. power: %1 W or more,").arg(decimal(value)); };
    const auto powerEnd = [](double value) { return tr("max power: %1 W or more.").arg(decimal(value)); };
    const auto voltage = [](double value) { return tr("max voltage: %1 V or more.").arg(decimal(value)); };
    const auto lines = [](const QString &a, const QString &b, const QString &c, const QString &d) {
        return QStringList({a, b, c, d}).join(QLatin1Char('\n'));
    };
    const QString smallLoad = lines(ab, kOhm(1.0), power(1.40625), voltage(37.5));
    return {
        tr("Rx channels are going to be adjusted."),
        tr("Rx channels are going to be tested."),
        smallLoad,
        smallLoad,
        lines(mn, kOhm(1.0), power(1.40625), voltage(37.5)),
        lines(remote, kOhm(1.0), power(1.40625), voltage(37.5)),
        tr("Please connect checking module to 1...32 socket."),
        tr("Please connect checking module to 33...64 socket."),
        tr("Please connect USB sockets of this device and\npowered-on computer with USB cable."),
        tr("Please connect LAN sockets of this device and\nlocal network with patch cord and wait for 20 seconds."),
        tr("Please make supply voltage less than %1 V.").arg(decimal(10.5)),
        tr("Please connect A and B sockets with a wire to\nmake short circuit."),
        lines(ab, kOhm(1.0), power(200), voltage(500)),
        lines(ab, kOhmOrMore(5.0), power(50), voltage(500)),
        tr("Please connect multi-electrode cable to 1...32 socket."),
        tr("Please connect multi-electrode cable to 33...64 socket."),
        lines(ab, ohmOrMore(30), powerEnd(200), voltage(500)),
        lines(ab, kOhmOrMore(1.0), power(1.40625), voltage(37.5)),
        lines(ab, ohm(30), powerEnd(120), voltage(60)),
        tr("GPS receiver is going to be tested."),
        tr("Please start heating Tx."),
        tr("Please connect reference voltage source (%1 %2 mV) to A and B sockets.")
            .arg(lessOrEqual)
            .arg(12000),
    };
}

QString woxProductionTests::logEntry(const QString &name, const woxCoreReportProduction &report)
{
    QString log = QStringLiteral("<font color=blue>") + name + QStringLiteral(":</font>")
                  + htmlBreak + htmlBreak + report.text1;
    if (report.error.code != 0)
        log += htmlBreak + QStringLiteral("<font color=red>") + report.error.toString()
               + QStringLiteral("</font>");
    return log;
}

QString woxProductionTests::iconOf(const woxCoreReportProduction &report)
{
    if (report.error.code == 13)
        return QStringLiteral(":/icons/icons/question.png");
    if (report.error.code == 0 && report.passed)
        return QStringLiteral(":/icons/icons/accept.png");
    return QStringLiteral(":/icons/icons/close.png");
}

woxCoreReportProduction woxProductionTests::lanReport(const QList<QHostAddress> &addresses)
{
    // The last address looked at is named, also when none but loopback exists.
    QString text;
    bool found = false;
    for (const QHostAddress &address : addresses) {
        text = address.toString();
        if (text != QLatin1String("127.0.0.1") && text != QLatin1String("::1")) {
            found = true;
            break;
        }
    }
    woxCoreReportProduction report;
    report.test = LanTest;
    report.passed = found;
    report.text1 = tr("IPv4/IPv6 address: %1").arg(text) + (found ? passedMark : failedMark);
    return report;
}

woxCoreReportProduction woxProductionTests::usbReport(bool appeared)
{
    woxCoreReportProduction report;
    report.test = UsbTest;
    report.passed = appeared;
    report.text1 = tr("Detecting USB appearance") + (appeared ? passedMark : failedMark);
    return report;
}

QByteArray woxProductionTests::document(const QVector<QString> &logs, const QDateTime &now)
{
    QString html = QStringLiteral("<html>\n<head>\n</head>\n<body>\n");
    html += now.date().toString(Qt::TextDate) + QLatin1Char(' ')
            + now.time().toString(Qt::TextDate) + htmlBreak;
    html += QStringLiteral("%1 (%2)").arg(programVersion).arg(dataRootName) + htmlBreak + htmlBreak;
    for (const QString &log : logs)
        if (!log.isEmpty())
            html += log + htmlBreak;
    html += QStringLiteral("\n</body>\n</html>");
    return html.toUtf8();
}
