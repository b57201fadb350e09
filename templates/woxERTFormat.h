#ifndef WOXERTFORMAT_H
#define WOXERTFORMAT_H

#include "woxElectrodePosition.h"
#include "woxQuadripole.h"
#include "woxTypes.h"

#include <QList>
#include <QMap>
#include <QString>

// The text that a Varnex text template is written as, so that what is
// written reads back through woxERTLoader to the same electrodes and rows.
class woxERTFormat
{
public:
    // A coordinate as a text stream prints a float by default: at most six
    // significant digits, "%g" style (0.00001 gives "1e-05", 1250000 gives
    // "1.25e+06").
    static QString coordinate(float value);

    // The whole file: "# X Y Z", electrodes in ascending key order, "# A B M N",
    // rows numbered from 1 with electrodes plus one and remote electrodes as
    // 0, each line ended by a single line feed.
    static QString text(const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                        const QList<woxQuadripole> &quadripoles);

private:
    woxERTFormat() = delete;
};

#endif
