#include "woxConstants.h"
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

    static QByteArray md5(const QByteArray &bytes)
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
    }

    static QString download() { return tmpDir + downloadFileName; }
    static QString last() { return tmpDir + "woxLast"; }

    // "auxServer" as the program reads it, written byte by byte: a 32-bit
    // byte length ("127.0.0.1:PPPPP": 00 00 00 1E) and UTF-16 big-endian.
    static void writeAuxServer(const QString &host)
    {
        QByteArray bytes(4, '\0');
        bytes[3] = char(host.size() * 2);
        for (QChar c : host)
            bytes += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode());
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    static QString loopback(quint16 port) { return QStringLiteral("127.0.0.1:%1").arg(port); }

    static void waitForResult(const woxUpdateWidget &screen)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!screen.messageLabel->text().endsWith("...")
                                     || screen.messageLabel->text() == "Restarting...", 20000);
    }

    static void download(woxUpdateWidget &screen)
    {
        QTRY_VERIFY_WITH_TIMEOUT(screen.downloadPushButton->isEnabled(), 10000);
        screen.downloadPushButton->click();
        QVERIFY(!screen.downloadPushButton->isEnabled() && !screen.progressBar->isHidden());
        waitForResult(screen);
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
        writeAuxServer(loopback(server->port()));
    }

    void cleanup()
    {
        QFile::remove(last());
        QDir(last()).removeRecursively();
        QFile::remove(systemDir + "auxServer");
    }

    void infoFileDecides_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("status");
        QTest::newRow("same version") << "7 " + md5("x") << "There is no update yet";
        QTest::newRow("newer") << "8 " + md5("x") + "\n" << "Update is available";
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
        waitForResult(screen);
        QCOMPARE(screen.messageLabel->text(), status);
        const bool offered = status == "Update is available";
        QVERIFY(screen.downloadPushButton->isHidden() != offered);
        QCOMPARE(screen.downloadPushButton->isEnabled(), offered);
        QVERIFY(!QFile::exists(download()));
    }

    // A verified package replaces an old one; the hook ends the program
    // three seconds later, once.
    void verifiedReleaseIsHandedOver()
    {
        QByteArray package(1024 * 1024, '\0');
        for (int i = 0; i < package.size(); ++i)
            package[i] = char((quint32(i) * 7919u) >> 3);
        QVERIFY(server->put("wox_0/release.wox", package));
        QVERIFY(server->put("wox_0/info.wox", "8 " + md5(package)));
        QFile old(last());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        woxUpdateWidget screen;
        download(screen);
        QCOMPARE(screen.messageLabel->text(), QString("Restarting..."));
        QCOMPARE(screen.progressBar->value(), 100);
        QVERIFY(!screen.closePushButton->isEnabled() && !screen.downloadPushButton->isEnabled());
        QVERIFY(!QFile::exists(download()));
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == package);
        QCOMPARE(quits, 0);
        QTRY_COMPARE_WITH_TIMEOUT(quits, 1, 6000);
        QTest::qWait(200);
        QCOMPARE(quits, 1);
    }

    void unverifiedReleaseStaysInDownload_data()
    {
        QTest::addColumn<bool>("upperCase");
        QTest::addColumn<QString>("status");
        QTest::newRow("upper-case digest") << true << "Downloaded update is corrupted";
        QTest::newRow("woxLast is a folder") << false << "System error";
    }

    void unverifiedReleaseStaysInDownload()
    {
        QFETCH(bool, upperCase);
        QFETCH(QString, status);
        QVERIFY(server->put("wox_0/release.wox", "package"));
        QVERIFY(server->put("wox_0/info.wox", "8 " + (upperCase ? md5("package").toUpper() : md5("package"))));
        QVERIFY(QDir().mkpath(last() + "/inside"));
        woxUpdateWidget screen;
        download(screen);
        QCOMPARE(screen.messageLabel->text(), status);
        QVERIFY(screen.closePushButton->isEnabled() && !screen.downloadPushButton->isEnabled());
        QVERIFY(QFile::exists(download()));
        screen.close();
        QVERIFY(!QFile::exists(download()) && QFileInfo(last()).isDir());
        QTest::qWait(3500);
        QCOMPARE(quits, 0);
    }

    void networkErrorsHideTheLogin_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing release") << "missing";
        QTest::newRow("refused") << "refused";
        QTest::newRow("wrong password") << "password";
        QTest::newRow("default host") << "default";
    }

    void networkErrorsHideTheLogin()
    {
        QFETCH(QString, failure);
        QVERIFY(server->put("wox_0/info.wox", "8 " + md5("x")));
        server->remove("wox_0/release.wox");
        woxFtpServer other(ftpUserName, "not" + ftpPassword);
        if (failure == "refused")
            writeAuxServer(loopback(woxFtpServer::freePort()));
        else if (failure == "password")
            writeAuxServer(loopback(other.port()));
        else if (failure == "default")
            QFile::remove(systemDir + "auxServer");   // a host under .invalid
        woxUpdateWidget screen;
        if (failure == "missing")
            download(screen);
        waitForResult(screen);
        const QStringList lines = screen.messageLabel->text().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("Network error"));
        QVERIFY(lines[1].startsWith('(') && lines[1].endsWith(')') && lines[1].size() > 2);
        QVERIFY2(!lines[1].contains(ftpPassword) && !lines[1].contains(ftpUserName + ":"),
                 qPrintable(lines[1]));
        QVERIFY(failure != "default" || lines[1].contains(defaultFtpHost));
        QVERIFY(screen.closePushButton->isEnabled());
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
        woxUpdateWidget screen;
        std::fflush(stderr);
        dup2(saved, fileno(stderr));
        close(saved);
        QCOMPARE(screen.messageLabel->text(), QString("System error"));
        QVERIFY(captured.seek(0));
        QCOMPARE(captured.readAll(), QByteArray("woxUpdateWidget error: downloadFile url is invalid\n\r"));
    }

    void progressRoundsHalvesUp_data()
    {
        QTest::addColumn<qint64>("trans");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<int>("shown");
        QTest::newRow("1 of 8") << qint64(1) << qint64(8) << 13;
        QTest::newRow("2 of 3") << qint64(2) << qint64(3) << 67;
        QTest::newRow("0 of 0") << qint64(0) << qint64(0) << 42;
        QTest::newRow("5 of -1") << qint64(5) << qint64(-1) << 42;
        QTest::newRow("more than all") << std::numeric_limits<qint64>::max() << qint64(1) << 100;
    }

    void progressRoundsHalvesUp()
    {
        QFETCH(qint64, trans);
        QFETCH(qint64, total);
        QFETCH(int, shown);
        writeAuxServer("my host");   // no transfer
        woxUpdateWidget screen;
        screen.progressBar->setValue(42);
        screen.onDataTransferProgress(trans, total);
        QCOMPARE(screen.progressBar->value(), shown);
    }
};

QTEST_MAIN(tst_updatewidget)
#include "tst_updatewidget.moc"
