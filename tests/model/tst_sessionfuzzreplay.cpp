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
        const int accepted = corpus.accepted([](QDataStream &stream) {
            woxSessionFile content;
            return content.read(stream);
        });
        // golden, measured with positions and non-finite values, trailing bytes
        QCOMPARE(accepted, 3);
    }
};

QTEST_GUILESS_MAIN(tst_sessionfuzzreplay)
#include "tst_sessionfuzzreplay.moc"
