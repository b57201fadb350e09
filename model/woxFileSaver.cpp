#include "woxFileSaver.h"

#include "woxConstants.h"
#include "woxDiagnostic.h"

#include <QSaveFile>

namespace {

// A write cut short by a full disk or the file-size limit reports no error
// of its own; the write of the rest then fails and carries the reason.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0)
            return false;
        written += part;
    }
    return true;
}

woxFileSaver::Result writeAndCommit(QSaveFile &file, const QByteArray &bytes,
                                    woxFileSaver::Diagnostics diagnostics)
{
    const bool report = diagnostics == woxFileSaver::ReportWriteError;
    if (!writeAll(file, bytes) || !file.flush()) {
        if (report)
            woxDiagnostic::fileError(file.errorString());
        file.cancelWriting();
        return woxFileSaver::WriteFailed;
    }
    if (!file.commit()) {
        if (report)
            woxDiagnostic::fileError(file.errorString());
        return woxFileSaver::WriteFailed;
    }
    syncFileSystem();
    return woxFileSaver::Saved;
}

bool openForSaving(QSaveFile &file, QString *openError)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    if (openError)
        *openError = file.errorString();
    return false;
}

} // namespace

woxFileSaver::Result woxFileSaver::save(const QString &path,
                                        const std::function<void(QDataStream &)> &write,
                                        QString *openError)
{
    QSaveFile file(path);
    if (!openForSaving(file, openError))
        return OpenFailed;
    // The bytes are put together first and written by writeAll(): a stream
    // writing straight into the file goes on after a write that failed, and
    // the system's reason is lost by the time the stream reports it.
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_8);
    write(stream);
    if (stream.status() != QDataStream::Ok) {
        woxDiagnostic::fileError(QStringLiteral("Data could not be written"));
        file.cancelWriting();
        return WriteFailed;
    }
    return writeAndCommit(file, bytes, ReportWriteError);
}

woxFileSaver::Result woxFileSaver::saveBytes(const QString &path, const QByteArray &bytes,
                                             QString *openError, Diagnostics diagnostics)
{
    QSaveFile file(path);
    if (!openForSaving(file, openError))
        return OpenFailed;
    return writeAndCommit(file, bytes, diagnostics);
}
