#ifndef WOXFTPSERVER_H
#define WOXFTPSERVER_H

#include "woxChildProcess.h"

#include <QTemporaryDir>

// A real FTP server on 127.0.0.1 for the update screen: Debian's pyftpdlib,
// serving a temporary folder to one user, on a free port. It is stopped by
// its process id when the object goes, and dies with the test.
class woxFtpServer
{
public:
    // Starts the server and waits until it accepts connections.
    woxFtpServer(const QString &user, const QString &password);
    ~woxFtpServer();

    bool isListening() const { return listening; }
    quint16 port() const { return serverPort; }
    // Writes a file below the served folder ("wox_0/info.wox").
    bool put(const QString &path, const QByteArray &content);
    bool remove(const QString &path);

    // A port on 127.0.0.1 where nothing listens.
    static quint16 freePort();

private:
    Q_DISABLE_COPY(woxFtpServer)

    QTemporaryDir root;
    woxChildProcess process;
    quint16 serverPort = 0;
    bool listening = false;
};

#endif
