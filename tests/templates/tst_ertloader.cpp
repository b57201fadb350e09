// The fuzz target replays the corpus, so every sanitized run checks it.
#include "../../fuzz/fuzz_ertloader.cpp"
#include "woxDiagnosticCapture.h"
#include "woxDurationEstimate.h"
#include "woxERTFormat.h"
#include "woxFuzzCorpus.h"
#include "woxMake.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

typedef QMap<woxElectrode, woxElectrodePosition> Electrodes;

// Electrodes as "number x y z" and quadripoles as "a b m n" (0-based,
// 65535 and 65534 for remotes), joined by '|', so a table row states a whole file.
QString describe(const Electrodes &electrodes, const QList<woxQuadripole> &quadripoles)
{
    QStringList parts;
    for (auto e = electrodes.cbegin(); e != electrodes.cend(); ++e)
        parts << QString("%1 %2 %3 %4").arg(e.key()).arg(e->x).arg(e->y).arg(e->z);
    parts << "#";
    for (const woxQuadripole &q : quadripoles) {
        const bool placed = q.spacing || q.level || q.x != 0.0f || q.depth != 0.0f;
        parts << QString("%1 %2 %3 %4%5").arg(q.a).arg(q.b).arg(q.m).arg(q.n).arg(placed ? " placed" : "");
    }
    return parts.join('|');
}

} // namespace

class tst_ertloader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    int files = 0;

    // Loads the text written to `name`; returns the description or the error.
    QString load(const QByteArray &content, const QString &name = QString())
    {
        const QString path = dir.filePath(name.isEmpty() ? QString("t%1.txt").arg(++files) : name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        QString error;
        Electrodes electrodes;
        QList<woxQuadripole> quadripoles;
        if (!woxERTLoader::load(path, &error, &electrodes, &quadripoles))
            return "! " + error;
        return error.isEmpty() ? describe(electrodes, quadripoles) : "error set on success";
    }

private slots:
    void reads_data()   // the description read, or "! " and the message
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        QTest::newRow("worked example")
            << QByteArray("# X Y Z\n1 0 0 0\n2 5 0 0,5\n3 10 0 1\n4 15 0 1.5\n"
                          "# A B M N\n1 1 4 2 3\n2 3 0 1 2\n")
            << "1 0 0 0|2 5 0 0.5|3 10 0 1|4 15 0 1.5|#|0 3 1 2|65535 2 0 1";
        QTest::newRow("separators, bases and remotes")
            << QByteArray("header: #  x  y  z of survey 12\n1 0 0 0\n"
                          "3\t10,5 \t 0   0,25 trailing words\n"
                          "010 -2.5 1e1 +3\n"       // octal 8
                          "0x0A 7 8 9\n"            // hexadecimal 10
                          "## a b m n ##\n1 1 3 8 10\n"
                          "2 0 3 1 8\n3 1 0 0 8\n4 8 10 3 0\n"   // remotes in A, B and M, N
                          "17 3 1 8 10 11 12\n"     // any index, words after N ignored
                          "6 1 3 8\n")              // N missing reads as remote
            << "1 0 0 0|3 10.5 0 0.25|8 -2.5 10 3|10 7 8 9|#|0 2 7 9|65535 2 0 7"
               "|65535 0 65534 7|7 9 65534 2|2 0 7 9|0 2 65534 7";
        QTest::newRow("byte order mark, crlf, rows end at an empty line")
            << QByteArray("\xEF\xBB\xBF# X Y Z\r\n1 0 0 0\r\n2 1 0 0\r\n# A B M N\r\n1 1 2 1 2\r\n"
                          "\r\n2 1 1 1 1\r\nnot a template any more\r\n")
            << "1 0 0 0|2 1 0 0|#|0 1 0 1";
        QTest::newRow("headers only") << QByteArray("#xyz\n#abmn") << "#";
        const QByteArray head = "# X Y Z\n1 0 0 0\n2 1 0 0\n3 2 0 0\n4 3 0 0\n# A B M N\n";
        const QByteArray xyz = "# X Y Z\n", abmn = "# A B M N\n";
        const auto row = [](const char *name, const QByteArray &content, const QString &read) {
            QTest::newRow(name) << content << read;
        };
        const QString header = "! Can not find the beginning of header (# X Y Z)";
        const QString number = "! Electrode number %1 is not supported";
        const QString infinite = "! Electrode %1 has a coordinate that is not a finite number";
        const QString equal = "! %1 electrodes have equal positions (row: %2)";
        const QString absent = "! Header does not contain%1 electrode %2 (row: %3)";
        row("empty file", QByteArray(), header);
        row("header lacks Z", "# X Y\n" + abmn, header);
        row("ends in electrodes", xyz + "1 0 0 0\n", "! Electrodes section contains an empty line");
        row("electrode 64", xyz + "64 0 0 0\n65 0 0 0\n" + abmn, number.arg(65));
        row("65537", xyz + "65537 0 0 0\n" + abmn, number.arg(65537));
        row("beyond 64 bits", xyz + "99999999999999999999999 0 0 0\n" + abmn,
            number.arg("99999999999999999999999"));
        row("repeated", xyz + "7 0 0 0\n1 0 0 0\n7 1 1 1\n" + abmn,
            "! Electrode 7 appears more than once");
        row("nan", xyz + "1 0 0 0\n2 nan 0 0\n" + abmn, infinite.arg(2));
        row("beyond float", xyz + "4 0 1e39 0\n" + abmn, infinite.arg(4));
        row("A equals B", head + "1 0 0 2 3\n", equal.arg("A and B").arg(1));
        row("blank line is zeros", head + "1 1 0 1 0\n \n", equal.arg("A and B").arg(2));
        row("M equals N", head + "1 1 2 3 4\n2 1 2 3 3\n", equal.arg("M and N").arg(2));
        row("A missing", head + "1 9 2 3 4\n", absent.arg("").arg(9).arg(1));
        row("B missing", head + "1 1 2 3 4\n1 1 9 3 4\n", absent.arg("").arg(9).arg(2));
        row("N missing", head + "7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 4\n7 1 2 3 9\n",
            absent.arg("s").arg(9).arg(4));
        row("A 65537", head + "1 65537 2 3 4\n", absent.arg("").arg(65537).arg(1));
        row("B 65536", head + "1 0 65536 3 4\n", absent.arg("").arg(65536).arg(1));
        row("N -1", head + "1 1 2 3 -1\n", absent.arg("s").arg(-1).arg(1));
    }

    void reads()
    {
        QFETCH(QByteArray, content);
        QTEST(load(content), "read");
    }

    void missingFileIsReportedOnStandardError()
    {
        woxDiagnosticCapture diagnostics;
        QCOMPARE(load(QByteArray(), "absent/file"), QString("! Can not open file for reading"));
        QVERIFY(diagnostics.lines().size() == 1 && diagnostics.lines()[0].startsWith("File error: "));
    }

    // The text written for a template, remotes included, and read back;
    // coordinates with six significant digits, plain from 0.0001 to 100000.
    void writtenTextReadsBack()
    {
        Electrodes electrodes;
        electrodes.insert(4, woxElectrodePosition(15.0f, 0.1f, 1.5f));
        electrodes.insert(1, woxElectrodePosition(0.0f, -1e-5f, 1250000.0f));
        electrodes.insert(2, woxElectrodePosition(123.4567f, 0.0001f, 100000.0f));
        const QList<woxQuadripole> rows = {woxMake::quadripole(0, 3, 65534, 1),
                                           woxMake::quadripole(65535, 1, 0, 3)};
        const QString text = woxERTFormat::text(electrodes, rows);
        QCOMPARE(text, QString("# X Y Z\n1 0 -1e-05 1.25e+06\n2 123.457 0.0001 100000\n4 15 0.1 1.5\n"
                               "# A B M N\n1 1 4 0 2\n2 0 2 1 4\n"));
        QCOMPARE(load(text.toLatin1()), describe(electrodes, rows));
    }

    void fuzzCorpusReplays()
    {
        const woxFuzzCorpus corpus(QFINDTESTDATA("ertcorpus"));
        QVERIFY(corpus.inputs().size() >= 10);
        corpus.replay(LLVMFuzzerTestOneInput);
    }

    // Rows: runs, shortest and longest run in ms, the two clock texts.
    void estimate_data()
    {
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("times");
        QTest::newRow("half a second rounds up") << 1 << 1499 << 1500 << "00:00:01|00:00:02";
        QTest::newRow("Wenner cell") << 61 << 2305 << 10305 << "00:02:21|00:10:29";
        QTest::newRow("a day") << 1 << 86399499 << 86399500 << "23:59:59|24:00:00";
        QTest::newRow("25 hours, past 32 bits") << 10000 << 9000 << 230583 << "25:00:00|640:30:30";
        QTest::newRow("both past 32 bits") << 10000 << 230583 << 230583 << "640:30:30|640:30:30";
    }

    void estimate()
    {
        QFETCH(int, runs);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, times);
        QCOMPARE(woxDurationEstimate::message("M:", 7, "r:", runs, "d:", minimum, maximum),
                 QString("M: <font color = blue>7</font>, r: <font color = blue>%1</font>, "
                         "d: <font color = blue>%2</font> ... <font color = blue>%3</font>")
                     .arg(runs)
                     .arg(times.section('|', 0, 0), times.section('|', 1)));
    }
};

QTEST_GUILESS_MAIN(tst_ertloader)
#include "tst_ertloader.moc"
