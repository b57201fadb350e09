// Replays the damaged files of the fuzzing corpus through the fuzz target, so
// every sanitized test run checks them without clang or libFuzzer.

#include "../../fuzz/fuzz_ertloader.cpp"

#include "woxFuzzCorpus.h"

#include <QtTest>

class tst_ertfuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("ertcorpus");
        QVERIFY(!path.isEmpty());
        const woxFuzzCorpus corpus(path);
        QVERIFY2(corpus.unreadable().isEmpty(), qPrintable(corpus.unreadable().join(", ")));
        QVERIFY(corpus.inputs().size() >= 10);
        corpus.replay(LLVMFuzzerTestOneInput);
    }
};

QTEST_GUILESS_MAIN(tst_ertfuzzreplay)
#include "tst_ertfuzzreplay.moc"
