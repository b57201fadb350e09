#ifndef WOXPEAKMEMORY_H
#define WOXPEAKMEMORY_H

// Shared by the bench executables (header only: bench/CMakeLists.txt builds
// each .cpp here as its own program).

#include <QByteArray>
#include <QFile>

// Peak resident memory of the process in kB (VmHWM), or -1 when unknown.
inline qint64 peakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

#endif
