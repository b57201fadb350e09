// Replays the session files of the fuzzing corpus, sound and damaged,
// through the fuzz target, so every sanitized test run checks them without
// clang or libFuzzer.

#include "../../fuzz/fuzz_sessionfile.cpp"

#include "woxFuzzCorpus.h"

#include <QtTest>

class tst_sessionfuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("sessioncorpus");
        QVERIFY(!path.isEmpty());
        const woxFuzzCorpus corpus(path);
        QVERIFY2(corpus.unreadable().isEmpty(), qPrintable(corpus.unreadable().join(", ")));
        QVERIFY(corpus.inputs().size() >= 15);
        corpus.replay(LLVMFuzzerTestOneInput);
        int accepted = 0;
        for (const QByteArray &data : corpus.inputs()) {
            QDataStream stream(data);
            stream.setVersion(QDataStream::Qt_4_8);
            woxSessionFile content;
            accepted += content.read(stream) ? 1 : 0;
        }
        // golden, measured with positions and non-finite values, trailing bytes
        QCOMPARE(accepted, 3);
    }
};

QTEST_GUILESS_MAIN(tst_sessionfuzzreplay)
#include "tst_sessionfuzzreplay.moc"
