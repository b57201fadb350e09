#include "woxDiagnostic.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

namespace {
QMutex captureMutex;
QStringList *captureSink = nullptr;
}

void woxDiagnostic::error(const QString &className, const QString &text)
{
    writeLine(className + QStringLiteral(" error: ") + text);
}

void woxDiagnostic::error(const QString &className, const QString &text, qint64 value)
{
    writeLine(className + QStringLiteral(" error: ") + text + QString::number(value));
}

void woxDiagnostic::fileError(const QString &errorString)
{
    writeLine(QStringLiteral("File error: ") + errorString);
}

void woxDiagnostic::line(const QString &text)
{
    writeLine(text);
}

void woxDiagnostic::setCapture(QStringList *sink)
{
    QMutexLocker lock(&captureMutex);
    captureSink = sink;
}

void woxDiagnostic::writeLine(const QString &line)
{
    // The worker thread writes diagnostics too: keep whole lines together.
    QMutexLocker lock(&captureMutex);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::fputc('\r', stderr);
    if (captureSink)
        captureSink->append(line);
}
