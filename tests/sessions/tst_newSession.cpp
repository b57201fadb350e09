#include "woxCableConfigDialog.h"
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

QString workingCopy()
{
    return systemDir + lastSessionFileName;
}

bool writeTemplate(const QString &name, woxArrayType type, int level = 0)
{
    woxTemplateFile content;
    content.cables = 1;
    content.cableSpacing = 5.0f;
    content.sets << woxMake::templateSet(1, 5.0f, type, {{0, level}});
    content.summary.cables = 1;
    QDir().mkpath(templatesDir);
    QFile file(templatesDir + name + QLatin1Char('.') + templateExtension);
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

// A working copy with one measured row, left by a session never finished.
void unfinishedSession(bool measured)
{
    woxSessionFile session = woxSessionFixture::session(2);
    if (measured)
        woxSessionFixture::measure(&session, 0, 10.0f, 2.0f);
    QDir().mkpath(systemDir);
    QFile file(workingCopy());
    QVERIFY(file.open(QIODevice::WriteOnly) && session.write(file));
    woxSessionCloseFlag::store(0);
}

woxSessionFile readWorkingCopy()
{
    woxSessionFile session;
    QFile file(workingCopy());
    if (file.open(QIODevice::ReadOnly))
        session.read(file);
    return session;
}

// The steps of the template road after the question (if any): file table,
// mode dialog (Full, or Append with the segment at `segmentIndex`), cable
// dialog accepted.
void templateRoad(woxModalScript &script, int segmentIndex)
{
    script.answer(QDialog::Accepted);
    script.then([segmentIndex](QDialog *dialog) {
        auto *mode = qobject_cast<woxSessionModeDialog *>(dialog);
        if (segmentIndex < 0) {
            dialog->done(QDialog::Accepted);
            return;
        }
        mode->appendComboBox->setCurrentIndex(segmentIndex);
        dialog->done(QDialog::Rejected);
    });
    script.then([](QDialog *dialog) {
        dialog->findChild<QPushButton *>(QStringLiteral("acceptPushButton"))->click();
    });
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
        woxSessionCloseFlag::store(1);
    }

    void cleanup()
    {
        woxCore::destroy();
    }

    void remoteElectrodes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("remoteTx");
        QTest::addColumn<bool>("remoteRx");
        QTest::newRow("wenner") << 0 << false << false;
        QTest::newRow("forward pole-dipole") << 5 << true << false;
        QTest::newRow("backward pole-dipole") << 6 << true << false;
        QTest::newRow("pole-pole") << 7 << true << true;
        QTest::newRow("reciprocal pole-pole") << 17 << true << true;
    }

    void remoteElectrodes()
    {
        QFETCH(int, type);
        QFETCH(bool, remoteTx);
        QFETCH(bool, remoteRx);
        QVERIFY(writeTemplate(QStringLiteral("line"), woxArrayType(type)));
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        templateRoad(script, -1);
        QVERIFY(screen.openFlow(QString()));
        QCOMPARE(script.pending(), 0);
        const woxSessionFile session = readWorkingCopy();
        QVERIFY(!session.units.isEmpty());
        QCOMPARE(session.cableConfiguration.remoteTxPresent, remoteTx);
        QCOMPARE(session.cableConfiguration.remoteRxPresent, remoteRx);
        QCOMPARE(session.cableConfiguration.wires.size(), 32);
        QCOMPARE(screen.sessionTableView->model()->rowCount(), session.units.size());
        QCOMPARE(woxSessionCloseFlag::value(), 0);
        QVERIFY(!QFile::exists(workingCopy() + ".new"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("table rejected") << "reject" << QStringList("woxFileTableDialog");
        QTest::newRow("append 32 on one cable")
            << "append" << QStringList({"woxFileTableDialog", "woxSessionModeDialog",
                                        "woxCableConfigDialog",
                                        "woxWarningDialog: There are no measurements in session"});
        QTest::newRow("unwritable")
            << "unwritable" << QStringList({"woxFileTableDialog", "woxSessionModeDialog",
                                            "woxCableConfigDialog",
                                            "woxWarningDialog: Can not write data to file"});
    }

    // None of them touches the working copy, nor leaves a file beside it.
    void refusals()
    {
        QFETCH(QString, road);
        QFETCH(QStringList, seen);
        QVERIFY(writeTemplate(QStringLiteral("line"), 0));
        unfinishedSession(false);
        const QByteArray before = bytes(workingCopy());
        if (road == QLatin1String("unwritable")) {
            // Where the new session would be written stands a directory
            // that nobody can replace, root included.
            QVERIFY(QDir().mkpath(workingCopy() + ".new/blocker"));
        }
        woxFakeCommandRunner runner;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        if (road == QLatin1String("reject")) {
            script.cancel();
        } else {
            templateRoad(script, road == QLatin1String("append") ? 0 : -1);
            script.answer(1);
        }
        QVERIFY(!screen.openFlow(QString()));
        QCOMPARE(script.seen, seen);
        QCOMPARE(bytes(workingCopy()), before);
        QDir(workingCopy() + ".new").removeRecursively();
        QCOMPARE(QDir(systemDir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList(lastSessionFileName));
        QCOMPARE(woxSessionCloseFlag::value(), 0);
    }

    void unfinishedSessionQuestion_data()
    {
        QTest::addColumn<bool>("measured");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("answer");
        QTest::newRow("template, no") << true << 0 << "" << 0;
        QTest::newRow("varnex, no") << true << 0 << varnexSourceMarker << 0;
        QTest::newRow("template, yes") << true << 0 << "" << 1;
        QTest::newRow("finished") << true << 1 << "" << -1;
        QTest::newRow("nothing measured") << false << 0 << "" << -1;
    }

    void unfinishedSessionQuestion()
    {
        QFETCH(bool, measured);
        QFETCH(int, flag);
        QFETCH(QString, source);
        QFETCH(int, answer);
        QVERIFY(writeTemplate(QStringLiteral("line"), 0, 9));
        unfinishedSession(measured);
        woxSessionCloseFlag::store(flag);
        const QByteArray before = bytes(workingCopy());
        woxFakeCommandRunner runner;
        woxCoreDouble core;
        woxSessionWidget screen(nullptr, false);
        woxModalScript script;
        if (answer >= 0)
            script.answer(answer);
        if (answer != 0)
            templateRoad(script, -1);
        const bool opened = screen.openFlow(source);
        QCOMPARE(opened, answer != 0);
        const QString question = QStringLiteral(
            "woxWarningDialog: Previous session was not finished. Start a new session and "
            "discard its measurements?");
        QCOMPARE(script.seen.value(0) == question, answer >= 0);
        QCOMPARE(script.seen.size(), answer == 0 ? 1 : answer < 0 ? 3 : 4);
        QCOMPARE(bytes(workingCopy()) == before, answer == 0);
        if (opened)
            QCOMPARE(readWorkingCopy().units.size(), 2);
    }
};

QTEST_MAIN(tst_newSession)
#include "tst_newSession.moc"
