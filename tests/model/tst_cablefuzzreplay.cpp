// Replays the cable configuration records of the fuzzing corpus, sound and
// damaged, through the fuzz target on every sanitized test run.

#include "../../fuzz/fuzz_cableconfiguration.cpp"

#include "woxFuzzCorpus.h"

#include <QtTest>

class tst_cablefuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("cablecorpus");
        QVERIFY(!path.isEmpty());
        const woxFuzzCorpus corpus(path);
        QVERIFY2(corpus.unreadable().isEmpty(), qPrintable(corpus.unreadable().join(", ")));
        QCOMPARE(corpus.inputs().size(), 11);
        corpus.replay(LLVMFuzzerTestOneInput);
        const int accepted = corpus.accepted([](QDataStream &stream) {
            woxCableConfiguration record;
            stream >> record;
            return stream.status() == QDataStream::Ok;
        });
        // bool two, default, NaN values, one cable, two cables measured
        QCOMPARE(accepted, 5);
    }
};

QTEST_GUILESS_MAIN(tst_cablefuzzreplay)
#include "tst_cablefuzzreplay.moc"
