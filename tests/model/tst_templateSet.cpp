#include "woxBytes.h"
#include "woxTemplateContent.h"
#include "woxTemplateSet.h"

#include <QStandardItemModel>
#include <QtTest>

namespace {

// Stands for the template grid view: indexes of 30 spacing rows x 99 levels.
QStandardItemModel &grid()
{
    static QStandardItemModel model(30, 99);
    return model;
}

QModelIndexList cells(const QList<QPair<int, int>> &list)
{
    QModelIndexList indexes;
    for (const QPair<int, int> &cell : list)
        indexes.append(grid().index(cell.first, cell.second));
    return indexes;
}

woxTemplateSet set(woxArrayType type, const QList<QPair<int, int>> &selected, int cables = 2,
                   float spacing = 5.0f)
{
    woxTemplateSet result(woxCable(cables), spacing);
    result.setArrayType(type);
    result.applyMainSelection(cells(selected));
    return result;
}

int listedTotal(const woxTemplateSet &set)
{
    int total = 0;
    for (const QList<woxQuadripole> &list : set.quadripoleMap())
        total += list.size();
    return total;
}

QByteArray written(const woxTemplateSet &set)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    woxTemplateSet::writeTo(stream, set);
    return bytes;
}

// Stream form written out from the layout: type, two grids of 30 rows of
// qint32 99 and 99 cell bytes, cables, spacing.
QByteArray gridBytes(const QList<QPair<int, int>> &selected)
{
    QByteArray bytes = woxHex("00 00 00 1E");
    for (int row = 0; row < 30; ++row) {
        bytes += woxHex("00 00 00 63");
        for (int column = 0; column < 99; ++column)
            bytes += char(selected.contains(qMakePair(row, column)) ? 1 : 0);
    }
    return bytes;
}

// Reads the stream form into the set; the status tells whether the bytes were
// complete and sound, atEnd whether the reader used them all.
QDataStream::Status readInto(const QByteArray &bytes, woxTemplateSet &set, bool *atEnd = nullptr)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_8);
    woxTemplateSet::readFrom(in, set);
    if (atEnd)
        *atEnd = in.atEnd();
    return in.status();
}

} // namespace

class tst_templateSet : public QObject
{
    Q_OBJECT

private slots:
    void togglingCells()
    {
        woxTemplateSet s = set(0, {{0, 0}});
        QVERIFY(s.mainGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 61);
        QCOMPARE(s.quadripoleMap().value(woxSpacingLevel(0, 0)).size(), 61);
        QVERIFY(!s.isEmpty());

        s.applyMainSelection(cells({{0, 1}}));   // L = 2: spread 6, 58 positions
        QCOMPARE(s.measurementCount(), 119);

        s.applyMainSelection(cells({{0, 0}}));
        QVERIFY(!s.mainGrid()[0][0]);
        QVERIFY(!s.quadripoleMap().contains(woxSpacingLevel(0, 0)));
        QCOMPARE(s.measurementCount(), 58);

        s.applyMainSelection(cells({{0, 0}, {0, 0}}));   // listed twice: toggled twice
        QVERIFY(!s.mainGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 58);
        QCOMPARE(listedTotal(s), 58);
    }

    void cellsThatDoNotApplyStayUnselected()
    {
        woxTemplateSet wenner = set(0, {{1, 0}, {0, 21}});   // second row; spread 66
        QVERIFY(wenner.isEmpty());
        QCOMPARE(wenner.measurementCount(), 0);

        woxTemplateSet untyped;
        untyped.applyMainSelection(cells({{0, 0}, {5, 5}}));
        QVERIFY(untyped.isEmpty());
        QCOMPARE(untyped.measurementCount(), 0);
    }

    void indexesOutsideTheGridAreIgnored()
    {
        woxTemplateSet s = set(0, {{0, 0}});
        QStandardItemModel larger(40, 120);
        s.applyMainSelection({QModelIndex(), larger.index(30, 0), larger.index(0, 99),
                              larger.index(35, 110)});
        s.setAuxCell(30, 0, true);
        s.setAuxCell(0, 99, true);
        QCOMPARE(s.measurementCount(), 61);
        QCOMPARE(s.mainGrid().size(), 30);
        QCOMPARE(s.auxGrid()[0].size(), 99);
    }

    void auxCells()
    {
        woxTemplateSet s = set(3, {{1, 2}});
        const woxSelectionGrid main = s.mainGrid();
        s.setAuxCell(1, 2, true);
        s.setAuxCell(4, 7, true);
        QVERIFY(s.auxGrid()[1][2]);
        QVERIFY(s.auxGrid()[4][7]);
        QCOMPARE(s.mainGrid(), main);
        QCOMPARE(s.measurementCount(), 56);
        s.setAuxCell(4, 7, false);
        QVERIFY(!s.auxGrid()[4][7]);
        // AUX marks alone do not make a set non-empty.
        woxTemplateSet marked;
        marked.setAuxCell(0, 0, true);
        QVERIFY(marked.isEmpty());
    }

    void changingTheType()
    {
        woxTemplateSet s = set(3, {{0, 0}, {1, 2}});
        QCOMPARE(s.measurementCount(), 61 + 56);
        s.setAuxCell(0, 0, true);
        s.setArrayType(3);
        QVERIFY(s.auxGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 117);

        s.setAuxCell(1, 2, true);
        s.setArrayType(0);   // Wenner alpha has no second row
        QCOMPARE(s.arrayType(), woxArrayType(0));
        QVERIFY(!s.auxGrid()[0][0]);
        QVERIFY(!s.auxGrid()[1][2]);
        QVERIFY(s.mainGrid()[0][0]);
        QVERIFY(!s.mainGrid()[1][2]);
        QCOMPARE(s.measurementCount(), 61);
        QCOMPARE(listedTotal(s), 61);
        QVERIFY(s.quadripoleMap().value(woxSpacingLevel(1, 2)).isEmpty());
    }

    void changingTheArrangement()
    {
        woxTemplateSet s = set(0, {{0, 0}, {0, 10}});   // spreads 3 and 33
        QCOMPARE(s.measurementCount(), 61 + 31);
        s.setAuxCell(0, 0, true);
        s.setAuxCell(0, 10, true);

        s.setArrangement(2, 5.0f);   // nothing changes
        QVERIFY(s.auxGrid()[0][0]);

        s.setArrangement(1, 5.0f);   // a shorter line: the long cell drops out
        QCOMPARE(s.cables(), woxCable(1));
        QVERIFY(s.auxGrid()[0][0]);
        QVERIFY(!s.auxGrid()[0][10]);
        QVERIFY(!s.mainGrid()[0][10]);
        QCOMPARE(s.measurementCount(), 29);

        s.setArrangement(1, 2.5f);   // a new spacing clears the marks
        QCOMPARE(s.cableSpacing(), 2.5f);
        QVERIFY(!s.auxGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 29);
        QCOMPARE(s.quadripoleMap().value(woxSpacingLevel(0, 0)).first().x, 3.75f);

        s.setAuxCell(0, 0, true);
        s.setArrangement(2, 1.0f);   // both
        QVERIFY(!s.auxGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 61);
    }

    void clearing()
    {
        woxTemplateSet s = set(0, {{0, 0}});
        s.setAuxCell(0, 0, true);
        s.clearMain();
        QVERIFY(s.isEmpty());
        QVERIFY(s.quadripoleMap().isEmpty());
        QCOMPARE(s.measurementCount(), 0);
        QVERIFY(s.auxGrid()[0][0]);
        s.applyMainSelection(cells({{0, 0}}));
        s.clear();
        QVERIFY(s.isEmpty());
        QVERIFY(!s.auxGrid()[0][0]);
        QCOMPARE(s.measurementCount(), 0);
    }

    void streamForm()
    {
        woxTemplateSet s = set(3, {{0, 0}, {29, 1}}, 2, 2.5f);
        s.setAuxCell(2, 98, true);
        const QByteArray bytes = written(s);
        QCOMPARE(bytes.size(), 6198);
        const QByteArray expected = woxHex("03") + gridBytes({{0, 0}, {29, 1}}) + gridBytes({{2, 98}})
                                    + woxHex("02 40 04 00 00 00 00 00 00");
        QCOMPARE(bytes, expected);
        QCOMPARE(written(woxTemplateSet()).left(1), woxHex("FF"));
    }

    void roundTrip()
    {
        woxTemplateSet s = set(8, {{0, 9}, {3, 11}, {0, 0}});
        s.setAuxCell(0, 9, true);
        s.setArrangement(2, 3.0f);
        s.setAuxCell(3, 11, true);
        woxTemplateSet back;
        bool atEnd = false;
        QCOMPARE(readInto(written(s), back, &atEnd), QDataStream::Ok);
        QVERIFY(atEnd);
        QCOMPARE(written(back), written(s));
        QCOMPARE(back.measurementCount(), 301 + 7 * 36 + 61);
        QCOMPARE(back.quadripoleMap(), s.quadripoleMap());
        const woxQuadripole last = s.quadripoleMap().last().last();
        QCOMPARE(back.quadripoleMap().last().last().x, last.x);
        QCOMPARE(back.quadripoleMap().last().last().depth, last.depth);
        // The largest type code and one cable are accepted as well.
        QCOMPARE(readInto(written(set(21, {{0, 2}}, 1, 0.5f)), back), QDataStream::Ok);
        QCOMPARE(back.arrayType(), woxArrayType(21));
        QCOMPARE(back.cables(), woxCable(1));
    }

    void readingReplacesEarlierQuadripoles()
    {
        woxTemplateSet target = set(0, {{0, 5}, {0, 0}});
        QCOMPARE(readInto(written(set(0, {{0, 0}})), target), QDataStream::Ok);
        QVERIFY(!target.mainGrid()[0][5]);
        QVERIFY(target.quadripoleMap().value(woxSpacingLevel(0, 5)).isEmpty());
        QCOMPARE(target.measurementCount(), 61);
        QCOMPARE(listedTotal(target), 61);
    }

    void readingCellsThatNoLongerFit()
    {
        // A Wenner alpha cell of spread 33 stored for one cable.
        const QByteArray bytes = woxHex("00") + gridBytes({{0, 10}, {0, 0}}) + gridBytes({{0, 10}})
                                 + woxHex("01 40 14 00 00 00 00 00 00");
        woxTemplateSet back;
        QCOMPARE(readInto(bytes, back), QDataStream::Ok);
        QCOMPARE(back.cables(), woxCable(1));
        QVERIFY(!back.mainGrid()[0][10]);
        QVERIFY(!back.auxGrid()[0][10]);
        QVERIFY(back.mainGrid()[0][0]);
        QCOMPARE(back.measurementCount(), 29);
    }

    void contentCountsSetsPerArrayType()
    {
        woxTemplateContent content;
        QCOMPARE(int(content.arrayTypeOfSet(0)), 255);   // no set: no type, no read outside
        content.sets = {set(4, {}), set(0, {}), set(4, {}), woxTemplateSet()};
        const QMap<quint8, quint8> expected{{0, 1}, {4, 2}, {255, 1}};
        QCOMPARE(content.countSetsPerArrayType(), expected);
        QCOMPARE(int(content.arrayTypeOfSet(1)), 0);
        QCOMPARE(int(content.arrayTypeOfSet(200)), 255);   // clamped to the last set
        QVERIFY(!content.isVarnex());
        content.varnexQuadripoles.append(woxQuadripole());
        QVERIFY(content.isVarnex());
    }

    void damagedStreamsAreRefused_data()
    {
        const QByteArray good = written(set(0, {{0, 0}}));
        QTest::addColumn<QByteArray>("bytes");
        auto patched = [&good](int offset, const char *hex) {
            QByteArray bytes = good;
            const QByteArray patch = woxHex(hex);
            return bytes.replace(offset, patch.size(), patch);
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("type only") << good.left(1);
        QTest::newRow("negative rows") << patched(1, "FF FF FF FF");
        QTest::newRow("29 rows") << patched(1, "00 00 00 1D");
        QTest::newRow("31 rows") << patched(1, "00 00 00 1F");
        QTest::newRow("negative cells") << patched(5, "FF FF FF 9C");
        QTest::newRow("100 cells") << patched(5 + 103 * 7, "00 00 00 64");
        QTest::newRow("huge aux cells") << patched(1 + 3094 + 4 + 103 * 29, "40 00 00 00");
        QTest::newRow("short main grid") << good.left(1500);
        QTest::newRow("short aux grid") << good.left(4000);
        QTest::newRow("no spacing") << good.left(6190);
        QTest::newRow("short spacing") << good.left(6197);
        // Offsets 0, 6189 and 6190 hold the type, the cables and the spacing.
        QTest::newRow("type 22") << patched(0, "16");
        QTest::newRow("no cables") << patched(6189, "00");
        QTest::newRow("3 cables") << patched(6189, "03");
        QTest::newRow("zero spacing") << patched(6190, "00 00 00 00 00 00 00 00");
        QTest::newRow("negative spacing") << patched(6190, "C0 14 00 00 00 00 00 00");
        QTest::newRow("NaN spacing") << patched(6190, "7F F8 00 00 00 00 00 00");
        QTest::newRow("spacing beyond float") << patched(6190, "7F EF FF FF FF FF FF FF");
    }

    void damagedStreamsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        woxTemplateSet target = set(3, {{1, 2}}, 1, 2.0f);
        target.setAuxCell(7, 7, true);
        const QByteArray before = written(target);
        QVERIFY(readInto(bytes, target) != QDataStream::Ok);
        QCOMPARE(written(target), before);   // the set is left as it was
        QCOMPARE(target.measurementCount(), 24);   // 32 electrodes, spread 8
        QCOMPARE(listedTotal(target), target.measurementCount());
    }
};

QTEST_GUILESS_MAIN(tst_templateSet)
#include "tst_templateSet.moc"
