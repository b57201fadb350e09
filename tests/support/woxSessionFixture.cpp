#include "woxSessionFixture.h"

#include "woxConstants.h"
#include "woxMake.h"
#include "woxSessionDataModel.h"

#include <QDir>
#include <QFile>

namespace woxSessionFixture {

woxSessionFile session(int rows, int runLength)
{
    woxSessionFile session;
    session.summary.quadripoles = rows;
    session.summary.runs = (rows + runLength - 1) / runLength;
    session.summary.arrayCounts.insert(4, 1);
    session.summary.profileLength = 315.0f;
    session.summary.setDepths << 2.5f;
    session.sets << woxSetInfo(4, quint16(rows));
    session.cableConfiguration = woxMake::allWiresEnabled(2);
    for (int i = 0; i < rows; ++i) {
        woxSessionDataUnit row;
        const woxElectrode a = woxElectrode(i % 60);
        row.quadripole = woxMake::coreQuadripole(a, a + 1, a + 2, a + 3, quint8(i % 16));
        row.x = 2.5f * i;
        row.y = 2.5f;
        row.k = 10.0f;
        row.sets = 1;
        row.chained = (i + 1) % runLength != 0 && i + 1 < rows;
        row.marked = (i / runLength) % 2 == 0;
        session.units << row;
    }
    return session;
}

void measure(woxSessionFile *session, int row, float rxVoltage, float txCurrent,
             float chargeability)
{
    woxSessionDataUnit &unit = session->units[row];
    unit.result.rxVoltage = rxVoltage;
    unit.result.txCurrent = txCurrent;
    unit.result.chargeability = chargeability;
    unit.result.valid = true;
    unit.computeResistivity();
}

bool load(woxSessionDataModel &model, const woxSessionFile &session)
{
    QDir().mkpath(systemDir);
    QFile file(systemDir + lastSessionFileName);
    if (!file.open(QIODevice::WriteOnly) || !session.write(file))
        return false;
    file.close();
    return model.load(file.fileName());
}

} // namespace woxSessionFixture
