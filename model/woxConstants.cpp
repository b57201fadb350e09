#include "woxConstants.h"

#include "woxCommandRunner.h"
#include "woxDataRoot.h"

#include <QFile>
#include <QTextStream>

// Defined in this one unit, in this order: the folders need dataRootName and
// the log marks need htmlBreak to exist before them.
const QString pulseDurationList = QStringLiteral(
    "80,100,200,300,400,500,600,700,800,900,1000,1200,1400,1600,1800,2000,2500,3000,3500,4000");
const QString pauseDurationList = QStringLiteral(
    "20,60,80,100,200,300,400,500,600,700,800,900,1000,1200,1400,1600,1800,2000,2500,3000,"
    "3500,4000");
const QString deviationList = QStringLiteral("0.10,0.25,0.50,1.00,2.00,3.00,4.00,5.00,10.0");
const QString dataRootName = QStringLiteral("wox_0");
const QString templatesDir = woxDataRoot::drive() + dataRootName + QStringLiteral("/templates/");
const QString varnexDir = woxDataRoot::drive() + dataRootName + QStringLiteral("/varnex/");
const QString sessionsDir = woxDataRoot::drive() + dataRootName + QStringLiteral("/sessions/");
const QString systemDir = woxDataRoot::drive() + dataRootName + QStringLiteral("/system/");
const QString tmpDir = woxDataRoot::drive() + dataRootName + QStringLiteral("/tmp/");
const QString defaultCorePort = QStringLiteral("COM1");
const QString coreSerialSettings = QStringLiteral("115200, 8, N, 1, off");
const QString defaultGpsPort = QStringLiteral("COM2");
const QString gpsSerialSettings = QStringLiteral("9600  , 8, N, 1, off");
const QString varnexSourceMarker = QStringLiteral("ERT/SIGN");
const QString downloadFileName = QStringLiteral("download");
const QString settingsOrganisation = QStringLiteral("wox.Project");
const QString lastSessionFileName = QStringLiteral("wox_last_session_working_copy_%1").arg(7);
const QString pseudoDepthResource = QStringLiteral(":/system/system/pseudoDepth.base");
const QString templateExtension = QStringLiteral("woxTemplate");
const QString sessionExtension = QStringLiteral("woxSession");
const QString releaseExtension = QStringLiteral("woxRelease");
const QString accessCodeA = QStringLiteral("58031");
const QString accessCodeB = QStringLiteral("39284");
// The reserved ".invalid" domain never resolves, so nothing is contacted by
// accident until the system folder names a real server.
const QString defaultFtpHost = QStringLiteral("update.t-orb.invalid");
const QString ftpUserName = QStringLiteral("woxLogin");
const QString ftpPassword = QStringLiteral("r57Quorvane");
const QString htmlBreak = QStringLiteral(" <br> ");
const QString passedMark =
    QStringLiteral("   <font color=blue>%1</font>").arg(QChar(0x2713)) + htmlBreak;
const QString failedMark =
    QStringLiteral("   <font color=red>%1</font>").arg(QChar(0x2717)) + htmlBreak;
const QString htmlLessThan = QStringLiteral("&lt;");
const QString htmlGreaterThan = QStringLiteral("&gt;");

namespace {

QString portNameFromFile(const QString &fileName, const QString &fallback)
{
    QFile file(systemDir + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fallback;
    QTextStream stream(&file);
    QString name = stream.readLine();
    name.remove(QLatin1Char(' '));
    return name.isEmpty() ? fallback : name;
}

} // namespace

QString corePortName()
{
    return portNameFromFile(QStringLiteral("core.txt"), defaultCorePort);
}

QString gpsPortName()
{
    return portNameFromFile(QStringLiteral("gps.txt"), defaultGpsPort);
}

void syncFileSystem()
{
    woxCommandRunner::instance()->run(QStringLiteral("/bin/sync"), QStringList(), 30000);
}
