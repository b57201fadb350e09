#include "woxBytes.h"
#include "woxConstants.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeCommandRunner.h"
#include "woxPseudoDepthTable.h"

#include <QtTest>

#include <cmath>

namespace {

const int entryBytes = 23885;

bool near(float value, double expected)
{
    return std::fabs(value - expected) <= 2e-6 * std::max(1.0, std::fabs(expected));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// A table file: the two dimension bytes, then whatever the case needs.
QString writeTable(const QTemporaryDir &dir, const QByteArray &bytes)
{
    static int serial = 0;
    const QString path = dir.filePath(QString("table%1.base").arg(++serial));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray gridBytes(int rows, int columns, double value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << quint32(rows);
    for (int r = 0; r < rows; ++r) {
        stream << quint32(columns);
        for (int c = 0; c < columns; ++c)
            stream << value;
    }
    return bytes;
}

QByteArray header(qint8 rows, qint8 levels, quint32 count)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << rows << levels << count;
    return bytes;
}

QByteArray entry(quint8 type, const QByteArray &grid)
{
    return QByteArray(1, char(type)) + grid;
}

} // namespace

class tst_pseudoDepthTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        table = woxPseudoDepthTable::instance(pseudoDepthResource);
        QVERIFY(table->isLoaded());
    }

    // Hand values: the formula of each array family, every knot of the three
    // coefficient tables (n = L / S with S = 1, so level n - 1 of row 0), and
    // each type through its partner. Loaded and computed factors must agree.
    void handValues_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("expected");
        QTest::newRow("wenner alpha") << 0 << 0 << 0 << 0.519;
        QTest::newRow("wenner alpha 12") << 12 << 29 << 0 << 0.519;
        QTest::newRow("wenner beta") << 1 << 0 << 0 << 0.417;
        QTest::newRow("wenner beta 13") << 13 << 5 << 0 << 0.417;
        QTest::newRow("wenner gamma") << 2 << 0 << 0 << 0.594;
        QTest::newRow("wenner gamma 14") << 14 << 0 << 0 << 0.594;
        QTest::newRow("pole-pole first") << 7 << 0 << 0 << 0.867;
        QTest::newRow("pole-pole 17 last") << 17 << 0 << 98 << 85.833;
        QTest::newRow("wenner last row") << 0 << 29 << 98 << 51.381;
        QTest::newRow("schlumberger n 2.5") << 3 << 1 << 4 << 2.25;
        QTest::newRow("dipole n 0.5") << 4 << 1 << 0 << 0.505;
        QTest::newRow("dipole n 1/30") << 4 << 29 << 0 << 0.577027;
        QTest::newRow("dipole 16 n 99") << 16 << 0 << 98 << 25.25;
        QTest::newRow("pole-dipole 6 n 99") << 6 << 0 << 98 << 39.0;
        QTest::newRow("schlumberger 21 n 99") << 21 << 0 << 98 << 38.208;
        QTest::newRow("schlumberger n 1/30") << 3 << 29 << 0 << 4.5152;
        const double dd[] = {0.139, 0.174, 0.192, 0.203, 0.211, 0.216, 0.22, 0.224};
        for (int n = 1; n <= 8; ++n)
            QTest::addRow("dipole n %d", n) << 4 << 0 << n - 1 << dd[n - 1] * (n + 2);
        const double ws[] = {0.173, 0.186, 0.189, 0.19};
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("schlumberger 15 n %d", n) << 15 << 0 << n - 1 << ws[n - 1] * (2 * n + 1);
        const double pd[] = {0.26, 0.308, 0.33, 0.341, 0.349, 0.354};
        for (int n = 1; n <= 6; ++n)
            QTest::addRow("pole-dipole n %d", n) << 5 << 0 << n - 1 << pd[n - 1] * (n + 1);
        QTest::newRow("dipole n 20") << 4 << 0 << 19 << 0.239 * 22;
        QTest::newRow("pole-dipole n 15") << 5 << 0 << 14 << 0.368 * 16;
    }

    void handValues()
    {
        QFETCH(int, type);
        QFETCH(int, spacing);
        QFETCH(int, level);
        QFETCH(double, expected);
        const float loaded = table->factor(woxArrayType(type), woxSpacing(spacing), woxLevel(level));
        const float computed = woxPseudoDepthTable::computeFactor(
            woxArrayType(type), woxSpacing(spacing), woxLevel(level));
        QVERIFY2(near(loaded, expected), qPrintable(QString::number(loaded, 'g', 9)));
        QVERIFY2(near(computed, expected), qPrintable(QString::number(computed, 'g', 9)));
    }

    void interpolation()
    {
        QCOMPARE(interpolate(2, 0.5f, 2, 1.5f, 7), 1.0f);     // equal abscissae: the mean
        QCOMPARE(interpolate(0, 0.063f, 1, 0.2f, 0), 0.063f);
        QCOMPARE(interpolate(0, 0.063f, 1, 0.2f, 1), 0.2f);
        QCOMPARE(interpolate(2, 0.186f, 3, 0.189f, 2.5f), 0.1875f);
    }

    void loadedEqualsComputedEverywhere()
    {
        for (int type = 0; type < 22; ++type) {
            for (int s = 0; s < 30; ++s) {
                for (int l = 0; l < 99; ++l) {
                    const float loaded = table->factor(type, s, l);
                    QVERIFY(loaded > 0.0f);
                    QVERIFY(near(loaded, woxPseudoDepthTable::computeFactor(type, s, l)));
                }
            }
        }
    }

    void outsideTheTableIsZero()
    {
        QCOMPARE(table->factor(22, 0, 0), 0.0f);
        QCOMPARE(table->factor(255, 29, 98), 0.0f);
        QCOMPARE(table->factor(3, 30, 0), 0.0f);
        QCOMPARE(table->factor(3, 0, 99), 0.0f);
        QCOMPARE(woxPseudoDepthTable::computeFactor(22, 0, 0), 0.0f);
        QCOMPARE(woxPseudoDepthTable().factor(0, 0, 0), 0.0f);   // nothing loaded
        QCOMPARE(woxPseudoDepthTable::instance(QString("/nonexistent")), table);
    }

    // Layout written out from the format: dimensions, 22 entries highest
    // code first, each 30 rows of 99 doubles.
    void resourceLayout()
    {
        const QByteArray bytes = readAll(pseudoDepthResource);
        QCOMPARE(bytes.size(), 525476);
        QCOMPARE(bytes.left(6), woxHex("1E 63 00 00 00 16"));
        for (int k = 0; k < 22; ++k) {
            const QByteArray head = bytes.mid(6 + k * entryBytes, 9);
            QCOMPARE(head.toHex(' '), (QByteArray(1, char(21 - k)) + woxHex("00 00 00 1E 00 00 00 63"))
                                          .toHex(' '));
            // Row 29 starts after 29 rows of 4 + 99 x 8 bytes.
            QCOMPARE(bytes.mid(6 + k * entryBytes + 5 + 29 * 796, 4), woxHex("00 00 00 63"));
        }
        // The first factor of code 21 is 0.519 as a float widened to double.
        QCOMPARE(bytes.mid(15, 8), woxHex("3F E0 9B A5 E0 00 00 00"));
    }

    void generateWritesTheResourceBytesAndSyncs()
    {
        QTemporaryDir dir;
        woxFakeCommandRunner runner;
        const QString path = dir.filePath("pseudoDepth.base");
        QVERIFY(table->generate(path));
        QCOMPARE(readAll(path), readAll(pseudoDepthResource));
        QCOMPARE(runner.calls.size(), 1);
        QCOMPARE(runner.calls.first().program, QString("/bin/sync"));
    }

    void failuresAreReported()
    {
        QTemporaryDir dir;
        woxFakeCommandRunner runner;
        woxDiagnosticCapture diagnostics;
        QVERIFY(!table->generate(dir.filePath("missing/folder/pseudoDepth.base")));
        QVERIFY(table->isLoaded());   // the loaded table is kept
        QVERIFY(near(table->factor(0, 0, 0), 0.519));
        const woxPseudoDepthTable missing("/nonexistent/pseudoDepth.base");
        QVERIFY(!missing.isLoaded());
        QCOMPARE(diagnostics.lines(), QStringList({"File error: No such file or directory",
                                                      "File error: No such file or directory"}));
    }

    void damagedTablesStayUnloaded_data()
    {
        const QByteArray grid = gridBytes(30, 99, 1.0);
        QByteArray complete = header(30, 99, 22);
        for (int type = 21; type >= 0; --type)
            complete += entry(quint8(type), grid);
        QByteArray duplicate = header(30, 99, 22);
        for (int type = 21; type >= 0; --type)
            duplicate += entry(quint8(type == 0 ? 1 : type), grid);
        QByteArray highCode = header(30, 99, 22);
        for (int type = 22; type >= 1; --type)
            highCode += entry(quint8(type), grid);

        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reported");
        QTest::newRow("other dimensions") << header(29, 99, 22) + complete.mid(6) << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("dimensions only") << complete.left(2) << true;
        QTest::newRow("short") << complete.left(complete.size() - 1) << true;
        QTest::newRow("21 entries") << header(30, 99, 21) + complete.mid(6, 21 * entryBytes) << true;
        QTest::newRow("huge count") << header(30, 99, 0xFFFFFFFF) + complete.mid(6) << true;
        QTest::newRow("duplicate code") << duplicate << true;
        QTest::newRow("code 22") << highCode << true;
        QTest::newRow("29 rows") << header(30, 99, 22) + entry(21, gridBytes(29, 99, 1.0)) << true;
        QTest::newRow("98 levels") << header(30, 99, 22) + entry(21, gridBytes(30, 98, 1.0)) << true;
        QTest::newRow("huge rows") << header(30, 99, 22) + entry(21, gridBytes(1, 99, 1.0))
                                          .replace(1, 4, woxHex("7F FF FF FF"))
                                   << true;
    }

    void damagedTablesStayUnloaded()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reported);
        QTemporaryDir dir;
        woxDiagnosticCapture diagnostics;
        const woxPseudoDepthTable damaged(writeTable(dir, bytes));
        QVERIFY(!damaged.isLoaded());
        QCOMPARE(damaged.factor(21, 0, 0), 0.0f);
        QCOMPARE(damaged.factor(0, 29, 98), 0.0f);
        QCOMPARE(diagnostics.lines().size(), reported ? 1 : 0);
    }

    void completeHandWrittenTableLoads()
    {
        QTemporaryDir dir;
        QByteArray bytes = header(30, 99, 22);
        for (int type = 21; type >= 0; --type)
            bytes += entry(quint8(type), gridBytes(30, 99, 0.25 * type));
        const woxPseudoDepthTable small(writeTable(dir, bytes));
        QVERIFY(small.isLoaded());
        QCOMPARE(small.factor(4, 29, 98), 1.0f);
        QCOMPARE(small.factor(0, 0, 0), 0.0f);
    }

private:
    woxPseudoDepthTable *table = nullptr;
};

QTEST_GUILESS_MAIN(tst_pseudoDepthTable)
#include "tst_pseudoDepthTable.moc"
