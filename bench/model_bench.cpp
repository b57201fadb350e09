// Times the quadripole generator over every cell of every array code on two
// cables, the refusal of a damaged set stream, the regeneration of a fully
// selected gradient template set, and the measurement sequence with its
// session file for the largest template.
#include "woxCableConfiguration.h"
#include "woxConstants.h"
#include "woxFileSummary.h"
#include "woxFullSet.h"
#include "woxPeakMemory.h"
#include "woxPseudoDepthTable.h"
#include "woxQuadripoleGenerator.h"
#include "woxSetInfo.h"
#include "woxTemplateContent.h"
#include "woxTemplateSet.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void benchGenerateCell(int rounds)
{
    woxQuadripoleGenerator *generator = woxQuadripoleGenerator::instance();
    QList<woxQuadripole> list;
    qint64 quadripoles = 0;
    qint64 cells = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        for (int type = 0; type < 22; ++type) {
            for (int s = 0; s < 30; ++s) {
                for (int l = 0; l < 99; ++l) {
                    list.clear();
                    generator->generateCell(2, 5.0f, woxArrayType(type), woxSpacing(s),
                                            woxLevel(l), &list);
                    quadripoles += list.size();
                    ++cells;
                }
            }
        }
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("generateCell, every cell of codes 0-21, 2 cables, %d rounds:\n", rounds);
    std::printf("  %lld cells, %lld quadripoles in %.3f s\n", cells, quadripoles, seconds);
    std::printf("  %.0f quadripoles/s, %.0f cells/s\n", quadripoles / seconds, cells / seconds);
}

void benchRegenerate(woxArrayType type, int rounds)
{
    woxTemplateSet set = fullySelectedSet(type);
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        set.regenerate();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const qint64 quadripoles = qint64(set.measurementCount()) * rounds;
    std::printf("regenerate, fully selected set of code %d on 2 cables, %d rounds:\n", type,
                rounds);
    std::printf("  %d quadripoles per set, %.3f s, %.1f ms per regenerate, %.0f quadripoles/s\n",
                set.measurementCount(), seconds, seconds * 1000 / rounds, quadripoles / seconds);
}

// A set stream whose cables byte reads FF, with the first row of a gradient
// grid selected: rebuilt as given it would be about 14 million quadripoles,
// so the reader must refuse it before regenerating anything.
void benchDamagedSet(int rounds)
{
    QStandardItemModel grid(woxTemplateSet::spacingRows, woxTemplateSet::levelColumns);
    QModelIndexList firstRow;
    for (int l = 0; l < woxTemplateSet::levelColumns; ++l)
        firstRow.append(grid.index(0, l));
    woxTemplateSet sound(2, 5.0f);
    sound.setArrayType(8);
    sound.applyMainSelection(firstRow);
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_8);
        woxTemplateSet::writeTo(out, sound);
    }
    // The cables byte stands just before the spacing's eight bytes.
    bytes[bytes.size() - 9] = char(0xFF);
    int refused = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        QDataStream in(bytes);
        in.setVersion(QDataStream::Qt_4_8);
        woxTemplateSet set;
        woxTemplateSet::readFrom(in, set);
        refused += in.status() == QDataStream::ReadCorruptData ? 1 : 0;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("readFrom, a gradient set stream with cables FF, %d rounds:\n", rounds);
    std::printf("  %d refused, %.1f us per read\n", refused, seconds * 1e6 / rounds);
}

// The template screens refuse a set of more than cables x 3168 measurements:
// select cells in grid order as long as the set stays within that.
woxTemplateSet fullestSet(woxArrayType type)
{
    const int limit = 2 * 3168;
    QStandardItemModel grid(woxTemplateSet::spacingRows, woxTemplateSet::levelColumns);
    woxTemplateSet set(2, 5.0f);
    set.setArrayType(type);
    for (int s = 0; s < woxTemplateSet::spacingRows; ++s) {
        for (int l = 0; l < woxTemplateSet::levelColumns; ++l) {
            const QModelIndexList cell = {grid.index(s, l)};
            set.applyMainSelection(cell);
            if (set.measurementCount() > limit)
                set.applyMainSelection(cell);
        }
    }
    return set;
}

// The row count stands after the file's head.
qint32 sessionRows(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_4_8);
    qint32 magic = 0;
    woxFileSummary summary;
    QVector<woxSetInfo> sets;
    woxCableConfiguration configuration;
    woxElectrodeMap electrodes;
    qint32 rows = -1;
    in >> magic >> summary >> sets >> configuration;
    readElectrodeMap(in, &electrodes);
    in >> rows;
    return in.status() == QDataStream::Ok ? rows : -1;
}

void benchSequence(int rounds)
{
    woxTemplateContent content;
    int quadripoles = 0;
    for (woxArrayType type : {3, 4, 5, 6, 8, 15, 16, 18}) {
        content.sets.append(fullestSet(type));
        quadripoles += content.sets.last().measurementCount();
    }
    woxCableConfiguration configuration;
    for (int i = 0; i < 64; ++i) {
        woxWireState wire;
        wire.resistance = -1.0f;
        wire.enabled = true;
        configuration.wires.append(wire);
    }
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("bench.woxSession"));
    woxQuadripoleGenerator *generator = woxQuadripoleGenerator::instance();
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    for (int round = 0; round < rounds; ++round)
        runs = generator->generateSequence(content, nullptr, QString());
    const double countSeconds = timer.nsecsElapsed() / 1e9 / rounds;
    timer.restart();
    for (int round = 0; round < rounds; ++round)
        generator->generateSequence(content, &configuration, fileName);
    const double writeSeconds = timer.nsecsElapsed() / 1e9 / rounds;
    const qint64 fileBytes = QFileInfo(fileName).size();
    const qint32 rows = sessionRows(fileName);
    std::printf("sequence, 8 sets of codes 3 4 5 6 8 15 16 18 on 2 cables, %d rounds:\n", rounds);
    std::printf("  %d quadripoles in the sets, %d runs\n", quadripoles, runs);
    std::printf("  counting only: %.1f ms; generating and writing the session: %.1f ms\n",
                countSeconds * 1000, writeSeconds * 1000);
    std::printf("  session file %lld bytes, %d rows\n", fileBytes, rows);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    woxPseudoDepthTable::instance(pseudoDepthResource);
    std::printf("after loading the pseudo-depth table: peak memory %lld kB\n", peakMemoryKb());
    benchDamagedSet(1000);
    benchGenerateCell(5);
    benchRegenerate(8, 5);
    benchRegenerate(11, 5);
    benchSequence(3);
    std::printf("peak memory %lld kB\n", peakMemoryKb());
    woxQuadripoleGenerator::destroy();
    woxPseudoDepthTable::destroy();
    return 0;
}
