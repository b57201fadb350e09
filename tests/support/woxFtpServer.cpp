#include "woxFtpServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <signal.h>
#include <sys/types.h>

woxFtpServer::woxFtpServer(const QString &user, const QString &password)
{
    serverPort = freePort();
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // Debian's own interpreter, which carries the pyftpdlib package.
    process.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                   QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(serverPort),
                   QStringLiteral("-u"), user, QStringLiteral("-P"), password,
                   QStringLiteral("-d"), root.path()});
    if (!process.waitForStarted(5000))
        return;
    QElapsedTimer waited;
    waited.start();
    while (!listening && waited.elapsed() < 10000 && process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QStringLiteral("127.0.0.1"), serverPort);
        listening = probe.waitForConnected(200);
        if (!listening)
            QThread::msleep(50);
    }
}

woxFtpServer::~woxFtpServer()
{
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(pid_t(pid), SIGTERM);
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(1000);
}

bool woxFtpServer::put(const QString &path, const QByteArray &content)
{
    const QString full = root.path() + QLatin1Char('/') + path;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool woxFtpServer::remove(const QString &path)
{
    return QFile::remove(root.path() + QLatin1Char('/') + path);
}

quint16 woxFtpServer::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
