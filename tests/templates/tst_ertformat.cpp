#include "woxERTFormat.h"
#include "woxERTLoader.h"
#include "woxMake.h"

#include <QTemporaryDir>
#include <QtTest>

using woxMake::quadripole;

class tst_ertformat : public QObject
{
    Q_OBJECT

private slots:
    void coordinates_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("six significant digits") << 123.4567f << "123.457";
        QTest::newRow("small exponent") << 1e-5f << "1e-05";
        QTest::newRow("large exponent") << 1250000.0f << "1.25e+06";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("twelve and a half") << 12.5f << "12.5";
        QTest::newRow("a tenth as a float") << 0.1f << "0.1";
        QTest::newRow("negative") << -2.25f << "-2.25";
        QTest::newRow("largest plain") << 100000.0f << "100000";
        QTest::newRow("smallest plain") << 0.0001f << "0.0001";
    }

    void coordinates()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(woxERTFormat::coordinate(value), text);
    }

    void workedExampleText()
    {
        QMap<woxElectrode, woxElectrodePosition> electrodes;
        electrodes.insert(4, woxElectrodePosition(15.0f, 0.0f, 1.5f));
        electrodes.insert(1, woxElectrodePosition(0.0f, 0.0f, 0.0f));
        electrodes.insert(3, woxElectrodePosition(10.0f, 0.0f, 1.0f));
        electrodes.insert(2, woxElectrodePosition(5.0f, 0.0f, 0.5f));
        const QList<woxQuadripole> rows = {quadripole(0, 3, 1, 2), quadripole(65535, 2, 0, 1),
                                           quadripole(2, 0, 65534, 3)};
        QCOMPARE(woxERTFormat::text(electrodes, rows),
                 QString("# X Y Z\n"
                         "1 0 0 0\n"
                         "2 5 0 0.5\n"
                         "3 10 0 1\n"
                         "4 15 0 1.5\n"
                         "# A B M N\n"
                         "1 1 4 2 3\n"
                         "2 0 3 1 2\n"
                         "3 3 1 0 4\n"));
    }

    void emptyTemplateIsTheTwoHeaders()
    {
        QCOMPARE(woxERTFormat::text({}, {}), QString("# X Y Z\n# A B M N\n"));
    }

    void writtenTextReadsBack()
    {
        QMap<woxElectrode, woxElectrodePosition> electrodes;
        electrodes.insert(1, woxElectrodePosition(123.4567f, -0.00001f, 1250000.0f));
        electrodes.insert(64, woxElectrodePosition(0.1f, 2.0f, -3.5f));
        const QList<woxQuadripole> rows = {quadripole(65535, 63, 65534, 0),
                                           quadripole(0, 63, 0, 63)};
        QTemporaryDir dir;
        QFile file(dir.filePath("round.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(woxERTFormat::text(electrodes, rows).toLatin1());
        file.close();

        QString error;
        QMap<woxElectrode, woxElectrodePosition> readElectrodes;
        QList<woxQuadripole> readRows;
        QVERIFY2(woxERTLoader::load(file.fileName(), &error, &readElectrodes, &readRows),
                 qPrintable(error));
        QCOMPARE(readElectrodes.keys(), electrodes.keys());
        QCOMPARE(readElectrodes.value(1).x, 123.457f);
        QCOMPARE(readElectrodes.value(1).y, -1e-5f);
        QCOMPARE(readElectrodes.value(1).z, 1250000.0f);
        QCOMPARE(readElectrodes.value(64).x, 0.1f);
        QCOMPARE(readRows.size(), 2);
        for (int i = 0; i < rows.size(); ++i)
            QVERIFY(readRows.at(i) == rows.at(i));
    }
};

QTEST_GUILESS_MAIN(tst_ertformat)
#include "tst_ertformat.moc"
