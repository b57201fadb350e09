#include "woxConstants.h"
#include "woxCore.h"
#include "woxFakeClock.h"
#include "woxFakeCommandRunner.h"
#include "woxFtpServer.h"
#include "woxMainWidget.h"
#include "woxSystemWidget.h"
#include "woxUpdateWidget.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QtTest>

// After a verified update the program ends through the main window's own
// close handling: the options are stored and the worker is stopped.
class tst_updaterestart : public QObject
{
    Q_OBJECT

private slots:
    void verifiedUpdateClosesTheMainWindow()
    {
        woxFakeCommandRunner runner;
        woxFakeClock clock(QDateTime(QDate(2024, 3, 9), QTime(7, 5)));
        woxFtpServer server(ftpUserName, ftpPassword);
        QVERIFY(server.isListening());
        const QByteArray package("the new program");
        const QByteArray digest = QCryptographicHash::hash(package, QCryptographicHash::Md5).toHex();
        QVERIFY(server.put("wox_0/release.wox", package));
        QVERIFY(server.put("wox_0/info.wox", "8 " + digest));

        woxMainWidget window;
        {
            QFile aux(systemDir + "auxServer");
            QVERIFY(aux.open(QIODevice::WriteOnly));
            QDataStream out(&aux);
            out.setVersion(QDataStream::Qt_4_8);
            out << QStringLiteral("127.0.0.1:%1").arg(server.port());
        }
        window.show();
        QPointer<woxCore> core = woxCore::instance();
        QVERIFY(QSettings(settingsOrganisation, "woxOptionsWidget").allKeys().isEmpty());

        window.findChild<woxSystemWidget *>()->updateToolButton->click();
        woxUpdateWidget *screen = window.findChild<woxUpdateWidget *>();
        QVERIFY(screen);
        QTRY_VERIFY_WITH_TIMEOUT(screen->downloadPushButton->isEnabled(), 10000);
        screen->downloadPushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(screen->messageLabel->text(), QString("Restarting..."), 10000);
        QVERIFY(window.isVisible() && core);
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 6000);
        QVERIFY(core.isNull());
        QVERIFY(!QSettings(settingsOrganisation, "woxOptionsWidget").allKeys().isEmpty());
        QFile handed(tmpDir + "woxLast");
        QVERIFY(handed.open(QIODevice::ReadOnly) && handed.readAll() == package);
    }
};

QTEST_MAIN(tst_updaterestart)
#include "tst_updaterestart.moc"
