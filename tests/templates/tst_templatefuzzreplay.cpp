// Replays the template files of the fuzzing corpus, sound and damaged,
// through the fuzz target, so every sanitized test run checks them without
// clang or libFuzzer.

#include "../../fuzz/fuzz_templatefile.cpp"

#include "woxFuzzCorpus.h"

#include <QtTest>

class tst_templatefuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("templatecorpus");
        QVERIFY(!path.isEmpty());
        const woxFuzzCorpus corpus(path);
        QVERIFY2(corpus.unreadable().isEmpty(), qPrintable(corpus.unreadable().join(", ")));
        QVERIFY(corpus.inputs().size() >= 10);
        corpus.replay(LLVMFuzzerTestOneInput);
        const int accepted = corpus.accepted([](QDataStream &stream) {
            woxTemplateFile content;
            return content.read(stream);
        });
        // one set, three sets, one cable, no type, no sets, with depths,
        // cells other than 0 or 1
        QCOMPARE(accepted, 7);
    }
};

QTEST_GUILESS_MAIN(tst_templatefuzzreplay)
#include "tst_templatefuzzreplay.moc"
