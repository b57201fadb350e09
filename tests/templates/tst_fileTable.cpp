#include "woxConstants.h"
#include "woxERTTableDialog.h"
#include "woxFileSummary.h"
#include "woxFileTableDataModel.h"
#include "woxFileTableDialog.h"
#include "woxStreamed.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QTableView>
#include <QtTest>

namespace {

const quint32 templateMagic = 0x88993366u;
const quint32 sessionMagic = 0x33114422u;

QByteArray head(quint32 magic, const woxFileSummary &summary = woxFileSummary())
{
    return woxStreamed(magic) + woxStreamed(summary);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

void writeTemplate(const QString &name, const QByteArray &bytes)
{
    writeFile(templatesDir + name, bytes);
}

QByteArray patched(QByteArray bytes, int offset, quint32 value)
{
    const QByteArray word = woxStreamed(value);
    bytes.replace(offset, word.size(), word);
    return bytes;
}

QSet<QString> listedNames(const woxFileTableDataModel &model)
{
    QSet<QString> names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.insert(model.index(row, 0).data().toString());
    return names;
}

} // namespace

class tst_fileTable : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(templatesDir).removeRecursively();
        QDir(sessionsDir).removeRecursively();
    }

    void arrayCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("typeCounts");   // type, count pairs
        QTest::addColumn<QString>("cell");
        QTest::newRow("direct two") << 9 << QList<int>{4, 2} << "2S";
        QTest::newRow("both") << 8 << QList<int>{3, 1, 15, 1} << "1S:1R";
        QTest::newRow("last column") << 16 << QList<int>{11, 1, 21, 4} << "1S:4R";
        QTest::newRow("other types") << 6 << QList<int>{0, 1, 12, 1} << "";
        // The pole-dipole columns have no reciprocal, whatever the map holds.
        QTest::newRow("FPD") << 10 << QList<int>{5, 1, 17, 2} << "1S";
        QTest::newRow("before arrays") << 4 << QList<int>{0, 1} << "";
        QTest::newRow("past the last") << 17 << QList<int>{0, 1, 11, 1, 21, 1} << "";
    }

    void arrayCells()
    {
        QFETCH(int, column);
        QFETCH(QList<int>, typeCounts);
        woxFileSummary summary;
        for (int i = 0; i + 1 < typeCounts.size(); i += 2)
            summary.arrayCounts.insert(quint8(typeCounts.at(i)), quint8(typeCounts.at(i + 1)));
        QTEST(woxFileTableDataModel::arrayCell(summary, column), "cell");
    }

    void rowsShowTheSummary()
    {
        woxFileSummary summary;
        summary.cableSpacing = 2.5f;
        summary.cables = 1;
        summary.quadripoles = 1234;
        summary.runs = 56;
        summary.arrayCounts.insert(3, 1);
        summary.arrayCounts.insert(15, 1);
        writeTemplate("line.woxTemplate", head(templateMagic, summary));
        writeTemplate("a.woxTemplate.woxTemplate", head(templateMagic));
        // A session and a foreign magic among the templates, a template
        // without the extension: none of them is a template to list.
        writeTemplate("s.woxTemplate", head(sessionMagic, summary));
        writeTemplate("x.woxTemplate", head(0x12345678u, summary));
        writeTemplate("plain.txt", head(templateMagic, summary));
        QDir().mkpath(templatesDir + "dir.woxTemplate");

        woxFileTableDataModel model(false);
        QCOMPARE(listedNames(model), QSet<QString>({"line", "a"}));
        const int row = model.index(0, 0).data().toString() == "line" ? 0 : 1;
        QStringList cells;
        for (int column = 0; column < 9; ++column)
            cells << model.index(row, column).data().toString();
        QCOMPARE(cells, QStringList({"line", "1", "2.5", "1234", "56", "", "", "", "1S:1R"}));
    }

    void sessionsComeFromTheirDirectory()
    {
        QVERIFY(woxFileTableDataModel(true).isEmpty());   // no sessions directory
        writeFile(sessionsDir + "run.woxSession", head(sessionMagic));
        writeFile(sessionsDir + "t.woxSession", head(templateMagic));
        woxFileTableDataModel model(true);
        QCOMPARE(listedNames(model), QSet<QString>({"run"}));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Session"));
        QDir().mkpath(templatesDir);
        QVERIFY(woxFileTableDataModel(false).isEmpty());   // an empty directory
    }

    void damagedSummariesAreSkipped()
    {
        woxFileSummary summary;
        summary.arrayCounts.insert(0, 1);
        summary.setDepths = {1.5f};
        writeTemplate("good.woxTemplate", head(templateMagic, summary));
        // magic 4, spacing 8, cables 1, quadripoles 4, runs 4: the array
        // count at 21; with no arrays the depth count follows at 33.
        const QByteArray bare = head(templateMagic);
        writeTemplate("short.woxTemplate", bare.left(12));
        writeTemplate("huge.woxTemplate", patched(bare, 21, 0x7FFFFFFFu));
        writeTemplate("negative.woxTemplate", patched(bare, 21, 0xFFFFFFFFu));
        writeTemplate("depths.woxTemplate", patched(bare, 33, 0xFFFFFFF0u));
        writeTemplate("empty.woxTemplate", QByteArray());
        QCOMPARE(listedNames(woxFileTableDataModel(false)), QSet<QString>({"good"}));
    }

};

QTEST_MAIN(tst_fileTable)
#include "tst_fileTable.moc"
