#include "woxBytes.h"
#include "woxGPSFix.h"
#include "woxGPSManager.h"
#include "woxStreamed.h"

#include <QtTest>

namespace {

void verifyInitial(const woxGPSFix &fix)
{
    QVERIFY(!fix.valid);
    QVERIFY(!fix.highQuality);
    QCOMPARE(fix.latitude, 0.0f);
    QCOMPARE(fix.longitude, 0.0f);
    QCOMPARE(fix.date, QDate(2000, 1, 1));
    QCOMPARE(fix.time, QTime(0, 0, 0, 0));
}

} // namespace

class tst_gpsManager : public QObject
{
    Q_OBJECT

private slots:
    void initialFixStreams26Bytes()
    {
        const QByteArray bytes = woxStreamed(woxGPSFix());
        QCOMPARE(bytes.size(), 26);
        QCOMPARE(bytes, woxHex("00 00  00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00"
                               "00 25 68 59  00 00 00 00"));
    }

    void fixWithPosition()
    {
        woxGPSFix fix;
        fix.valid = true;
        fix.highQuality = true;
        fix.latitude = 55.75f;
        fix.longitude = -37.5f;
        fix.date = QDate(2000, 1, 2);
        fix.time = QTime(0, 0, 1, 500);
        const QByteArray bytes = woxStreamed(fix);
        QCOMPARE(bytes, woxHex("01 01  40 4B E0 00 00 00 00 00  C0 42 C0 00 00 00 00 00"
                               "00 25 68 5A  00 00 05 DC"));

        woxGPSFix read;
        QCOMPARE(woxReadBack(bytes, read), QDataStream::Ok);
        QCOMPARE(woxStreamed(read), bytes);

        read.clear();
        verifyInitial(read);
    }

    void managerHandsOutTheInitialFix()
    {
        woxGPSManager *manager = woxGPSManager::instance();
        QVERIFY(manager->wait());   // the thread body has nothing to do and ends
        verifyInitial(manager->fix());
        woxGPSManager::destroy();
    }
};

QTEST_GUILESS_MAIN(tst_gpsManager)
#include "tst_gpsManager.moc"
