#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFtpServer.h"
#include "woxUpdateWidget.h"

#include <QCryptographicHash>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

// The update screen against a real FTP server on the loopback interface.
class tst_updatewidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFtpServer> server;
    int quits = 0;

    static QString md5(const QByteArray &bytes)
    {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    }

    static QString download() { return tmpDir + downloadFileName; }
    static QString last() { return tmpDir + "woxLast"; }

    // "auxServer" exactly as the program reads it: a 32-bit byte length and
    // the host in UTF-16 big-endian, written here byte by byte.
    static void writeAuxServer(const QString &host)
    {
        QByteArray bytes;
        const int length = host.size() * 2;
        bytes += char(length >> 24);
        bytes += char(length >> 16);
        bytes += char(length >> 8);
        bytes += char(length);
        for (QChar c : host) {
            bytes += char(c.unicode() >> 8);
            bytes += char(c.unicode() & 0xFF);
        }
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void serveFrom(quint16 port)
    {
        writeAuxServer(QStringLiteral("127.0.0.1:%1").arg(port));
    }

    static bool settled(const woxUpdateWidget &screen)
    {
        const QString text = screen.messageLabel->text();
        return !text.endsWith("...") || text == "Restarting...";
    }

    // Serves an info file announcing version 8 of the release, opens the
    // screen and presses the download button.
    void downloadRelease(woxUpdateWidget &screen, const QString &digest)
    {
        QTRY_VERIFY_WITH_TIMEOUT(screen.downloadPushButton->isEnabled(), 10000);
        Q_UNUSED(digest)
        screen.downloadPushButton->click();
        QVERIFY(!screen.downloadPushButton->isEnabled());
        QVERIFY(!screen.progressBar->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(settled(screen), 10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(tmpDir) && QDir().mkpath(systemDir));
        server.reset(new woxFtpServer(ftpUserName, ftpPassword));
        QVERIFY(server->isListening());
        woxUpdateWidget::setQuitHook([this](QWidget *) { ++quits; });
    }

    void init()
    {
        quits = 0;
        serveFrom(server->port());
    }

    void cleanup()
    {
        QFile::remove(download());
        QFile::remove(last());
        QDir(last()).removeRecursively();
        QFile::remove(systemDir + "auxServer");
    }

    void infoFileDecides_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("status");
        const QByteArray digest = md5("package").toLatin1();
        QTest::newRow("same version") << "7 " + digest << "There is no update yet";
        QTest::newRow("newer") << "8 " + digest + "\n" << "Update is available";
        QTest::newRow("empty") << QByteArray() << "There is no update yet";
        QTest::newRow("not a number") << QByteArray("x") << "There is no update yet";
    }

    void infoFileDecides()
    {
        QFETCH(QByteArray, info);
        QFETCH(QString, status);
        QVERIFY(server->put("wox_0/info.wox", info));
        woxUpdateWidget screen;
        QCOMPARE(screen.messageLabel->text(), QString("Connecting to server..."));
        QTRY_VERIFY_WITH_TIMEOUT(settled(screen), 10000);
        QCOMPARE(screen.messageLabel->text(), status);
        const bool offered = status == "Update is available";
        QCOMPARE(!screen.downloadPushButton->isHidden(), offered);
        QCOMPARE(screen.downloadPushButton->isEnabled(), offered);
        QVERIFY(!QFile::exists(download()));
    }

    // A verified package replaces an old one and ends the program through
    // the hook, three seconds later.
    void verifiedReleaseIsHandedOver()
    {
        QByteArray package(1024 * 1024, '\0');
        for (int i = 0; i < package.size(); ++i)
            package[i] = char((quint32(i) * 7919u) >> 3);
        QVERIFY(server->put("wox_0/release.wox", package));
        QVERIFY(server->put("wox_0/info.wox", "8 " + md5(package).toLatin1()));
        QFile old(last());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        woxUpdateWidget screen;
        downloadRelease(screen, md5(package));
        QCOMPARE(screen.messageLabel->text(), QString("Restarting..."));
        QCOMPARE(screen.progressBar->value(), 100);
        QVERIFY(!screen.closePushButton->isEnabled() && !screen.downloadPushButton->isEnabled());
        QVERIFY(!QFile::exists(download()));
        QFile handed(last());
        QVERIFY(handed.open(QIODevice::ReadOnly));
        QVERIFY(handed.readAll() == package);
        QCOMPARE(quits, 0);
        QTRY_COMPARE_WITH_TIMEOUT(quits, 1, 6000);
        QTest::qWait(200);
        QCOMPARE(quits, 1);
    }

    void corruptedOrBlockedReleaseIsNotHandedOver_data()
    {
        QTest::addColumn<bool>("upperCase");
        QTest::addColumn<QString>("status");
        QTest::newRow("upper-case digest") << true << "Downloaded update is corrupted";
        QTest::newRow("woxLast is a folder") << false << "System error";
    }

    void corruptedOrBlockedReleaseIsNotHandedOver()
    {
        QFETCH(bool, upperCase);
        QFETCH(QString, status);
        const QByteArray package("release bytes");
        const QString digest = upperCase ? md5(package).toUpper() : md5(package);
        QVERIFY(server->put("wox_0/release.wox", package));
        QVERIFY(server->put("wox_0/info.wox", "8 " + digest.toLatin1()));
        QVERIFY(QDir().mkpath(last() + "/inside"));
        woxUpdateWidget screen;
        downloadRelease(screen, digest);
        QCOMPARE(screen.messageLabel->text(), status);
        QVERIFY(screen.closePushButton->isEnabled());
        QVERIFY(!screen.downloadPushButton->isEnabled());
        QVERIFY(QFile::exists(download()));
        screen.close();
        QVERIFY(!QFile::exists(download()));
        QVERIFY(QFileInfo(last()).isDir());
        QTest::qWait(3500);
        QCOMPARE(quits, 0);
    }

    void networkErrorsHideTheLogin_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing release") << "missing";
        QTest::newRow("refused") << "refused";
        QTest::newRow("wrong password") << "password";
    }

    void networkErrorsHideTheLogin()
    {
        QFETCH(QString, failure);
        QScopedPointer<woxFtpServer> other;
        QVERIFY(server->put("wox_0/info.wox", "8 " + md5("x").toLatin1()));
        server->remove("wox_0/release.wox");
        if (failure == "refused") {
            serveFrom(woxFtpServer::freePort());
        } else if (failure == "password") {
            other.reset(new woxFtpServer(ftpUserName, "not" + ftpPassword));
            QVERIFY(other->isListening());
            serveFrom(other->port());
        }
        woxUpdateWidget screen;
        if (failure == "missing")
            downloadRelease(screen, QString());
        else
            QTRY_VERIFY_WITH_TIMEOUT(settled(screen), 10000);
        const QString text = screen.messageLabel->text();
        const QStringList lines = text.split(QLatin1Char(10));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("Network error"));
        QVERIFY(lines[1].startsWith('(') && lines[1].endsWith(')') && lines[1].size() > 2);
        QVERIFY2(!lines[1].contains(ftpPassword), qPrintable(lines[1]));
        QVERIFY2(!lines[1].contains(ftpUserName + ":"), qPrintable(lines[1]));
        QVERIFY(screen.closePushButton->isEnabled());
    }

    void defaultHostWithoutAuxServer()
    {
        QFile::remove(systemDir + "auxServer");
        woxUpdateWidget screen;
        QTRY_VERIFY_WITH_TIMEOUT(settled(screen), 20000);
        QVERIFY2(screen.messageLabel->text().startsWith("Network error\n("),
                 qPrintable(screen.messageLabel->text()));
        QVERIFY(screen.messageLabel->text().contains(defaultFtpHost));
    }

    // The exact bytes on standard error, line end and carriage return included.
    void invalidHostIsASystemError()
    {
        writeAuxServer("my host");
        QTemporaryFile captured;
        QVERIFY(captured.open());
        std::fflush(stderr);
        const int saved = dup(fileno(stderr));
        dup2(captured.handle(), fileno(stderr));
        QScopedPointer<woxUpdateWidget> screen(new woxUpdateWidget);
        std::fflush(stderr);
        dup2(saved, fileno(stderr));
        close(saved);
        QCOMPARE(screen->messageLabel->text(), QString("System error"));
        captured.seek(0);
        QCOMPARE(captured.readAll(),
                 QByteArray("woxUpdateWidget error: downloadFile url is invalid\n\r"));
    }

    void progressRoundsHalvesUpAndIgnoresUnknownTotals_data()
    {
        QTest::addColumn<qint64>("trans");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("shown");
        QTest::newRow("1 of 8") << qint64(1) << qint64(8) << 13;
        QTest::newRow("2 of 3") << qint64(2) << qint64(3) << 67;
        QTest::newRow("0 of 0") << qint64(0) << qint64(0) << 42;
        QTest::newRow("5 of -1") << qint64(5) << qint64(-1) << 42;
        QTest::newRow("huge of 1") << qint64(1) << std::numeric_limits<qint64>::max() << 0;
    }

    void progressRoundsHalvesUpAndIgnoresUnknownTotals()
    {
        QFETCH(qint64, trans);
        QFETCH(qint64, total);
        QFETCH(int, shown);
        woxUpdateWidget screen;
        screen.progressBar->setValue(42);
        screen.onDataTransferProgress(trans, total);
        QCOMPARE(screen.progressBar->value(), shown);
    }
};

QTEST_MAIN(tst_updatewidget)
#include "tst_updatewidget.moc"
