#include "woxDurationEstimate.h"

#include <QtTest>

class tst_durationEstimate : public QObject
{
    Q_OBJECT

private slots:
    void clockText_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "00:00:00";
        QTest::newRow("below half") << qint64(1499) << "00:00:01";
        QTest::newRow("half up") << qint64(1500) << "00:00:02";
        QTest::newRow("minutes") << qint64(140605) << "00:02:21";
        QTest::newRow("just below a day") << qint64(86399499) << "23:59:59";
        QTest::newRow("a day") << qint64(86399500) << "24:00:00";
        QTest::newRow("25 hours") << qint64(90000000) << "25:00:00";
        QTest::newRow("past 32 bits") << qint64(2305830000) << "640:30:30";
    }

    void clockText()
    {
        QFETCH(qint64, milliseconds);
        QFETCH(QString, text);
        QCOMPARE(woxDurationEstimate::clockText(milliseconds), text);
    }

    void message_data()
    {
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("times");
        QTest::newRow("Wenner cell") << 61 << 2305 << 10305 << "00:02:21|00:10:29";
        QTest::newRow("no options") << 61 << 0 << 0 << "00:00:00|00:00:00";
        QTest::newRow("6000 long runs") << 6000 << 384305 << 2305 << "640:30:30|03:50:30";
    }

    void message()
    {
        QFETCH(int, runs);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, times);
        const QStringList t = times.split('|');
        QCOMPARE(woxDurationEstimate::message("M:", 7, "r:", runs, "d:", minimum, maximum),
                 QString("M: <font color = blue>7</font>, r: <font color = blue>%1</font>, "
                         "d: <font color = blue>%2</font> ... <font color = blue>%3</font>")
                     .arg(runs)
                     .arg(t.at(0), t.at(1)));
    }
};

QTEST_MAIN(tst_durationEstimate)
#include "tst_durationEstimate.moc"
