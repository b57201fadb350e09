#include "woxConstants.h"
#include "woxCoreDouble.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxModalScript.h"
#include "woxSessionCloseFlag.h"
#include "woxSessionFixture.h"
#include "woxSessionModeDialog.h"
#include "woxSessionWidget.h"
#include "woxTemplateFile.h"

#include <QtTest>

namespace {

const QString question = QStringLiteral("woxWarningDialog: Previous session was not finished. "
                                        "Start a new session and discard its measurements?");

// One cable at 5 m with cell (0, 0) of the given array selected.
bool writeTemplate(woxArrayType type)
{
    woxTemplateFile content;
    content.cables = content.summary.cables = 1;
    content.cableSpacing = 5.0f;
    content.sets << woxMake::templateSet(1, 5.0f, type, {{0, 0}});
    QDir().mkpath(templatesDir);
    QFile file(templatesDir + "line." + templateExtension);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    content.write(stream);
    return stream.status() == QDataStream::Ok;
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_newSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(templatesDir).removeRecursively();
        QDir(systemDir).removeRecursively();
        QDir().mkpath(systemDir);
    }

    void cleanup()
    {
        woxCore::destroy();
    }

    // The template road with the previous session's state: whether it asks
    // about the unfinished session, which dialogs follow, and what becomes of
    // the working copy and the cable configuration.
    void roads_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("road");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<bool>("remoteTx");
        QTest::addColumn<bool>("remoteRx");
        const QStringList full = {"woxFileTableDialog", "woxSessionModeDialog", "woxCableConfigDialog"};
        QTest::newRow("unfinished, no") << 0 << true << 0 << "" << "no" << QStringList(question)
                                        << false << false;
        QTest::newRow("unfinished, yes") << 0 << true << 0 << "" << "yes" << QStringList(question) + full
                                         << false << false;
        QTest::newRow("finished, wenner") << 0 << true << 1 << "" << "full" << full << false << false;
        QTest::newRow("nothing measured, forward pole-dipole")
            << 5 << false << 0 << "" << "full" << full << true << false;
        QTest::newRow("pole-pole") << 7 << false << 1 << "" << "full" << full << true << true;
        QTest::newRow("table rejected") << 0 << false << 0 << "" << "reject"
                                        << QStringList("woxFileTableDialog") << false << false;
        QTest::newRow("append 32 on one cable")
            << 0 << false << 0 << "" << "append"
            << full + QStringList("woxWarningDialog: There are no measurements in session") << false << false;
        QTest::newRow("unwritable") << 0 << false << 0 << "" << "unwritable"
                                    << full + QStringList("woxWarningDialog: Can not write data to file")
                                    << false << false;
    }

    void roads()
    {
        QFETCH(int, type);
        QFETCH(bool, measured);
        QFETCH(int, flag);
        QFETCH(QString, source);
        QFETCH(QString, road);
        QFETCH(QStringList, seen);
        QFETCH(bool, remoteTx);
        QFETCH(bool, remoteRx);
        QVERIFY(writeTemplate(woxArrayType(type)));
        const QString workingCopy = systemDir + lastSessionFileName;
        woxSessionFile previous = woxSessionFixture::session(2);
        if (measured)
            woxSessionFixture::measure(&previous, 0, 10.0f, 2.0f);
        QFile file(workingCopy);
        QVERIFY(file.open(QIODevice::WriteOnly) && previous.write(file));
        file.close();
        woxSessionCloseFlag::store(flag);
        const QByteArray before = bytes(workingCopy);
        // A directory where the new session would be written: nobody can
        // replace it, root included.
        if (road == "unwritable")
            QVERIFY(QDir().mkpath(workingCopy + ".new/blocker"));

        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        if (seen.first() == question)
            script.answer(road == "no" ? 0 : 1);
        if (road == "reject") {
            script.cancel();
        } else if (road != "no") {
            script.answer(QDialog::Accepted);          // file table
            const bool append = road == "append";
            script.then([append](QDialog *dialog) {    // Full, or Append on segment 0
                if (append)
                    qobject_cast<woxSessionModeDialog *>(dialog)->appendComboBox->setCurrentIndex(0);
                dialog->done(append ? QDialog::Rejected : QDialog::Accepted);
            });
            script.then([](QDialog *dialog) {
                dialog->findChild<QPushButton *>(QStringLiteral("acceptPushButton"))->click();
            });
            script.answer(1);                          // a refusal's message, if any
        }
        const bool opens = road == "yes" || road == "full";
        QCOMPARE(screen.openFlow(source), opens);
        QCOMPARE(script.seen, seen);
        QCOMPARE(bytes(workingCopy) == before, !opens);
        QDir(workingCopy + ".new").removeRecursively();
        QCOMPARE(QDir(systemDir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList(lastSessionFileName));
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        if (!opens)
            return;
        woxSessionFile session;
        QVERIFY(file.open(QIODevice::ReadOnly) && session.read(file));
        QVERIFY(!session.units.isEmpty());
        QCOMPARE(screen.sessionTableView->model()->rowCount(), session.units.size());
        QCOMPARE(session.cableConfiguration.remoteTxPresent, remoteTx);
        QCOMPARE(session.cableConfiguration.remoteRxPresent, remoteRx);
        QCOMPARE(session.cableConfiguration.wires.size(), 32);
    }

    // The segment index chosen before the answer; -1: Escape instead.
    void modeDialogAnswers_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("segmentIndex");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("start");
        QTest::newRow("full") << true << 2 << int(QDialog::Accepted) << 0;
        QTest::newRow("append 32") << false << 0 << int(QDialog::Rejected) << 32;
        QTest::newRow("append 8") << false << 2 << int(QDialog::Rejected) << 56;
        QTest::newRow("escape") << false << -1 << int(QDialog::Rejected) << 32;
    }

    void modeDialogAnswers()
    {
        QFETCH(bool, full);
        QFETCH(int, segmentIndex);
        woxSessionModeDialog dialog;
        QString shown;
        woxModalScript script;
        script.then([&](QDialog *) {
            shown = dialog.appendComboBox->currentText();
            if (segmentIndex < 0)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else {
                dialog.appendComboBox->setCurrentIndex(segmentIndex);
                (full ? dialog.fullPushButton : dialog.appendPushButton)->click();
            }
        });
        const int result = dialog.exec();
        QCOMPARE(shown, QStringLiteral("32"));
        QTEST(result, "result");
        QTEST(int(dialog.segmentStart(result)), "start");
    }
};

QTEST_MAIN(tst_newSession)
#include "tst_newSession.moc"
