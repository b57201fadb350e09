// Times the largest session the templates allow (8 sets of 6,336 rows, every
// row measured with a 10-value decay): the working copy's save with and
// without the file-system sync, its load, and a plain write of the same
// bytes with fsync for comparison; then the session table's cells, the plot
// series of each kind and the results of one 16-row run coming in; then one
// replot of the pseudo-section and of the sounding curves over all its rows;
// and the session screen: binding the largest session, and what one advance
// from run to run adds (results stored, series, replot; autosave apart).
//
// The bench restarts itself with a scratch home folder, so the working copy
// it writes never replaces a real one.
#include "woxCommandRunner.h"
#include "woxCore.h"
#include "woxConstants.h"
#include "woxPeakMemory.h"
#include "woxPseudoSectionPlot.h"
#include "woxQuietCore.h"
#include "woxSessionDataModel.h"
#include "woxSessionFile.h"
#include "woxSessionWidget.h"
#include "woxSoundingCurvePlot.h"

#include <qwt_plot_renderer.h>

#include <QApplication>
#include <QBrush>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

const int setCount = 8;
const int rowsPerSet = 6336;
const int runLength = 16;
const int rounds = 5;

// Answers every command at once: the save without the file-system sync.
class woxNoCommands : public woxCommandRunner
{
public:
    woxCommandResult run(const QString &, const QStringList &, int) override
    {
        woxCommandResult result;
        result.status = woxCommandResult::Finished;
        result.exitCode = 0;
        return result;
    }
};

woxSessionDataUnit measuredRow(int index)
{
    woxSessionDataUnit row;
    const int set = index / rowsPerSet;
    row.x = float(index % 64) * 5.0f;
    row.y = float(index % 30) * 2.5f;
    row.k = 94.25f;
    row.sets = qint8(1 << set);
    row.chained = (index + 1) % runLength != 0 && index + 1 < setCount * rowsPerSet;
    row.marked = (index / runLength) % 2 == 0;
    row.quadripole.a = quint16(index % 60);
    row.quadripole.b = quint16(index % 60 + 1);
    row.quadripole.m = quint16(index % 60 + 2);
    row.quadripole.n = quint16(index % 60 + 3);
    row.quadripole.channel = quint8(index % runLength);
    row.result.txVoltage = -840.0f;
    row.result.txCurrent = 250.0f;
    row.result.rxVoltage = 12.5f + index % 7;
    row.result.chargeability = 3.5f;
    row.result.quality = 0.5f;
    row.result.valid = true;
    for (int i = 0; i < 10; ++i)
        row.result.decay.append(10.0f / (i + 1));
    row.computeResistivity();
    return row;
}

woxSessionFile largestSession()
{
    woxSessionFile session;
    session.summary.quadripoles = setCount * rowsPerSet;
    session.summary.runs = setCount * rowsPerSet / runLength;
    session.summary.profileLength = 315.0f;
    for (int set = 0; set < setCount; ++set) {
        session.summary.arrayCounts[quint8(set)] = 1;
        session.summary.setDepths.append(30.0f + set);
        session.sets.append(woxSetInfo(woxArrayType(set), rowsPerSet));
    }
    for (int i = 0; i < 64; ++i)
        session.cableConfiguration.wires.append(woxWireState{-1.0f, true});
    for (int i = 0; i < setCount * rowsPerSet; ++i)
        session.units.append(measuredRow(i));
    return session;
}

// Mean milliseconds of `rounds` calls.
double meanMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        work();
    return timer.nsecsElapsed() / 1e6 / rounds;
}

// A plain write of `bytes` bytes in one call, then fsync: what the disk costs.
double rawWriteMs(const QString &path, qint64 bytes)
{
    const QByteArray block(int(bytes), '\x5a');
    return meanMs([&] {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(block) != bytes || !file.flush()
            || fsync(file.handle()) != 0)
            std::printf("  raw write failed: %s\n", qPrintable(file.errorString()));
    });
}

void benchSessionFile(woxSessionDataModel &model)
{
    const QString path = systemDir + lastSessionFileName;
    QDir().mkpath(systemDir);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !largestSession().write(file)) {
            std::printf("cannot write %s\n", qPrintable(path));
            return;
        }
    }
    const qint64 bytes = QFileInfo(path).size();
    const double loadMs = meanMs([&] { model.load(path); });
    woxNoCommands noSync;
    woxCommandRunner::install(&noSync);
    const double saveMs = meanMs([&] { model.save(QString(), true); });
    woxCommandRunner::install(nullptr);
    const double syncedMs = meanMs([&] { model.save(QString(), true); });
    const double rawMs = rawWriteMs(systemDir + QStringLiteral("raw"), bytes);
    const double megabytes = bytes / 1e6;
    std::printf("session file, %d rows (%d sets x %d), all measured, 10-value decays:\n",
                model.unitCount(), setCount, rowsPerSet);
    std::printf("  file %lld bytes (%.2f MB); mean of %d rounds\n", bytes, megabytes, rounds);
    std::printf("  plain QFile write + fsync: %8.1f ms  %7.1f MB/s\n", rawMs, megabytes / rawMs * 1e3);
    std::printf("  save, no sync:             %8.1f ms  %7.1f MB/s  %5.2f x raw\n", saveMs,
                megabytes / saveMs * 1e3, saveMs / rawMs);
    std::printf("  save with /bin/sync:       %8.1f ms  %7.1f MB/s  %5.2f x raw\n", syncedMs,
                megabytes / syncedMs * 1e3, syncedMs / rawMs);
    std::printf("  load:                      %8.1f ms  %7.1f MB/s  %5.2f x raw\n", loadMs,
                megabytes / loadMs * 1e3, loadMs / rawMs);
}

void benchModel(woxSessionDataModel &model)
{
    qint64 characters = 0;
    const double cellsMs = meanMs([&] {
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex index = model.index(row, column);
                characters += model.data(index, Qt::DisplayRole).toString().size();
                characters += qvariant_cast<QBrush>(model.data(index, Qt::BackgroundRole)).style();
            }
        }
    });
    std::printf("session table, %d x %d cells, display and background roles:\n",
                model.rowCount(), model.columnCount());
    std::printf("  data() over every cell: %8.1f ms (%lld)\n", cellsMs, characters);
    for (quint8 kind = 0; kind < 3; ++kind) {
        model.setPlotKind(kind);
        const double plotMs = meanMs([&] { model.updatePlots(); });
        std::printf("  updatePlots, kind %d:     %8.1f ms\n", kind, plotMs);
    }
    woxCoreReportET2D report;
    for (int i = 0; i < runLength; ++i)
        report.results.append(measuredRow(i).result);
    // The run last sent is the table's first.
    const double resultMs = meanMs([&] { model.setResult(report); });
    std::printf("  setResult, 16 results:  %8.3f ms\n", resultMs);
}

// Mean milliseconds of one replot of the plot into an 850 x 450 image.
double replotMs(QwtPlot &plot)
{
    QImage image(850, 450, QImage::Format_ARGB32_Premultiplied);
    plot.resize(image.size());
    QwtPlotRenderer renderer;
    return meanMs([&] {
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&plot, &painter, QRectF(image.rect()));
    });
}

// The first `count` rows of the largest session on each plot at once. The
// plots show one set at a time; all rows together is an upper bound.
void benchPlots(const woxSessionFile &session, int count)
{
    QVector<QPointF> xy;
    QVector<QPointF> sounding;
    QVector<float> values;
    QVector<quint32> rows;
    for (int i = 0; i < count; ++i) {
        const woxSessionDataUnit &row = session.units.at(i);
        xy.append(QPointF(row.x, row.y));
        sounding.append(QPointF(row.y, row.resistivity));
        values.append(row.resistivity);
        rows.append(quint32(i));
    }
    woxPseudoSectionPlot section;
    section.setPitch(5.0f);
    section.onPlotUpdate(xy, values, rows);
    woxSoundingCurvePlot curves;
    curves.onPlotUpdate(sounding, rows);
    curves.onPlotUpdate(sounding.mid(0, 30));
    std::printf("plots, %d points each, one replot into an 850 x 450 image; mean of %d rounds:\n",
                count, rounds);
    std::printf("  pseudo-section:  %8.1f ms\n", replotMs(section));
    std::printf("  sounding curves: %8.1f ms\n", replotMs(curves));
}

// Takes the screen's run requests so no job runs; the bench answers them.
class QuietCore : public woxQuietCore
{
public:
    void measureET2D(const woxET2DRequest &request) override { quadripoles = request.quadripoles.size(); }

    int quadripoles = 0;
};

// Binds the working copy (the largest session, written by benchSessionFile)
// and times advances through runs of the first set with the graphics tab on
// screen.
void benchSessionScreen()
{
    const QString path = systemDir + lastSessionFileName;
    QuietCore core;
    woxCoreRequestTap::install(&core);
    woxSessionWidget::setDelays(24 * 3600 * 1000, 1500);
    double bindMs = 0.0;
    {
        QElapsedTimer timer;
        timer.start();
        woxSessionWidget screen(nullptr, false);
        if (!screen.openFlow(path)) {
            std::printf("cannot bind %s\n", qPrintable(path));
            return;
        }
        bindMs = timer.nsecsElapsed() / 1e6;
        screen.resize(1024, 550);
        screen.mainTabWidget->setCurrentIndex(1);
        screen.show();
        QCoreApplication::processEvents();
        screen.startPushButton->click();
        const auto advance = [&] {
            woxCoreReportET2D report;
            for (int i = 0; i < core.quadripoles; ++i)
                report.results.append(measuredRow(i).result);
            emit woxCore::instance()->sendReportET2D(report);
            screen.repaint();
        };
        advance();   // the first advance writes the working copy
        std::printf("session screen, %d rows:\n", setCount * rowsPerSet);
        std::printf("  bind:              %8.1f ms\n", bindMs);
        std::printf("  one advance:       %8.1f ms (run of %d, store, series, replot)\n",
                    meanMs(advance), core.quadripoles);
        screen.startPushButton->click();
    }
    woxCoreRequestTap::install(nullptr);
}

// Runs the bench again in a scratch home folder (the data folders follow the
// home), and removes that folder afterwards.
int restartInScratchHome(char *argv[])
{
    char folder[] = "/tmp/wox-session-bench.XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    setenv("HOME", folder, 1);
    setenv("WOX_BENCH_SCRATCH", folder, 1);
    setenv("XDG_RUNTIME_DIR", folder, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execv(argv[0], argv);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!getenv("WOX_BENCH_SCRATCH"))
        return restartInScratchHome(argv);
    {
        QApplication application(argc, argv);
        woxSessionDataModel model;
        benchSessionFile(model);
        benchModel(model);
        benchSessionScreen();
        const woxSessionFile session = largestSession();
        benchPlots(session, rowsPerSet);
        benchPlots(session, setCount * rowsPerSet);
        std::printf("peak memory %lld kB\n", peakMemoryKb());
        std::fflush(stdout);
    }
    QDir(QString::fromLocal8Bit(getenv("WOX_BENCH_SCRATCH"))).removeRecursively();
    return 0;
}
