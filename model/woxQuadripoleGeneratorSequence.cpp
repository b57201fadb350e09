// The measurement sequence of a whole template and the new session file,
// kept apart from the cell expansion in woxQuadripoleGenerator.cpp because it
// also writes the session records (rows, measurement results, the GPS fix).

#include "woxQuadripoleGenerator.h"

#include "woxCableConfiguration.h"
#include "woxChannelQuadripole.h"
#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxFileSaver.h"
#include "woxFileSummary.h"
#include "woxSessionDataUnit.h"
#include "woxSessionFile.h"
#include "woxSetInfo.h"
#include "woxTemplateContent.h"

#include <QDataStream>
#include <QHash>
#include <QMap>
#include <QPair>
#include <QVector>

#include <algorithm>
#include <limits>

namespace {

const int maxSets = 8;
const int runChannels = 16;
// Three runs of history: A and B of each.
const int recentElectrodeLimit = 6;

typedef QList<woxChannelQuadripole> woxRun;
typedef QPair<woxElectrode, woxElectrode> woxCurrentPair;

// Distinct geometries in the order they were first met, each with the mask
// of the sets that produced it. The hash only finds an entry; it never
// decides an order, so the same template always gives the same file.
class woxMergeTable
{
public:
    void add(const woxQuadripole &quadripole, int setIndex)
    {
        const quint8 bit = setIndex < maxSets ? quint8(1u << setIndex) : quint8(0);
        auto found = index.constFind(quadripole);
        if (found == index.constEnd()) {
            index.insert(quadripole, quadripoles.size());
            quadripoles.append(quadripole);
            masks.append(bit);
            return;
        }
        masks[found.value()] |= bit;
    }

    QHash<woxQuadripole, int> index;
    QList<woxQuadripole> quadripoles;
    QList<quint8> masks;
};

struct woxExpansion
{
    QVector<int> setCounts;
    woxMergeTable merged;
};

woxFileSummary summaryHead(const woxTemplateContent &content)
{
    woxFileSummary summary;
    summary.cables = qint8(content.cables);
    summary.cableSpacing = content.cableSpacing;
    summary.arrayCounts = content.countSetsPerArrayType();
    summary.profileLength = float((content.cables * woxElectrodesPerCable - 1) * content.cableSpacing);
    return summary;
}

bool usesDisabled(const woxQuadripole &q, const QSet<woxElectrode> &disabled)
{
    return disabled.contains(q.a) || disabled.contains(q.b) || disabled.contains(q.m)
           || disabled.contains(q.n);
}

void expandVarnex(const woxTemplateContent &content, const QSet<woxElectrode> &disabled,
                  woxExpansion *expansion, woxFileSummary *summary)
{
    for (const woxQuadripole &quadripole : content.varnexQuadripoles) {
        if (!usesDisabled(quadripole, disabled))
            expansion->merged.add(quadripole, 0);
    }
    // No set was expanded: the Varnex quadripoles count towards no set.
    summary->setDepths.append(0.0f);
}

void expandSet(const woxTemplateContent &content, int setIndex,
               const QSet<woxElectrode> &disabled, quint16 fromElectrode,
               woxExpansion *expansion, woxFileSummary *summary)
{
    const woxTemplateSet &set = content.sets.at(setIndex);
    const woxSelectionGrid grid = set.mainGrid();
    QList<woxQuadripole> quadripoles;
    float largestDepth = 0.0f;
    for (int spacing = 0; spacing < grid.size(); ++spacing) {
        const QVector<bool> &row = grid.at(spacing);
        for (int level = 0; level < row.size(); ++level) {
            if (!row.at(level))
                continue;
            woxQuadripoleGenerator::instance()->generateCell(
                content.cables, content.cableSpacing, set.arrayType(), woxSpacing(spacing),
                woxLevel(level), &quadripoles, &disabled, fromElectrode, &largestDepth);
        }
    }
    summary->setDepths.append(largestDepth);
    expansion->setCounts.append(quadripoles.size());
    for (const woxQuadripole &quadripole : qAsConst(quadripoles))
        expansion->merged.add(quadripole, setIndex);
}

woxExpansion expand(const woxTemplateContent &content, const QSet<woxElectrode> &disabled,
                    quint16 fromElectrode, woxFileSummary *summary)
{
    woxExpansion expansion;
    if (content.isVarnex()) {
        expandVarnex(content, disabled, &expansion, summary);
        return expansion;
    }
    for (int setIndex = 0; setIndex < content.sets.size(); ++setIndex)
        expandSet(content, setIndex, disabled, fromElectrode, &expansion, summary);
    return expansion;
}

// Groups by current pair, ascending A then B; within a group the records
// keep the order in which their geometries were first met.
QMap<woxCurrentPair, woxRun> currentPairGroups(const woxMergeTable &merged)
{
    QMap<woxCurrentPair, woxRun> groups;
    for (int i = 0; i < merged.quadripoles.size(); ++i) {
        woxChannelQuadripole record;
        record.setQuadripole(merged.quadripoles.at(i));
        record.setSets(merged.masks.at(i));
        record.assignChannels();
        groups[woxCurrentPair(record.a, record.b)].append(record);
    }
    return groups;
}

// The channel a record takes in the current pass, or -1 when it has to wait
// for a later run. A record without a channel pair of its own (the remote
// potential electrode, 17) takes the lowest free channel; so does one whose
// channels are no receiver channels at all, or it would wait for ever and
// the packing would never end.
int freeChannel(const woxChannelQuadripole &record, const bool busy[runChannels])
{
    if (record.channelM >= runChannels || record.channelN >= runChannels) {
        for (int channel = 0; channel < runChannels; ++channel) {
            if (!busy[channel])
                return channel;
        }
        return -1;
    }
    if (!busy[record.channelM])
        return record.channelM;
    if (!busy[record.channelN])
        return record.channelN;
    return -1;
}

QList<woxRun> splitRuns(const QMap<woxCurrentPair, woxRun> &groups)
{
    QList<woxRun> runs;
    for (const woxRun &group : groups) {
        woxRun run;
        for (const woxChannelQuadripole &record : group) {
            run.append(record);
            if (!record.chained) {
                runs.append(run);
                run.clear();
            }
        }
    }
    return runs;
}

// Largest runs first; where possible a run does not measure potential on an
// electrode that fed current in one of the three runs placed before it.
woxRun orderRuns(QList<woxRun> runs)
{
    std::stable_sort(runs.begin(), runs.end(), listSizeGreaterThan<woxChannelQuadripole>);
    QList<woxElectrode> recent;
    woxRun ordered;
    while (!runs.isEmpty()) {
        int chosen = -1;
        for (int i = 0; i < runs.size() && chosen < 0; ++i) {
            if (!woxQuadripoleGenerator::instance()->potentialOnElectrodes(recent, runs.at(i)))
                chosen = i;
        }
        if (chosen < 0) {
            // Nothing qualifies: forget the history; the largest run goes next.
            recent.clear();
            chosen = 0;
        }
        const woxRun run = runs.takeAt(chosen);
        ordered.append(run);
        recent.append(run.first().a);
        recent.append(run.first().b);
        while (recent.size() > recentElectrodeLimit)
            recent.removeFirst();
    }
    return ordered;
}

QList<woxSessionDataUnit> buildRows(woxCableSpacing cableSpacing, const woxRun &ordered,
                                    bool varnex)
{
    QList<woxSessionDataUnit> rows;
    bool marker = true;
    for (woxChannelQuadripole record : ordered) {
        record.marked = marker;
        // A fresh row for every record: nothing of the previous row can
        // reach this one.
        woxSessionDataUnit row;
        row.configure(cableSpacing, record);
        if (varnex)
            row.k = 1.0f;
        rows.append(row);
        if (!record.chained)
            marker = !marker;
    }
    return rows;
}

// The count is stored in 16 bits: a count beyond that shows as the largest
// value rather than wrapping round to a small one.
quint16 storedCount(int count)
{
    return quint16(qBound(0, count, int(std::numeric_limits<quint16>::max())));
}

QVector<woxSetInfo> setList(const woxTemplateContent &content, const QVector<int> &setCounts,
                            woxFileSummary *summary)
{
    QVector<woxSetInfo> infos;
    for (int i = 0; i < content.numberOfSets(); ++i) {
        // A set that was not expanded (a Varnex template with sets) has none.
        const int count = i < setCounts.size() ? setCounts.at(i) : 0;
        summary->quadripoles += count;
        infos.append(woxSetInfo(content.arrayTypeOfSet(quint8(i)), storedCount(count)));
    }
    return infos;
}

// The file replaces the previous working copy only once it is complete, so
// a failed write leaves the previous session whole. Either failure leaves a
// file-error line with the system's reason.
bool writeSessionFile(const QString &fileName, const woxSessionFile &session)
{
    QString openError;
    const woxFileSaver::Result result = woxFileSaver::save(
        fileName, [&session](QDataStream &stream) { session.write(stream); }, &openError);
    if (result == woxFileSaver::OpenFailed)
        woxDiagnostic::fileError(openError);
    return result == woxFileSaver::Saved;
}

} // namespace

int woxQuadripoleGenerator::generateSequence(const woxTemplateContent &content,
                                             const woxCableConfiguration *configuration,
                                             const QString &fileName,
                                             quint16 fromElectrode) const
{
    const QSet<woxElectrode> disabled =
        configuration ? configuration->disabledElectrodes() : QSet<woxElectrode>();
    woxSessionFile session;
    session.summary = summaryHead(content);
    const woxExpansion expansion = expand(content, disabled, fromElectrode, &session.summary);

    QMap<woxCurrentPair, woxRun> groups = currentPairGroups(expansion.merged);
    for (woxRun &group : groups)
        session.summary.runs += packRuns(group);
    // Counting alone (the template screens' run estimate) needs no rows.
    if (fileName.isEmpty() || !configuration)
        return session.summary.runs;

    const woxRun ordered = orderRuns(splitRuns(groups));
    session.units = buildRows(content.cableSpacing, ordered, content.isVarnex());
    session.sets = setList(content, expansion.setCounts, &session.summary);
    session.electrodePositions = content.varnexElectrodes;
    session.cableConfiguration = *configuration;
    if (!writeSessionFile(fileName, session))
        return -1;
    return session.summary.runs;
}

int woxQuadripoleGenerator::packRuns(QList<woxChannelQuadripole> &group) const
{
    std::stable_sort(group.begin(), group.end());
    QList<woxChannelQuadripole> output;
    int runs = 0;
    while (!group.isEmpty()) {
        // Each placed record takes a channel of its own: a full run has every channel busy.
        bool busy[runChannels] = {};
        QList<woxChannelQuadripole> remaining;
        for (int i = 0; i < group.size(); ++i) {
            woxChannelQuadripole record = group.at(i);
            const int channel = freeChannel(record, busy);
            if (channel < 0) {
                remaining.append(record);
                continue;
            }
            busy[channel] = true;
            record.channel = quint8(channel);
            output.append(record);
        }
        output.last().chained = false;
        group = remaining;
        ++runs;
    }
    group = output;
    return runs;
}

bool woxQuadripoleGenerator::potentialOnElectrodes(const QList<woxElectrode> &electrodes,
                                                   const QList<woxChannelQuadripole> &run) const
{
    for (const woxChannelQuadripole &record : run) {
        if (electrodes.contains(record.m) || electrodes.contains(record.n))
            return true;
    }
    return false;
}
