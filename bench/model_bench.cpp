// Times the quadripole generator over every cell of every array code on two
// cables, and the regeneration of a fully selected gradient template set.
#include "woxConstants.h"
#include "woxPseudoDepthTable.h"
#include "woxQuadripoleGenerator.h"
#include "woxTemplateSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardItemModel>

#include <cstdio>

namespace {

// Peak resident memory of the process in kB (VmHWM).
qint64 peakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

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
    QStandardItemModel grid(woxTemplateSet::spacingRows, woxTemplateSet::levelColumns);
    QModelIndexList all;
    for (int s = 0; s < woxTemplateSet::spacingRows; ++s) {
        for (int l = 0; l < woxTemplateSet::levelColumns; ++l)
            all.append(grid.index(s, l));
    }
    woxTemplateSet set(2, 5.0f);
    set.setArrayType(type);
    set.applyMainSelection(all);
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    woxPseudoDepthTable::instance(pseudoDepthResource);
    std::printf("after loading the pseudo-depth table: peak memory %lld kB\n", peakMemoryKb());
    benchGenerateCell(5);
    benchRegenerate(8, 5);
    benchRegenerate(11, 5);
    std::printf("peak memory %lld kB\n", peakMemoryKb());
    woxQuadripoleGenerator::destroy();
    woxPseudoDepthTable::destroy();
    return 0;
}
