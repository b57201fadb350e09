#include "woxSessionFixture.h"

#include "woxConstants.h"
#include "woxMake.h"
#include "woxSessionDataModel.h"

#include <QDir>
#include <QFile>

namespace woxSessionFixture {

woxSessionFile session(const QList<int> &runLengths)
{
    woxSessionFile session;
    int rows = 0;
    for (int run = 0; run < runLengths.size(); ++run) {
        for (int i = 0; i < runLengths.at(run); ++i, ++rows) {
            woxSessionDataUnit row;
            const woxElectrode a = woxElectrode(rows % 60);
            row.quadripole = woxMake::coreQuadripole(a, a + 1, a + 2, a + 3, quint8(rows % 16));
            row.x = 2.5f * rows;
            row.y = 2.5f;
            row.k = 10.0f;
            row.sets = 1;
            row.chained = i + 1 < runLengths.at(run);
            row.marked = run % 2 == 0;
            session.units << row;
        }
    }
    session.summary.quadripoles = rows;
    session.summary.runs = runLengths.size();
    session.summary.arrayCounts.insert(4, 1);
    session.summary.profileLength = 315.0f;
    session.summary.setDepths << 2.5f;
    session.sets << woxSetInfo(4, quint16(rows));
    session.cableConfiguration = woxMake::allWiresEnabled(2);
    return session;
}

woxSessionFile session(int rows, int runLength)
{
    QList<int> runs;
    for (int left = rows; left > 0; left -= runLength)
        runs << qMin(left, runLength);
    return session(runs);
}

void measure(woxSessionFile *session, int row, float rxVoltage, float txCurrent, float chargeability)
{
    session->units[row].result = {0, txCurrent, rxVoltage, chargeability, 0, {}, 0, true, {}};
    session->units[row].computeResistivity();
}

QString write(const woxSessionFile &session)
{
    QFile file(systemDir + lastSessionFileName);
    const bool written = QDir().mkpath(systemDir) && file.open(QIODevice::WriteOnly) && session.write(file);
    return written ? file.fileName() : QString();
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool load(woxSessionDataModel &model, const woxSessionFile &session)
{
    const QString path = write(session);
    return !path.isEmpty() && model.load(path);
}

} // namespace woxSessionFixture
