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

QByteArray head(quint32 magic, const woxFileSummary &summary)
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
        QTest::newRow("direct zero") << 5 << QList<int>{0, 0} << "0S";
        QTest::newRow("direct two") << 9 << QList<int>{4, 2} << "2S";
        QTest::newRow("both") << 8 << QList<int>{3, 1, 15, 1} << "1S:1R";
        QTest::newRow("reciprocal only") << 12 << QList<int>{17, 3} << "3R";
        QTest::newRow("last column") << 16 << QList<int>{11, 1, 21, 4} << "1S:4R";
        QTest::newRow("other types") << 6 << QList<int>{0, 1, 12, 1} << "";
        // The pole-dipole columns have no reciprocal, whatever the map holds.
        QTest::newRow("FPD") << 10 << QList<int>{5, 1, 17, 2} << "1S";
        QTest::newRow("BPD") << 11 << QList<int>{18, 2} << "";
        QTest::newRow("before arrays") << 4 << QList<int>{0, 1} << "";
    }

    void arrayCells()
    {
        QFETCH(int, column);
        QFETCH(QList<int>, typeCounts);
        QFETCH(QString, cell);
        woxFileSummary summary;
        for (int i = 0; i + 1 < typeCounts.size(); i += 2)
            summary.arrayCounts.insert(quint8(typeCounts.at(i)), quint8(typeCounts.at(i + 1)));
        QCOMPARE(woxFileTableDataModel::arrayCell(summary, column), cell);
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
        writeTemplate("a.woxTemplate.woxTemplate", head(templateMagic, woxFileSummary()));
        // A session and a foreign magic among the templates, a template
        // without the extension: none of them is a template to list.
        writeTemplate("s.woxTemplate", head(sessionMagic, summary));
        writeTemplate("x.woxTemplate", head(0x12345678u, summary));
        writeTemplate("plain.txt", head(templateMagic, summary));
        QDir().mkpath(templatesDir + "dir.woxTemplate");

        woxFileTableDataModel model(false);
        QCOMPARE(listedNames(model), QSet<QString>({"line", "a"}));
        QCOMPARE(model.columnCount(), 17);
        const int row = model.index(0, 0).data().toString() == "line" ? 0 : 1;
        const QStringList expected = {"line", "1", "2.5", "1234", "56", "", "", "", "1S:1R"};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(model.index(row, column).data().toString(), expected.at(column));
        QCOMPARE(model.index(row, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft));
        QCOMPARE(model.index(row, 3).data(Qt::TextAlignmentRole).toInt(), 132);
        QVERIFY(!model.index(row, 3).data(Qt::ToolTipRole).isValid());
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Template"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("CS[m]"));
        QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QString("W") + QChar(0x03B1));
        QCOMPARE(model.headerData(16, Qt::Horizontal).toString(), QString("G9"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        QVERIFY(!model.headerData(17, Qt::Horizontal).isValid());
    }

    void sessionsComeFromTheirDirectory()
    {
        writeFile(sessionsDir + "run.woxSession", head(sessionMagic, woxFileSummary()));
        writeFile(sessionsDir + "t.woxSession", head(templateMagic, woxFileSummary()));
        woxFileTableDataModel model(true);
        QCOMPARE(listedNames(model), QSet<QString>({"run"}));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Session"));
        QVERIFY(woxFileTableDataModel(false).isEmpty());   // no templates directory
    }

    void damagedSummariesAreSkipped()
    {
        woxFileSummary summary;
        summary.arrayCounts.insert(0, 1);
        summary.setDepths = {1.5f};
        writeTemplate("good.woxTemplate", head(templateMagic, summary));
        // magic 4, spacing 8, cables 1, quadripoles 4, runs 4: the array
        // count at 21; with no arrays the depth count follows at 33.
        const QByteArray bare = head(templateMagic, woxFileSummary());
        writeTemplate("short.woxTemplate", bare.left(12));
        writeTemplate("huge.woxTemplate", patched(bare, 21, 0x7FFFFFFFu));
        writeTemplate("negative.woxTemplate", patched(bare, 21, 0xFFFFFFFFu));
        writeTemplate("depths.woxTemplate", patched(bare, 33, 0xFFFFFFF0u));
        writeTemplate("empty.woxTemplate", QByteArray());
        woxFileTableDataModel model(false);
        QCOMPARE(listedNames(model), QSet<QString>({"good"}));
    }

    void emptyDirectory()
    {
        QDir().mkpath(templatesDir);
        woxFileTableDataModel model(false);
        QVERIFY(model.isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }

    void dialogSelectsTheFirstRow()
    {
        writeTemplate("one.woxTemplate", head(templateMagic, woxFileSummary()));
        writeTemplate("two.woxTemplate", head(templateMagic, woxFileSummary()));
        woxFileTableDataModel model(false);
        woxFileTableDialog dialog(&model);
        QCOMPARE(dialog.selectedName(), model.index(0, 0).data().toString());
        QTableView *view = dialog.findChild<QTableView *>("fileTableView");
        view->setCurrentIndex(model.index(1, 7));
        QCOMPARE(dialog.selectedName(), model.index(1, 0).data().toString());
        view->setCurrentIndex(QModelIndex());
        QCOMPARE(dialog.selectedName(), QString());
        QCOMPARE(dialog.size(), QSize(1024, 600));
    }

    void varnexListKeepsTheGivenOrder()
    {
        const QStringList names = {"zeta.txt", "alpha.TXT", "mid.txt"};
        woxERTTableDialog dialog(names);
        QCOMPARE(dialog.selectedName(), QString("zeta.txt"));
        QListWidget *list = dialog.findChild<QListWidget *>("listWidget");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("alpha.TXT"));
        list->setCurrentRow(2);
        QCOMPARE(dialog.selectedName(), QString("mid.txt"));
        woxERTTableDialog none((QStringList()));
        QCOMPARE(none.selectedName(), QString());
    }
};

QTEST_MAIN(tst_fileTable)
#include "tst_fileTable.moc"
