#include "woxConstants.h"
#include "woxFtpServer.h"
#include "woxUpdateWidget.h"

#include <QCryptographicHash>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

// Standard error of the process, from construction until take(), in a private file: the exact bytes written.
struct tst_standardError {
    QTemporaryFile file;
    int saved = -1;
    tst_standardError()
    {
        std::fflush(stderr);
        if (file.open() && (saved = dup(2)) >= 0)
            dup2(file.handle(), 2);
    }
    ~tst_standardError() { take(); }
    QByteArray take()
    {
        if (saved >= 0) {
            std::fflush(stderr);
            dup2(saved, 2);
            close(saved);
            saved = -1;
        }
        return file.seek(0) ? file.readAll() : QByteArray("not captured");
    }
};

// The update screen against a real FTP server on the loopback interface.
class tst_updatewidget : public QObject
{
    Q_OBJECT

    QScopedPointer<woxFtpServer> server;
    int serverConnections() const   // the server's ends of open connections
    {
        QFile table("/proc/net/tcp");
        const QString port = QString(":%1 \\S+ 01 ").arg(server->port(), 4, 16, QChar('0')).toUpper();
        return table.open(QIODevice::ReadOnly) ? QString(table.readAll()).count(QRegularExpression(port)) : -1;
    }
    static bool loginShown(const QString &text)
    {
        return text.contains(ftpPassword) || text.contains(ftpUserName + ":") || text.contains(ftpUserName + "@");
    }
    // The status, then Download, the progress bar and Close, each after '!' when disabled and '~' when hidden.
    static QString state(const woxUpdateWidget &s)
    {
        const QString text = s.messageLabel->text();
        QString shown = QString(text).replace(QRegularExpression("\\n\\(.+\\)$"), text.contains(defaultFtpHost)
                                              ? "\n(reason naming the default host)" : "\n(reason)");
        for (const QWidget *w : {(QWidget *)s.downloadPushButton, (QWidget *)s.progressBar, (QWidget *)s.closePushButton})
            shown += QString(" ") + (w->isEnabled() ? "" : "!") + (w->isHidden() ? "~" : "") + w->objectName().left(5);
        return shown;
    }
private slots:
    void initTestCase()
    {
        server.reset(new woxFtpServer(ftpUserName, ftpPassword));
        QVERIFY(server->isListening());
    }
    // Every function talks to the server through "auxServer": a 32-bit byte length (00 00 00 1E for the loopback
    // address with a five-digit port), then the host in UTF-16 big-endian.
    void init() { writeAuxServer("127.0.0.1:" + QString::number(server->port())); }
    static void writeAuxServer(const QString &host)
    {
        QVERIFY(QDir().mkpath(tmpDir) && QDir().mkpath(systemDir));
        QByteArray bytes = QByteArray(3, '\0') + char(host.size() * 2);
        for (QChar c : host)
            bytes += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode());
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // "server's version (none: '-') and case | after the check | after Download": ours is 7. A package whose digest
    // matches replaces woxLast, and 3 s later the window closes (which stores the options) as the program ends; a
    // corrupted one, one that cannot take woxLast's place and a failed check stay in "download" until the screen
    // closes; a transfer stopped by closing never ends. No connection to the server is left after a transfer, and no
    // message shows the login. Without "auxServer", or with no host in it, the default host is asked; a host that makes
    // no address, or leaves it no path, is a system error with its diagnostic on standard error (line feed, then
    // carriage return); no other row writes there. A package missing on the server ends the download in "Network error".
    void update_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"7 | There is no update yet !~downl ~progr close",
                 "x | There is no update yet !~downl ~progr close",   // no number: version 0
                 "empty | There is no update yet !~downl ~progr close",
                 "- | Network error\n(reason) !~downl ~progr close",
                 "8 upper | Update is available downl ~progr close | Downloaded update is corrupted !downl progr close",
                 "8 folder | Update is available downl ~progr close | System error !downl progr close",
                 "8 close | Update is available downl ~progr close | Connecting to server... !downl progr close",
                 "8 no file | Network error\n(reason naming the default host) !~downl ~progr close",
                 "8 empty host | Network error\n(reason naming the default host) !~downl ~progr close",
                 "8 my host | System error !~downl ~progr close stderr woxUpdateWidget error: downloadFile url is "
                 "invalid\\n\\r",
                 "8 a?host | System error !~downl ~progr close stderr woxUpdateWidget error: downloadtFile url has no "
                 "path\\n\\r",   // all after '?' is a query
                 "8 missing | Update is available downl ~progr close | Network error\n(reason) !downl progr close",
                 "8 | Update is available downl ~progr close | Restarting... !downl progr !close"})   // last: it quits
            QTest::newRow(row) << QString(row);
    }

    void update()
    {
        QFETCH(QString, row);
        const QStringList v = row.split(" | ");
        const QByteArray package(1024 * 1024, 'w');
        const QByteArray md5 = QCryptographicHash::hash(package, QCryptographicHash::Md5).toHex();
        const QByteArray info = v[0] == "empty" ? QByteArray()
                                : v[0].left(1).toLatin1() + " " + (v[0].endsWith("upper") ? md5.toUpper() : md5);
        QVERIFY((v[0].endsWith("missing") ? server->put("wox_0/release.wox", "") && server->remove("wox_0/release.wox")
                                          : server->put("wox_0/release.wox", package))
                && (v[0] == "-" ? server->remove("wox_0/info.wox") : server->put("wox_0/info.wox", info)));
        QFile old(tmpDir + "woxLast");
        QVERIFY(QFile::remove(old.fileName()) || QDir(old.fileName()).removeRecursively());
        QVERIFY(v[0].endsWith("folder") ? QDir().mkpath(old.fileName() + "/inside")
                                        : old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        if (v[0].endsWith("no file"))
            QVERIFY(QFile::remove(systemDir + "auxServer"));
        else if (v[0].endsWith("host"))   // "empty host": a string of no characters
            writeAuxServer(v[0].endsWith("empty host") ? "" : v[0].section(' ', 1));
        QWidget window;
        tst_standardError standardError;
        woxUpdateWidget &screen = *new woxUpdateWidget(&window);
        const QString written = QString::fromLatin1(standardError.take()).replace("\n", "\\n").replace("\r", "\\r");
        window.show();
        const QString busy = "Connecting to server... Downloading... Closing...";
        QTRY_VERIFY_WITH_TIMEOUT(!busy.contains(screen.messageLabel->text()), 10000);
        QStringList shown(state(screen) + (written.isEmpty() ? "" : " stderr " + written));
        if (v.size() > 2) {
            screen.downloadPushButton->click();
            QCOMPARE(state(screen), QString("Connecting to server... !downl progr close"));
            if (v[0].endsWith("close"))
                screen.close();
            else
                QTRY_VERIFY_WITH_TIMEOUT(!busy.contains(screen.messageLabel->text()), 20000);
            shown << state(screen);
        }
        QCOMPARE(shown.join(" | "), row.section(" | ", 1));
        QVERIFY2(!loginShown(screen.messageLabel->text()), qPrintable(screen.messageLabel->text()));
        QTRY_COMPARE_WITH_TIMEOUT(serverConnections(), 0, 2000);
        const bool verified = shown.last().startsWith("Restarting");
        QCOMPARE(QFile::exists(tmpDir + downloadFileName),
                 v[0].contains(QRegularExpression("^-|upper|folder|missing|no file|empty host")));
        QVERIFY((v[0].endsWith("folder") || old.open(QIODevice::ReadOnly)) && (old.readAll() == package) == verified);
        QTimer *restart = screen.findChild<QTimer *>("restartTimer");
        if (verified) {
            QVERIFY(restart && restart->isActive() && restart->isSingleShot() && restart->interval() == 3000);
            QVERIFY(QMetaObject::invokeMethod(restart, "timeout") && !window.isVisible());
            return;
        }
        const QString shownBefore = screen.messageLabel->text();
        screen.close();
        QVERIFY(!QFile::exists(tmpDir + downloadFileName));
        QTest::qWait(v[0].endsWith("close") ? 1000 : 0);   // a transfer left behind would have ended by now
        QVERIFY(!restart && window.isVisible() && screen.messageLabel->text() == shownBefore);
        QString bar;   // halves round up; no total, or an unknown one, leaves the bar; more than all is clamped
        for (const QPair<qint64, qint64> &part : {qMakePair(1LL, 8LL), qMakePair(2LL, 3LL), qMakePair(1LL, 0LL),
                                                   qMakePair(5LL, -1LL), qMakePair(LLONG_MAX, 1LL), qMakePair(0LL, 5LL)})
            screen.onDataTransferProgress(part.first, part.second), bar += screen.progressBar->text() + " ";
        QCOMPARE(bar, QString("13% 67% 67% 67% 100% 0% "));
    }
    // A connection refused and a login refused end the check in "Network error" with the reason on a second line that
    // never shows the login; only Close is left.
    void networkErrors()
    {
        woxFtpServer other(ftpUserName, "not" + ftpPassword);
        for (const quint16 port : {woxFtpServer::freePort(), other.port()}) {
            writeAuxServer("127.0.0.1:" + QString::number(port));
            woxUpdateWidget screen;
            const QString busy = "Connecting to server... Downloading... Closing...";
            QTRY_VERIFY_WITH_TIMEOUT(!busy.contains(screen.messageLabel->text()), 10000);
            const QString text = screen.messageLabel->text();
            QVERIFY2(!loginShown(text), qPrintable(text));
            QCOMPARE(state(screen) + " | " + screen.groupBox->title() + " | " + screen.downloadPushButton->text() + " | "
                         + screen.closePushButton->text(), QString("Network error\n(reason) !~downl ~progr close | Update | "
                                                                   "Download, install, restart | Close"));
        }
    }
};

QTEST_MAIN(tst_updatewidget)
#include "tst_updatewidget.moc"
