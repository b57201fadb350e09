// Ten minutes of Repeat on the engineer screen's receiver page at 5,000
// samples: Repeat asks for the samples once every 400 ms, so ten minutes make
// 600 s / 0.4 s = 1,500 answers of 5,000 lines each. A stand-in for the
// instrument takes the requests and the answers are handed to the page at
// once, one per repeat tick, without waiting on the clock. Prints the
// resident memory as the answers come in and the peak at the end.
//
// Usage: engineer_bench [answers]   (default 1500)
#include "woxCore.h"
#include "woxEngineerWidget.h"
#include "woxGPSManager.h"
#include "woxPeakMemory.h"
#include "woxQuietCore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

const int repeatPeriodMs = 400;
const int samplesPerAnswer = 5000;

// Counts the sample reads; every other request is dropped.
class ReceiverStandIn : public woxQuietCore
{
public:
    void rxAux(const woxRxRequest &request) override
    {
        if (request.read && request.samples == samplesPerAnswer)
            ++reads;
    }

    int reads = 0;
};

qint64 residentMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

int repeat(int answers)
{
    ReceiverStandIn instrument;
    woxCoreRequestTap::install(&instrument);
    int shownLines = 0;
    {
        woxEngineerWidget screen(0);
        screen.resize(1024, 600);
        screen.show();
        screen.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(2);
        screen.findChild<QSpinBox *>("rxSamplesToRunSpinBox")->setValue(samplesPerAnswer);
        auto *samples = screen.findChild<QPlainTextEdit *>("rxSamplesTextEdit");
        QTimer *tick = screen.findChild<QTimer *>("repeatTimer");
        screen.findChild<QPushButton *>("rxRepeatPushButton")->click();
        std::printf("Repeat at %d samples, one read every %d ms (period in force: %d ms), %d answers "
                    "(%.1f minutes)\n", samplesPerAnswer, repeatPeriodMs, tick->interval(), answers,
                    answers * repeatPeriodMs / 60000.0);
        QElapsedTimer elapsed;
        elapsed.start();
        woxCoreReportRxAux report;
        for (int answer = 1; answer <= answers; ++answer) {
            report.samples.fill(float(answer), samplesPerAnswer);
            emit woxCore::instance()->sendReportRxAux(report);
            QApplication::processEvents();
            QMetaObject::invokeMethod(tick, "timeout");
            // The answers come at the bench's pace, never at the clock's.
            tick->stop();
            if (answer % 150 == 0 || answer == answers)
                std::printf("  %5d answers (%6.1f s of Repeat): resident %lld kB, %d lines shown, %.1f s\n",
                            answer, answer * repeatPeriodMs / 1000.0, residentMemoryKb(),
                            samples->blockCount() - 1, elapsed.nsecsElapsed() / 1e9);
        }
        shownLines = samples->blockCount() - 1;
        const QString text = samples->toPlainText();
        std::printf("reads asked %d; first line shown %s, last line shown %s\n", instrument.reads,
                    qPrintable(text.section('\n', 0, 0)), qPrintable(text.section('\n', -2, -2)));
    }
    woxCoreRequestTap::install(nullptr);
    woxCore::destroy();
    woxGPSManager::destroy();
    const qint64 peak = peakMemoryKb();
    std::printf("lines kept %d; peak resident memory %lld kB (%.1f MB)\n", shownLines, peak, peak / 1024.0);
    return peak < 250 * 1024 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int answers = argc > 1 ? std::atoi(argv[1]) : 600 * 1000 / repeatPeriodMs;
    return repeat(answers);
}
