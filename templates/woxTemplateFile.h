#ifndef WOXTEMPLATEFILE_H
#define WOXTEMPLATEFILE_H

#include "woxFileSummary.h"
#include "woxTemplateSet.h"
#include "woxTypes.h"

#include <QList>

class QDataStream;

// The content of a template file: magic, file summary, the arrangement and
// the sets. Reading goes into an object of its own so that a damaged file
// never touches the template being edited.
class woxTemplateFile
{
public:
    static constexpr quint32 magic = 0x88993366u;
    static constexpr int maxSets = 8;
    // One set on the stream: type, two 30 x 99 grids, cables, spacing.
    static constexpr int setBytes = 6198;

    // Reads a whole template and checks it is one this program could have
    // written: magic, intact stream, at most 8 sets of 30 x 99 cells, known
    // array types (or none chosen), 1 or 2 cables and a finite positive
    // spacing everywhere. Returns false otherwise; the content is then
    // meaningless.
    bool read(QDataStream &stream);
    // Writes the same layout; the caller checks the stream's status.
    void write(QDataStream &stream) const;

    woxFileSummary summary;
    woxCable cables = 2;
    woxCableSpacing cableSpacing = 5.0f;
    QList<woxTemplateSet> sets;

private:
    static bool readArrangement(QDataStream &stream, woxCable *cables,
                                woxCableSpacing *spacing);
    static bool readSet(QDataStream &stream, woxTemplateSet *set);
    static bool setTailIsSound(const QByteArray &bytes);
};

#endif
