#ifndef WOXCONSTANTS_H
#define WOXCONSTANTS_H

#include <QString>

// Texts shared by the whole program. They are built before main runs and
// never change afterwards, so any thread may read them.
// The program's own version: shown with the release notes and compared with
// the version the update server offers.
constexpr int programVersion = 7;

extern const QString pulseDurationList;
extern const QString pauseDurationList;
extern const QString deviationList;
extern const QString dataRootName;
extern const QString templatesDir;
extern const QString varnexDir;
extern const QString sessionsDir;
extern const QString systemDir;
extern const QString tmpDir;
extern const QString defaultCorePort;
extern const QString coreSerialSettings;
extern const QString defaultGpsPort;
extern const QString gpsSerialSettings;
extern const QString varnexSourceMarker;
extern const QString downloadFileName;
extern const QString settingsOrganisation;
extern const QString lastSessionFileName;
extern const QString pseudoDepthResource;
extern const QString templateExtension;
extern const QString sessionExtension;
extern const QString releaseExtension;
extern const QString accessCodeA;
extern const QString accessCodeB;
extern const QString defaultFtpHost;
extern const QString ftpUserName;
extern const QString ftpPassword;
extern const QString htmlBreak;
extern const QString passedMark;
extern const QString failedMark;
extern const QString htmlLessThan;
extern const QString htmlGreaterThan;

// Serial-port name of the instrument core: the first line of
// systemDir + "core.txt" without blanks, or defaultCorePort.
QString corePortName();
// The same for the GPS receiver with "gps.txt" and defaultGpsPort.
QString gpsPortName();
// Flushes the file system after a data file was written ("/bin/sync",
// at most 30 s). Failures are not reported: the file is already written.
void syncFileSystem();

#endif
