#include "woxSessionProgress.h"

#include <QtTest>

#include <climits>

class tst_sessionProgress : public QObject
{
    Q_OBJECT

private slots:
    void runsLeft_data()
    {
        QTest::addColumn<QVector<bool>>("chained");
        QTest::addColumn<QVector<int>>("left");
        QTest::newRow("empty") << QVector<bool>() << QVector<int>();
        QTest::newRow("chained runs") << QVector<bool>{true, true, false, true, false, false}
                                      << QVector<int>{2, 2, 2, 1, 1, 0};
        QTest::newRow("open tail") << QVector<bool>{false, true, true} << QVector<int>{0, -1, -1};
    }

    void runsLeft()
    {
        QFETCH(QVector<bool>, chained);
        QFETCH(QVector<int>, left);
        QCOMPARE(woxSessionProgress::runsLeft(chained), left);
    }

    // The narrow-column rule rides along: a tenth of the table, truncated,
    // never negative.
    void timeLeft_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("column");
        QTest::newRow("short") << qint64(600) << 5 << "Left: 00:00:03" << 1000 << 100;
        QTest::newRow("open tail") << qint64(600) << -1 << "Left: 00:00:00" << 1019 << 101;
        QTest::newRow("last second") << qint64(86399000) << 1 << "Left: 23:59:59" << -5 << 0;
        QTest::newRow("rounded up") << qint64(86399996) << 1 << "Left: too long" << 0 << 0;
        QTest::newRow("one day") << qint64(86400000) << 1 << "Left: too long" << 0 << 0;
        QTest::newRow("int extremes") << qint64(INT_MAX) << INT_MAX << "Left: too long" << 0 << 0;
        QTest::newRow("int times min") << qint64(INT_MAX) << INT_MIN << "Left: 00:00:00" << 0 << 0;
        QTest::newRow("huge elapsed") << qint64(LLONG_MAX) << 3 << "Left: too long" << 0 << 0;
    }

    void timeLeft()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, runs);
        QFETCH(QString, text);
        QFETCH(int, table);
        QFETCH(int, column);
        QCOMPARE(woxSessionProgress::timeLeftText(elapsed, runs), text);
        QCOMPARE(woxSessionProgress::narrowColumnWidth(table), column);
    }
};

QTEST_GUILESS_MAIN(tst_sessionProgress)
#include "tst_sessionProgress.moc"
