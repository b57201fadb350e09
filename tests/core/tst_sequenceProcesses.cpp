// Two processes generating the same template must write the same bytes.
// Qt seeds its hashes per process, so a hash that decided any order in the
// file would show up here.
#include "woxCableConfiguration.h"
#include "woxFakeCommandRunner.h"
#include "woxMake.h"
#include "woxQuadripoleGenerator.h"
#include "woxTemplateContent.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char *const writeOption = "--write-session";

woxTemplateSet templateSet(woxArrayType type, int spacingStep, int levelStep)
{
    QList<QPair<int, int>> cells;
    for (int s = 0; s < woxTemplateSet::spacingRows; s += spacingStep) {
        for (int l = 0; l < woxTemplateSet::levelColumns; l += levelStep)
            cells.append(qMakePair(s, l));
    }
    return woxMake::templateSet(2, 2.5f, type, cells);
}

// Overlapping sets of several types on two cables, one electrode off.
int writeSession(const QString &fileName)
{
    woxFakeCommandRunner runner;
    woxTemplateContent content;
    content.cables = 2;
    content.cableSpacing = 2.5f;
    content.sets = {templateSet(0, 1, 1), templateSet(3, 1, 1), templateSet(4, 3, 2),
                    templateSet(5, 2, 3), templateSet(9, 4, 4), templateSet(16, 3, 3)};
    woxCableConfiguration configuration;
    for (int i = 0; i < 64; ++i) {
        woxWireState wire;
        wire.resistance = float(i);
        wire.enabled = i != 17;
        configuration.wires.append(wire);
    }
    const int runs = woxQuadripoleGenerator::instance()->generateSequence(
        content, &configuration, fileName);
    return runs > 0 ? 0 : 1;
}

} // namespace

class tst_sequenceProcesses : public QObject
{
    Q_OBJECT

private:
    QByteArray generateInChild(const QString &fileName, const QString &hashSeed)
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (hashSeed.isEmpty())
            environment.remove("QT_HASH_SEED");
        else
            environment.insert("QT_HASH_SEED", hashSeed);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList() << writeOption << fileName);
        if (!child.waitForFinished(120000) || child.exitCode() != 0)
            return QByteArray();
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

private slots:
    void sameTemplateSameFileInEveryProcess()
    {
        QTemporaryDir dir;
        const QByteArray first = generateInChild(dir.filePath("first.woxSession"), "0");
        const QByteArray second = generateInChild(dir.filePath("second.woxSession"), QString());
        const QByteArray third = generateInChild(dir.filePath("third.woxSession"), QString());
        QVERIFY(first.size() > 10000);
        QVERIFY(first == second);
        QVERIFY(first == third);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], writeOption) == 0)
        return writeSession(QString::fromLocal8Bit(argv[2]));
    tst_sequenceProcesses test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sequenceProcesses.moc"
