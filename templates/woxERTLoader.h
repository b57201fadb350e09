#ifndef WOXERTLOADER_H
#define WOXERTLOADER_H

#include "woxElectrodePosition.h"
#include "woxQuadripole.h"
#include "woxTypes.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QFile;
class QTextStream;

// Reader of Varnex text templates: an electrode section ("# X Y Z", then one
// "number x y z" line per electrode) followed by a rows section ("# A B M N",
// then "index A B M N" lines). Never instantiated; a QObject only so that its
// messages are translated in their own context.
class woxERTLoader : public QObject
{
    Q_OBJECT

public:
    // Adds the file's electrodes (keyed by their number in the file, 1..64)
    // and its quadripoles (0-based electrodes, remote electrodes in A and M)
    // to the given containers. On failure returns false with `error` set to
    // the translated message; the containers then hold a partial result.
    static bool load(const QString &fileName, QString *error,
                     QMap<woxElectrode, woxElectrodePosition> *electrodes,
                     QList<woxQuadripole> *quadripoles);

private:
    woxERTLoader() = delete;

    static bool readElectrodes(QTextStream &in, QString *error,
                               QMap<woxElectrode, woxElectrodePosition> *electrodes);
    static bool readRows(QTextStream &in, QFile &file, QString *error,
                         const QMap<woxElectrode, woxElectrodePosition> &electrodes,
                         QList<woxQuadripole> *quadripoles);
};

#endif
