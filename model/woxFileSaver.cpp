#include "woxFileSaver.h"

#include "woxConstants.h"
#include "woxDiagnostic.h"

#include <QSaveFile>

woxFileSaver::Result woxFileSaver::save(const QString &path,
                                        const std::function<void(QDataStream &)> &write,
                                        QString *openError)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (openError)
            *openError = file.errorString();
        return OpenFailed;
    }
    QDataStream stream(&file);
    stream.setVersion(QDataStream::Qt_4_8);
    write(stream);
    if (stream.status() != QDataStream::Ok || !file.flush()) {
        woxDiagnostic::fileError(file.errorString());
        file.cancelWriting();
        return WriteFailed;
    }
    if (!file.commit()) {
        woxDiagnostic::fileError(file.errorString());
        return WriteFailed;
    }
    syncFileSystem();
    return Saved;
}
