#include "woxBytes.h"
#include "woxFileSummary.h"
#include "woxStreamed.h"

#include <QtTest>

namespace {

// Cable spacing 12.5, one cable, 180 quadripoles, 40 runs.
const char *const head = "40 29 00 00 00 00 00 00  01  00 00 00 B4  00 00 00 28";

woxFileSummary filledSummary()
{
    woxFileSummary summary;
    summary.cableSpacing = 12.5f;
    summary.cables = 1;
    summary.quadripoles = 180;
    summary.runs = 40;
    summary.profileLength = 315.0f;
    summary.setDepths << 1.5f << 0.0f;
    summary.arrayCounts.insert(0, 2);
    summary.arrayCounts.insert(12, 3);
    summary.arrayCounts.insert(4, 1);
    summary.arrayCounts.insert(255, 1);
    return summary;
}

} // namespace

class tst_fileSummary : public QObject
{
    Q_OBJECT

private slots:
    void defaultSummaryIs33Bytes()
    {
        QCOMPARE(woxStreamed(woxFileSummary()),
                 woxHex("40 14 00 00 00 00 00 00  02  00 00 00 00  00 00 00 00"
                        "00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 00"));
    }

    void arrayCountsGoHighestTypeFirst()
    {
        QCOMPARE(woxStreamed(filledSummary()),
                 woxHex(QString(head) + "00 00 00 04  FF 01  0C 03  04 01  00 02"
                        "40 73 B0 00 00 00 00 00"
                        "00 00 00 02  3F F8 00 00 00 00 00 00  00 00 00 00 00 00 00 00"));
    }

    void readerReplacesEveryField()
    {
        const QByteArray bytes = woxStreamed(filledSummary());
        woxFileSummary read;
        read.arrayCounts.insert(7, 9);
        read.setDepths << 99.0f << 98.0f << 97.0f;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
        QCOMPARE(woxStreamed(read), bytes);

        // An empty summary empties the containers of the target too.
        QCOMPARE(woxReadBack(woxStreamed(woxFileSummary()), read), QDataStream::Ok);
        QVERIFY(read.arrayCounts.isEmpty());
        QVERIFY(read.setDepths.isEmpty());
    }

    void damagedCounts_data()
    {
        QTest::addColumn<QString>("tail");
        QTest::newRow("negative array count") << "FF FF FF FF";
        QTest::newRow("huge array count") << "7F FF FF FF  00 01";
        // 13 bytes follow the count: room for 6 entries, not 7.
        QTest::newRow("array count too large") << "00 00 00 07  00 01  00 00 00 00 00 00 00 00 00 00 00";
        QTest::newRow("negative depth count")
            << "00 00 00 00  00 00 00 00 00 00 00 00  80 00 00 00";
        QTest::newRow("huge depth count")
            << "00 00 00 00  00 00 00 00 00 00 00 00  7F FF FF FF  3F F8 00 00 00 00 00 00";
        QTest::newRow("depth count too large")
            << "00 00 00 00  00 00 00 00 00 00 00 00  00 00 00 02  3F F8 00 00 00 00 00 00";
    }

    void damagedCounts()
    {
        QFETCH(QString, tail);
        woxFileSummary read;
        read.arrayCounts.insert(7, 9);
        read.setDepths << 99.0f;
        QCOMPARE(woxReadBack(woxHex(head + tail), read), QDataStream::ReadCorruptData);
        QVERIFY(read.arrayCounts.isEmpty());
        QVERIFY(read.setDepths.isEmpty());
        QCOMPARE(read.runs, 40);
    }

    void shortStreamIsAReadError()
    {
        const QByteArray bytes = woxStreamed(filledSummary());
        for (int size = 0; size < bytes.size(); ++size) {
            woxFileSummary read;
            QVERIFY2(woxReadBack(bytes.left(size), read) != QDataStream::Ok,
                     qPrintable(QString::number(size)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_fileSummary)
#include "tst_fileSummary.moc"
