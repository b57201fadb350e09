#ifndef WOXQUADRIPOLEGENERATOR_H
#define WOXQUADRIPOLEGENERATOR_H

#include "woxQuadripole.h"

#include <QList>
#include <QSet>

class QString;
class woxChannelQuadripole;
struct woxCableConfiguration;
struct woxTemplateContent;

// Expands template grid cells into the quadripoles they stand for on the line.
// Process-wide and without state of its own.
class woxQuadripoleGenerator
{
public:
    static woxQuadripoleGenerator *instance();
    static void destroy();

    // Appends the quadripoles of one grid cell: the array's base placements
    // slid one electrode at a time along cables x 32 electrodes. Positions
    // using a disabled electrode, or whose farthest electrode on the line is
    // below fromElectrode, are left out; maxDepth (when given) is raised to
    // the deepest one appended. True when some placement fits on the line.
    bool generateCell(woxCable cables, woxCableSpacing spacing, woxArrayType type,
                      woxSpacing spacingIndex, woxLevel levelIndex,
                      QList<woxQuadripole> *quadripoles,
                      const QSet<woxElectrode> *disabled = nullptr,
                      quint16 fromElectrode = 0, float *maxDepth = nullptr) const;

    // The next three are defined in the core library, beside the session
    // records they write; callers link wox_core.

    // Expands the whole template (its sets, or its Varnex quadripoles),
    // merges geometries that several sets share, packs them into runs of up
    // to 16 receiver channels and orders the runs. With a file name and a
    // configuration it writes the new session file (replacing any previous
    // one only once complete); quadripoles on electrodes the configuration
    // disables are left out. Returns the number of runs, or -1 when the file
    // could not be written.
    int generateSequence(const woxTemplateContent &content,
                         const woxCableConfiguration *configuration, const QString &fileName,
                         quint16 fromElectrode = 0) const;
    // Packs one current-pair group in place into runs, each closed by a
    // record with chained false; returns the number of runs.
    int packRuns(QList<woxChannelQuadripole> &group) const;
    // True when some record of the run has M or N among the electrodes.
    bool potentialOnElectrodes(const QList<woxElectrode> &electrodes,
                               const QList<woxChannelQuadripole> &run) const;

private:
    woxQuadripoleGenerator();

    static woxQuadripoleGenerator *self;
};

#endif
