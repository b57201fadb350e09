// Replays the template files of the fuzzing corpus, sound and damaged,
// through the fuzz target, so every sanitized test run checks them without
// clang or libFuzzer.

#include "../../fuzz/fuzz_templatefile.cpp"

#include <QDir>
#include <QtTest>

class tst_templatefuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("templatecorpus");
        QVERIFY(!path.isEmpty());
        const QFileInfoList files = QDir(path).entryInfoList(QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 10);
        int accepted = 0;
        for (const QFileInfo &info : files) {
            QFile file(info.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()),
                                   size_t(data.size()));
            QDataStream stream(data);
            stream.setVersion(QDataStream::Qt_4_8);
            woxTemplateFile content;
            accepted += content.read(stream) ? 1 : 0;
        }
        // one set, three sets, one cable, no type, no sets, with depths,
        // cells other than 0 or 1
        QCOMPARE(accepted, 7);
    }
};

QTEST_GUILESS_MAIN(tst_templatefuzzreplay)
#include "tst_templatefuzzreplay.moc"
