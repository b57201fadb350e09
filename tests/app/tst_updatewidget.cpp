#include "woxConstants.h"
#include "woxFtpServer.h"
#include "woxUpdateWidget.h"

#include <QCryptographicHash>
#include <QtTest>

#include <limits>

// The update screen against a real FTP server on the loopback interface.
class tst_updatewidget : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxFtpServer> server;
    int quits = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(tmpDir) && QDir().mkpath(systemDir));
        server.reset(new woxFtpServer(ftpUserName, ftpPassword));
        QVERIFY(server->isListening());
        woxUpdateWidget::setQuitHook([this](QWidget *) { ++quits; });
        // "auxServer" written byte by byte: a 32-bit byte length (00 00 00 1E) and UTF-16 big-endian.
        const QString host = QStringLiteral("127.0.0.1:%1").arg(server->port());
        QByteArray bytes(4, '\0');
        bytes[3] = char(host.size() * 2);
        for (QChar c : host)
            bytes += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode());
        QFile file(systemDir + "auxServer");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // A package whose digest matches replaces the old one and the program ends once; a corrupted one, or one that
    // cannot take the old one's place, stays in "download" until the screen closes.
    void downloadIsVerified_data()
    {
        QTest::addColumn<QString>("status");
        QTest::newRow("verified") << "Restarting...";
        QTest::newRow("upper-case digest") << "Downloaded update is corrupted";
        QTest::newRow("woxLast is a folder") << "System error";
        QTest::newRow("closed while downloading") << "";
    }

    void downloadIsVerified()
    {
        QFETCH(QString, status);
        const bool upperCase = status.endsWith("corrupted"), folder = status == "System error";
        quits = 0;
        QByteArray package(1024 * 1024, '\0');
        for (int i = 0; i < package.size(); ++i)
            package[i] = char((quint32(i) * 7919u) >> 3);
        QVERIFY(server->put("wox_0/release.wox", package));
        const QByteArray md5 = QCryptographicHash::hash(package, QCryptographicHash::Md5).toHex();
        QVERIFY(server->put("wox_0/info.wox", "8 " + (upperCase ? md5.toUpper() : md5)));
        QFile old(tmpDir + "woxLast");
        QVERIFY(QFile::remove(old.fileName()) || QDir(old.fileName()).removeRecursively());
        if (folder)
            QVERIFY(QDir().mkpath(old.fileName() + "/inside"));
        else
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        woxUpdateWidget screen;
        QTRY_VERIFY_WITH_TIMEOUT(screen.downloadPushButton->isEnabled(), 10000);
        QCOMPARE(screen.messageLabel->text(), QString("Update is available"));
        screen.downloadPushButton->click();
        if (!status.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(screen.messageLabel->text(), status, 20000);
        const bool failed = upperCase || folder || status.isEmpty();
        QVERIFY(QFile::exists(tmpDir + downloadFileName) == failed && screen.closePushButton->isEnabled() == failed);
        QVERIFY((folder || old.open(QIODevice::ReadOnly)) && (old.readAll() == package) == !failed);
        old.close();
        if (failed) {
            const QString shown = screen.messageLabel->text();
            screen.close();
            QVERIFY(!QFile::exists(tmpDir + downloadFileName));
            QTest::qWait(3500);   // past the delay of a hand-over
            QVERIFY(quits == 0 && screen.messageLabel->text() == shown);   // a transfer left behind is stopped
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(quits, 1, 6000);
        }
    }

    // No total leaves the bar; more than all is clamped.
    void progressIsClamped()
    {
        woxUpdateWidget screen;
        screen.progressBar->setValue(42);
        screen.onDataTransferProgress(0, 0);
        const int none = screen.progressBar->value();
        screen.onDataTransferProgress(std::numeric_limits<qint64>::max(), 1);
        const int clamped = screen.progressBar->value();
        screen.onDataTransferProgress(1, 8);
        QCOMPARE(QString("%1 %2 %3").arg(none).arg(clamped).arg(screen.progressBar->value()), QString("42 100 13"));
    }

    // Last: the default hand-over closes the window (which stores the options) before the program ends.
    void defaultHandOverClosesTheWindow()
    {
        woxUpdateWidget::setQuitHook(nullptr);
        QWidget window;
        auto *screen = new woxUpdateWidget(&window);
        window.show();
        QVERIFY(QMetaObject::invokeMethod(screen, "onRestartTimeout"));
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(tst_updatewidget)
#include "tst_updatewidget.moc"
