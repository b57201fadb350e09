#include "woxWorkingCopy.h"

#include "woxCableConfiguration.h"
#include "woxConstants.h"
#include "woxDiagnostic.h"
#include "woxQuadripoleGenerator.h"
#include "woxSessionFile.h"
#include "woxTemplateContent.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

QString woxWorkingCopy::path()
{
    return systemDir + lastSessionFileName;
}

bool woxWorkingCopy::hasMeasuredRow()
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    woxSessionFile session;
    if (!session.read(file))
        return false;
    for (const woxSessionDataUnit &unit : qAsConst(session.units)) {
        if (unit.result.valid)
            return true;
    }
    return false;
}

int woxWorkingCopy::generate(const woxTemplateContent &content,
                             const woxCableConfiguration &configuration, quint16 fromElectrode)
{
    const QString target = path();
    const QString temporary = target + QStringLiteral(".new");
    const int count = woxQuadripoleGenerator::instance()->generateSequence(
        content, &configuration, temporary, fromElectrode);
    if (count <= 0) {
        QFile::remove(temporary);
        return count;
    }
    // QFile::rename refuses an existing target; rename(2) replaces it in one
    // step, so a crash leaves either the old or the new session in place.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        woxDiagnostic::fileError(QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(temporary);
        return -1;
    }
    syncFileSystem();
    return count;
}
