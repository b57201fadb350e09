#include "woxBytes.h"
#include "woxCoreSerialPort.h"
#include "woxCoreThreadProbe.h"
#include "woxDiagnosticCapture.h"
#include "woxFakeSerialPort.h"
#include "woxReportRecorder.h"

#include <QtTest>

class tst_coreFrameLink : public QObject
{
    Q_OBJECT

private:
    QScopedPointer<woxDiagnosticCapture> diagnostics;

    static void runStopAll(woxCoreThread &thread)
    {
        thread.setJobStopAll(0);
        thread.start();
        // A cancel never cuts the stop-all job short.
        thread.cancel();
        QVERIFY(thread.waitForJob(10000));
    }

private slots:
    void init() { diagnostics.reset(new woxDiagnosticCapture); }

    void cleanup() { diagnostics.reset(); }

    void stopAllFrames()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        woxReportRecorder recorder(&thread);
        runStopAll(thread);
        QCOMPARE(port->frames(), QList<QByteArray>({woxHex("07 1E 00 01 00"),
                                                    woxHex("06 1E 00 00"),
                                                    woxHex("FF 0F 00 00"),
                                                    woxHex("FE 3C 00 00"),
                                                    woxHex("04 32 00 01 00")}));
        QCOMPARE(thread.error.code, quint8(0));
        QCOMPARE(thread.lastSentDevice, 4);
        QCOMPARE(thread.lastSentCommand, 50);
        QVERIFY(diagnostics->lines().isEmpty());
        QCoreApplication::processEvents();
        QVERIFY(recorder.names.isEmpty());
    }

    void stopAllOnTheNeverOpenedPort()
    {
        woxCoreThreadProbe thread;
        woxReportRecorder recorder(&thread);
        runStopAll(thread);
        QCOMPARE(thread.error.code, quint8(3));
        QCOMPARE(diagnostics->lines(), QVector<QString>(5, "woxCoreThread error: no data sent, port was closed").toList());
        QCOMPARE(thread.lastSentDevice, -1);
        QCoreApplication::processEvents();
        QVERIFY(recorder.names.isEmpty());
    }

    void programPortIsNeverOpened()
    {
        woxCoreSerialPort port(QStringLiteral("COM1"), QStringLiteral("115200, 8, N, 1, off"));
        QVERIFY(!port.isOpen());
        QCOMPARE(port.name(), QStringLiteral("COM1"));
        QCOMPARE(port.settings(), QStringLiteral("115200, 8, N, 1, off"));
        QCOMPARE(port.write("\x01", 1), qint64(-1));
        QCOMPARE(port.bytesAvailable(), qint64(0));
        QVERIFY(port.read(5).isEmpty());
    }

    void failedWritesCloseThePort()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        port->setOpen(false);
        runStopAll(thread);
        QCOMPARE(port->frames().size(), 5);
        QCOMPARE(port->flushOutCount(), 5);
        QCOMPARE(port->closeCount(), 5);
        QCOMPARE(thread.error.code, quint8(3));
    }

    void frameSizes()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        QVERIFY(thread.sendMessage(8, 12, woxHex("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F")));
        QVERIFY(thread.sendCommand(254, 67));
        QCOMPARE(port->frames(),
                 QList<QByteArray>({woxHex("08 0C 00 10 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D "
                                           "0E 0F"),
                                    woxHex("FE 43 00 00")}));
        QCOMPARE(thread.lastSentDevice, 254);
        QCOMPARE(thread.lastSentCommand, 67);

        QVERIFY(!thread.sendMessage(8, 12, QByteArray(17, '\x01')));
        QCOMPARE(port->frames().size(), 2);
        QCOMPARE(thread.error.code, quint8(14));
        QCOMPARE(thread.lastSentDevice, -1);
        QCOMPARE(diagnostics->lines(), QStringList{"woxCoreThread error: sendMessage dataBytes.size() exceeds 16"});
    }

    void exactReply()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        port->queueReply(woxHex("01 AB 00"));
        QVERIFY(thread.sendMessage(0, 0, woxHex("08")));
        QVERIFY(thread.receive(3, 500));
        QCOMPARE(port->bytesAvailable(), qint64(3));
        QCOMPARE(thread.readBytes(3), woxHex("01 AB 00"));
        QCOMPARE(thread.error.code, quint8(0));
        QVERIFY(diagnostics->lines().isEmpty());
    }

    void shortReply()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        port->queueReply(woxHex("01 AB"));
        QVERIFY(thread.sendMessage(8, 10, woxHex("00 02")));
        QVERIFY(!thread.receive(3, 20));
        QCOMPARE(thread.error.code, quint8(4));
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: no data received, wait / available: 3 / 2",
                                     "Last sent device:command: 8:10",
                                     "Input buffer: 1 AB "}));
        QCOMPARE(port->bytesAvailable(), qint64(0));
        QCOMPARE(port->flushInCount(), 1);
    }

    void overlongReplyIsDropped()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        port->queueReply(woxHex("10 20 30 FF"));
        QVERIFY(thread.sendCommand(5, 40));
        QVERIFY(!thread.receive(3, 30000));
        QCOMPARE(thread.error.code, quint8(4));
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: no data received, wait / available: 3 / 4",
                                     "Last sent device:command: 5:40",
                                     "Input buffer: 10 20 30 FF "}));
        QCOMPARE(port->bytesAvailable(), qint64(0));
    }

    void receiveAfterAFailedWrite()
    {
        woxCoreThreadProbe thread;
        thread.sendCommand(5, 40);
        diagnostics->clear();
        QVERIFY(!thread.receive(7, 5));
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: no data received, wait / available: 7 / 0",
                                     "Last sent device:command: -1:-1",
                                     "Input buffer: "}));
    }

    void readCounts()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        QVERIFY(thread.readBytes(0).isEmpty());
        QCOMPARE(thread.error.code, quint8(14));
        QVERIFY(thread.readBytes(12001).isEmpty());
        QCOMPARE(diagnostics->lines(), QStringList({"woxCoreThread error: read dataBytes is invalid: 0",
                                     "woxCoreThread error: read dataBytes is invalid: 12001"}));
        thread.error.code = 0;
        port->setInput(QByteArray(12000, '\x05'));
        QCOMPARE(thread.readBytes(12000), QByteArray(12000, '\x05'));
        QCOMPARE(thread.error.code, quint8(0));
    }

    void soundFrame()
    {
        woxCoreThreadProbe thread;
        woxFakeSerialPort *port = woxFakeSerialPort::fittedTo(thread);
        QVERIFY(thread.soundPlay(-2));
        QCOMPARE(port->frames(), QList<QByteArray>{woxHex("04 32 00 01 FE")});
    }
};

QTEST_GUILESS_MAIN(tst_coreFrameLink)
#include "tst_coreFrameLink.moc"
