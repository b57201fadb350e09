#include "woxNames.h"
#include "woxDiagnostic.h"
#include "woxFakeClock.h"
#include "woxStopwatch.h"

#include <QtTest>

class tst_names : public QObject
{
    Q_OBJECT

private slots:
    void arrayNamesOverAllCodes()
    {
        const QChar pm(0x00B1);
        QCOMPARE(arrayTypeName(0), QString("Wenner ") + QChar(0x03B1));
        QCOMPARE(arrayTypeName(8), QString("Gradient [") + pm + "3]");
        QCOMPARE(arrayTypeName(21), QString("Reciprocal Gradient [") + pm + "9]");
        QSet<QString> names;
        for (int code = 0; code < 256; ++code) {
            const QString name = arrayTypeName(woxArrayType(code));
            if (code <= 21) {
                QVERIFY2(name != "Unknown array" && !name.isEmpty(), qPrintable(QString::number(code)));
                names.insert(name);
            } else {
                QCOMPARE(name, QString("Unknown array"));
            }
        }
        QCOMPARE(names.size(), 22);   // every known code has its own name
    }

    void deviceNamesOverAllAddresses()
    {
        // The ends of each range of the bus.
        QCOMPARE(deviceName(0), QString("Core"));
        QCOMPARE(deviceName(23), QString("Input voltage receiver 16"));
        QCOMPARE(deviceName(25), QString("Output current receiver (18)"));
        QCOMPARE(deviceName(26), QString("Input voltage receiver 1 switch"));
        QCOMPARE(deviceName(42), QString("Transmitter switch"));
        QSet<QString> names;
        for (int address = 0; address < 256; ++address) {
            const QString name = deviceName(woxAddress(address));
            if (address <= 42)
                names.insert(name);
            else
                QCOMPARE(name, QString("Unknown device"));
        }
        QCOMPARE(names.size(), 43);
        QVERIFY(!names.contains("Unknown device"));
    }

    void greaterThanIgnoresY()
    {
        QVERIFY(greaterThan(QPointF(1, 5), QPointF(2, 0)));
        QVERIFY(!greaterThan(QPointF(2, 0), QPointF(1, 5)));
        QVERIFY(!greaterThan(QPointF(1, 0), QPointF(1, 9)));
    }

    void diagnosticLines()
    {
        QStringList lines;
        woxDiagnostic::setCapture(&lines);
        woxDiagnostic::error("woxCoreThread", "delay msec is invalid: ", 40000);
        woxDiagnostic::fileError("No space left on device");
        woxDiagnostic::setCapture(nullptr);
        QCOMPARE(lines, QStringList() << "woxCoreThread error: delay msec is invalid: 40000"
                                      << "File error: No space left on device");
    }

    void unstartedStopwatchAnswersTimeOfDay()
    {
        woxFakeClock clock(QDateTime(QDate(2026, 1, 2), QTime(0, 1, 2, 3)));
        woxStopwatch watch;
        QVERIFY(!watch.isStarted());
        QCOMPARE(watch.elapsed(), qint64(62003));
        watch.start();
        QVERIFY(watch.isStarted());
        QVERIFY(watch.elapsed() < 62003);
    }
};

QTEST_GUILESS_MAIN(tst_names)
#include "tst_names.moc"
