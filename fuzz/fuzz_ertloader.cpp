// libFuzzer target for the Varnex text template reader. The reader takes a
// file name, so each input is written to one temporary file first. Besides
// memory errors, an accepted file that breaks what callers rely on (electrode
// keys 1..64, finite positions, remote electrodes only in A and M) aborts.

#include "woxERTLoader.h"

#include <QTemporaryFile>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool plausible(const QMap<woxElectrode, woxElectrodePosition> &electrodes,
               const QList<woxQuadripole> &quadripoles)
{
    for (auto it = electrodes.constBegin(); it != electrodes.constEnd(); ++it) {
        const woxElectrodePosition &p = it.value();
        if (it.key() < 1 || it.key() > 64 || !std::isfinite(p.x) || !std::isfinite(p.y)
            || !std::isfinite(p.z))
            return false;
    }
    auto listed = [&electrodes](woxElectrode e) { return electrodes.contains(woxElectrode(e + 1)); };
    for (const woxQuadripole &q : quadripoles) {
        const bool currentOk = (q.a == woxRemoteCurrentElectrode || listed(q.a)) && listed(q.b)
                               && q.a != q.b;
        const bool potentialOk = (q.m == woxRemotePotentialElectrode || listed(q.m)) && listed(q.n)
                                 && q.m != q.n;
        if (!currentOk || !potentialOk)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryFile file;
    if (!file.isOpen() && !file.open())
        abort();
    if (!file.resize(0) || !file.seek(0)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)
        || !file.flush())
        abort();

    QString error;
    QMap<woxElectrode, woxElectrodePosition> electrodes;
    QList<woxQuadripole> quadripoles;
    if (woxERTLoader::load(file.fileName(), &error, &electrodes, &quadripoles)) {
        if (!error.isEmpty() || !plausible(electrodes, quadripoles))
            abort();
    } else if (error.isEmpty()) {
        abort();
    }
    return 0;
}
