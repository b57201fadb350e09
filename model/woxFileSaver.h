#ifndef WOXFILESAVER_H
#define WOXFILESAVER_H

#include <QDataStream>
#include <QString>

#include <functional>

// Writes a data file the operator depends on (a template, a session, the
// pseudo-depth table). The bytes go to a temporary file that replaces the old
// one only when it is complete, so a failed or interrupted write leaves the
// previous file whole.
class woxFileSaver
{
public:
    enum Result { Saved, OpenFailed, WriteFailed };
    // Whether a failed write prints the file-error line: a screen whose
    // message dialog is the whole report asks for Quiet.
    enum Diagnostics { ReportWriteError, Quiet };

    // Runs `write` on a Qt 4.8 stream and writes its bytes to the new file.
    // The write and an explicit flush are checked before the file is
    // committed, since commit() does not notice a final flush that failed (a
    // full disk). A write failure prints the file-error line with the
    // system's reason; an open failure is left to the caller, with the reason
    // in *openError when given. The file system is synced after a successful
    // commit.
    static Result save(const QString &path, const std::function<void(QDataStream &)> &write,
                       QString *openError = nullptr);
    // The same for bytes the caller has put together (a text file).
    static Result saveBytes(const QString &path, const QByteArray &bytes,
                            QString *openError = nullptr,
                            Diagnostics diagnostics = ReportWriteError);
};

#endif
