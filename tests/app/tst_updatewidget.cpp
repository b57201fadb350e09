#include "woxConstants.h"
#include "woxFtpServer.h"
#include "woxUpdateWidget.h"

#include <QCryptographicHash>
#include <QtTest>

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
    // The status, then Download, the progress bar and Close, each after '!' when disabled and '~' when hidden.
    static QString state(const woxUpdateWidget &s)
    {
        QString shown = s.messageLabel->text().replace(QRegularExpression("\\n\\(.+\\)$"), "\n(reason)");
        for (const QWidget *w : {(QWidget *)s.downloadPushButton, (QWidget *)s.progressBar, (QWidget *)s.closePushButton})
            shown += QString(" ") + (w->isEnabled() ? "" : "!") + (w->isHidden() ? "~" : "") + w->objectName().left(5);
        return shown;
    }
private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(tmpDir) && QDir().mkpath(systemDir));
        server.reset(new woxFtpServer(ftpUserName, ftpPassword));
        // "auxServer": a 32-bit byte length (00 00 00 1E), then the host in UTF-16 big-endian.
        const QString host = QStringLiteral("127.0.0.1:%1").arg(server->port());
        QByteArray bytes = QByteArray(3, '\0') + char(host.size() * 2);
        for (QChar c : host)
            bytes += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode());
        QFile file(systemDir + "auxServer");
        QVERIFY(server->isListening() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // "server's version (none: '-') and case | after the check | after Download": ours is 7. A package whose digest
    // matches replaces woxLast, and 3 s later the window closes (which stores the options) as the program ends; a
    // corrupted one, one that cannot take woxLast's place and a failed check stay in "download" until the screen
    // closes; a transfer stopped by closing never ends. No connection to the server is left after a transfer, and no
    // message shows the login.
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
        QVERIFY(server->put("wox_0/release.wox", package)
                && (v[0] == "-" ? server->remove("wox_0/info.wox") : server->put("wox_0/info.wox", info)));
        QFile old(tmpDir + "woxLast");
        QVERIFY(QFile::remove(old.fileName()) || QDir(old.fileName()).removeRecursively());
        QVERIFY(v[0].endsWith("folder") ? QDir().mkpath(old.fileName() + "/inside")
                                        : old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QWidget window;
        woxUpdateWidget &screen = *new woxUpdateWidget(&window);
        window.show();
        const QString busy = "Connecting to server... Downloading... Closing...";
        QTRY_VERIFY_WITH_TIMEOUT(!busy.contains(screen.messageLabel->text()), 10000);
        QStringList shown(state(screen));
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
        QVERIFY(!screen.messageLabel->text().contains(ftpPassword));
        QTRY_COMPARE_WITH_TIMEOUT(serverConnections(), 0, 2000);
        const bool verified = shown.last().startsWith("Restarting");
        QCOMPARE(QFile::exists(tmpDir + downloadFileName), v[0].contains(QRegularExpression("^-|upper|folder")));
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
};

QTEST_MAIN(tst_updatewidget)
#include "tst_updatewidget.moc"
