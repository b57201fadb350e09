// Replays the damaged files of the fuzzing corpus through the fuzz target, so
// every sanitized test run checks them without clang or libFuzzer.

#include "../../fuzz/fuzz_ertloader.cpp"

#include <QDir>
#include <QtTest>

class tst_ertfuzzreplay : public QObject
{
    Q_OBJECT

private slots:
    void corpus()
    {
        const QString path = QFINDTESTDATA("ertcorpus");
        QVERIFY(!path.isEmpty());
        const QFileInfoList files = QDir(path).entryInfoList(QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 10);
        for (const QFileInfo &info : files) {
            QFile file(info.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()),
                                   size_t(data.size()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ertfuzzreplay)
#include "tst_ertfuzzreplay.moc"
