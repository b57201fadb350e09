#include "woxModalScript.h"
#include "woxNames.h"
#include "woxTemplateDataModel.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString moreSets = QStringLiteral("woxWarningDialog: Can not add one more set");

QModelIndexList cells(const woxTemplateDataModel &model, const QList<QPoint> &rowColumns)
{
    QModelIndexList list;
    for (const QPoint &p : rowColumns)
        list.append(model.index(p.x(), p.y()));
    return list;
}

// Adds a set of the type through the array dialog, as the Add button does.
void addSet(woxTemplateDataModel &model, int type)
{
    woxModalScript script;
    script.chooseArray(type);
    QVERIFY(model.onSetAdd());
}

// A dipole-dipole set on two cables: rows 0 to 2 whole, row 3 up to level
// 23, plus one cell of row 3 that brings the count to 6326 + extra.
QModelIndexList dipoleSelection(const woxTemplateDataModel &model, int extraColumn)
{
    QModelIndexList list;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 99; ++column)
            list.append(model.index(row, column));
    }
    for (int column = 0; column < 23; ++column)
        list.append(model.index(3, column));
    list.append(model.index(3, extraColumn));
    return list;
}

} // namespace

class tst_templateDataModel : public QObject
{
    Q_OBJECT

private slots:
    void headersAndEmptyModel()
    {
        woxTemplateDataModel model;
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
            QCOMPARE(model.headerData(0, o, Qt::DisplayRole).toInt(), 1);
            QCOMPARE(model.headerData(98, o, Qt::DisplayRole).toInt(), 99);
        }
        QCOMPARE(model.arrayTypeOfSet(7), woxArrayType(255));   // no set: no read outside
        QVERIFY(model.countSetsPerArrayType().isEmpty());
        QVERIFY(!model.flagByte());
    }

    void cellsShowPointsAndAuxMarks()
    {
        woxTemplateDataModel model;
        addSet(model, 4);
        model.onSpacingLevelMainConfig(cells(model, {{5, 0}, {0, 0}}));
        const QImage green = QPixmap(":/points/points/green.png").toImage();
        const QImage red = QPixmap(":/points/points/red.png").toImage();
        QCOMPARE(qvariant_cast<QPixmap>(model.data(model.index(5, 0), Qt::DecorationRole)).toImage(),
                 green);
        QCOMPARE(qvariant_cast<QPixmap>(model.data(model.index(0, 0), Qt::DecorationRole)).toImage(),
                 red);
        QVERIFY(!model.data(model.index(1, 0), Qt::DecorationRole).isValid());

        model.onSpacingLevelAuxConfig(5, 0, true);
        QCOMPARE(qvariant_cast<QColor>(model.data(model.index(5, 0), Qt::BackgroundRole)),
                 QColor(Qt::gray));
        model.onSpacingLevelAuxConfig(5, 0, false);
        QVERIFY(!model.data(model.index(5, 0), Qt::BackgroundRole).isValid());
        model.onSpacingLevelAuxConfig(30, 0, true);   // outside the grid: ignored
        model.onSpacingLevelAuxConfig(0, 99, true);
    }

    void addAndCloneStopAtEightSets()
    {
        woxTemplateDataModel model;
        for (int i = 0; i < 7; ++i)
            addSet(model, 3);
        {
            woxModalScript script;
            script.answer(1);
            QVERIFY(model.onSetClone());
            QCOMPARE(script.seen, QStringList("woxWarningDialog: Set was cloned successfully"));
        }
        QCOMPARE(model.numberOfSets(), 8);
        woxModalScript script;
        script.answer(1).answer(1);
        QVERIFY(!model.onSetAdd());
        QVERIFY(!model.onSetClone());
        QCOMPARE(script.seen, QStringList({moreSets, moreSets}));
        QCOMPARE(model.numberOfSets(), 8);
    }

    void cancelledAddChangesNothing()
    {
        woxTemplateDataModel model;
        woxModalScript script;
        // A selection without a cell of this grid asks nothing.
        model.onSpacingLevelMainConfig(QModelIndexList() << QModelIndex());
        QVERIFY(script.seen.isEmpty());
        script.cancel();
        // A first grid selection opens the array dialog; cancelling it
        // leaves the template without sets.
        model.onSpacingLevelMainConfig(cells(model, {{0, 0}}));
        QCOMPARE(script.seen, QStringList("woxAddModifyArrayDialog"));
        QCOMPARE(model.numberOfSets(), 0);
        QVERIFY(!model.flagByte());
    }

    void selectionTogglesCells()
    {
        woxTemplateDataModel model;
        woxModalScript script;
        script.chooseArray(0);
        model.onSpacingLevelMainConfig(cells(model, {{0, 0}}));
        QCOMPARE(model.numberOfSets(), 1);
        QCOMPARE(model.arrayTypeOfSet(0), woxArrayType(0));
        QCOMPARE(model.totalQuadripoles(), 61);
        QVERIFY(model.flagByte());

        model.onSpacingLevelMainConfig(cells(model, {{0, 0}, {0, 1}}));
        QCOMPARE(model.totalQuadripoles(), 58);   // (0, 0) cleared, (0, 1) selected
        QVERIFY(model.sets().at(0).mainGrid().at(0).at(1));
        QVERIFY(!model.sets().at(0).mainGrid().at(0).at(0));

        // Indices of no grid are ignored rather than addressed.
        model.onSpacingLevelMainConfig(QModelIndexList() << QModelIndex());
        QCOMPARE(model.totalQuadripoles(), 58);
    }

    void comboEntriesAndCurrentSet()
    {
        woxTemplateDataModel model;
        QComboBox combo;
        model.setSetCombo(&combo);
        addSet(model, 0);
        addSet(model, 3);
        model.onSpacingLevelMainConfig(cells(model, {{0, 0}, {0, 1}}));
        addSet(model, 4);
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.itemText(1),
                 QString("%1/%2 %3 [%4]").arg(2).arg(3).arg(arrayTypeName(3)).arg(120));
        QCOMPARE(combo.currentIndex(), 2);

        combo.setCurrentIndex(1);   // the operator picks the second set
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(model.data(model.index(0, 1), Qt::DecorationRole).isValid(), true);
        model.onCurrentSetChange(17);   // clamped to the last set
        QCOMPARE(combo.currentIndex(), 2);
    }

    void removingSets()
    {
        woxTemplateDataModel model;
        QComboBox combo;
        model.setSetCombo(&combo);
        for (int type : {0, 3, 4})
            addSet(model, type);
        {
            woxModalScript script;
            script.answer(0);
            QVERIFY(!model.onSetRemove());   // No keeps the set
            QCOMPARE(script.seen,
                     QStringList("woxWarningDialog: Are you sure you want to remove current set?"));
        }
        QCOMPARE(model.numberOfSets(), 3);
        {
            woxModalScript script;
            script.answer(1);
            QVERIFY(model.onSetRemove());   // the third, current one
        }
        QCOMPARE(model.numberOfSets(), 2);
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(model.arrayTypeOfSet(1), woxArrayType(3));

        model.onCurrentSetChange(0);
        {
            woxModalScript script;
            script.answer(1);
            QVERIFY(model.onSetRemove());   // the first: index 0 is now the former second
        }
        QCOMPARE(combo.currentIndex(), 0);
        QCOMPARE(model.arrayTypeOfSet(0), woxArrayType(3));

        QSignalSpy clear(&model, &woxTemplateDataModel::sendPlotClear);
        woxModalScript script;
        script.answer(1);
        QVERIFY(model.onSetRemove());   // the only set
        QCOMPARE(model.numberOfSets(), 0);
        QCOMPARE(combo.count(), 0);
        QCOMPARE(clear.count(), 1);
        QCOMPARE(clear.at(0).at(0).toBool(), true);
        QVERIFY(!model.onSetRemove());   // nothing left, nothing asked
        QCOMPARE(script.pending(), 0);
    }

    void clearAndModify()
    {
        woxTemplateDataModel model;
        addSet(model, 9);
        model.onSpacingLevelMainConfig(cells(model, {{0, 4}}));
        QVERIFY(model.totalQuadripoles() > 0);
        {
            woxModalScript script;
            script.chooseArray(9);   // unchanged type
            QVERIFY(!model.onSetModify());
            script.chooseArray(8);
            QVERIFY(model.onSetModify());
        }
        QCOMPARE(model.arrayTypeOfSet(0), woxArrayType(8));
        woxModalScript script;
        script.answer(1);
        QVERIFY(model.onSetClear());
        QCOMPARE(script.seen,
                 QStringList("woxWarningDialog: Are you sure you want to clear surrent set?"));
        QCOMPARE(model.totalQuadripoles(), 0);
        QCOMPARE(model.arrayTypeOfSet(0), woxArrayType(8));
    }

    void plotSignalsPerSpacing()
    {
        woxTemplateDataModel model;
        addSet(model, 4);
        QStringList plot;
        connect(&model, &woxTemplateDataModel::sendPlotClear, this,
                [&](bool doReplot) { plot << QString("clear %1").arg(doReplot); });
        connect(&model, &woxTemplateDataModel::sendPlotUpdate, this,
                [&](woxSpacing spacing, QList<woxQuadripole> list, bool doReplot) {
                    plot << QString("update %1 %2 %3").arg(spacing).arg(list.size()).arg(doReplot);
                });
        model.onSpacingLevelMainConfig(cells(model, {{2, 0}, {0, 0}, {0, 1}}));
        QCOMPARE(plot, QStringList({"clear 0", "update 0 121 0", "update 2 57 1"}));
        plot.clear();
        model.onSpacingLevelMainConfig(cells(model, {{2, 0}, {0, 0}, {0, 1}}));
        QCOMPARE(plot, QStringList("clear 1"));
    }

    void measurementLimitOnTwoCables()
    {
        for (int extra : {45, 44}) {
            woxTemplateDataModel model;
            addSet(model, 4);
            model.onSpacingLevelMainConfig(dipoleSelection(model, extra));
            const int count = model.totalQuadripoles();
            QCOMPARE(count, extra == 45 ? 6336 : 6337);
            woxModalScript script;
            script.answer(1).answer(1);
            QCOMPARE(model.checkMeasurementLimit(), count > 6336);
            QCOMPARE(model.checkTemplate(), count <= 6336);
            const QString tooMany("woxWarningDialog: Template contains too many measurements");
            QCOMPARE(script.seen, count > 6336 ? QStringList({tooMany, tooMany}) : QStringList());
        }
    }

    void templateCheckMessages()
    {
        woxTemplateDataModel model;
        woxModalScript script;
        script.answer(1).answer(1);
        QVERIFY(!model.checkTemplate());
        addSet(model, 0);
        QVERIFY(!model.checkTemplate());
        QCOMPARE(script.seen, QStringList({"woxWarningDialog: Template is empty",
                                           "woxWarningDialog: Template contains an empty set"}));
    }

    void arrangementChanges()
    {
        woxTemplateDataModel model;
        QLabel cables, electrodes, spacing, length;
        model.setInfoLabels(&cables, &electrodes, &spacing, &length);
        QCOMPARE(cables.text(), QString("<font color=blue>2</font>"));
        QCOMPARE(electrodes.text(), QString("<font color=blue>64</font>"));
        QCOMPARE(spacing.text(), QString("<font color=blue>5.0</font> m"));
        QCOMPARE(length.text(), QString("<font color=blue>315.0</font> m"));

        model.setArrangement(2, 5.0f);
        QVERIFY(!model.flagByte());

        addSet(model, 0);
        model.onSpacingLevelMainConfig(cells(model, {{0, 0}, {0, 9}}));
        model.onSpacingLevelAuxConfig(0, 0, true);
        QCOMPARE(model.totalQuadripoles(), 61 + 34);

        // One cable: (0, 9) needs 31 electrodes and stays; a spacing change
        // clears the AUX marks.
        model.setArrangement(1, 2.5f);
        QCOMPARE(model.cables(), woxCable(1));
        QCOMPARE(model.cableSpacing(), 2.5f);
        QCOMPARE(model.totalQuadripoles(), 29 + 2);
        QVERIFY(!model.sets().at(0).auxGrid().at(0).at(0));
        QCOMPARE(electrodes.text(), QString("<font color=blue>32</font>"));
        QCOMPARE(length.text(), QString("<font color=blue>77.5</font> m"));
        QVERIFY(model.flagByte());
    }

    void varnexTemplateOnlyWhenWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("survey.txt");
        auto write = [&](const QByteArray &text) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        woxTemplateDataModel model;
        write("# X Y Z\n1 0 0 0\n2 5 0 0\n3 10 0 0\n4 15 0 0\n"
              "# A B M N\n1 1 4 2 3\n2 2 3 1 4\n");
        QVERIFY(model.loadVarnexTemplate(path));
        QCOMPARE(model.varnexElectrodes.size(), 4);
        QCOMPARE(model.varnexQuadripoles.size(), 2);
        QCOMPARE(model.numberOfSets(), 0);
        QCOMPARE(model.measurementCount(), 2);

        // The second row is refused after the first was read: nothing of
        // the file stays in the model.
        write("# X Y Z\n1 0 0 0\n2 1 0 0\n# A B M N\n1 1 2 1 2\n2 1 1 1 1\n");
        woxModalScript script;
        script.answer(1);
        QVERIFY(!model.loadVarnexTemplate(path));
        QCOMPARE(script.seen.size(), 1);
        QVERIFY(script.seen.at(0).startsWith("woxWarningDialog: A and B electrodes"));
        QVERIFY(model.varnexElectrodes.isEmpty());
        QVERIFY(model.varnexQuadripoles.isEmpty());
        QCOMPARE(model.measurementCount(), 0);
    }

    void emptyFileNameOnlyReportsTheArrangement()
    {
        woxTemplateDataModel model;
        QSignalSpy spy(&model, &woxTemplateDataModel::sendArrangementUpdate);
        QVERIFY(model.load(QString(), false));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<woxCable>(), woxCable(2));
        QCOMPARE(spy.at(0).at(1).value<woxCableSpacing>(), 5.0f);
        QCOMPARE(model.numberOfSets(), 0);
    }
};

QTEST_MAIN(tst_templateDataModel)
#include "tst_templateDataModel.moc"
