#include "woxERTLoader.h"
#include "woxDiagnosticCapture.h"
#include "woxMake.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

typedef QMap<woxElectrode, woxElectrodePosition> Electrodes;

struct Loaded
{
    bool ok = false;
    QString error;
    Electrodes electrodes;
    QList<woxQuadripole> quadripoles;
};

} // namespace

using woxMake::quadripole;

class tst_ertloader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    Loaded load(const QByteArray &content)
    {
        const QString path = dir.filePath(QString("t%1.txt").arg(++files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write test file");
        file.close();
        Loaded result;
        result.ok = woxERTLoader::load(path, &result.error, &result.electrodes, &result.quadripoles);
        return result;
    }

    static void compareQuadripoles(const QList<woxQuadripole> &actual,
                                   const QList<woxQuadripole> &expected)
    {
        QCOMPARE(actual.size(), expected.size());
        for (int i = 0; i < actual.size(); ++i) {
            const woxQuadripole &q = actual.at(i);
            const QString where = QString("row %1").arg(i + 1);
            QVERIFY2(q.a == expected.at(i).a && q.b == expected.at(i).b
                         && q.m == expected.at(i).m && q.n == expected.at(i).n,
                     qPrintable(where + QString(": %1 %2 %3 %4").arg(q.a).arg(q.b).arg(q.m).arg(q.n)));
            QVERIFY2(q.spacing == 0 && q.level == 0 && q.x == 0.0f && q.depth == 0.0f,
                     qPrintable(where));
        }
    }

    static void comparePosition(const Electrodes &map, woxElectrode key, float x, float y, float z)
    {
        QVERIFY2(map.contains(key), qPrintable(QString::number(key)));
        QCOMPARE(map.value(key).x, x);
        QCOMPARE(map.value(key).y, y);
        QCOMPARE(map.value(key).z, z);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
    }

    void workedExample()
    {
        const Loaded r = load("# X Y Z\n1 0 0 0\n2 5 0 0,5\n3 10 0 1\n4 15 0 1.5\n"
                              "# A B M N\n1 1 4 2 3\n2 3 0 1 2\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(r.error.isEmpty());
        QCOMPARE(r.electrodes.keys(), QList<woxElectrode>({1, 2, 3, 4}));
        comparePosition(r.electrodes, 2, 5.0f, 0.0f, 0.5f);
        comparePosition(r.electrodes, 4, 15.0f, 0.0f, 1.5f);
        compareQuadripoles(r.quadripoles, {quadripole(0, 3, 1, 2), quadripole(65535, 2, 0, 1)});
    }

    void gapsCommasRemotesAndSeparators()
    {
        const Loaded r = load("header: #  x  y  z of survey 12\n"
                              "1 0 0 0\n"
                              "3\t10,5 \t 0   0,25 trailing words\n"
                              "010 -2.5 1e1 +3\n"       // octal 8
                              "0x0A 7 8 9\n"            // hexadecimal 10
                              "## a b m n ##\n"
                              "1 1 3 8 10\n"
                              "2 0 3 1 8\n"             // remote current electrode in A
                              "3 1 0 0 8\n"             // remote in B and in M
                              "4 8 10 3 0\n"            // remote potential electrode in N
                              "17 3 1 8 10 11 12\n"     // any index, words after N ignored
                              "6 1 3 8\n");             // N missing reads as remote
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.electrodes.keys(), QList<woxElectrode>({1, 3, 8, 10}));
        comparePosition(r.electrodes, 3, 10.5f, 0.0f, 0.25f);
        comparePosition(r.electrodes, 8, -2.5f, 10.0f, 3.0f);
        comparePosition(r.electrodes, 10, 7.0f, 8.0f, 9.0f);
        compareQuadripoles(r.quadripoles,
                           {quadripole(0, 2, 7, 9), quadripole(65535, 2, 0, 7),
                            quadripole(65535, 0, 65534, 7), quadripole(7, 9, 65534, 2),
                            quadripole(2, 0, 7, 9), quadripole(0, 2, 65534, 7)});
    }

    void remoteRowsOfTheWorkedExamples()
    {
        const Loaded r = load("# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n"
                              "2 1 0 3 4\n5 1 2 0 4\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        compareQuadripoles(r.quadripoles,
                           {quadripole(65535, 0, 2, 3), quadripole(0, 1, 65534, 3)});
    }

    void headersOnlyIsValidAndEmpty()
    {
        const Loaded r = load("# X Y Z\n# A B M N\n");
        QVERIFY(r.ok);
        QVERIFY(r.electrodes.isEmpty());
        QVERIFY(r.quadripoles.isEmpty());
        QVERIFY(load("#xyz\n#abmn").ok);
    }

    void crlfReadsLikeLf()
    {
        const QByteArray lf = "# X Y Z\n1 0 0 0\n2 5 0 0,5\n# A B M N\n1 1 2 1 2\n2 0 1 2 0\n";
        QByteArray crlf = lf;
        crlf.replace("\n", "\r\n");
        const Loaded a = load(lf);
        const Loaded b = load(crlf);
        QVERIFY2(a.ok && b.ok, qPrintable(a.error + b.error));
        QCOMPARE(b.electrodes.keys(), a.electrodes.keys());
        comparePosition(b.electrodes, 2, 5.0f, 0.0f, 0.5f);
        compareQuadripoles(b.quadripoles, a.quadripoles);
        QCOMPARE(load("# X Y Z\r\n1 0 0 0\r\n# A B M N\r\n1 1 1 0 1\r\n").error,
                 QString("A and B electrodes have equal positions (row: 1)"));
    }

    void rowsEndAtTheFirstEmptyLine()
    {
        const Loaded r = load("# X Y Z\n1 0 0 0\n2 1 0 0\n# A B M N\n1 1 2 1 2\n\n"
                              "2 1 1 1 1\nnot a template any more\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.quadripoles.size(), 1);
        // A line of blanks is not empty: it reads as zeros and is refused.
        QCOMPARE(load("# X Y Z\n1 0 0 0\n# A B M N\n1 1 0 1 0\n \n").error,
                 QString("A and B electrodes have equal positions (row: 2)"));
    }

    void byteOrderMarkIsSkipped()
    {
        const Loaded r = load("\xEF\xBB\xBF# X Y Z\n1 0 0 0\n# A B M N\n");
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.electrodes.size(), 1);
    }

    void messages_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray head = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        QTest::newRow("empty file") << QByteArray() << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("empty first line") << QByteArray("\n# X Y Z\n# A B M N\n")
                                          << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("header lacks Z") << QByteArray("# X Y\n# A B M N\n")
                                        << "Can not find the beginning of header (# X Y Z)";
        QTest::newRow("ends in electrodes") << QByteArray("# X Y Z\n1 0 0 0\n")
                                            << "Electrodes section contains an empty line";
        QTest::newRow("empty electrode line") << QByteArray("# X Y Z\n1 0 0 0\n\n# A B M N\n")
                                              << "Electrodes section contains an empty line";
        QTest::newRow("comment line") << QByteArray("# X Y Z\nsurvey of the slope\n# A B M N\n")
                                      << "Electrode number 0 is not supported";
        QTest::newRow("electrode 65") << QByteArray("# X Y Z\n65 0 0 0\n# A B M N\n")
                                      << "Electrode number 65 is not supported";
        QTest::newRow("65537 does not wrap to 1") << QByteArray("# X Y Z\n65537 0 0 0\n# A B M N\n")
                                                  << "Electrode number 65537 is not supported";
        QTest::newRow("-1 does not wrap to 65535") << QByteArray("# X Y Z\n-1 0 0 0\n# A B M N\n")
                                                   << "Electrode number -1 is not supported";
        QTest::newRow("hexadecimal 65") << QByteArray("# X Y Z\n0x41 0 0 0\n# A B M N\n")
                                        << "Electrode number 65 is not supported";
        QTest::newRow("beyond 64 bits")
            << QByteArray("# X Y Z\n99999999999999999999999 0 0 0\n# A B M N\n")
            << "Electrode number 99999999999999999999999 is not supported";
        QTest::newRow("repeated 7") << QByteArray("# X Y Z\n7 0 0 0\n1 0 0 0\n7 1 1 1\n# A B M N\n")
                                    << "Electrode 7 appears more than once";
        QTest::newRow("nan") << QByteArray("# X Y Z\n1 0 0 0\n2 nan 0 0\n# A B M N\n")
                             << "Electrode 2 has a coordinate that is not a finite number";
        QTest::newRow("-inf") << QByteArray("# X Y Z\n3 0 0 -inf\n# A B M N\n")
                              << "Electrode 3 has a coordinate that is not a finite number";
        QTest::newRow("beyond float") << QByteArray("# X Y Z\n4 0 1e39 0\n# A B M N\n")
                                      << "Electrode 4 has a coordinate that is not a finite number";
        QTest::newRow("A equals B") << head + "1 0 0 2 3\n"
                                    << "A and B electrodes have equal positions (row: 1)";
        QTest::newRow("A equals B before M missing") << head + "1 2 2 9 3\n"
                                                     << "A and B electrodes have equal positions (row: 1)";
        QTest::newRow("M equals N") << head + "1 1 2 3 4\n2 1 2 3 3\n"
                                    << "M and N electrodes have equal positions (row: 2)";
        QTest::newRow("M not a number") << head + "1 1 2 x 4\n"
                                        << "M and N electrodes have equal positions (row: 1)";
        QTest::newRow("A missing") << head + "1 9 2 3 4\n"
                                   << "Header does not contain electrode 9 (row: 1)";
        QTest::newRow("B missing") << head + "1 1 2 3 4\n1 1 9 3 4\n"
                                   << "Header does not contain electrode 9 (row: 2)";
        QTest::newRow("M missing") << head + "1 1 2 3 4\n1 1 2 3 4\n1 1 2 9 4\n"
                                   << "Header does not contain electrode 9 (row: 3)";
        QTest::newRow("N missing") << head + "7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 9\n"
                                   << "Header does not contains electrode 9 (row: 4)";
        QTest::newRow("A 65537 does not wrap to 1") << head + "1 65537 2 3 4\n"
                                                    << "Header does not contain electrode 65537 (row: 1)";
        QTest::newRow("B 65536 does not wrap to 0") << head + "1 0 65536 3 4\n"
                                                    << "Header does not contain electrode 65536 (row: 1)";
        QTest::newRow("N -1 does not wrap to 65535") << head + "1 1 2 3 -1\n"
                                                     << "Header does not contains electrode -1 (row: 1)";
    }

    void messages()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const Loaded r = load(content);
        QVERIFY(!r.ok);
        QCOMPARE(r.error, message);
    }

    void missingFileIsReportedOnStandardError()
    {
        woxDiagnosticCapture diagnostics;
        QString error;
        Electrodes electrodes;
        QList<woxQuadripole> quadripoles;
        const bool ok = woxERTLoader::load(dir.filePath("absent.txt"), &error, &electrodes, &quadripoles);
        const bool directory = woxERTLoader::load(dir.path(), &error, &electrodes, &quadripoles);
        QVERIFY(!ok);
        QVERIFY(!directory);
        QCOMPARE(error, QString("Can not open file for reading"));
        QCOMPARE(diagnostics.lines().size(), 2);
        QVERIFY2(diagnostics.lines().at(0).startsWith("File error: ") && diagnostics.lines().at(0).size() > 12, qPrintable(diagnostics.lines().at(0)));
    }
};

QTEST_GUILESS_MAIN(tst_ertloader)
#include "tst_ertloader.moc"
