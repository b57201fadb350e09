#ifndef WOXDIAGNOSTIC_H
#define WOXDIAGNOSTIC_H

#include <QString>
#include <QStringList>

// Diagnostic lines on standard error: "<Class> error: <text>[<value>]" or
// "File error: <error string>", each ended by a line feed, a flush and one
// carriage return, so a serial console shows every line from its start.
class woxDiagnostic
{
public:
    static void error(const QString &className, const QString &text);
    static void error(const QString &className, const QString &text, qint64 value);
    static void fileError(const QString &errorString);
    // A line without the class prefix (dumps that follow an error line),
    // ended and captured the same way.
    static void line(const QString &text);

    // Tests: every line (without its line end) is also appended here;
    // nullptr stops the capture.
    static void setCapture(QStringList *sink);

private:
    static void writeLine(const QString &line);
};

#endif
