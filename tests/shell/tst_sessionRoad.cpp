#include "woxConstants.h"
#include "woxCore.h"
#include "woxDataMenuWidget.h"
#include "woxFakeCommandRunner.h"
#include "woxMainWidget.h"
#include "woxModalScript.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionDataModel.h"
#include "woxSessionFixture.h"
#include "woxSessionMenuWidget.h"
#include "woxSessionWidget.h"
#include "woxTemplateDataModel.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"
#include "woxWorkingCopy.h"

#include <QProcess>
#include <QtTest>

namespace {

const char *const childVariable = "WOX_SESSION_ROAD_CHILD";

QPushButton *button(QWidget *page, const char *name)
{
    return page->findChild<QPushButton *>(QLatin1String(name));
}

QString screenshotFolder()
{
    return qEnvironmentVariable("WOX_SCREENSHOT_DIR", QDir::currentPath());
}

// The template of the road: one cable at 5 m, Wenner alpha, cell (0, 9).
void saveTemplate()
{
    QDir().mkpath(templatesDir);
    woxTemplateDataModel model;
    model.setArrangement(1, 5.0f);
    woxModalScript script;
    script.chooseArray(0).type(QStringLiteral("road"));
    model.onSpacingLevelMainConfig(QModelIndexList() << model.index(0, 9));
    QString name;
    QVERIFY(model.save(name));
    QCOMPARE(script.pending(), 0);
}

// The child of the power-loss test: reopens the working copy, measures until
// the first run is on disk, says so and waits to be killed.
int measureUntilKilled(int argc, char **argv)
{
    QApplication application(argc, argv);
    woxFakeCommandRunner runner;
    woxSessionMenuWidget menu;
    button(&menu, "openPushButton")->click();
    woxSessionWidget *screen = menu.findChild<woxSessionWidget *>();
    if (!screen)
        return 1;
    screen->startPushButton->click();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (woxWorkingCopy::hasMeasuredRow()) {
            poll.stop();
            std::fputs("measured\n", stdout);
            std::fflush(stdout);
        }
    });
    poll.start(20);
    return application.exec();
}

} // namespace

class tst_sessionRoad : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        woxCore::destroy();
        woxUserMessage::destroy();
        woxWarningDialog::closeInstance();
    }

    void fromTemplateToStoredSession()
    {
        woxFakeCommandRunner runner;
        woxSessionWidget::setDelays(30000, 0);
        saveTemplate();
        woxMainWidget window;
        window.show();
        woxSessionMenuWidget *mainMenu = window.findChild<woxSessionMenuWidget *>();
        woxDataMenuWidget *dataMenu = window.findChild<woxDataMenuWidget *>();

        woxModalScript script;
        script.answer(QDialog::Accepted).answer(QDialog::Accepted).then([](QDialog *dialog) {
            button(dialog, "acceptPushButton")->click();
        });
        button(mainMenu, "newPushButton")->click();
        woxSessionWidget *screen = mainMenu->findChild<woxSessionWidget *>();
        QVERIFY(screen);
        QCOMPARE(screen->sessionTableView->model()->rowCount(), 2);

        script.answer(1);                    // "It is all done"
        screen->startPushButton->click();
        QTRY_COMPARE_WITH_TIMEOUT(script.pending(), 0, 20000);
        QCOMPARE(script.seen.last(), QStringLiteral("woxWarningDialog: It is all done"));
        screen->mainTabWidget->setCurrentIndex(0);
        QVERIFY(screen->grab().save(screenshotFolder() + "/session-table.png"));
        screen->mainTabWidget->setCurrentIndex(1);
        QVERIFY(screen->grab().save(screenshotFolder() + "/session-graphics.png"));

        script.answer(1).type(QStringLiteral("line1"));
        screen->closePushButton->click();
        QCOMPARE(script.pending(), 0);
        woxSessionFile stored;
        QFile named(sessionsDir + "line1." + sessionExtension);
        QVERIFY(named.open(QIODevice::ReadOnly) && stored.read(named));
        QCOMPARE(stored.units.size(), 2);
        for (const woxSessionDataUnit &unit : stored.units) {
            QByteArray k;
            QDataStream(&k, QIODevice::WriteOnly) << double(unit.k);   // big-endian
            QVERIFY(unit.result.valid);
            QCOMPARE(k.toHex(' '), QByteArray("40 73 a2 8c 60 00 00 00"));
        }
        QCOMPARE(woxSessionCloseFlag::value(), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!mainMenu->findChild<woxSessionWidget *>());

        script.then([](QDialog *dialog) {
            QAbstractItemModel *files = dialog->findChild<QTableView *>()->model();
            if (files->rowCount() == 1 && files->index(0, 0).data().toString() == "line1") {
                dialog->grab().save(screenshotFolder() + "/data-list.png");
                dialog->done(QDialog::Accepted);
            } else {
                dialog->done(QDialog::Rejected);
            }
        });
        button(dataMenu, "openPushButton")->click();
        woxSessionWidget *viewed = dataMenu->findChild<woxSessionWidget *>();
        QVERIFY(viewed);
        QVERIFY(viewed->startPushButton->isHidden());
        auto *model = qobject_cast<woxSessionDataModel *>(viewed->sessionTableView->model());
        for (int row = 0; row < 2; ++row) {
            QVERIFY(model->unitAt(row)->result.valid);
            QCOMPARE(model->unitAt(row)->result.rxVoltage, stored.units.at(row).result.rxVoltage);
        }
        viewed->closePushButton->click();
        QCOMPARE(script.pending(), 0);
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dataMenu->findChild<woxSessionWidget *>());
    }

    void powerLoss()
    {
        woxSessionFile session = woxSessionFixture::session(3);
        QDir().mkpath(systemDir);
        {
            QFile file(woxWorkingCopy::path());
            QVERIFY(file.open(QIODevice::WriteOnly) && session.write(file));
        }
        woxSessionCloseFlag::store(1);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(childVariable), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("measured")
                                     || child.state() == QProcess::NotRunning,
                                 20000);
        if (child.state() != QProcess::Running)
            QFAIL(child.readAllStandardError().constData());
        child.kill();
        QVERIFY(child.waitForFinished());

        QCOMPARE(woxSessionCloseFlag::value(), 0);
        woxSessionMenuWidget menu;
        QPushButton *open = button(&menu, "openPushButton");
        const qint64 before = open->icon().cacheKey();
        QTRY_VERIFY_WITH_TIMEOUT(open->icon().cacheKey() != before, 3000);   // blinks
        open->click();
        woxSessionWidget *screen = menu.findChild<woxSessionWidget *>();
        QVERIFY(screen);
        auto *model = qobject_cast<woxSessionDataModel *>(screen->sessionTableView->model());
        QVERIFY(model->unitAt(0)->result.valid);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(childVariable))
        return measureUntilKilled(argc, argv);
    QApplication application(argc, argv);
    tst_sessionRoad test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sessionRoad.moc"
